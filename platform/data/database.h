#pragma once

#include "platform/data/connection.h"
#include "platform/data/errors.h"
#include "platform/data/fileformat.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace records {

// A file path as a caller joins it: backslashes and doubled separators are folded so
// that "dir\QBData.mdb", "dir/QBData.mdb" and "dir//QBData.mdb" name one file.
QString normalizePath(const QString& path);

struct OpenOptions
{
    bool readOnly = false;
    bool exclusive = false;
    int busyTimeoutMs = 3000;
    // The program's format, checked at opening and brought up to date by every write;
    // none for a plain file. Outlives the connection.
    const FileFormat* format = nullptr;
};

class Statement;
class RowCache;
struct RowSnapshot;

// One SQLite connection to one database file. Opening never creates a file, and a file
// that cannot serve as a database is refused before anything on disk changes.
class Database final : public Connection
{
public:
    static std::unique_ptr<Database> open(const QString& path, const OpenOptions& options = {});
    // Makes a new database file from a script of statements, in the format given (its
    // steps run in the same write). Refuses to touch a file that exists; a failed script
    // leaves no file behind.
    static void create(const QString& path, const QString& script, const FileFormat* format = nullptr);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return path_; }
    // Opened for reading only, as the caller asked.
    bool readOnly() const override { return options_.readOnly; }
    // Why no write can be saved in the file: it is read-only (file, folder or medium), or
    // damaged (PRAGMA quick_check finds it so). Null when writes may go ahead. Every write
    // throws this error. A file opened for writing is checked once: on a thread of its own
    // from startCheck (a window starts it when its load is done), else here, which waits
    // for the check.
    const DataError* writeRefusal() const;
    const DataError* writeRefusal(const QString&) const override { return writeRefusal(); }
    void startCheck() const override;
    // The check started and has not finished yet.
    bool checkPending() const override;
    sqlite3* handle() const { return db_; }

    // Stops what reads on this connection, from any thread, now and from then on: for a
    // reading that is no longer wanted. The connection is of no further use.
    void interrupt() noexcept;
    bool interrupted() const noexcept override { return interrupted_.load(std::memory_order_relaxed); }
    // Whether a connection of this program has the file open (its canonical path).
    static bool openHere(const QString& canonicalPath);
    // Sets SQLite up for the program; before its first use, on the thread that starts others.
    static void configureEngine();
    const QString& canonicalPath() const { return canonicalPath_; }

    // The table's name as the schema spells it, matched without regard to case; empty
    // when there is no such table.
    QString tableName(const QString& name) const override;
    // The table's columns in their order in the table.
    QStringList columns(const QString& table) const override;

    // The line ending most values of the columns that hold several lines use: "\r\n" or
    // "\n" ("\n" when none holds any).
    QString lineBreakInUse(const QString& table, const QStringList& columns) const override;

    // Changes whenever this connection or any other commits a change to the file.
    std::int64_t changeStamp() const override;
    // The change stamp just before this connection's last write and just after it: what
    // its cache stood for and what, patched with the write, it now stands for.
    std::int64_t stampBeforeLastWrite() const override { return stampBeforeWrite_; }
    std::int64_t stampAfterLastWrite() const override { return stampAfterWrite_; }

    // SQLite gives the next row added the id of a deleted row when that one had the
    // largest id, and a cursor elsewhere still holding the id would then show the new row
    // in the deleted one's place and write over it. The file keeps the largest id ever
    // deleted (in its state table QB_STATE, made by the first retiring), and rows are added
    // above it. Retiring runs inside a write and never lowers the mark.
    std::int64_t retiredRowid() const;
    void retireRowid(std::int64_t rowid);
    // The row id the next row added to the table must take, inside a write: above every
    // id in the table and every id ever deleted. Whoever adds rows gives them ids from here.
    std::int64_t nextRowid(const QString& table) const;

    // The error for a failed SQLite call, with a text that names the file.
    DataError error(int rc, const QString& doing = {}) const;

    // Reads of one burst of moves (the work of one event) share one read transaction
    // instead of taking the file's locks once a row. Whoever enables bursts must end each
    // one before control returns to the event loop, so no snapshot goes stale; a write
    // and a new cursor end it themselves.
    void setReadBursts(std::function<void()> scheduleEnd) override
    {
        scheduleBurstEnd_ = std::move(scheduleEnd);
    }
    void beginReadBurst() override;
    void endReadBurst() noexcept override;
    // Names the read burst under way (0: none), so what was read in it can be kept for it.
    std::uint64_t burstSerial() const override { return inReadBurst_ ? burstSerial_ : 0; }

    // The change stamp as the current read burst sees the file (taken when the burst
    // began), or as it is now outside a burst.
    std::int64_t currentStamp() override;

    // The record operations of a record set and its read cache (filerecords.cpp).
    QString where() const override;
    std::int64_t scanById(const QString& table, const QStringList& columns, const RowSink& sink) override;
    std::int64_t largestId(const QString& table) override;
    void fetchIds(const QString& table, const QStringList& columns, std::span<const std::int64_t> ids,
                  const RowSink& sink) override;
    std::int64_t insertRow(const QString& table, const QStringList& columns,
                           const std::vector<FieldValue>& values) override;
    void updateRow(const QString& table, const QStringList& columns, std::int64_t id,
                   const std::vector<FieldValue>& values, const std::vector<int>& checked,
                   const std::function<void(const std::vector<QVariant>& now)>& verify) override;
    void deleteRow(const QString& table, std::int64_t id) override;

    // A header value (PRAGMA application_id, user_version, ...) as an integer; 0 when none.
    std::int64_t pragma(const char* name) const;
    // Sets an integer header value, inside a write; name is one of SQLite's pragmas.
    void setPragma(const char* name, std::int64_t value);

    // Runs one write in BEGIN IMMEDIATE ... COMMIT; rolls back and throws on failure.
    template <class F> void write(F&& body)
    {
        beginWrite();
        try {
            body();
            commit();
        } catch (...) {
            rollback();
            throw;
        }
    }

private:
    struct Key
    {
    };

public:
    // Only open() can name the key, so only it makes a Database.
    Database(Key, sqlite3* db, QString path, OpenOptions options);

private:
    class IntegrityCheck;
    void refuseAsDamaged(const QString& problem) const;
    void exec(const char* sql, const QString& doing);
    void beginWrite();
    void commit();
    void rollback() noexcept;

    sqlite3* db_;
    QString path_;
    QString canonicalPath_; // the file, whatever way its path was written
    OpenOptions options_;
    std::atomic<bool> interrupted_{false};
    std::int64_t ownCommits_ = 0;
    std::int64_t writeDataVersion_ = 0;
    std::int64_t stampBeforeWrite_ = -1;
    std::int64_t stampAfterWrite_ = -1;
    mutable bool checkDue_ = false;
    mutable std::unique_ptr<IntegrityCheck> check_;
    mutable std::optional<DataError> refusal_;
    std::function<void()> scheduleBurstEnd_;
    bool inReadBurst_ = false;
    std::uint64_t burstSerial_ = 0;
    std::int64_t burstStamp_ = -1;
    // The read-around batch's statements, prepared once (by their text).
    std::map<QString, std::unique_ptr<Statement>> fetches_;
};

// A prepared statement that never keeps a read transaction open: it is reset when the
// caller's scope ends (see Statement::Reset).
class Statement final
{
public:
    Statement(const Database& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QVariant& value);
    void bind(int index, std::int64_t value);
    // Steps once: true while a row is available.
    bool step();
    void reset() noexcept;

    int columnCount() const { return sqlite3_column_count(stmt_); }
    int columnType(int i) const { return sqlite3_column_type(stmt_, i); }
    std::int64_t int64(int i) const { return sqlite3_column_int64(stmt_, i); }
    double real(int i) const { return sqlite3_column_double(stmt_, i); }
    // Null, or the column's text whatever its storage class (see int64 for numbers).
    QVariant value(int i) const;
    // The text of a column as UTF-8 bytes, valid until the next step or reset.
    const char* utf8(int i, int* size) const;

    // Resets the statement when the scope ends, so no read transaction lingers.
    class Reset
    {
    public:
        explicit Reset(Statement& s) : s_(s) {}
        ~Reset() { s_.reset(); }
        Reset(const Reset&) = delete;
        Reset& operator=(const Reset&) = delete;

    private:
        Statement& s_;
    };

private:
    const Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// An identifier checked against the schema, quoted for use in a statement.
QString quoteIdentifier(const QString& name);

// The one way rows are added to a file: each takes the next id (Database::nextRowid), so a
// window's New and an import number records alike. Made and used inside one write.
class RowInserter final
{
public:
    RowInserter(Database& db, const QString& table, const QStringList& columns);
    // Values in the order of the columns given; returns the new row's id.
    std::int64_t add(const std::vector<QVariant>& values);

private:
    Statement insert_;
    std::int64_t next_;
};

} // namespace records
