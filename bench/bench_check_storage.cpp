// How long the companion's storage check takes on a large inventory, as fresh processes,
// against a raw read of the same columns in the same run:
//
//   qb_bench_check_storage [N ...]        (default: 1000000)
//
// For each N: the inventory of N generated records (made once under $QB_BENCH_DIR, or the
// temporary folder), then five rounds of
//   raw    - this program started again with --raw: the columns the check reads, through
//            the SQLite C API, every value read, nothing else done;
//   check  - quillarbon-data check-storage, its report written to /dev/null.
// Each figure is the median of the five wall times with the minimum and maximum, the CPU
// time (user + system) of the median run, and the peak resident memory of the process.
#include "bench/e2e.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

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

// Forks and runs the program with its output thrown away; the child's own rusage gives
// its CPU time and peak memory, unmixed with this benchmark's.
Run timeProcess(const std::vector<QByteArray>& args, int okStatus)
{
    std::vector<char*> argv;
    std::vector<QByteArray> copy = args;
    for (QByteArray& a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    clock_gettime(CLOCK_MONOTONIC, &end);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != okStatus) {
        std::fprintf(stderr, "failed (status %d): %s\n", WEXITSTATUS(status), args.front().constData());
        std::exit(1);
    }
    Run r;
    r.ms = static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
           static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
    r.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    r.peakKb = usage.ru_maxrss;
    return r;
}

int rawRead(const char* path)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path, &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return 1;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid, NOME, ALDRICH, FORMULA, LOCAL, HAZARDS FROM TOLMIREKS", -1, &stmt,
                       nullptr);
    long bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int i = 1; i < 6; ++i) {
            sqlite3_column_text(stmt, i);
            bytes += sqlite3_column_bytes(stmt, i);
        }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return bytes > 0 ? 0 : 1;
}

void print(const char* what, std::vector<Run> runs)
{
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    long peak = 0;
    for (const Run& r : runs)
        peak = std::max(peak, r.peakKb);
    const Run& median = runs[runs.size() / 2];
    std::printf("  %-6s %7.0f ms  [%.0f-%.0f]   cpu %6.0f ms   peak %ld MB\n", what, median.ms,
                runs.front().ms, runs.back().ms, median.cpuMs, peak / 1024);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "--raw")
        return rawRead(argv[2]);
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const QString tool = QFileInfo(self).absolutePath() + QStringLiteral("/quillarbon-data");
    for (const int n : bench::sizes(bench::arguments(argc, argv), {1000000})) {
        const QString inventory = bench::inventoryFolder(n) + QStringLiteral("/QBData.mdb");
        const QByteArray file = QFile::encodeName(inventory);
        std::printf("%d records (%s), medians of 5 fresh processes [min-max]:\n", n, file.constData());
        std::vector<Run> raw, check;
        for (int round = 0; round < 5; ++round) {
            raw.push_back(timeProcess({QFile::encodeName(self), "--raw", file}, 0));
            // 3: the generated inventory has chemicals to keep apart, as a real one may.
            check.push_back(timeProcess({QFile::encodeName(tool), "--file", file, "check-storage"}, 3));
        }
        print("raw", raw);
        print("check", check);
    }
    return 0;
}
