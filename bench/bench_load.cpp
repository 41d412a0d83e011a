// How long a window's load takes against the raw ordered read of the same columns.
//
//   qb_bench_load [N ...]         (default: 10000 100000 1000000)
//   qb_bench_load --folder=DIR    (times the inventory DIR/QBData.mdb as it is)
//
// For each N: makes an inventory of N records, then times
//   raw    - SELECT NOME, ALDRICH, FORMULA ... ORDER BY NOME through the SQLite C API;
//   engine - what a window's load does: open (Refresh), then for every position set
//            AbsolutePosition and read ordinals 1, 0 and 3, with the data control and
//            twelve bound boxes attached;
//   window - the main window's own load (Tamsel::Load) on the same file;
// and prints the ratios and the memory the engine keeps per record.
#include "bench/bench_common.h"
#include "bench/inventory_generator.h"
#include "inventory/main_window/tamsel.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/forms/application.h"
#include "platform/forms/identity.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>

namespace {

class CpuTimer
{
public:
    void start() { start_ = bench::cpuNanos(); }
    qint64 nsecsElapsed() const { return bench::cpuNanos() - start_; }

private:
    qint64 start_ = 0;
};

double g_openMs = 0;

long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

double rawPass(const QString& path, long* checksum)
{
    CpuTimer t;
    t.start();
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT NOME, ALDRICH, FORMULA FROM TOLMIREKS ORDER BY NOME", -1, &stmt, nullptr);
    long sum = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int i = 0; i < 3; ++i) {
            sqlite3_column_text(stmt, i);
            sum += sqlite3_column_bytes(stmt, i);
        }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    *checksum = sum;
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

double enginePass(const QString& folder, long* checksum, long* keptKb, int* records)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* data = new records::DataControl(&window);
    data->setObjectName(QStringLiteral("Data1"));
    layout->addWidget(data);
    for (const store::Column& c : store::kColumns) {
        QWidget* box = nullptr;
        if (c.multiLine) {
            auto* edit = new records::BoundTextEdit(&window);
            edit->setDataSource(QStringLiteral("Data1"));
            edit->setDataField(QString::fromLatin1(c.name));
            box = edit;
        } else {
            auto* edit = new records::BoundLineEdit(&window);
            edit->setDataSource(QStringLiteral("Data1"));
            edit->setDataField(QString::fromLatin1(c.name));
            box = edit;
        }
        layout->addWidget(box);
    }
    const long before = residentKb();

    CpuTimer t;
    t.start();
    forms::setPath(folder);
    store::openCursor(*data, folder, store::mainFilePart());
    g_openMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
    records::Recordset* rs = data->Recordset();
    long sum = 0;
    const int n = rs->RecordCount();
    *records = n;
    for (int i = 0; i < n; ++i) {
        rs->setAbsolutePosition(i);
        sum += rs->Fields(1).Value().toString().size();
        sum += rs->Fields(0).Value().toString().size();
        sum += rs->Fields(3).Value().toString().size();
    }
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    *keptKb = residentKb() - before;
    *checksum = sum;
    return ms;
}

double windowLoad(const QString& folder, long* keptKb)
{
    forms::setPath(folder);
    const long before = residentKb();
    CpuTimer t;
    t.start();
    std::unique_ptr<Tamsel> w(Tamsel::Load());
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    *keptKb = residentKb() - before;
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral("1.0.0"));
    QString folder;
    QList<int> sizes = bench::parseArguments(argc, argv, &folder);
    if (sizes.isEmpty())
        sizes = {10000, 100000, 1000000};

    std::printf("%10s %10s %10s %10s %10s %8s %8s %12s\n", "records", "raw ms", "open ms", "engine ms",
                "window ms", "engine/x", "window/x", "bytes/record");
    if (!folder.isEmpty())
        sizes = {0};
    for (int n : sizes) {
        QTemporaryDir tmp;
        const QString dirPath = folder.isEmpty() ? tmp.path() : folder;
        const QString path = dirPath + QStringLiteral("/QBData.mdb");
        if (folder.isEmpty())
            bench::generateInventory(path, n, 1);
        long rawSum = 0, engineSum = 0, engineKb = 0, windowKb = 0;
        // The best of three runs each, the first of all warming the page cache.
        rawPass(path, &rawSum);
        double raw = 1e18, engine = 1e18, window = 1e18, open = 1e18;
        for (int run = 0; run < 3; ++run) {
            long kb = 0;
            raw = std::min(raw, rawPass(path, &rawSum));
            engine = std::min(engine, enginePass(dirPath, &engineSum, &kb, &n));
            engineKb = std::max(engineKb, kb);
            open = std::min(open, g_openMs);
            window = std::min(window, windowLoad(dirPath, &kb));
            windowKb = std::max(windowKb, kb);
        }
        g_openMs = open;
        std::printf("%10d %10.1f %10.1f %10.1f %10.1f %8.2f %8.2f %12.0f\n", n, raw, g_openMs, engine, window,
                    engine / raw, window / raw,
                    1024.0 * static_cast<double>(std::max(engineKb, windowKb)) / n);
        std::fflush(stdout);
    }
    return 0;
}
