// How long the container labels take, as fresh processes, against a raw read of the same
// records in the same run:
//
//   qb_bench_labels [N ...]        (default: 1000)
//
// For each N: an inventory of N generated records, then five rounds of
//   raw     - this program started again as a raw ordered read of every column
//             (SELECT ... ORDER BY NOME through the SQLite C API, the program's collation);
//   labels  - quillarbon-data labels --out FILE on each sheet, a label for every record;
//   print   - quillarbon-data print --out FILE, the shelf list of the same records, for scale.
// Each figure is the wall time from start to exit, the median of the five with the minimum
// and maximum. The goal: 1,000 labels in 3 s at most.
#include "bench/e2e.h"
#include "inventory/datatool/labels.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

double timeProcess(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "failed: %s %s\n%s\n", qPrintable(program),
                     qPrintable(args.join(QLatin1Char(' '))), p.readAllStandardError().constData());
        std::exit(1);
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void printRow(const QString& what, const QList<double>& ms, double baseline)
{
    const bench::Stats s = bench::stats(ms);
    std::printf("  %-34s %9.0f %9.0f %9.0f", qPrintable(what), s.median, s.min, s.max);
    if (baseline > 0)
        std::printf(" %8.2fx", s.median / baseline);
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = bench::arguments(argc, argv);
    if (const int child = bench::runRawChild(args); child >= 0)
        return child;

    const QList<int> sizes = bench::sizes(args, {1000});
    const QString self = QCoreApplication::applicationFilePath();
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/quillarbon-data");
    constexpr int kRounds = 5;

    std::printf("Wall times of fresh processes in ms, median of %d with min and max.\n", kRounds);
    for (const int n : sizes) {
        const QString folder = bench::inventoryFolder(n);
        const QString inventory = folder + QStringLiteral("/QBData.mdb");
        QTemporaryDir tmp;
        const QString pdf = tmp.filePath(QStringLiteral("out.pdf"));
        const QStringList raw = {QStringLiteral("raw-locale"), folder, QStringLiteral("*")};

        QList<double> rawMs, printMs;
        QList<QList<double>> labelMs(static_cast<qsizetype>(datatool::labelSheets().size()));
        QList<qint64> labelBytes(labelMs.size());
        // The first read of all warms the page cache for everyone.
        timeProcess(self, raw);
        for (int round = 0; round < kRounds; ++round) {
            rawMs.append(timeProcess(self, raw));
            for (qsizetype s = 0; s < labelMs.size(); ++s) {
                labelMs[s].append(timeProcess(
                    tool, {QStringLiteral("--file"), inventory, QStringLiteral("labels"),
                           QStringLiteral("--out"), pdf, QStringLiteral("--sheet"),
                           QLatin1String(datatool::labelSheets()[static_cast<std::size_t>(s)].name)}));
                labelBytes[s] = QFile(pdf).size();
            }
            printMs.append(timeProcess(tool, {QStringLiteral("--file"), inventory, QStringLiteral("print"),
                                              QStringLiteral("--out"), pdf}));
        }
        std::printf("\n%d records (%.1f MB file)\n", n,
                    static_cast<double>(QFile(inventory).size()) / 1048576.0);
        std::printf("  %-34s %9s %9s %9s %9s\n", "", "median", "min", "max", "/ raw");
        const double baseline = bench::stats(rawMs).median;
        printRow(QStringLiteral("raw ordered read (baseline)"), rawMs, 0);
        for (qsizetype s = 0; s < labelMs.size(); ++s)
            printRow(QStringLiteral("labels %1 (%2 MB PDF)")
                         .arg(QLatin1String(datatool::labelSheets()[static_cast<std::size_t>(s)].name))
                         .arg(static_cast<double>(labelBytes[s]) / 1048576.0, 0, 'f', 1),
                     labelMs[s], baseline);
        printRow(QStringLiteral("print (the shelf list)"), printMs, baseline);
    }
    return 0;
}
