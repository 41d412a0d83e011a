#pragma once

#include "inventory/store/chemical_table.h"

#include <QString>
#include <QVariant>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace records {
class Connection;
class Database;
class PgDatabase;
class RowInserter;
class Statement;
} // namespace records

// What makes a file an inventory of this program, for everything that reaches one: the
// windows, the companion and the conversion of old files alike.
namespace store {

// The store's own error numbers.
enum StoreErrc : int
{
    BadWebsite = 750, // the laboratory's address is not an http or https address with a host
};

// A statement that returns nothing, run once.
void run(const records::Database& db, const QString& sql);

// Throws the engine's TableNotFound when the file has no chemical table, or its
// ColumnNotFound naming the first column the program reads that is missing or out of
// its place. Read from the schema, so it costs nothing however large the table is.
void checkColumns(const records::Database& db);

// Adds records inside the caller's write (records::Database::write), as the program's
// cursor does: each takes a row id above every id in use or ever deleted, so a window that
// still holds a deleted record's id never takes a new record for it.
class RecordAdder final
{
public:
    explicit RecordAdder(records::Database& db);
    ~RecordAdder();
    RecordAdder(const RecordAdder&) = delete;
    RecordAdder& operator=(const RecordAdder&) = delete;

    // Values by ordinal as UTF-8 text; no value stands for Null.
    using Values = std::array<std::optional<std::string_view>, kColumnCount>;
    void add(const Values& values);

private:
    std::unique_ptr<records::RowInserter> insert_;
    std::vector<QVariant> row_;
};

// The laboratory's web site, as the main window's link shows it: the address stored in
// the file, else the design's.
QString defaultWebsite(); // "https://example.org/lab"
QString website(const records::Database& db);
// The same for whatever a cursor opened, the file or a server's inventory (its qb_state).
QString website(records::Connection& connection);
// Stores the address in the file. Only an absolute http or https address with a host is
// taken (BadWebsite); a file that takes no writes refuses with the engine's reason.
void setWebsite(records::Database& db, const QString& url);
// The same in the state of an inventory on a server (qb_state), which the role must be
// allowed to update.
void setWebsite(records::PgDatabase& db, const QString& url);

} // namespace store
