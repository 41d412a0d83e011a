// Builds an inventory file from the schema and a script of rows, for the build to put
// the sample inventory beside the program. An existing file is never touched.
#include "inventory/store/format.h"
#include "platform/data/database.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: qb_makeinventory OUTPUT.mdb ROWS.sql\n");
        return 2;
    }
    const QString out = args.at(1);
    if (QFileInfo::exists(out)) {
        std::printf("%s exists: kept as it is\n", qPrintable(out));
        return 0;
    }
    QFile rows(args.at(2));
    if (!rows.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(args.at(2)), qPrintable(rows.errorString()));
        return 1;
    }
    try {
        store::createInventory(out, QString::fromUtf8(rows.readAll()));
    } catch (const records::DataError& e) {
        std::fprintf(stderr, "error %d: %s\n", e.number(), qPrintable(e.text()));
        return 1;
    }
    std::printf("made %s\n", qPrintable(out));
    return 0;
}
