// How long converting an old Access-format inventory takes, against our own load of
// the converted file.
//
//   qb_bench_convert [N]          (default 100000 records; Jet 4)
//
// Makes an Access-format file of N records once with bench/jet (cached in the build
// folder), then five times each, interleaved, times a fresh process from its start to
// its end:
//   convert - the conversion the program runs after the user's yes, on a fresh copy of
//             the old file (survey, write, read back, backup name, rename);
//   load    - the main window's load (Tamsel::Load) of the converted inventory, what
//             the program does next.
// Prints the median, minimum and maximum of each and the ratio of the medians; the
// convert process also reports when each of its steps ended.
#include "inventory/legacy/conversion.h"
#include "inventory/main_window/tamsel.h"
#include "platform/forms/application.h"
#include "platform/forms/identity.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

int childConvert(const QString& folder, const QElapsedTimer& sinceStart)
{
    legacy::ConversionOptions options;
    QStringList marks;
    options.afterStep = [&](legacy::Step step) {
        static const char* names[] = {"checked", "written", "verified", "backup", "replaced"};
        marks.append(QStringLiteral("%1=%2")
                         .arg(QLatin1String(names[static_cast<int>(step)]))
                         .arg(sinceStart.elapsed()));
    };
    try {
        const legacy::Conversion done =
            legacy::convertInventory(folder + QStringLiteral("/QBData.mdb"), options);
        std::printf("records=%lld %s\n", static_cast<long long>(done.records),
                    qPrintable(marks.join(QLatin1Char(' '))));
    } catch (const base::RuntimeError& e) {
        std::fprintf(stderr, "error %d: %s\n", e.number(), qPrintable(e.text()));
        return 1;
    }
    return 0;
}

int childLoad(const QString& folder)
{
    forms::setPath(folder);
    try {
        std::unique_ptr<Tamsel> window(Tamsel::Load());
        std::printf("records=%zu\n", window->chemNames.size() - 1);
    } catch (const base::RuntimeError& e) {
        std::fprintf(stderr, "error %d: %s\n", e.number(), qPrintable(e.text()));
        return 1;
    }
    return 0;
}

bool run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, args);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A fresh process from its start to its end, wall time in ms; its output is returned.
double timed(const QString& program, const QStringList& args, QByteArray* output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!p.waitForFinished(-1) || p.exitCode() != 0) {
        std::fprintf(stderr, "%s %s failed\n", qPrintable(program), qPrintable(args.join(QLatin1Char(' '))));
        std::exit(1);
    }
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    *output = p.readAllStandardOutput().trimmed();
    return ms;
}

struct Figures
{
    double median, min, max;
};

Figures figures(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.front(), v.back()};
}

QString oldFile(int records)
{
    const QString dir = QStringLiteral(QB_BENCH_DATA);
    QDir().mkpath(dir);
    const QString mdb = dir + QStringLiteral("/convert-%1-jet4.mdb").arg(records);
    if (QFileInfo::exists(mdb))
        return mdb;
    const QString jet = QStringLiteral(QB_SOURCE_DIR "/bench/jet/");
    const QString rows = dir + QStringLiteral("/convert-%1.json").arg(records);
    std::printf("making %s with bench/jet ...\n", qPrintable(mdb));
    std::fflush(stdout);
    if (!run(QStringLiteral("python3"),
             {jet + QStringLiteral("make_many_rows.py"),
              QStringLiteral(QB_SOURCE_DIR "/tests/legacy/data/tolmireks-jet4.json"),
              QString::number(records), rows}) ||
        !run(QStringLiteral("python3"), {jet + QStringLiteral("make_jet.py"), QStringLiteral("--jet"),
                                         QStringLiteral("4"), rows, mdb + QStringLiteral(".part")}) ||
        !QFile::rename(mdb + QStringLiteral(".part"), mdb)) {
        std::fprintf(stderr, "could not make %s\n", qPrintable(mdb));
        std::exit(1);
    }
    QFile::remove(rows);
    return mdb;
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral("1.0.0"));
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QStringLiteral("--child-convert"))
        return childConvert(args.at(2), sinceStart);
    if (args.size() == 3 && args.at(1) == QStringLiteral("--child-load"))
        return childLoad(args.at(2));

    const int records = args.size() > 1 ? args.at(1).toInt() : 100000;
    const QString old = oldFile(records);
    std::printf("old file: %s, %lld MB, %d records, Jet 4\n", qPrintable(old),
                static_cast<long long>(QFileInfo(old).size() >> 20), records);

    std::vector<double> convert, load;
    QTemporaryDir dir;
    for (int run = 0; run < 5; ++run) {
        const QString folder = dir.path() + QStringLiteral("/run%1").arg(run);
        QDir().mkpath(folder);
        QFile::copy(old, folder + QStringLiteral("/QBData.mdb"));
        QByteArray out;
        convert.push_back(
            timed(app.applicationFilePath(), {QStringLiteral("--child-convert"), folder}, &out));
        std::printf("  convert %8.0f ms   %s\n", convert.back(), out.constData());
        load.push_back(timed(app.applicationFilePath(), {QStringLiteral("--child-load"), folder}, &out));
        std::printf("  load    %8.0f ms   %s\n", load.back(), out.constData());
        std::fflush(stdout);
        if (run > 0)
            QDir(dir.path() + QStringLiteral("/run%1").arg(run - 1)).removeRecursively();
    }
    const Figures c = figures(convert), l = figures(load);
    std::printf("\n%-32s %10s %10s %10s\n", "fresh process, 5 runs", "median ms", "min ms", "max ms");
    std::printf("%-32s %10.0f %10.0f %10.0f\n", "convert (Jet 4 -> inventory)", c.median, c.min, c.max);
    std::printf("%-32s %10.0f %10.0f %10.0f\n", "load of the result (Tamsel)", l.median, l.min, l.max);
    std::printf("convert / load: %.2f\n", c.median / l.median);
    return 0;
}
