#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// What the end-to-end benchmarks share: each run is a fresh process, timed from the moment
// it was started (a clock both processes read) to what the user sees.
namespace bench {

// CLOCK_MONOTONIC in milliseconds: the same clock in every process of the machine.
double monotonicMs();

// In a child run: milliseconds since the parent started this process.
double sinceSpawnMs();
// CPU time of this process so far, every thread's, user and system, in milliseconds.
double cpuMs();
// Peak resident memory of this process in kB (VmHWM).
long peakKb();
// Prints one measure for the parent: "name value".
void report(const char* name, double value);

// The program's arguments as text, and the inventory sizes they name after the program's
// name (fallback when they name none).
QStringList arguments(int argc, char** argv);
QList<int> sizes(const QStringList& args, const QList<int>& fallback);

// A folder holding a generated inventory of n records (seed 1), made at the first call
// and kept for later runs under $QB_BENCH_DIR or the temporary folder.
QString inventoryFolder(int n);

// Runs a fresh process of this program with the arguments and returns what it reported,
// or an empty map when it failed (its error output is printed).
QMap<QString, double> runChild(const QStringList& args);
// The same for another program of the benchmarks.
QMap<QString, double> runProgram(const QString& program, const QStringList& args);

struct Stats
{
    double median = 0;
    double min = 0;
    double max = 0;
};
Stats stats(QList<double> values);
// "median [min-max]"
QString format(const Stats& s, int decimals = 0);

// The baseline: a raw ordered read of the columns through the SQLite C API, rows in NOME
// order, by the program's collation (pt_BR at primary strength, the exact text breaking
// ties) or in plain byte order. Returns the bytes read.
long rawOrderedRead(const QString& path, const QString& columns, bool personsOrder);

// The child modes every benchmark offers: "raw-locale FOLDER COLUMNS" and "raw-bytes FOLDER
// COLUMNS". Returns -1 when the arguments name no such mode.
int runRawChild(const QStringList& args);

} // namespace bench
