// How long the companion takes, as fresh processes, against a raw read doing the same
// work in the same run:
//
//   qb_bench_export [N ...]        (default: 100000 1000000)
//
// For each N: makes an inventory of N generated records, then five rounds of
//   raw     - this program started again with --raw: SELECT * FROM TOLMIREKS ORDER BY NOME
//             through the SQLite C API, every value read, nothing written;
//   export  - quillarbon-data export-csv --out FILE;
//   print   - quillarbon-data print --location PLACE for the place with the fewest
//             records, on the whole inventory and on an inventory of that place alone.
// Each figure is the median of the five wall times with the minimum and maximum, and
// the peak resident memory (VmHWM) of the process.
#include "bench/e2e.h"
#include "bench/inventory_generator.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/store/inventory.h"
#include "platform/data/database.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <spawn.h>
#include <vector>

extern char** environ;

namespace {

struct Run
{
    double ms = 0;
    long peakKb = 0;
};

// The launcher: this program started with --measure RESULT PROGRAM ARGS... forks and
// runs the program, then writes its wall time and peak memory to RESULT. The launcher is
// small, so the peak it reports is the program's own: a process started straight from the
// benchmark would count the benchmark's memory as its peak.
int measure(int argc, char** argv)
{
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, 1);
        execv(argv[3], argv + 3);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    clock_gettime(CLOCK_MONOTONIC, &end);
    const double ms = static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
                      static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
    FILE* result = std::fopen(argv[2], "w");
    if (!result)
        return 1;
    std::fprintf(result, "%f %ld\n", ms, usage.ru_maxrss);
    std::fclose(result);
    (void)argc;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

// Runs a program through the launcher and returns its wall time and peak memory.
Run timeProcess(const QString& self, const QString& resultFile, const QStringList& args)
{
    std::vector<QByteArray> bytes{QFile::encodeName(self), QByteArray("--measure"),
                                  QFile::encodeName(resultFile)};
    for (const QString& a : args)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "failed: %s\n", qPrintable(args.join(QLatin1Char(' '))));
        std::exit(1);
    }
    Run r;
    QFile result(resultFile);
    if (!result.open(QIODevice::ReadOnly) ||
        std::sscanf(result.readAll().constData(), "%lf %ld", &r.ms, &r.peakKb) != 2) {
        std::fprintf(stderr, "no result for: %s\n", qPrintable(args.join(QLatin1Char(' '))));
        std::exit(1);
    }
    return r;
}

int rawRead(const char* path)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path, &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return 1;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM TOLMIREKS ORDER BY NOME", -1, &stmt, nullptr);
    long bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            sqlite3_column_text(stmt, i);
            bytes += sqlite3_column_bytes(stmt, i);
        }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return bytes > 0 ? 0 : 1;
}

struct Figures
{
    std::vector<Run> runs;
    double median() const
    {
        std::vector<double> ms;
        for (const Run& r : runs)
            ms.push_back(r.ms);
        std::sort(ms.begin(), ms.end());
        return ms[ms.size() / 2];
    }
    double min() const
    {
        return std::min_element(runs.begin(), runs.end(),
                                [](const Run& a, const Run& b) { return a.ms < b.ms; })
            ->ms;
    }
    double max() const
    {
        return std::max_element(runs.begin(), runs.end(),
                                [](const Run& a, const Run& b) { return a.ms < b.ms; })
            ->ms;
    }
    long peakMb() const
    {
        long kb = 0;
        for (const Run& r : runs)
            kb = std::max(kb, r.peakKb);
        return kb / 1024;
    }
};

void printRow(const char* what, const Figures& f, double baseline)
{
    std::printf("  %-34s %9.0f %9.0f %9.0f %8ld", what, f.median(), f.min(), f.max(), f.peakMb());
    if (baseline > 0)
        std::printf(" %8.2fx", f.median() / baseline);
    std::printf("\n");
    std::fflush(stdout);
}

// The place with the fewest records, and an inventory holding that place's records alone.
QString smallestPlace(const QString& path)
{
    auto db = datatool::openInventory(path, true);
    datatool::RecordStream::Options options;
    options.byPlace = true;
    datatool::RecordStream stream(*db, options);
    const datatool::RecordStream::Place* best = nullptr;
    for (const auto& p : stream.places())
        if (!p.none && (!best || p.count < best->count))
            best = &p;
    return best ? best->name : QString();
}

std::int64_t copyPlace(const QString& from, const QString& to, const QString& place)
{
    auto source = datatool::openInventory(from, true);
    datatool::RecordStream::Options options;
    options.placeContains = place;
    datatool::RecordStream stream(*source, options);
    store::createEmptyInventory(to);
    auto target = datatool::openInventory(to, false);
    target->write([&] {
        store::RecordAdder adder(*target);
        stream.forEach([&](const datatool::Record& r) {
            store::RecordAdder::Values values;
            for (std::size_t i = 0; i < values.size(); ++i)
                if (!r.null[i])
                    values[i] = r.text[i];
            adder.add(values);
        });
    });
    return stream.count();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "--raw")
        return rawRead(argv[2]);
    if (argc > 3 && std::string_view(argv[1]) == "--measure")
        return measure(argc, argv);

    QCoreApplication app(argc, argv);
    const QList<int> sizes = bench::sizes(bench::arguments(argc, argv), {100000, 1000000});
    const QString self = QCoreApplication::applicationFilePath();
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/quillarbon-data");
    constexpr int kRounds = 5;

    std::printf("Wall times of fresh processes in ms, median of %d with min and max; peak memory in MB.\n",
                kRounds);
    for (const int n : sizes) {
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("QBData.mdb"));
        bench::generateInventory(path, n, 1);
        const QString place = smallestPlace(path);
        const QString alone = tmp.filePath(QStringLiteral("place.mdb"));
        const std::int64_t placeRecords = copyPlace(path, alone, place);
        const QString csv = tmp.filePath(QStringLiteral("out.csv"));
        const QString pdf = tmp.filePath(QStringLiteral("out.pdf"));
        const QString result = tmp.filePath(QStringLiteral("run.txt"));

        Figures raw, exported, printed, printedAlone;
        // The first read of all warms the page cache for everyone.
        timeProcess(self, result, {self, QStringLiteral("--raw"), path});
        for (int round = 0; round < kRounds; ++round) {
            raw.runs.push_back(timeProcess(self, result, {self, QStringLiteral("--raw"), path}));
            exported.runs.push_back(
                timeProcess(self, result,
                            {tool, QStringLiteral("--file"), path, QStringLiteral("export-csv"),
                             QStringLiteral("--out"), csv}));
            printed.runs.push_back(
                timeProcess(self, result,
                            {tool, QStringLiteral("--file"), path, QStringLiteral("print"),
                             QStringLiteral("--out"), pdf, QStringLiteral("--location"), place}));
            printedAlone.runs.push_back(
                timeProcess(self, result,
                            {tool, QStringLiteral("--file"), alone, QStringLiteral("print"),
                             QStringLiteral("--out"), pdf, QStringLiteral("--location"), place}));
        }
        std::printf("\n%d records (%.0f MB file, %.0f MB of CSV); place '%s' holds %lld of them\n", n,
                    static_cast<double>(QFile(path).size()) / 1048576.0,
                    static_cast<double>(QFile(csv).size()) / 1048576.0, qPrintable(place),
                    static_cast<long long>(placeRecords));
        std::printf("  %-34s %9s %9s %9s %8s %9s\n", "", "median", "min", "max", "peak MB", "/ raw");
        printRow("raw ordered read (baseline)", raw, 0);
        printRow("export-csv", exported, raw.median());
        printRow("print one place, whole inventory", printed, raw.median());
        printRow("print one place, place alone", printedAlone, raw.median());
    }
    return 0;
}
