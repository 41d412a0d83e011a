// The list window as the user waits for it, against the raw ordered read of the same two
// columns in the same order, each a fresh process on the same file, five runs each.
//
//   qb_bench_list_window [N ...]      (default: 10000 100000 1000000)
//
// For each N it prints, as median [min-max] in milliseconds:
//   raw     - a process that reads NOME and FORMULA ordered by NOME through the SQLite C API,
//             in the program's order (pt_BR, primary strength, the exact text breaking ties),
//             from its start to the last row read; and the same in plain byte order;
//   open    - a process that opens the list window, from its start to the grid painted; split
//             into the window's load (cursor and search arrays) and the first paint;
//   scroll  - from the jump to the last row to the grid painted there;
//   seek    - from the timer's tick to the list of hits painted, for a common text;
// the open against the raw read in the program's order, and the peak memory of the window.
#include "bench/e2e.h"
#include "bench/paintwatch.h"
#include "inventory/list_window/frmdatagrid.h"
#include "platform/data/datagrid.h"
#include "platform/forms/application.h"
#include "platform/forms/identity.h"
#include "platform/forms/listbox.h"

#include <QAbstractItemModel>
#include <QElapsedTimer>
#include <QLineEdit>

#include <cstdio>

namespace {

int listChild(const QString& folder)
{
    const double started = bench::sinceSpawnMs();
    int argc = 1;
    char name[] = "qb_bench_list_window";
    char* argv[] = {name, nullptr};
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral("1.0.0"));
    forms::setPath(folder);

    QElapsedTimer t;
    t.start();
    auto* w = list_window::frmDataGrid::Load();
    const double load = static_cast<double>(t.nsecsElapsed()) / 1e6;
    bench::PaintWatch grid(w->grdDataGrid()->viewport());
    t.start();
    w->show();
    const double firstPaint = grid.wait(t);
    bench::report("painted", bench::sinceSpawnMs());
    bench::report("to_main", started);
    bench::report("load", load);
    bench::report("first_paint", firstPaint);

    // Ctrl+End in the grid: the last row becomes current and is shown.
    const int last = w->grdDataGrid()->model()->rowCount() - 1;
    t.start();
    w->grdDataGrid()->setCurrentIndex(w->grdDataGrid()->model()->index(last, 0));
    const double scroll = grid.wait(t);
    bench::report("scroll_end", scroll);

    // The tick of a seek for a common text, to its list painted.
    bench::PaintWatch list(w->List1()->viewport());
    w->Text1()->setText(QStringLiteral("ácido"));
    t.start();
    w->Timer1_Timer();
    const double seek = list.wait(t);
    bench::report("seek", seek);
    bench::report("hits", w->hitCount);
    bench::report("peak_kb", static_cast<double>(bench::peakKb()));
    w->close();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList args = bench::arguments(argc, argv);
    if (const int rc = bench::runRawChild(args); rc >= 0)
        return rc;
    if (args.size() == 3 && args.at(1) == QLatin1String("list"))
        return listChild(args.at(2));

    QCoreApplication app(argc, argv);
    const QList<int> sizes = bench::sizes(args, {10000, 100000, 1000000});
    const QString columns = QStringLiteral("NOME, FORMULA");
    constexpr int kRuns = 5;

    std::printf("medians of %d fresh processes each, [min-max], ms\n", kRuns);
    for (int n : sizes) {
        const QString folder = bench::inventoryFolder(n);
        QList<double> rawLocale, rawBytes, painted, load, firstPaint, scroll, seek, peak, ratio;
        double hits = 0;
        // The first run of each warms the page cache and is not counted.
        for (int run = 0; run <= kRuns; ++run) {
            const auto locale = bench::runChild({QStringLiteral("raw-locale"), folder, columns});
            const auto bytes = bench::runChild({QStringLiteral("raw-bytes"), folder, columns});
            const auto list = bench::runChild({QStringLiteral("list"), folder});
            if (run == 0 || locale.isEmpty() || bytes.isEmpty() || list.isEmpty())
                continue;
            rawLocale.append(locale.value(QStringLiteral("done")));
            rawBytes.append(bytes.value(QStringLiteral("done")));
            painted.append(list.value(QStringLiteral("painted")));
            load.append(list.value(QStringLiteral("load")));
            firstPaint.append(list.value(QStringLiteral("first_paint")));
            scroll.append(list.value(QStringLiteral("scroll_end")));
            seek.append(list.value(QStringLiteral("seek")));
            peak.append(list.value(QStringLiteral("peak_kb")) / 1024.0);
            ratio.append(list.value(QStringLiteral("painted")) / locale.value(QStringLiteral("done")));
            hits = list.value(QStringLiteral("hits"));
        }
        std::printf("\n%d records\n", n);
        std::printf("  raw read, program's order   %s\n", qPrintable(bench::format(bench::stats(rawLocale))));
        std::printf("  raw read, byte order        %s\n", qPrintable(bench::format(bench::stats(rawBytes))));
        std::printf("  list window open, painted   %s   = %s x the raw read in the program's order\n",
                    qPrintable(bench::format(bench::stats(painted))),
                    qPrintable(bench::format(bench::stats(ratio), 2)));
        std::printf("    of which the window's load %s, the first paint %s\n",
                    qPrintable(bench::format(bench::stats(load))),
                    qPrintable(bench::format(bench::stats(firstPaint), 1)));
        std::printf("  scroll to the last row      %s\n", qPrintable(bench::format(bench::stats(scroll), 1)));
        std::printf("  seek \"ácido\" (%.0f hits)    %s\n", hits,
                    qPrintable(bench::format(bench::stats(seek), 1)));
        std::printf("  peak memory, MB             %s\n", qPrintable(bench::format(bench::stats(peak))));
        std::fflush(stdout);
    }
    return 0;
}
