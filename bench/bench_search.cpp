// How long the main window's search takes, from the timer's tick to the filled list,
// against a raw substring scan of the same arrays.
//
//   qb_bench_search [N] [--folder=DIR]     (default N: 100000)
#include "bench/bench_common.h"
#include "bench/inventory_generator.h"
#include "inventory/main_window/tamsel.h"
#include "inventory/search/search_text.h"
#include "platform/forms/application.h"
#include "platform/forms/identity.h"
#include "platform/forms/msgbox.h"
#include "platform/testing/messageboxes.h"

#include "platform/forms/listbox.h"
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

// The best of several runs, in milliseconds; settle runs untimed before each.
template <class F, class G = void (*)()>
double bestOf(
    int runs, F&& f, G&& settle = [] {})
{
    double best = 1e18;
    for (int i = 0; i < runs; ++i) {
        settle();
        const qint64 start = bench::cpuNanos();
        f();
        best = std::min(best, static_cast<double>(bench::cpuNanos() - start) / 1e6);
    }
    return best;
}

int rawScan(const Tamsel& w, const QString& s, const QString& t)
{
    int hits = 0;
    const std::size_t n = w.chemNames.size() - 1;
    for (std::size_t i = 0; i < n; ++i) {
        if (w.chemNames[i].contains(s) || w.chemNames[i].contains(t) || w.aldrichNames[i].contains(s) ||
            w.aldrichNames[i].contains(t) || w.formulas[i].contains(s) || w.formulas[i].contains(t))
            ++hits;
    }
    return hits;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral("1.0.0"));
    QString folder;
    const QList<int> sizes = bench::parseArguments(argc, argv, &folder);
    const int n = sizes.isEmpty() ? 100000 : sizes.first();
    QTemporaryDir tmp;
    if (folder.isEmpty()) {
        folder = tmp.path();
        bench::generateInventory(folder + QStringLiteral("/QBData.mdb"), n, 7);
    }
    forms::ScopedScriptedMessageBoxes boxes;
    forms::setPath(folder);
    std::unique_ptr<Tamsel> w(Tamsel::Load());
    w->show();
    std::printf("%zu records\n%-12s %8s %10s %10s %8s\n", w->chemNames.size() - 1, "text", "hits",
                "search ms", "raw ms", "ratio");
    for (const QString& text : {QStringLiteral("benz"), QStringLiteral("H2O"), QStringLiteral("cloreto"),
                                QStringLiteral("Ácido"), QStringLiteral("xyzzy"), QStringLiteral("a")}) {
        w->Text2()->setText(text);
        // The list places its entries at the next event-loop pass: that counts too. Between
        // searches the loop runs, as it does while a person types.
        const double search = bestOf(
            5,
            [&] {
                w->Timer1_Timer();
                w->List1()->doItemsLayout();
            },
            [] {
                for (int pass = 0; pass < 200; ++pass)
                    QCoreApplication::processEvents();
            });
        int hits = 0;
        const QString twin = search::twin(text);
        const double raw = bestOf(5, [&] { hits = rawScan(*w, text, twin); });
        const search::Matcher matcher(text, twin);
        int scanHits = 0;
        const double scan = bestOf(5, [&] {
            scanHits = 0;
            for (std::size_t i = 0; i + 1 < w->chemNames.size(); ++i)
                scanHits += matcher.matches(w->chemNames[i]) || matcher.matches(w->aldrichNames[i]) ||
                            matcher.matches(w->formulas[i]);
        });
        std::printf("%-12s %8d %10.2f %10.2f %8.2f   (its scan alone %.2f ms)\n", qPrintable(text),
                    w->hitCount, search, raw, search / raw, scan);
        if (hits != w->hitCount)
            std::printf("  (the raw scan found %d)\n", hits);
        std::fflush(stdout);
    }
    return 0;
}
