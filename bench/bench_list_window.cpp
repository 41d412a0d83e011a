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
//   opened from the menu - as the main window opens it, from the click to the grid painted,
//             and the longest the thread that paints was held meanwhile (the longest gap
//             between two ticks of a 5 ms timer): with the records read on a thread, and
//             loaded at once on the thread that paints, as before;
// the open against the raw read in the program's order, and the peak memory of the window.
#include "bench/e2e.h"
#include "bench/paintwatch.h"
#include "inventory/list_window/frmdatagrid.h"
#include "platform/data/datagrid.h"
#include "platform/forms/application.h"
#include "platform/forms/identity.h"
#include "platform/forms/listbox.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
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

// The list window opened as the main window's menu opens it; a window of the program stands
// for the main window, whose thread must stay free.
int openChild(const QString& folder, bool onItsOwnThread)
{
    int argc = 1;
    char name[] = "qb_bench_list_window";
    char* argv[] = {name, nullptr};
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral("1.0.0"));
    forms::setPath(folder);
    QWidget main;
    main.show();
    QCoreApplication::processEvents();

    QElapsedTimer t;
    double longest = 0;
    double last = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const double now = static_cast<double>(t.nsecsElapsed()) / 1e6;
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start(5);
    t.start();
    if (onItsOwnThread)
        list_window::openDataGrid();
    else
        list_window::showDataGrid();
    list_window::frmDataGrid* w = nullptr;
    while (!w) {
        // Waits for events: a loop that spins would take a core from the reading.
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* list = qobject_cast<list_window::frmDataGrid*>(top); list && list->isVisible())
                w = list;
    }
    bench::PaintWatch grid(w->grdDataGrid()->viewport());
    w->grdDataGrid()->viewport()->update();
    const double painted = grid.wait(t);
    // The gap up to the paint counts too.
    const double now = static_cast<double>(t.nsecsElapsed()) / 1e6;
    longest = std::max(longest, now - last);
    bench::report("opened", painted);
    bench::report("longest_stall", longest);
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
    if (args.size() == 4 && args.at(1) == QLatin1String("open"))
        return openChild(args.at(2), args.at(3) == QLatin1String("thread"));

    QCoreApplication app(argc, argv);
    const QList<int> sizes = bench::sizes(args, {10000, 100000, 1000000});
    const QString columns = QStringLiteral("NOME, FORMULA");
    constexpr int kRuns = 5;

    std::printf("medians of %d fresh processes each, [min-max], ms\n", kRuns);
    for (int n : sizes) {
        const QString folder = bench::inventoryFolder(n);
        QList<double> rawLocale, rawBytes, painted, load, firstPaint, scroll, seek, peak, ratio;
        QList<double> openedThread, stallThread, openedAtOnce, stallAtOnce;
        double hits = 0;
        // The first run of each warms the page cache and is not counted.
        for (int run = 0; run <= kRuns; ++run) {
            const auto locale = bench::runChild({QStringLiteral("raw-locale"), folder, columns});
            const auto bytes = bench::runChild({QStringLiteral("raw-bytes"), folder, columns});
            const auto list = bench::runChild({QStringLiteral("list"), folder});
            const auto thread = bench::runChild({QStringLiteral("open"), folder, QStringLiteral("thread")});
            const auto atOnce = bench::runChild({QStringLiteral("open"), folder, QStringLiteral("at-once")});
            if (run == 0 || locale.isEmpty() || bytes.isEmpty() || list.isEmpty() || thread.isEmpty() ||
                atOnce.isEmpty())
                continue;
            openedThread.append(thread.value(QStringLiteral("opened")));
            stallThread.append(thread.value(QStringLiteral("longest_stall")));
            openedAtOnce.append(atOnce.value(QStringLiteral("opened")));
            stallAtOnce.append(atOnce.value(QStringLiteral("longest_stall")));
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
        std::printf("  opened from the menu, click to grid painted: read on a thread %s, at once %s\n",
                    qPrintable(bench::format(bench::stats(openedThread))),
                    qPrintable(bench::format(bench::stats(openedAtOnce))));
        std::printf("    longest the painting thread was held: read on a thread %s, at once %s\n",
                    qPrintable(bench::format(bench::stats(stallThread))),
                    qPrintable(bench::format(bench::stats(stallAtOnce))));
        std::fflush(stdout);
    }
    return 0;
}
