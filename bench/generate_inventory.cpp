// Makes a large inventory for benchmarks: qb_generate_inventory N OUT.mdb [seed]
#include "bench/inventory_generator.h"
#include "platform/data/errors.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QString>

#include <cstdio>

namespace {

bool parseCount(const char* text, qulonglong& value)
{
    bool ok = false;
    value = QString::fromLocal8Bit(text).toULongLong(&ok);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qulonglong count = 0;
    qulonglong seed = 1;
    if (argc < 3 || argc > 4 || !parseCount(argv[1], count) || (argc == 4 && !parseCount(argv[3], seed))) {
        std::fprintf(stderr, "usage: qb_generate_inventory N OUT.mdb [seed]\n"
                             "  makes OUT.mdb holding N generated chemicals; the same seed (default 1)\n"
                             "  gives the same rows. OUT.mdb must not exist yet.\n");
        return 2;
    }
    if (count > static_cast<qulonglong>(INT64_MAX)) {
        std::fprintf(stderr, "N is too large\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QElapsedTimer clock;
    clock.start();
    try {
        bench::generateInventory(out, static_cast<std::int64_t>(count), seed);
    } catch (const records::DataError& e) {
        std::fprintf(stderr, "error %d: %s\n", e.number(), qPrintable(e.text()));
        return 1;
    }
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    const double megabytes = static_cast<double>(QFileInfo(out).size()) / (1024.0 * 1024.0);
    std::printf("made %s: %llu chemicals, seed %llu, %.1f MB in %.1f s\n", qPrintable(out), count, seed,
                megabytes, seconds);
    return 0;
}
