#pragma once

#include "platform/data/errors.h"
#include "platform/data/pgerrors.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// libpq's own types, so that only the engine's sources include libpq-fe.h.
struct pg_conn;
struct pg_result;

namespace records {

// Why the server could not hold these bytes as text: it keeps UTF-8 without NUL
// characters. Empty when it can.
QString whyServerCannotHold(std::string_view bytes);

// Whether a connection string holds a password, as libpq reads it (false for one it cannot
// read: connecting reports that).
bool conninfoHasPassword(const QString& conninfo);

struct PgOptions
{
    // Seconds to wait for the server when the connection string names no connect_timeout.
    int connectTimeoutS = 10;
    // Seconds a statement waits for a row another session holds before it gives up
    // (ServerBusy), so that a desk never hangs on another's open transaction.
    int lockTimeoutS = 10;
};

// One row of a result, its columns as the server sent them: text is UTF-8 bytes, handed
// over as they are.
class PgRow final
{
public:
    PgRow(const pg_result* result, int row) : result_(result), row_(row) {}

    int columnCount() const;
    bool isNull(int column) const;
    // The column's bytes, valid while the result lives; empty for Null.
    std::string_view text(int column) const;
    // nullopt for Null.
    std::optional<std::string_view> cell(int column) const;
    std::int64_t int64(int column) const;
    // A null QVariant for Null, else the text.
    QVariant value(int column) const;

private:
    const pg_result* result_;
    int row_;
};

// A result held whole: for statements that return a few rows.
class PgResult final
{
public:
    PgResult() = default;
    explicit PgResult(pg_result* result) : result_(result) {}
    ~PgResult();
    PgResult(PgResult&& other) noexcept;
    PgResult& operator=(PgResult&& other) noexcept;
    PgResult(const PgResult&) = delete;
    PgResult& operator=(const PgResult&) = delete;

    // The command succeeded (with or without rows).
    bool ok() const;
    const pg_result* get() const { return result_; }
    int rowCount() const;
    PgRow row(int i) const { return PgRow(result_, i); }
    // The rows an INSERT, UPDATE or DELETE changed.
    std::int64_t affected() const;

private:
    pg_result* result_ = nullptr;
};

// The values bound to a statement's $1, $2 ...: each Null or text. A value holding a NUL
// character is refused before anything is sent (ServerCannotHoldValue); the server refuses
// bytes that are not UTF-8 itself.
class PgParams final
{
public:
    PgParams& null();
    PgParams& text(std::string_view utf8);
    PgParams& number(std::int64_t value);
    // Null, or the value's text in UTF-8 (a byte array as its bytes).
    PgParams& value(const QVariant& value);
    // A bigint array, for "= ANY($n::bigint[])".
    PgParams& numbers(std::span<const std::int64_t> values);

    int size() const { return static_cast<int>(values_.size()); }
    const std::optional<std::string>& at(int i) const { return values_[static_cast<std::size_t>(i)]; }

private:
    std::vector<std::optional<std::string>> values_;
};

// One row of COPY ... TO STDOUT in the binary format, its fields read front to back.
class PgCopyRow final
{
public:
    explicit PgCopyRow(std::string_view bytes) : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}
    // The fields the row holds; -1 for the end of the data.
    int fieldCount();
    // The next field's bytes, nullopt for Null.
    std::optional<std::string_view> next();
    // The next field as a bigint (int8), 0 for Null.
    std::int64_t nextInt64();
    // A row shorter than its fields say: the data cannot be read.
    bool broken() const { return broken_; }

private:
    const char* p_;
    const char* end_;
    bool broken_ = false;
};

class PgConnection;

// Rows for COPY ... FROM STDIN in the binary format, where values go as they are and
// nothing needs escaping. Each text is checked first, so a value the server cannot hold
// is refused with the row it came in (0-based), before the server sees it.
class PgCopyWriter final
{
public:
    void beginRow(int fields);
    void null();
    void text(std::string_view utf8);
    void number(std::int64_t value);
    std::int64_t rows() const { return rows_; }

private:
    friend class PgConnection;
    explicit PgCopyWriter(PgConnection& conn);
    void send(bool last);

    PgConnection& conn_;
    std::string buffer_;
    std::int64_t rows_ = 0;
};

// One connection to a PostgreSQL server through libpq. libpq does the work of the
// connection string: a service (service=quillarbon), a URI (postgresql://host/db?sslmode=
// verify-full), TLS and its checks, and passwords from ~/.pgpass or the service file; this
// class keeps no password and shows none. Text goes both ways as UTF-8 whatever the
// client's locale. Every failure is a DataError numbered by what went wrong (pgerrors.h).
//
// A command after a lost connection connects again first, unless the connection was lost
// inside a transaction: that transaction is gone, and its commands report the loss until
// it is rolled back.
class PgConnection final
{
public:
    // Connects, or throws ServerUnreachable, ServerLoginRefused, ServerDatabaseMissing,
    // ServerBadConnectionString, ServerSecureConnectionFailed, ServerTooOld or
    // ServerNotAnInventory (a database that does not keep text as UTF-8).
    static std::unique_ptr<PgConnection> open(const QString& conninfo, const PgOptions& options = {});
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // Where the connection goes, for messages: "the database 'lab' on db.example.org".
    QString where() const;
    // The database as a printed page or a report heading names it, on its own: "lab" on
    // this computer, "lab on db.example.org" elsewhere.
    QString shortName() const;
    QString user() const;
    int serverVersion() const;
    // The server process of this session; a new one after each reconnection.
    int backendPid() const;

    // A statement with $1, $2 ... and the values bound to them, prepared on its first use
    // on this connection. doing ("saving the record") goes into the error's text.
    PgResult exec(const QString& sql, const PgParams& params = {}, const QString& doing = {});
    // The rows of a query handed to sink one by one as the server sends them (single-row
    // mode), so memory holds one row at a time. What sink throws stops the query and is
    // thrown on.
    void stream(const QString& sql, const PgParams& params, const std::function<void(const PgRow&)>& sink,
                const QString& doing = {});
    // COPY (query) TO STDOUT in the binary format: each row handed to sink as the server
    // sends it, with none of the cost of a result per row. The query takes no values. What
    // sink throws stops the query and is thrown on.
    void copyOut(const QString& query, const std::function<void(PgCopyRow&)>& sink,
                 const QString& doing = {});
    // COPY table (columns) FROM STDIN: fill writes the rows. Returns the rows the server
    // took. A failure, fill's included, leaves the table as it was only inside a
    // transaction the caller rolls back.
    std::int64_t copyIn(const QString& table, const QStringList& columns,
                        const std::function<void(PgCopyWriter&)>& fill, const QString& doing = {});
    // Statements without values, one or several (a schema script).
    void run(const QString& sql, const QString& doing = {});

    enum class Transaction
    {
        ReadWrite,        // READ COMMITTED: each statement sees what is committed when it starts
        ReadOnlySnapshot, // REPEATABLE READ READ ONLY: every statement sees one snapshot
    };
    void begin(Transaction kind = Transaction::ReadWrite);
    // Throws ServerConnectionLost when the answer to COMMIT was lost, and says that the
    // change may have been saved.
    void commit(const QString& doing = {});
    void rollback() noexcept;
    bool inTransaction() const { return inTransaction_; }

    // Drops the session and connects again with the same string.
    void reconnect();

    // The numbered error for a failed command (result may be null).
    DataError error(const pg_result* result, const QString& doing) const;
    pg_conn* handle() const { return conn_; }

private:
    struct Key
    {
    };

public:
    PgConnection(Key, QString conninfo, PgOptions options);

private:
    friend class PgCopyWriter;
    void connect();
    void ensureOpen();
    const std::string& prepared(const QString& sql, int params, const QString& doing);
    DataError lost(const QString& doing, const QString& detail) const;

    QString conninfo_;
    PgOptions options_;
    pg_conn* conn_ = nullptr;
    std::map<QString, std::string> statements_; // statement text -> its name on this session
    int nextStatement_ = 0;
    bool inTransaction_ = false;
    bool sessionEnding_ = false; // the server said it ends the session
};

} // namespace records
