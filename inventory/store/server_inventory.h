#pragma once

#include "inventory/store/chemical_table.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace records {
class Database;
class PgConnection;
class PgDatabase;
struct PgOptions;
} // namespace records

// The inventory on a PostgreSQL server: its schema (server_schema.sql), how it is made,
// opened and checked, and how a file's records are copied there.
namespace store {

// The format of the inventory on a server, kept in its state (qb_state, format_version).
// 2 adds the change tracking (server_tracking.sql); an inventory of format 1 is brought up
// to it when its owner opens it.
inline constexpr int kServerFormatVersion = 2;

// The statements that make an empty inventory on a server.
QString serverSchemaScript();

// Makes an empty inventory in the database the connection reaches, in one transaction.
// Refuses a database that holds an inventory or a part of one (ServerHoldsInventory).
void createServerInventory(records::PgConnection& conn);

// Connects and checks that the database holds an inventory this program can use: the
// chemical table with its columns in their order, the change stamp, and a format it reads;
// one of an older format is brought up to date when the user owns it.
std::unique_ptr<records::PgDatabase> openServerInventory(const QString& conninfo,
                                                         const records::PgOptions& options);
void checkServerInventory(records::PgDatabase& db);

// One record on its way to the server: its row id and its columns by ordinal, each Null
// or UTF-8 bytes (valid during the call it is handed to).
struct RecordBytes
{
    std::int64_t id = 0;
    std::array<std::optional<std::string_view>, kColumnCount> cells;
};
using RecordReader = std::function<void(const std::function<void(const RecordBytes&)>& take)>;

// Copies records into a new inventory on the server, all in one transaction: makes the
// schema, sends the records with COPY keeping their ids (read in rising id order), moves
// the id sequence past them, reads everything back and compares it before it commits. A
// value the server cannot hold is refused naming its record and column; on any failure
// the server is left as it was. Returns the number of records copied.
std::int64_t copyToServer(records::PgConnection& conn, const RecordReader& read);

// The file beside where the inventory file would lie that names a server to use instead:
// "QBData.server", one line, a libpq connection string.
QString serverFileName();
QString serverFilePath(const QString& inventoryPath);
// Whether a QBData.server lies beside that path: the inventory is then on the server, and
// the file there is neither read, made nor converted.
bool inventoryOnServer(const QString& inventoryPath);
// The connection string the file holds. Refuses an empty or unreadable file, and one that
// holds a password (ServerPasswordInFile): the file lies beside the program for everyone.
QString readServerFile(const QString& path);

// The records of an inventory file in row-id order, for copyToServer.
RecordReader fileRecords(const records::Database& file);

} // namespace store
