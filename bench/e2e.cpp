#include "bench/e2e.h"

#include "bench/inventory_generator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <sqlite3.h>
#include <unicode/ucol.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

namespace bench {

double monotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double sinceSpawnMs()
{
    return monotonicMs() - qEnvironmentVariable("QB_SPAWN_MS").toDouble();
}

double cpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long peakKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

void report(const char* name, double value)
{
    std::printf("%s %.3f\n", name, value);
    std::fflush(stdout);
}

QStringList arguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return args;
}

QList<int> sizes(const QStringList& args, const QList<int>& fallback)
{
    QList<int> out;
    for (qsizetype i = 1; i < args.size(); ++i)
        out.append(args.at(i).toInt());
    return out.isEmpty() ? fallback : out;
}

QString inventoryFolder(int n)
{
    const QString root =
        qEnvironmentVariable("QB_BENCH_DIR", QDir::tempPath() + QStringLiteral("/quillarbon-bench"));
    const QString folder = QStringLiteral("%1/%2").arg(root).arg(n);
    const QString path = folder + QStringLiteral("/QBData.mdb");
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(folder);
        std::fprintf(stderr, "making %d records in %s\n", n, qPrintable(path));
        generateInventory(path, n, 1);
    }
    return folder;
}

QMap<QString, double> runChild(const QStringList& args)
{
    return runProgram(QCoreApplication::applicationFilePath(), args);
}

QMap<QString, double> runProgram(const QString& program, const QStringList& args)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QB_SPAWN_MS"), QString::number(monotonicMs(), 'f', 3));
    child.setProcessEnvironment(env);
    child.start(program, args);
    QMap<QString, double> measures;
    if (!child.waitForFinished(600000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        std::fprintf(stderr, "run %s failed: %s\n", qPrintable(args.join(QLatin1Char(' '))),
                     child.readAllStandardError().constData());
        return measures;
    }
    const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.size() == 2)
            measures.insert(parts.at(0), parts.at(1).toDouble());
    }
    return measures;
}

Stats stats(QList<double> values)
{
    if (values.isEmpty())
        return {};
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    const double median = n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
    return {median, values.first(), values.last()};
}

QString format(const Stats& s, int decimals)
{
    return QStringLiteral("%1 [%2-%3]")
        .arg(s.median, 0, 'f', decimals)
        .arg(s.min, 0, 'f', decimals)
        .arg(s.max, 0, 'f', decimals);
}

namespace {

// The program's order: letters alike whatever their case and accents, then the exact text.
int personsCompare(void* collator, int na, const void* a, int nb, const void* b)
{
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r =
        ucol_strcollUTF8(static_cast<UCollator*>(collator), static_cast<const char*>(a), na,
                         static_cast<const char*>(b), nb, &status);
    if (r != UCOL_EQUAL)
        return r == UCOL_LESS ? -1 : 1;
    const int c = std::memcmp(a, b, static_cast<std::size_t>(std::min(na, nb)));
    return c != 0 ? c : na - nb;
}

} // namespace

long rawOrderedRead(const QString& path, const QString& columns, bool personsOrder)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    UCollator* collator = nullptr;
    if (personsOrder) {
        UErrorCode status = U_ZERO_ERROR;
        collator = ucol_open("pt_BR", &status);
        ucol_setStrength(collator, UCOL_PRIMARY);
        sqlite3_create_collation(db, "PERSONS", SQLITE_UTF8, collator, personsCompare);
    }
    const QByteArray sql = QStringLiteral("SELECT %1 FROM TOLMIREKS ORDER BY NOME%2")
                               .arg(columns, personsOrder ? QStringLiteral(" COLLATE PERSONS") : QString())
                               .toUtf8();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
    long bytes = 0;
    const int n = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int i = 0; i < n; ++i) {
            sqlite3_column_text(stmt, i);
            bytes += sqlite3_column_bytes(stmt, i);
        }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (collator)
        ucol_close(collator);
    return bytes;
}

int runRawChild(const QStringList& args)
{
    if (args.size() != 4 ||
        (args.at(1) != QLatin1String("raw-locale") && args.at(1) != QLatin1String("raw-bytes")))
        return -1;
    const long bytes = rawOrderedRead(args.at(2) + QStringLiteral("/QBData.mdb"), args.at(3),
                                      args.at(1) == QLatin1String("raw-locale"));
    report("done", sinceSpawnMs());
    report("bytes", static_cast<double>(bytes));
    report("peak_kb", static_cast<double>(peakKb()));
    return 0;
}

} // namespace bench
