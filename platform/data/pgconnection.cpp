#include "platform/data/pgconnection.h"

#include "platform/data/database.h"

#include <QCoreApplication>

#include <libpq-fe.h>
#include <QCoreApplication>

#include <charconv>
#include <chrono>
#include <cstring>
#include <exception>
#include <memory>

namespace records {

namespace {

// The server must be new enough for the inventory's change stamp, which marks the
// transaction that moved it with pg_current_xact_id() (PostgreSQL 13).
constexpr int kMinServerVersion = 130000;
// COPY data goes to the server in pieces of about this size.
constexpr std::size_t kCopyChunk = 1 << 20;

QString invalidAt(std::size_t at)
{
    return QCoreApplication::translate("Data", "bytes that are not UTF-8 (at byte %1)").arg(at);
}

// libpq's messages end in a newline and may run over several lines (one a host tried).
QString oneLine(const char* message)
{
    QStringList lines =
        QString::fromUtf8(message ? message : "").split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    return lines.join(QStringLiteral("; "));
}

// A place in words: the database and the host, or this computer for a local socket.
QString describe(const pg_conn* conn)
{
    const QString db = QString::fromUtf8(PQdb(conn) ? PQdb(conn) : "");
    const QString host = QString::fromUtf8(PQhost(conn) ? PQhost(conn) : "");
    const QString port = QString::fromUtf8(PQport(conn) ? PQport(conn) : "");
    QString place;
    if (host.isEmpty() || host.startsWith(QLatin1Char('/')) || host.startsWith(QLatin1Char('@')))
        place = QCoreApplication::translate("Data", "this computer");
    else if (port.isEmpty() || port == QLatin1String("5432"))
        place = QCoreApplication::translate("Data", "the server %1").arg(host);
    else
        place = QCoreApplication::translate("Data", "the server %1 (port %2)").arg(host, port);
    return QCoreApplication::translate("Data", "the database '%1' on %2").arg(db, place);
}

QString capitalized(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The value libpq settled on for one of its connection options.
QString optionValue(pg_conn* conn, const char* keyword)
{
    QString value;
    PQconninfoOption* options = PQconninfo(conn);
    for (PQconninfoOption* o = options; o && o->keyword; ++o)
        if (std::strcmp(o->keyword, keyword) == 0 && o->val)
            value = QString::fromUtf8(o->val);
    PQconninfoFree(options);
    return value;
}

// The keywords libpq connects with: the program's defaults first, so that the connection
// string can change them, then the string (libpq expands it: a service, a URI, key=value
// pairs, or a bare database name), then what holds whatever the string says.
class ConnectParams final
{
public:
    ConnectParams(const QString& conninfo, int timeoutS)
    {
        add("connect_timeout", std::to_string(timeoutS));
        add("fallback_application_name", "quillarbon");
        // A desk on a network notices a server that went away within a minute.
        add("keepalives_idle", "30");
        add("keepalives_interval", "10");
        add("keepalives_count", "3");
        add("dbname", conninfo.toStdString());
        add("client_encoding", "UTF8");
    }
    ConnectParams& add(const char* keyword, std::string value)
    {
        keywords_.push_back(keyword);
        values_.push_back(std::move(value));
        return *this;
    }
    std::vector<const char*> keywords() const
    {
        std::vector<const char*> k = keywords_;
        k.push_back(nullptr);
        return k;
    }
    std::vector<const char*> values() const
    {
        std::vector<const char*> v;
        for (const std::string& s : values_)
            v.push_back(s.c_str());
        v.push_back(nullptr);
        return v;
    }

private:
    std::vector<const char*> keywords_;
    std::vector<std::string> values_;
};

PGPing ping(const ConnectParams& params)
{
    const auto k = params.keywords();
    const auto v = params.values();
    return PQpingParams(k.data(), v.data(), 1);
}

bool connects(const ConnectParams& params)
{
    const auto k = params.keywords();
    const auto v = params.values();
    pg_conn* probe = PQconnectdbParams(k.data(), v.data(), 1);
    const bool ok = probe && PQstatus(probe) == CONNECTION_OK;
    PQfinish(probe);
    return ok;
}

// Why a connection failed, told apart by what libpq can say without reading its message:
// whether the options could be used at all, whether the server answered (PQping), whether
// it answered without the TLS the string asks for, whether a password was wanted and
// missing, and whether the same login reaches another database.
DataError connectError(pg_conn* conn, const QString& conninfo, int timeoutS, double elapsedMs)
{
    const QString detail = oneLine(PQerrorMessage(conn));
    const QString target = describe(conn);
    const QString user = QString::fromUtf8(PQuser(conn) ? PQuser(conn) : "");

    const ConnectParams params(conninfo, timeoutS);
    const QString timeoutText = optionValue(conn, "connect_timeout");
    const int effectiveTimeout = timeoutText.isEmpty() ? 0 : timeoutText.toInt();
    const bool timedOut = effectiveTimeout > 0 && elapsedMs >= effectiveTimeout * 1000.0 - 250.0;
    const PGPing answer = timedOut ? PQPING_NO_RESPONSE : ping(params);

    if (answer == PQPING_NO_ATTEMPT)
        return DataError(ServerBadConnectionString,
                         QCoreApplication::translate(
                             "Data",
                             "The connection string cannot be used (%1). Write it as libpq reads it: "
                             "for example 'service=quillarbon' with the service described in "
                             "~/.pg_service.conf, or 'postgresql://host/database?sslmode=verify-full'.")
                             .arg(detail));
    if (answer == PQPING_REJECT)
        return DataError(ServerUnreachable,
                         QCoreApplication::translate(
                             "Data", "%1 takes no connections now: its server is starting up or shutting "
                                     "down (%2). Try again in a moment.")
                             .arg(capitalized(target), detail));
    if (answer == PQPING_NO_RESPONSE) {
        const QString sslmode = optionValue(conn, "sslmode");
        const bool tlsRequired = sslmode == QLatin1String("require") ||
                                 sslmode == QLatin1String("verify-ca") ||
                                 sslmode == QLatin1String("verify-full");
        if (!timedOut && tlsRequired && ping(ConnectParams(params).add("sslmode", "prefer")) == PQPING_OK)
            return DataError(ServerSecureConnectionFailed,
                             QCoreApplication::translate(
                                 "Data",
                                 "A secure connection to %1 could not be made, or the server's "
                                 "certificate could not be verified (%2). Check the authority's "
                                 "certificate (~/.postgresql/root.crt for sslmode=verify-full) and "
                                 "that the server's certificate names the host you connect to, or ask "
                                 "the server's administrator.")
                                 .arg(target, detail));
        return DataError(
            ServerUnreachable,
            QCoreApplication::translate("Data",
                                        "%1 cannot be reached%2 (%3). Check that the server runs, that the "
                                        "host name and port are right, and that this computer reaches the "
                                        "server over the network; then try again.")
                .arg(capitalized(target),
                     timedOut ? QCoreApplication::translate("Data", ": it did not answer within %1 s")
                                    .arg(effectiveTimeout)
                              : QString(),
                     detail));
    }
    // The server answered and refused: the login itself, or only the database?
    if (PQconnectionNeedsPassword(conn) || !connects(ConnectParams(params).add("dbname", "postgres")))
        return DataError(ServerLoginRefused,
                         QCoreApplication::translate(
                             "Data", "The server refused the login of the user '%2' to %1 (%3). Check the "
                                     "user name, and the password in ~/.pgpass or in the service file: the "
                                     "program keeps no password of its own.")
                             .arg(target, user, detail));
    return DataError(ServerDatabaseMissing,
                     QCoreApplication::translate(
                         "Data",
                         "The server accepts the user '%1' but has no database '%2' that the user "
                         "may open (%3). Check the database's name in the connection string, or ask "
                         "the server's administrator to create it or to grant the user CONNECT on it.")
                         .arg(user, QString::fromUtf8(PQdb(conn) ? PQdb(conn) : ""), detail));
}

// What the server says outside a command: a notice, or why it is about to end the session.
void receiveNotice(void* arg, const PGresult* result)
{
    const char* severity = PQresultErrorField(result, PG_DIAG_SEVERITY_NONLOCALIZED);
    if (severity && (std::strcmp(severity, "FATAL") == 0 || std::strcmp(severity, "PANIC") == 0))
        *static_cast<bool*>(arg) = true;
}

void appendInt16(std::string& out, std::int16_t value)
{
    const auto v = static_cast<std::uint16_t>(value);
    out.push_back(static_cast<char>(v >> 8));
    out.push_back(static_cast<char>(v & 0xff));
}

void appendInt32(std::string& out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((v >> shift) & 0xff));
}

} // namespace

QString whyServerCannotHold(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c == 0)
            return QCoreApplication::translate("Data", "a NUL character (at byte %1)").arg(i);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t code = 0, least = 0;
        if ((c & 0xe0) == 0xc0) {
            length = 2, code = c & 0x1fu, least = 0x80;
        } else if ((c & 0xf0) == 0xe0) {
            length = 3, code = c & 0x0fu, least = 0x800;
        } else if ((c & 0xf8) == 0xf0) {
            length = 4, code = c & 0x07u, least = 0x10000;
        } else {
            return invalidAt(i);
        }
        if (i + length > n)
            return invalidAt(i);
        for (std::size_t k = 1; k < length; ++k) {
            if ((p[i + k] & 0xc0) != 0x80)
                return invalidAt(i);
            code = (code << 6) | (p[i + k] & 0x3fu);
        }
        // Overlong forms, UTF-16 surrogates and code points beyond Unicode are not UTF-8.
        if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return invalidAt(i);
        i += length;
    }
    return {};
}

int PgRow::columnCount() const
{
    return PQnfields(result_);
}

bool PgRow::isNull(int column) const
{
    return PQgetisnull(result_, row_, column) != 0;
}

std::string_view PgRow::text(int column) const
{
    return std::string_view(PQgetvalue(result_, row_, column),
                            static_cast<std::size_t>(PQgetlength(result_, row_, column)));
}

std::optional<std::string_view> PgRow::cell(int column) const
{
    if (isNull(column))
        return std::nullopt;
    return text(column);
}

std::int64_t PgRow::int64(int column) const
{
    const std::string_view t = text(column);
    std::int64_t value = 0;
    std::from_chars(t.data(), t.data() + t.size(), value);
    return value;
}

QVariant PgRow::value(int column) const
{
    if (isNull(column))
        return QVariant();
    const std::string_view t = text(column);
    return QVariant(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
}

PgResult::~PgResult()
{
    PQclear(result_);
}

PgResult::PgResult(PgResult&& other) noexcept : result_(other.result_)
{
    other.result_ = nullptr;
}

PgResult& PgResult::operator=(PgResult&& other) noexcept
{
    if (this != &other) {
        PQclear(result_);
        result_ = other.result_;
        other.result_ = nullptr;
    }
    return *this;
}

bool PgResult::ok() const
{
    const ExecStatusType status = result_ ? PQresultStatus(result_) : PGRES_FATAL_ERROR;
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

int PgResult::rowCount() const
{
    return result_ ? PQntuples(result_) : 0;
}

std::int64_t PgResult::affected() const
{
    const char* count = result_ ? PQcmdTuples(result_) : "";
    std::int64_t value = 0;
    std::from_chars(count, count + std::strlen(count), value);
    return value;
}

PgParams& PgParams::null()
{
    values_.emplace_back(std::nullopt);
    return *this;
}

PgParams& PgParams::text(std::string_view utf8)
{
    values_.emplace_back(std::string(utf8));
    return *this;
}

PgParams& PgParams::number(std::int64_t value)
{
    values_.emplace_back(std::to_string(value));
    return *this;
}

PgParams& PgParams::value(const QVariant& value)
{
    if (value.isNull())
        return null();
    if (value.typeId() == QMetaType::QByteArray)
        return text(value.toByteArray().toStdString());
    return text(value.toString().toStdString());
}

PgParams& PgParams::numbers(std::span<const std::int64_t> values)
{
    std::string array = "{";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i)
            array += ',';
        array += std::to_string(values[i]);
    }
    array += '}';
    values_.emplace_back(std::move(array));
    return *this;
}

PgCopyWriter::PgCopyWriter(PgConnection& conn) : conn_(conn)
{
    buffer_.reserve(kCopyChunk + 4096);
    buffer_.append("PGCOPY\n\377\r\n\0", 11);
    appendInt32(buffer_, 0); // flags
    appendInt32(buffer_, 0); // no header extension
}

void PgCopyWriter::beginRow(int fields)
{
    if (buffer_.size() >= kCopyChunk)
        send(false);
    appendInt16(buffer_, static_cast<std::int16_t>(fields));
    ++rows_;
}

void PgCopyWriter::null()
{
    appendInt32(buffer_, -1);
}

void PgCopyWriter::text(std::string_view utf8)
{
    if (const QString why = whyServerCannotHold(utf8); !why.isEmpty())
        throw DataError(ServerCannotHoldValue,
                        QCoreApplication::translate(
                            "Data", "Row %1 cannot go to %2: a value holds %3, which the server cannot "
                                    "hold in text.")
                            .arg(rows_ - 1)
                            .arg(conn_.where(), why));
    appendInt32(buffer_, static_cast<std::int32_t>(utf8.size()));
    buffer_.append(utf8);
}

void PgCopyWriter::number(std::int64_t value)
{
    appendInt32(buffer_, 8);
    const auto v = static_cast<std::uint64_t>(value);
    for (int shift = 56; shift >= 0; shift -= 8)
        buffer_.push_back(static_cast<char>((v >> shift) & 0xff));
}

void PgCopyWriter::send(bool last)
{
    if (last)
        appendInt16(buffer_, -1);
    if (!buffer_.empty() && PQputCopyData(conn_.conn_, buffer_.data(), static_cast<int>(buffer_.size())) != 1)
        throw conn_.error(nullptr, QCoreApplication::translate("Data", "sending the rows"));
    buffer_.clear();
}

PgConnection::PgConnection(Key, QString conninfo, PgOptions options)
    : conninfo_(std::move(conninfo)), options_(options)
{}

PgConnection::~PgConnection()
{
    rollback();
    PQfinish(conn_);
}

std::unique_ptr<PgConnection> PgConnection::open(const QString& conninfo, const PgOptions& options)
{
    auto connection = std::make_unique<PgConnection>(Key{}, conninfo, options);
    connection->connect();
    return connection;
}

void PgConnection::connect()
{
    // A string libpq cannot parse is refused before anything is tried.
    char* parseError = nullptr;
    const std::string text = conninfo_.toStdString();
    const bool looksLikeOptions = conninfo_.contains(QLatin1Char('=')) ||
                                  conninfo_.startsWith(QLatin1String("postgresql://")) ||
                                  conninfo_.startsWith(QLatin1String("postgres://"));
    if (looksLikeOptions) {
        PQconninfoOption* parsed = PQconninfoParse(text.c_str(), &parseError);
        PQconninfoFree(parsed);
        if (!parsed) {
            const QString detail = oneLine(parseError ? parseError : "out of memory");
            PQfreemem(parseError);
            throw DataError(ServerBadConnectionString,
                            QCoreApplication::translate(
                                "Data", "The connection string cannot be used (%1). Write it as libpq reads "
                                        "it: for example 'service=quillarbon', 'host=server dbname=lab', or "
                                        "'postgresql://host/database?sslmode=verify-full'.")
                                .arg(detail));
        }
    }

    const ConnectParams params(conninfo_, options_.connectTimeoutS);
    const auto keywords = params.keywords();
    const auto values = params.values();
    const auto started = std::chrono::steady_clock::now();
    pg_conn* conn = PQconnectdbParams(keywords.data(), values.data(), 1);
    if (!conn)
        throw DataError(ServerError, QCoreApplication::translate(
                                         "Data", "There is no memory left to connect to the server."));
    if (PQstatus(conn) != CONNECTION_OK) {
        const double elapsed =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
        const DataError e = connectError(conn, conninfo_, options_.connectTimeoutS, elapsed);
        PQfinish(conn);
        throw e;
    }

    const int version = PQserverVersion(conn);
    const QString encoding = QString::fromUtf8(PQparameterStatus(conn, "server_encoding"));
    const QString target = describe(conn);
    if (version < kMinServerVersion) {
        PQfinish(conn);
        throw DataError(ServerTooOld,
                        QCoreApplication::translate(
                            "Data", "%1 is served by PostgreSQL %2.%3; the inventory needs version 13 or "
                                    "later. Ask the server's administrator to upgrade it.")
                            .arg(capitalized(target))
                            .arg(version / 10000)
                            .arg(version % 10000));
    }
    if (encoding != QLatin1String("UTF8")) {
        PQfinish(conn);
        throw DataError(ServerNotAnInventory,
                        QCoreApplication::translate(
                            "Data", "%1 keeps its text as %2, and an inventory needs a database that keeps "
                                    "UTF-8. Make the database with ENCODING 'UTF8' and copy the inventory "
                                    "there.")
                            .arg(capitalized(target), encoding));
    }

    rollback();
    PQfinish(conn_);
    conn_ = conn;
    sessionEnding_ = false;
    PQsetNoticeReceiver(conn_, receiveNotice, &sessionEnding_);
    statements_.clear();
    inTransaction_ = false;
    exec(QStringLiteral("SELECT set_config('lock_timeout', $1, false)"),
         PgParams().text(std::to_string(options_.lockTimeoutS * 1000)),
         QCoreApplication::translate("Data", "connecting"));
}

void PgConnection::reconnect()
{
    connect();
}

void PgConnection::ensureOpen()
{
    if (conn_ && PQstatus(conn_) == CONNECTION_OK) {
        if (inTransaction_)
            return;
        // An idle session that the server has ended since (a restart, an administrator)
        // has said so already: read what came before anything is sent.
        PQconsumeInput(conn_);
        PQisBusy(conn_);
        if (PQstatus(conn_) == CONNECTION_OK && !sessionEnding_)
            return;
    }
    if (inTransaction_)
        throw lost(QString(), oneLine(conn_ ? PQerrorMessage(conn_) : nullptr));
    connect();
}

const std::string& PgConnection::prepared(const QString& sql, int params, const QString& doing)
{
    if (const auto found = statements_.find(sql); found != statements_.end())
        return found->second;
    std::string name = "qb" + std::to_string(++nextStatement_);
    const PgResult result(PQprepare(conn_, name.c_str(), sql.toUtf8().constData(), params, nullptr));
    if (!result.ok())
        throw error(result.get(), doing);
    return statements_.emplace(sql, std::move(name)).first->second;
}

namespace {

std::vector<const char*> bound(const PgParams& params, const QString& where)
{
    std::vector<const char*> values;
    for (int i = 0; i < params.size(); ++i) {
        const std::optional<std::string>& v = params.at(i);
        // libpq sends a value up to its first NUL, which would cut it short unseen.
        if (v && v->find('\0') != std::string::npos)
            throw DataError(ServerCannotHoldValue,
                            QCoreApplication::translate(
                                "Data",
                                "Value %1 cannot go to %2: it holds a NUL character, which the server "
                                "cannot hold in text.")
                                .arg(i + 1)
                                .arg(where));
        values.push_back(v ? v->c_str() : nullptr);
    }
    return values;
}

} // namespace

PgResult PgConnection::exec(const QString& sql, const PgParams& params, const QString& doing)
{
    ensureOpen();
    const std::vector<const char*> values = bound(params, where());
    const std::string& name = prepared(sql, params.size(), doing);
    PgResult result(PQexecPrepared(conn_, name.c_str(), params.size(), values.data(), nullptr, nullptr, 0));
    if (!result.ok())
        throw error(result.get(), doing);
    return result;
}

void PgConnection::stream(const QString& sql, const PgParams& params,
                          const std::function<void(const PgRow&)>& sink, const QString& doing)
{
    ensureOpen();
    const std::vector<const char*> values = bound(params, where());
    const std::string& name = prepared(sql, params.size(), doing);
    if (!PQsendQueryPrepared(conn_, name.c_str(), params.size(), values.data(), nullptr, nullptr, 0))
        throw error(nullptr, doing);
    PQsetSingleRowMode(conn_);

    std::exception_ptr thrown;
    std::optional<DataError> failed;
    // Every result is read, also after a failure, so the connection is ready for the next
    // command.
    while (pg_result* next = PQgetResult(conn_)) {
        const PgResult result(next);
        const ExecStatusType status = PQresultStatus(next);
        if (status == PGRES_SINGLE_TUPLE || status == PGRES_TUPLES_OK) {
            if (thrown || failed)
                continue;
            try {
                const int rows = PQntuples(next);
                for (int i = 0; i < rows; ++i)
                    sink(PgRow(next, i));
            } catch (...) {
                thrown = std::current_exception();
                // The rest of a large result is not worth waiting for.
                if (PGcancel* cancel = PQgetCancel(conn_)) {
                    char message[256];
                    PQcancel(cancel, message, sizeof message);
                    PQfreeCancel(cancel);
                }
            }
        } else if (!thrown && !failed) {
            failed = error(next, doing);
        }
    }
    if (thrown)
        std::rethrow_exception(thrown);
    if (failed)
        throw *failed;
    if (PQstatus(conn_) != CONNECTION_OK)
        throw error(nullptr, doing);
}

std::int64_t PgConnection::copyIn(const QString& table, const QStringList& columns,
                                  const std::function<void(PgCopyWriter&)>& fill, const QString& doing)
{
    ensureOpen();
    QStringList quoted;
    for (const QString& c : columns)
        quoted.append(quoteIdentifier(c));
    // COPY takes no parameters: the statement names only identifiers, quoted, and the
    // values travel in the COPY data.
    const QString sql = QStringLiteral("COPY %1 (%2) FROM STDIN (FORMAT binary)")
                            .arg(quoteIdentifier(table), quoted.join(QLatin1Char(',')));
    {
        const PgResult start(PQexec(conn_, sql.toUtf8().constData()));
        if (PQresultStatus(start.get()) != PGRES_COPY_IN)
            throw error(start.get(), doing);
    }
    auto drain = [this] {
        while (pg_result* next = PQgetResult(conn_))
            PQclear(next);
    };
    try {
        PgCopyWriter writer(*this);
        fill(writer);
        writer.send(true);
    } catch (...) {
        if (PQstatus(conn_) == CONNECTION_OK)
            PQputCopyEnd(conn_, "the rows could not be made");
        drain();
        throw;
    }
    if (PQputCopyEnd(conn_, nullptr) != 1)
        throw error(nullptr, doing);
    std::optional<DataError> failed;
    std::int64_t rows = 0;
    while (pg_result* next = PQgetResult(conn_)) {
        const PgResult result(next);
        if (PQresultStatus(next) == PGRES_COMMAND_OK)
            rows = result.affected();
        else if (!failed)
            failed = error(next, doing);
    }
    if (failed)
        throw *failed;
    return rows;
}

namespace {

std::uint32_t bigEndian32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return (std::uint32_t(u[0]) << 24) | (std::uint32_t(u[1]) << 16) | (std::uint32_t(u[2]) << 8) |
           std::uint32_t(u[3]);
}

} // namespace

int PgCopyRow::fieldCount()
{
    if (end_ - p_ < 2) {
        broken_ = true;
        return -1;
    }
    const auto* u = reinterpret_cast<const unsigned char*>(p_);
    p_ += 2;
    return static_cast<std::int16_t>((std::uint16_t(u[0]) << 8) | std::uint16_t(u[1]));
}

std::optional<std::string_view> PgCopyRow::next()
{
    if (end_ - p_ < 4) {
        broken_ = true;
        return std::nullopt;
    }
    const auto length = static_cast<std::int32_t>(bigEndian32(p_));
    p_ += 4;
    if (length < 0)
        return std::nullopt;
    if (end_ - p_ < length) {
        broken_ = true;
        return std::nullopt;
    }
    const std::string_view field(p_, static_cast<std::size_t>(length));
    p_ += length;
    return field;
}

std::int64_t PgCopyRow::nextInt64()
{
    const std::optional<std::string_view> field = next();
    if (!field)
        return 0;
    if (field->size() != 8) {
        broken_ = true;
        return 0;
    }
    return static_cast<std::int64_t>((std::uint64_t(bigEndian32(field->data())) << 32) |
                                     bigEndian32(field->data() + 4));
}

void PgConnection::copyOut(const QString& query, const std::function<void(PgCopyRow&)>& sink,
                           const QString& doing)
{
    ensureOpen();
    const QString sql = QStringLiteral("COPY (%1) TO STDOUT (FORMAT binary)").arg(query);
    {
        const PgResult start(PQexec(conn_, sql.toUtf8().constData()));
        if (PQresultStatus(start.get()) != PGRES_COPY_OUT)
            throw error(start.get(), doing);
    }
    // The signature, the flags and the length of the header's extension come before the
    // first row.
    static constexpr char kSignature[] = "PGCOPY\n\377\r\n\0";
    constexpr std::size_t kHeader = 19;
    std::exception_ptr thrown;
    bool header = true;
    char* buffer = nullptr;
    int size = 0;
    // Every row is read, also after a failure, so the connection is ready for the next
    // command.
    while ((size = PQgetCopyData(conn_, &buffer, 0)) > 0) {
        const std::unique_ptr<char, void (*)(void*)> owned(buffer, PQfreemem);
        if (thrown)
            continue;
        try {
            std::string_view row(buffer, static_cast<std::size_t>(size));
            if (header) {
                header = false;
                if (row.size() < kHeader || std::memcmp(row.data(), kSignature, 11) != 0)
                    throw DataError(
                        ServerError,
                        QStringLiteral("The rows %1 sent%2 cannot be read: they are "
                                       "not in the form asked for.")
                            .arg(where(), doing.isEmpty() ? QString() : QStringLiteral(" while ") + doing));
                const std::size_t extension = bigEndian32(row.data() + 15);
                if (row.size() < kHeader + extension)
                    throw DataError(ServerError,
                                    QStringLiteral("The rows %1 sent cannot be read: their header "
                                                   "is cut short.")
                                        .arg(where()));
                row.remove_prefix(kHeader + extension);
                if (row.empty())
                    continue;
            }
            PgCopyRow parsed(row);
            sink(parsed);
        } catch (...) {
            thrown = std::current_exception();
            // The rest of a large result is not worth waiting for.
            if (PGcancel* cancel = PQgetCancel(conn_)) {
                char message[256];
                PQcancel(cancel, message, sizeof message);
                PQfreeCancel(cancel);
            }
        }
    }
    std::optional<DataError> failed;
    if (size == -2)
        failed = error(nullptr, doing);
    while (pg_result* next = PQgetResult(conn_)) {
        const PgResult result(next);
        if (PQresultStatus(next) != PGRES_COMMAND_OK && !failed)
            failed = error(next, doing);
    }
    if (thrown)
        std::rethrow_exception(thrown);
    if (failed)
        throw *failed;
    if (PQstatus(conn_) != CONNECTION_OK)
        throw error(nullptr, doing);
}

void PgConnection::run(const QString& sql, const QString& doing)
{
    ensureOpen();
    const PgResult result(PQexec(conn_, sql.toUtf8().constData()));
    if (!result.ok())
        throw error(result.get(), doing);
}

void PgConnection::begin(Transaction kind)
{
    // The server would only warn and go on in the transaction already open.
    if (inTransaction_)
        throw DataError(DatabaseError,
                        QCoreApplication::translate(
                            "Data", "A transaction on %1 is already open; it must end before another begins.")
                            .arg(where()));
    run(kind == Transaction::ReadWrite ? QStringLiteral("BEGIN")
                                       : QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"),
        QCoreApplication::translate("Data", "starting a transaction"));
    inTransaction_ = true;
}

void PgConnection::commit(const QString& doing)
{
    if (!inTransaction_)
        return;
    if (PQstatus(conn_) != CONNECTION_OK) {
        inTransaction_ = false;
        throw lost(doing, oneLine(PQerrorMessage(conn_)));
    }
    // COMMIT of a transaction the server has already failed only rolls it back.
    if (PQtransactionStatus(conn_) != PQTRANS_INTRANS) {
        rollback();
        throw DataError(
            ServerError,
            QCoreApplication::translate("Data", "Nothing was saved in %1: the server had refused a step of "
                                                "the change%2.")
                .arg(where(), doing.isEmpty() ? QString() : QStringLiteral(" (") + doing + QLatin1Char(')')));
    }
    const PgResult result(PQexec(conn_, "COMMIT"));
    inTransaction_ = false;
    if (result.ok())
        return;
    if (PQstatus(conn_) != CONNECTION_OK)
        throw DataError(ServerConnectionLost,
                        QCoreApplication::translate(
                            "Data", "The connection to %1 was lost as the change was committed, before the "
                                    "server said whether it was saved: it may or may not be there (%2). "
                                    "Refresh to see the records as they are now; what you typed is still on "
                                    "the screen. The next command connects again.")
                            .arg(where(), oneLine(PQerrorMessage(conn_))));
    throw error(result.get(), doing);
}

void PgConnection::rollback() noexcept
{
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    if (conn_ && PQstatus(conn_) == CONNECTION_OK)
        PQclear(PQexec(conn_, "ROLLBACK"));
}

QString PgConnection::where() const
{
    return describe(conn_);
}

QString PgConnection::user() const
{
    return QString::fromUtf8(PQuser(conn_) ? PQuser(conn_) : "");
}

int PgConnection::serverVersion() const
{
    return PQserverVersion(conn_);
}

int PgConnection::backendPid() const
{
    return PQbackendPID(conn_);
}

DataError PgConnection::lost(const QString& doing, const QString& detail) const
{
    const QString when = doing.isEmpty() ? QString() : QCoreApplication::translate("Data", " while ") + doing;
    return DataError(ServerConnectionLost,
                     QCoreApplication::translate(
                         "Data",
                         "The connection to %1 was lost%2 (%3). Nothing more was done there, and what "
                         "you typed is still on the screen. The next command connects again; if it "
                         "cannot, check that the server runs and that the network reaches it.")
                         .arg(where(), when, detail));
}

DataError PgConnection::error(const pg_result* result, const QString& doing) const
{
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    const QString detail = oneLine(primary ? primary : PQerrorMessage(conn_));
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK)
        return lost(doing, detail);
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const QString when = doing.isEmpty() ? QString() : QCoreApplication::translate("Data", " while ") + doing;
    const QString place = where();
    switch (const int number = serverErrorNumber(state)) {
    case ServerConnectionLost:
        return lost(doing, detail);
    case ServerPermissionDenied:
        return DataError(number, QCoreApplication::translate(
                                     "Data", "The server does not let the user '%1' do this in %2%3 (%4). "
                                             "Ask the server's administrator for the right, or work as a "
                                             "user who has it.")
                                     .arg(user(), place, when, detail));
    case ServerNotAnInventory:
        return DataError(number, QCoreApplication::translate(
                                     "Data", "%1 lacks a part of the inventory%2 (%3). Check that the "
                                             "connection names the database the inventory was copied to.")
                                     .arg(capitalized(place), when, detail));
    case ServerCannotHoldValue:
        return DataError(number, QCoreApplication::translate(
                                     "Data", "%1 cannot hold a value%2 (%3). The server keeps text as UTF-8 "
                                             "without NUL characters, and a name of at most about 2,700 "
                                             "bytes.")
                                     .arg(capitalized(place), when, detail));
    case RuleViolated:
        return DataError(number, QCoreApplication::translate(
                                     "Data", "The change was not saved: it breaks a rule of the table in "
                                             "%1 (%2).")
                                     .arg(place, detail));
    case ServerBusy:
        return DataError(number, QCoreApplication::translate(
                                     "Data", "The server broke off the command in %1%2, because another "
                                             "user held the same records too long (%3). Nothing was "
                                             "changed; try again in a moment.")
                                     .arg(place, when, detail));
    case ServerOutOfResources:
        return DataError(number,
                         QCoreApplication::translate(
                             "Data", "The server has run out of room, memory or connections in "
                                     "%1%2 (%3). Nothing was changed; tell the server's administrator.")
                             .arg(place, when, detail));
    case ServerLoginRefused:
    case ServerDatabaseMissing:
        return DataError(number,
                         QCoreApplication::translate("Data", "The server refused the user '%2' in %1%3 (%4).")
                             .arg(place, user(), when, detail));
    default:
        return DataError(
            ServerError,
            QCoreApplication::translate("Data", "The server reported an error in %1%2: %3 (SQLSTATE %4).")
                .arg(place, when, detail, QString::fromLatin1(state ? state : "none")));
    }
}

bool conninfoHasPassword(const QString& conninfo)
{
    const QByteArray text = conninfo.toUtf8();
    char* parseError = nullptr;
    PQconninfoOption* parsed = PQconninfoParse(text.constData(), &parseError);
    PQfreemem(parseError);
    if (!parsed)
        return false;
    bool found = false;
    for (const PQconninfoOption* o = parsed; o->keyword; ++o)
        if (std::strcmp(o->keyword, "password") == 0 && o->val)
            found = true;
    PQconninfoFree(parsed);
    return found;
}

QString PgConnection::shortName() const
{
    const QString db = QString::fromUtf8(PQdb(conn_) ? PQdb(conn_) : "");
    const QString host = QString::fromUtf8(PQhost(conn_) ? PQhost(conn_) : "");
    const QString port = QString::fromUtf8(PQport(conn_) ? PQport(conn_) : "");
    if (host.isEmpty() || host.startsWith(QLatin1Char('/')) || host.startsWith(QLatin1Char('@')))
        return db;
    const QString server =
        port.isEmpty() || port == QLatin1String("5432") ? host : host + QLatin1Char(':') + port;
    return QCoreApplication::translate("Data", "%1 on %2").arg(db, server);
}

} // namespace records
