// The main window as the user waits for it, against the raw ordered read of the columns it
// reads, each a fresh process on the same file, five runs each.
//
//   qb_bench_main_window [N ...]      (default: 10000 100000 1000000)
//
// For each N, as median [min-max] in milliseconds:
//   raw      - a process reading NOME, ALDRICH and FORMULA ordered by NOME through the SQLite
//              C API, from its start to the last row: in byte order, and in the program's
//              order (pt_BR, primary strength, the exact text breaking ties); and sqlite3's
//              shell doing the same in byte order;
//   start    - a process opening the main window, from its start to the first record painted
//              with the event loop running. The splash's fixed two seconds are left out: the
//              window is loaded as the splash's timer loads it, without the wait;
//   search   - from the search timer's tick to the list of hits painted, for common texts and
//              rarer ones;
//   save, delete, refresh - from the click to the window settled: the arrays read again and,
//              for save and delete, the repeated search's list filled and painted. The search
//              timer's fixed 100 ms between the two is left out;
//   refresh after another program wrote - the same, after a change by another connection;
//   shown on a display - the program itself started on an X server of the benchmark's own
//              (Xvfb), from the start of its process to the server mapping its main window,
//              the splash's two seconds included; to the splash mapped; and from the one to
//              the other (the splash's two seconds and the main window's load);
// and the peak memory of the process with the window up and after those commands.
//
//   --baseline DIR   also starts the program built in DIR on the display, in turn with this
//                    one, so that code before a change is measured in the same run.
#include "bench/display.h"
#include "bench/e2e.h"
#include "bench/paintwatch.h"
#include "inventory/main_window/tamsel.h"
#include "inventory/store/chemical_table.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/boundfield.h"
#include "platform/data/database.h"
#include "platform/data/datacontrol.h"
#include "platform/data/pgdatabase.h"
#include "platform/data/recordset.h"
#include "platform/forms/application.h"
#include "platform/forms/identity.h"
#include "platform/forms/listbox.h"
#include "platform/forms/timer.h"
#include "platform/testing/messageboxes.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double ms(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// A command, then the repeated search at the timer's tick; the idle wait for the tick is
// not counted.
double commandThenSearch(Tamsel& w, bench::PaintWatch& list, const std::function<void()>& command)
{
    QElapsedTimer t;
    t.start();
    command();
    const double handler = ms(t);
    if (!w.Timer1()->isActive())
        return handler;
    w.Timer1()->stop();
    t.start();
    w.Timer1_Timer();
    return handler + list.wait(t);
}

int mainWindowChild(const QString& folder)
{
    const double started = bench::sinceSpawnMs();
    int argc = 1;
    char program[] = "qb_bench_main_window";
    char* argv[] = {program, nullptr};
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral("1.0.0"));
    forms::ScopedScriptedMessageBoxes boxes; // answers OK to the Remove question
    forms::setPath(folder);

    QElapsedTimer t;
    t.start();
    Tamsel* w = Tamsel::Load();
    const double load = ms(t);
    const double loadCpu = bench::cpuMs();
    bench::PaintWatch name(w->txtfields(store::NOME)->widget());
    w->show();
    name.wait(t);
    bench::report("shown", bench::sinceSpawnMs());
    bench::report("to_main", started);
    bench::report("load", load);
    bench::report("cpu_to_load", loadCpu);

    bench::PaintWatch list(w->List1()->viewport());
    // Common texts and rare ones; the one with no hit would show its message box.
    for (const auto& [text, key] :
         {std::pair{"a", "search_a"}, std::pair{"benz", "search_benz"}, std::pair{"H2O", "search_H2O"},
          std::pair{"cloreto", "search_cloreto"}, std::pair{"ácido", "search"}}) {
        w->Text2()->setText(QString::fromUtf8(text));
        t.start();
        w->Timer1_Timer();
        bench::report(key, list.wait(t));
        bench::report((std::string("hits_") + key).c_str(), w->hitCount);
    }

    bench::report("peak_after_searches_kb", static_cast<double>(bench::peakKb()));

    auto trigger = [w](const char* action) {
        w->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    };
    auto* local = dynamic_cast<QLineEdit*>(w->txtfields(store::LOCAL)->widget());
    local->setFocus();
    local->end(false);
    local->insert(QStringLiteral(" *"));
    bench::report("save", commandThenSearch(*w, list, [&] { trigger("mnusave"); }));
    bench::report("delete", commandThenSearch(*w, list, [&] { trigger("mnudel"); }));

    t.start();
    trigger("mnurefresh");
    bench::report("refresh", name.wait(t));

    {
        // Another program: on the file, or on the server a QBData.server in the folder names.
        const QString server = QDir(folder).filePath(store::serverFileName());
        std::unique_ptr<records::Connection> other;
        if (QFileInfo::exists(server))
            other = store::openServerInventory(store::readServerFile(server), {});
        else
            other = records::Database::open(folder + QStringLiteral("/QBData.mdb"));
        records::Recordset rs(*other, store::designRecordSource());
        rs.setAbsolutePosition(rs.RecordCount() / 2);
        rs.writeCurrent({{store::QUANTIDADE, QStringLiteral("250 g")}});
    }
    t.start();
    trigger("mnurefresh");
    bench::report("refresh_other", name.wait(t));
    bench::report("peak_kb", static_cast<double>(bench::peakKb()));
    bench::report("unscripted", boxes->unscripted());
    return 0;
}

// sqlite3's shell doing the raw read in byte order, its output thrown away.
double shellRead(const QString& folder)
{
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    const double start = bench::monotonicMs();
    shell.start(QStringLiteral("sqlite3"),
                {QStringLiteral("-readonly"), folder + QStringLiteral("/QBData.mdb"),
                 QStringLiteral("SELECT NOME, ALDRICH, FORMULA FROM TOLMIREKS ORDER BY NOME")});
    if (!shell.waitForFinished(600000) || shell.exitCode() != 0)
        return -1;
    return bench::monotonicMs() - start;
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList args = bench::arguments(argc, argv);
    if (const int rc = bench::runRawChild(args); rc >= 0)
        return rc;
    if (args.size() == 3 && args.at(1) == QLatin1String("main"))
        return mainWindowChild(args.at(2));

    QCoreApplication app(argc, argv);
    QStringList rest = args;
    QString baseline;
    if (const qsizetype at = rest.indexOf(QStringLiteral("--baseline")); at > 0 && at + 1 < rest.size()) {
        baseline = rest.at(at + 1);
        rest.remove(at, 2);
    }
    const QList<int> sizes = bench::sizes(rest, {10000, 100000, 1000000});
    bench::Display display;
    if (!display.ok())
        std::fprintf(stderr, "no X server (Xvfb) could be started: the display figures are left out\n");
    const QString columns = QStringLiteral("NOME, ALDRICH, FORMULA");
    constexpr int kRuns = 5;

    std::printf("medians of %d fresh processes each, [min-max], ms\n", kRuns);
    for (int n : sizes) {
        // Each run works on a copy, since its commands change the file.
        const QString original = bench::inventoryFolder(n);
        QMap<QString, QList<double>> m;
        for (int run = 0; run <= kRuns; ++run) {
            QTemporaryDir copy;
            QFile::copy(original + QStringLiteral("/QBData.mdb"),
                        copy.filePath(QStringLiteral("QBData.mdb")));
            const auto bytes = bench::runChild({QStringLiteral("raw-bytes"), copy.path(), columns});
            const auto locale = bench::runChild({QStringLiteral("raw-locale"), copy.path(), columns});
            const double shell = shellRead(copy.path());
            const auto window = bench::runChild({QStringLiteral("main"), copy.path()});
            // The first run warms the page cache and is not counted.
            if (run == 0 || bytes.isEmpty() || locale.isEmpty() || window.isEmpty())
                continue;
            const double raw = bytes.value(QStringLiteral("done"));
            m[QStringLiteral("raw")].append(raw);
            m[QStringLiteral("raw_locale")].append(locale.value(QStringLiteral("done")));
            m[QStringLiteral("shell")].append(shell);
            for (const QString& key : window.keys())
                m[key].append(window.value(key));
            for (const char* key : {"shown", "save", "delete", "refresh", "refresh_other"})
                m[QStringLiteral("x_") + QLatin1String(key)].append(window.value(QLatin1String(key)) / raw);
        }
        // The program as the user starts it; the main window is the one wider than the splash.
        if (display.ok()) {
            const QString inventory = original + QStringLiteral("/QBData.mdb");
            const bench::ProgramFolder mine(QCoreApplication::applicationDirPath(), inventory);
            std::unique_ptr<bench::ProgramFolder> before;
            if (!baseline.isEmpty())
                before = std::make_unique<bench::ProgramFolder>(baseline, inventory);
            const std::pair<const bench::ProgramFolder*, QString> programs[] = {
                {&mine, QStringLiteral("display")}, {before.get(), QStringLiteral("display_baseline")}};
            for (int run = 0; run <= kRuns; ++run) {
                for (const auto& [folder, key] : programs) {
                    if (!folder || !folder->ok())
                        continue;
                    const bench::Display::Shown shown = display.startAndWatch(folder->program(), 700, 60000);
                    if (run == 0 || shown.main < 0)
                        continue;
                    m[key].append(shown.main);
                    m[key + QStringLiteral("_splash")].append(shown.first);
                    m[key + QStringLiteral("_after_splash")].append(shown.main - shown.first);
                }
            }
        }
        auto line = [&](const char* label, const char* key, const char* ratio = nullptr, int decimals = 0) {
            std::printf("  %-38s %s", label,
                        qPrintable(bench::format(bench::stats(m[QLatin1String(key)]), decimals)));
            if (ratio)
                std::printf("   = %s x the raw read in byte order",
                            qPrintable(bench::format(bench::stats(m[QLatin1String(ratio)]), 2)));
            std::printf("\n");
        };
        std::printf("\n%d records\n", n);
        line("raw read, byte order", "raw");
        line("raw read, the program's order", "raw_locale");
        line("sqlite3's shell, byte order", "shell");
        if (!m[QStringLiteral("display")].isEmpty()) {
            line("start to main window shown on a display", "display");
            line("  start to the splash shown", "display_splash");
            line("  splash shown to main window shown", "display_after_splash");
        }
        if (!m[QStringLiteral("display_baseline")].isEmpty()) {
            line("the same, --baseline program", "display_baseline");
            line("  start to the splash shown", "display_baseline_splash");
            line("  splash shown to main window shown", "display_baseline_after_splash");
        }
        line("start to the first record shown", "shown", "x_shown");
        line("  of which the window's load", "load");
        for (const auto& [label, key] :
             {std::pair{"search \"a\"", "search_a"}, std::pair{"search \"benz\"", "search_benz"},
              std::pair{"search \"H2O\"", "search_H2O"}, std::pair{"search \"cloreto\"", "search_cloreto"},
              std::pair{"search \"ácido\"", "search"}}) {
            const QString hitsKey = QStringLiteral("hits_") + QLatin1String(key);
            std::printf("  %-38s %s   (%.0f hits)\n",
                        qPrintable(QString::fromUtf8(label) + QStringLiteral(", tick to list painted")),
                        qPrintable(bench::format(bench::stats(m[QLatin1String(key)]), 1)),
                        bench::stats(m[hitsKey]).median);
        }
        line("save", "save", "x_save");
        line("delete", "delete", "x_delete");
        line("refresh", "refresh", "x_refresh");
        line("refresh after another program wrote", "refresh_other", "x_refresh_other");
        auto megabytes = [&](const char* key) {
            QList<double> mb;
            for (double kb : m[QLatin1String(key)])
                mb.append(kb / 1024.0);
            return bench::format(bench::stats(mb));
        };
        std::printf("  peak memory with the window up and after the searches, MB %s\n",
                    qPrintable(megabytes("peak_after_searches_kb")));
        std::printf("  peak memory after every command above, MB                 %s\n",
                    qPrintable(megabytes("peak_kb")));
        std::fflush(stdout);
    }
    return 0;
}
