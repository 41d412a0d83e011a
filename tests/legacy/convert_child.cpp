// Converts the inventory at argv[1] and ends the process on the spot after the step
// named by argv[2], the way a power cut or a kill would: no clean-up runs.
//   writing / checking: in the middle of writing or of checking the new file.
#include "inventory/legacy/conversion.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: legacy_convert_child QBData.mdb STEP\n");
        return 2;
    }
    const QString stop = QString::fromLocal8Bit(argv[2]);
    const auto stopHere = [&](const char* name) {
        if (stop == QLatin1String(name))
            std::_Exit(77);
    };
    legacy::ConversionOptions options;
    options.afterStep = [&](legacy::Step step) {
        switch (step) {
        case legacy::Step::Checked:
            stopHere("checked");
            break;
        case legacy::Step::Written:
            stopHere("written");
            break;
        case legacy::Step::Verified:
            stopHere("verified");
            break;
        case legacy::Step::BackupMade:
            stopHere("backup");
            break;
        case legacy::Step::Replaced:
            stopHere("replaced");
            break;
        }
    };
    options.progress = [&](legacy::Phase phase, std::int64_t, std::int64_t) {
        stopHere(phase == legacy::Phase::Copying ? "writing" : "checking");
    };
    try {
        legacy::convertInventory(QString::fromLocal8Bit(argv[1]), options);
    } catch (const base::RuntimeError& e) {
        std::fprintf(stderr, "error %d: %s\n", e.number(), qPrintable(e.text()));
        return 1;
    }
    return 0;
}
