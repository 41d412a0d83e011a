// Reading an inventory from a PostgreSQL server against reading the same columns from the
// file, in the same run, each as fresh processes:
//
//   qb_bench_server_read [N ...]        (default: 100000 1000000)
//
// The benchmark starts a throwaway cluster of its own (tests/server/with_cluster.sh, a
// Unix socket on this machine, stopped when the benchmark ends) and, for each N, copies
// the generated inventory of N records (made once under $QB_BENCH_DIR, or the temporary
// folder) into it with the store's copy, timed. Then five rounds of
//   sqlite3  - sqlite3's shell reading rowid, NOME, ALDRICH, FORMULA from the file in rowid
//              order, its output thrown away;
//   libpq    - libpq's single-row mode reading id, nome, aldrich, formula in id order, every
//              value touched;
//   copy     - the same rows through COPY (SELECT ...) TO STDOUT in the binary format;
//   scan     - PgDatabase::scanById of the same columns into the read cache's columns.
// Each figure is the median wall time with the minimum and maximum, the CPU time of the
// median run and the peak resident memory the client process tells (the server's own is
// not counted; sqlite3's shell tells none).
// Last, once: reading id and nome in the order of the collation qb_name (timed, through the
// index and with the server sorting), and the positions at
// which its order differs from the program's: the sort keys the engine makes (ICU pt_BR,
// primary strength, then the exact text, then the id), and the names at each position of
// the program's own cursor on the file.
#include "bench/e2e.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/database.h"
#include "platform/data/pgdatabase.h"
#include "platform/data/recordset.h"
#include "platform/data/sortkeys.h"
#include "platform/data/textcolumn.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <numeric>
#include <string>
#include <vector>

namespace {

const char* const kRead = "SELECT id, nome, aldrich, formula FROM tolmireks ORDER BY id";

struct Run
{
    double ms = 0;
    double cpuMs = 0;
    long peakKb = 0;
};

double ms(const timeval& t)
{
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// A child of this benchmark tells its peak memory on file descriptor 3: what the kernel
// counts for a child includes the memory of the process that forked it.
void reportPeak()
{
    dprintf(3, "%ld\n", bench::peakKb());
}

// Forks and runs a program with its output thrown away; the child's rusage gives its CPU
// time, and the child itself its peak memory (0 when it cannot tell).
Run timeProcess(const std::vector<std::string>& args)
{
    std::vector<std::string> copy = args;
    std::vector<char*> argv;
    for (std::string& a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int peak[2];
    if (pipe(peak) != 0)
        std::exit(1);
    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, 1);
        close(peak[0]);
        dup2(peak[1], 3);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(peak[1]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run r;
    r.ms = nowMs() - start;
    char told[32] = {};
    const ssize_t got = read(peak[0], told, sizeof told - 1);
    close(peak[0]);
    r.peakKb = got > 0 ? std::atol(told) : 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "failed (status %d): %s %s\n", WEXITSTATUS(status), args.front().c_str(),
                     args.size() > 1 ? args[1].c_str() : "");
        std::exit(1);
    }
    r.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    return r;
}

void print(const char* what, std::vector<Run> runs)
{
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    long peak = 0;
    for (const Run& r : runs)
        peak = std::max(peak, r.peakKb);
    const Run& median = runs[runs.size() / 2];
    std::printf("  %-8s %7.0f ms  [%.0f-%.0f]   cpu %6.0f ms   peak %s\n", what, median.ms, runs.front().ms,
                runs.back().ms, median.cpuMs,
                peak > 0 ? qPrintable(QStringLiteral("%1 MB").arg(peak / 1024)) : "(not told)");
    std::fflush(stdout);
}

// libpq's single-row read, as bare as it comes.
int libpqRead(const char* conninfo)
{
    PGconn* conn = PQconnectdb(conninfo);
    if (PQstatus(conn) != CONNECTION_OK || !PQsendQuery(conn, kRead) || !PQsetSingleRowMode(conn))
        return 1;
    long bytes = 0, rows = 0;
    bool ok = true;
    while (PGresult* r = PQgetResult(conn)) {
        const ExecStatusType s = PQresultStatus(r);
        if (s == PGRES_SINGLE_TUPLE) {
            ++rows;
            for (int c = 1; c < 4; ++c)
                bytes += PQgetlength(r, 0, c) + (PQgetvalue(r, 0, c)[0] != 0 ? 1 : 0);
        } else if (s != PGRES_TUPLES_OK) {
            ok = false;
        }
        PQclear(r);
    }
    PQfinish(conn);
    std::printf("%ld rows %ld bytes\n", rows, bytes);
    reportPeak();
    return ok && rows > 0 ? 0 : 1;
}

std::int32_t readInt32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<std::int32_t>((std::uint32_t(u[0]) << 24) | (std::uint32_t(u[1]) << 16) |
                                     (std::uint32_t(u[2]) << 8) | std::uint32_t(u[3]));
}

// The same rows through COPY in the binary format.
int copyRead(const char* conninfo)
{
    PGconn* conn = PQconnectdb(conninfo);
    const std::string sql = std::string("COPY (") + kRead + ") TO STDOUT (FORMAT binary)";
    PGresult* start = PQexec(conn, sql.c_str());
    if (PQresultStatus(start) != PGRES_COPY_OUT)
        return 1;
    PQclear(start);
    long bytes = 0, rows = 0;
    char* buffer = nullptr;
    int size = 0;
    bool header = true;
    while ((size = PQgetCopyData(conn, &buffer, 0)) > 0) {
        const char* p = buffer;
        if (header) {
            p += 19; // signature, flags, header extension length
            header = false;
        }
        const auto fields = static_cast<std::int16_t>((std::uint8_t(p[0]) << 8) | std::uint8_t(p[1]));
        p += 2;
        if (fields > 0) {
            ++rows;
            for (int f = 0; f < fields; ++f) {
                const std::int32_t length = readInt32(p);
                p += 4;
                if (length > 0) {
                    bytes += length + (p[0] != 0 ? 1 : 0);
                    p += length;
                }
            }
        }
        PQfreemem(buffer);
    }
    PGresult* end = PQgetResult(conn);
    const bool ok = PQresultStatus(end) == PGRES_COMMAND_OK;
    PQclear(end);
    PQfinish(conn);
    std::printf("%ld rows %ld bytes\n", rows, bytes);
    reportPeak();
    return ok && rows > 0 ? 0 : 1;
}

// The engine's scan into the read cache's column format.
int engineScan(const char* conninfo)
{
    auto db = records::PgDatabase::open(QString::fromUtf8(conninfo));
    std::vector<records::TextColumn::Builder> columns(3);
    std::vector<std::int64_t> ids;
    db->scanById(QStringLiteral("tolmireks"),
                 {QStringLiteral("nome"), QStringLiteral("aldrich"), QStringLiteral("formula")},
                 [&](std::int64_t id, records::PgDatabase::Cells cells) {
                     ids.push_back(id);
                     for (std::size_t c = 0; c < 3; ++c)
                         columns[c].append(cells[c]);
                 });
    std::size_t rows = 0;
    for (records::TextColumn::Builder& b : columns)
        rows += b.finish().size();
    std::printf("%zu ids %zu cells\n", ids.size(), rows);
    reportPeak();
    return ids.empty() ? 1 : 0;
}

struct Name
{
    std::int64_t id;
    bool null;
    std::string text;
    std::string key;
};

// The program's order of names, from the engine's own sort keys: Null first, then the key,
// the exact text, the row id.
std::vector<std::int64_t> programOrder(const QString& file)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(file).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid, NOME FROM TOLMIREKS", -1, &stmt, nullptr);
    records::SortKeys keys;
    std::vector<Name> names;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        Name n{sqlite3_column_int64(stmt, 0), sqlite3_column_type(stmt, 1) == SQLITE_NULL, {}, {}};
        if (!n.null) {
            n.text.assign(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)),
                          static_cast<std::size_t>(sqlite3_column_bytes(stmt, 1)));
            keys.append(n.key, n.text.data(), static_cast<int>(n.text.size()));
        }
        names.push_back(std::move(n));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    std::sort(names.begin(), names.end(), [](const Name& a, const Name& b) {
        if (a.null != b.null)
            return a.null;
        if (const int c = a.key.compare(b.key); c != 0)
            return c < 0;
        if (const int c = a.text.compare(b.text); c != 0)
            return c < 0;
        return a.id < b.id;
    });
    std::vector<std::int64_t> ids;
    for (const Name& n : names)
        ids.push_back(n.id);
    return ids;
}

void compareOrders(records::PgConnection& conn, const QString& file)
{
    std::vector<std::int64_t> serverIds;
    std::vector<std::optional<std::string>> serverNames;
    double start = nowMs();
    conn.stream(
        QStringLiteral("SELECT id, nome FROM tolmireks ORDER BY nome COLLATE qb_name NULLS FIRST, id"), {},
        [&](const records::PgRow& row) {
            serverIds.push_back(row.int64(0));
            const auto name = row.cell(1);
            serverNames.push_back(name ? std::optional<std::string>(std::string(*name)) : std::nullopt);
        });
    const double sorted = nowMs() - start;
    // The same order without the index: the server sorting by the collation itself. The
    // statement's own text has it planned after the settings (a prepared one keeps its plan).
    conn.run(QStringLiteral(
        "SET enable_indexscan = off; SET enable_indexonlyscan = off; SET enable_bitmapscan = off"));
    std::size_t rows = 0;
    start = nowMs();
    conn.stream(QStringLiteral(
                    "SELECT id, nome FROM tolmireks ORDER BY nome COLLATE qb_name NULLS FIRST, id -- sorted"),
                {}, [&](const records::PgRow&) { ++rows; });
    const double sortedByServer = nowMs() - start;
    conn.run(QStringLiteral("RESET enable_indexscan; RESET enable_indexonlyscan; RESET enable_bitmapscan"));

    const std::vector<std::int64_t> keyed = programOrder(file);
    std::size_t byKeys = keyed.size() == serverIds.size() ? 0 : std::max(keyed.size(), serverIds.size());
    for (std::size_t i = 0; i < std::min(keyed.size(), serverIds.size()); ++i)
        byKeys += keyed[i] != serverIds[i] ? 1 : 0;

    // The program's own cursor on the file: the name at each position.
    const auto db = records::Database::open(file, {true});
    db->setReadBursts([] {});
    std::size_t byCursor = 0;
    {
        const records::Recordset rs(*db, store::recordSource(), {QStringLiteral("NOME")});
        const std::size_t n = static_cast<std::size_t>(rs.RecordCount());
        byCursor = n == serverNames.size() ? 0 : std::max(n, serverNames.size());
        for (std::size_t i = 0; i < std::min(n, serverNames.size()); ++i) {
            const QVariant v = rs.valueAt(static_cast<int>(i), store::NOME);
            const bool same = v.isNull() ? !serverNames[i].has_value()
                                         : serverNames[i] && v.toString().toStdString() == *serverNames[i];
            byCursor += same ? 0 : 1;
        }
    }
    db->endReadBurst();
    std::printf(
        "  id, nome by ORDER BY nome COLLATE qb_name NULLS FIRST, id (in this process): %.0f ms through "
        "the index, %.0f ms sorted by the server (%zu rows)\n",
        sorted, sortedByServer, rows);
    std::printf("  positions differing from the program's order: %zu by the engine's sort keys and ids, "
                "%zu by the names of the program's cursor\n",
                byKeys, byCursor);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--libpq") == 0)
        return libpqRead(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--copy") == 0)
        return copyRead(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--scan") == 0) {
        QCoreApplication app(argc, argv);
        return engineScan(argv[2]);
    }
    // The cluster: this program again, under the script that starts and stops it.
    if (qEnvironmentVariableIsEmpty("QB_BENCH_IN_CLUSTER")) {
        qputenv("QB_BENCH_IN_CLUSTER", "1");
        std::vector<char*> args{const_cast<char*>(QB_WITH_CLUSTER)};
        for (int i = 0; i < argc; ++i)
            args.push_back(argv[i]);
        args.push_back(nullptr);
        execv(QB_WITH_CLUSTER, args.data());
        std::perror(QB_WITH_CLUSTER);
        return 1;
    }

    QCoreApplication app(argc, argv);
    const std::string self = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    const std::string shell =
        QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("sqlite3"))).toStdString();
    if (shell.empty()) {
        std::fprintf(stderr, "sqlite3's shell is not installed (scripts/setup installs it)\n");
        return 1;
    }
    try {
        auto admin = records::PgConnection::open(QString());
        std::printf("PostgreSQL %s, libpq %d, a Unix socket on this machine\n",
                    PQparameterStatus(admin->handle(), "server_version"), PQlibVersion());
        for (const int n : bench::sizes(bench::arguments(argc, argv), {100000, 1000000})) {
            const QString file = bench::inventoryFolder(n) + QStringLiteral("/QBData.mdb");
            const QString name = QStringLiteral("inventory_%1").arg(n);
            admin->run(QStringLiteral("CREATE DATABASE %1").arg(name));
            const std::string conninfo = "dbname=" + name.toStdString();

            auto conn = records::PgConnection::open(QString::fromStdString(conninfo));
            const auto source = records::Database::open(file, {true});
            double start = nowMs();
            store::copyToServer(*conn, store::fileRecords(*source));
            const double copied = nowMs() - start;
            // Settle the new rows (hint bits, visibility) so that no timed read writes.
            start = nowMs();
            conn->run(QStringLiteral("VACUUM (ANALYZE) tolmireks"));
            const double vacuumed = nowMs() - start;
            timeProcess({self, "--libpq", conninfo});

            std::printf(
                "%d records (%s)\n  copy to the server (COPY, read back, compared): %.0f ms, then VACUUM "
                "%.0f ms\n  medians of 5 fresh processes [min-max]:\n",
                n, QFile::encodeName(file).constData(), copied, vacuumed);
            std::vector<Run> sqlite, libpq, copy, scan;
            const std::string path = QFile::encodeName(file).toStdString();
            for (int round = 0; round < 5; ++round) {
                sqlite.push_back(
                    timeProcess({shell, "-readonly", path,
                                 "SELECT rowid, NOME, ALDRICH, FORMULA FROM TOLMIREKS ORDER BY rowid"}));
                libpq.push_back(timeProcess({self, "--libpq", conninfo}));
                copy.push_back(timeProcess({self, "--copy", conninfo}));
                scan.push_back(timeProcess({self, "--scan", conninfo}));
            }
            print("sqlite3", sqlite);
            print("libpq", libpq);
            print("copy", copy);
            print("scan", scan);
            compareOrders(*conn, file);
        }
    } catch (const records::DataError& e) {
        std::fprintf(stderr, "error %d: %s\n", e.number(), qPrintable(e.text()));
        return 1;
    }
    return 0;
}
