// Save, delete and refresh in the main window over a server's inventory, against libpq's
// single-row read of id, nome, aldrich and formula in id order, in the same run, each a
// fresh process:
//
//   qb_bench_server_commands [N ...]        (default: 100000 1000000)
//
// The benchmark starts a throwaway cluster of its own (tests/server/with_cluster.sh) and,
// for each N, copies the generated inventory of N records (under $QB_BENCH_DIR, or the
// temporary folder) onto it with quillarbon-data copy-to-server. Then six rounds, the
// first not counted (it warms the caches), of
//   libpq    - qb_bench_server_read --libpq: the read above, every value touched;
//   window   - qb_bench_main_window's child on a folder whose QBData.server names the
//              inventory: save, delete and refresh from the click to the window settled,
//              and refresh after another program wrote.
// Each figure is the median [min-max] in milliseconds, and each command's time as a ratio
// to the read of the same round.
#include "bench/e2e.h"
#include "bench/server_cluster.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The read as a fresh process, from its start to its end; -1 when it failed.
double readMs(const QString& conninfo)
{
    QProcess read;
    read.setStandardOutputFile(QProcess::nullDevice());
    read.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double start = bench::monotonicMs();
    read.start(QCoreApplication::applicationDirPath() + QStringLiteral("/qb_bench_server_read"),
               {QStringLiteral("--libpq"), conninfo});
    if (!read.waitForFinished(600000) || read.exitStatus() != QProcess::NormalExit || read.exitCode() != 0)
        return -1;
    return bench::monotonicMs() - start;
}

} // namespace

int main(int argc, char** argv)
{
    bench::enterCluster(argc, argv);
    QCoreApplication app(argc, argv);
    constexpr int kRuns = 5;
    const QString window = QCoreApplication::applicationDirPath() + QStringLiteral("/qb_bench_main_window");
    std::printf("medians of %d fresh processes each, [min-max], ms\n", kRuns);
    for (const int n : bench::sizes(bench::arguments(argc, argv), {100000, 1000000})) {
        const QString file = bench::inventoryFolder(n) + QStringLiteral("/QBData.mdb");
        double copied = 0;
        const QString conninfo =
            bench::copyToNewDatabase(file, QStringLiteral("inventory_%1").arg(n), &copied);
        QTemporaryDir folder;
        if (conninfo.isEmpty() || !bench::writeServerFile(folder.path(), conninfo))
            return 1;
        QMap<QString, QList<double>> m;
        for (int run = 0; run <= kRuns; ++run) {
            const double read = readMs(conninfo);
            const auto told = bench::runProgram(window, {QStringLiteral("main"), folder.path()});
            if (run == 0 || read < 0 || told.isEmpty())
                continue;
            m[QStringLiteral("libpq")].append(read);
            for (const char* key : {"save", "delete", "refresh", "refresh_other"}) {
                m[QLatin1String(key)].append(told.value(QLatin1String(key)));
                m[QStringLiteral("x_") + QLatin1String(key)].append(told.value(QLatin1String(key)) / read);
            }
            // The one box expected is the question before the delete.
            if (told.value(QStringLiteral("unscripted")) > 1)
                std::fprintf(stderr, "round %d: the window showed a message\n", run);
        }
        std::printf("\n%d records (%s), copied to the server in %.0f ms\n", n, qPrintable(file), copied);
        std::printf("  %-38s %s\n", "libpq single-row read, id order",
                    qPrintable(bench::format(bench::stats(m[QStringLiteral("libpq")]))));
        for (const auto& [label, key] :
             {std::pair{"save", "save"}, std::pair{"delete", "delete"}, std::pair{"refresh", "refresh"},
              std::pair{"refresh after another program wrote", "refresh_other"}}) {
            const bench::Stats ratio = bench::stats(m[QStringLiteral("x_") + QLatin1String(key)]);
            std::printf("  %-38s %s   = %s x the read (target <= 0.5: %s)\n", label,
                        qPrintable(bench::format(bench::stats(m[QLatin1String(key)]))),
                        qPrintable(bench::format(ratio, 2)),
                        ratio.max <= 0.5      ? "met in every round"
                        : ratio.median <= 0.5 ? "met at the median"
                                              : "NOT met");
        }
        std::fflush(stdout);
    }
    return 0;
}
