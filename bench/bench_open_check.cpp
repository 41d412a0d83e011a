// What checking the file at its opening costs the user: the main window's load, each a
// fresh process on the same file, with the check and without it, five runs each.
//
//   qb_bench_open_check [N ...]      (default: 100000 1000000)
//
// For each N it prints, as median [min-max] in milliseconds from the process's start:
//   check alone - a process that runs PRAGMA quick_check on the file and ends;
//   without     - the main window loaded over a cursor opened read-only, which runs no
//                 check: the same reads, the baseline;
//   with        - the main window loaded as the program loads it: the load starts the
//                 check on a thread of its own when it is done;
//   checked     - in the same process, when the check has found its result: a save
//                 made before this waits for it;
// and the cost of the check to the load, with against without.
#include "bench/e2e.h"
#include "inventory/main_window/tamsel.h"
#include "platform/data/datacontrol.h"
#include "platform/forms/application.h"
#include "platform/forms/identity.h"

#include <QFile>

#include <sqlite3.h>

#include <cstdio>

namespace {

int windowChild(const QString& folder, bool check)
{
    int argc = 1;
    char name[] = "qb_bench_open_check";
    char* argv[] = {name, nullptr};
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral("1.0.0"));
    forms::setPath(folder);
    Tamsel w;
    // A cursor opened for reading only has nothing to refuse, so it checks nothing.
    w.Data1()->setReadOnly(!check);
    w.Form_Load();
    bench::report("done", bench::sinceSpawnMs());
    records::Recordset* rs = w.Data1()->Recordset();
    rs->database().writeRefusal(rs->table());
    bench::report("checked", bench::sinceSpawnMs());
    return 0;
}

int checkChild(const QString& folder)
{
    sqlite3* db = nullptr;
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/QBData.mdb"));
    sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_exec(db, "PRAGMA quick_check(3)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    bench::report("done", bench::sinceSpawnMs());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList args = bench::arguments(argc, argv);
    if (args.size() == 3 && args.at(1) == QLatin1String("with"))
        return windowChild(args.at(2), true);
    if (args.size() == 3 && args.at(1) == QLatin1String("without"))
        return windowChild(args.at(2), false);
    if (args.size() == 3 && args.at(1) == QLatin1String("check"))
        return checkChild(args.at(2));

    QCoreApplication app(argc, argv);
    const QList<int> sizes = bench::sizes(args, {100000, 1000000});
    constexpr int kRuns = 5;

    std::printf("medians of %d fresh processes each, [min-max], ms\n", kRuns);
    for (int n : sizes) {
        const QString folder = bench::inventoryFolder(n);
        QList<double> alone, without, with, checked, cost;
        // The first run of each warms the page cache and is not counted.
        for (int run = 0; run <= kRuns; ++run) {
            const auto c = bench::runChild({QStringLiteral("check"), folder});
            const auto wo = bench::runChild({QStringLiteral("without"), folder});
            const auto w = bench::runChild({QStringLiteral("with"), folder});
            if (run == 0 || c.isEmpty() || wo.isEmpty() || w.isEmpty())
                continue;
            alone.append(c.value(QStringLiteral("done")));
            without.append(wo.value(QStringLiteral("done")));
            with.append(w.value(QStringLiteral("done")));
            checked.append(w.value(QStringLiteral("checked")));
            cost.append(100.0 * (w.value(QStringLiteral("done")) - wo.value(QStringLiteral("done"))) /
                        wo.value(QStringLiteral("done")));
        }
        std::printf("\n%d records\n", n);
        std::printf("  quick_check alone            %s\n", qPrintable(bench::format(bench::stats(alone))));
        std::printf("  main window load, no check   %s\n", qPrintable(bench::format(bench::stats(without))));
        std::printf("  main window load, with check %s\n", qPrintable(bench::format(bench::stats(with))));
        std::printf("  ... its check done           %s\n", qPrintable(bench::format(bench::stats(checked))));
        std::printf("  cost of the check, %%         %s\n", qPrintable(bench::format(bench::stats(cost), 1)));
        std::fflush(stdout);
    }
    return 0;
}
