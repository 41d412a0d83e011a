// Another running copy of the program, for the tests of two programs on one file: it
// opens its own cursor on the inventory, makes one change or lists one column, and ends.
#include "platform/data/database.h"
#include "platform/data/recordset.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

const QString kSource = QStringLiteral("SELECT * FROM ITEMS ORDER BY NAME");

int run(const QStringList& args)
{
    const QString command = args.value(1);
    auto db = records::Database::open(args.value(2));
    records::Recordset rs(*db, kSource);
    if (command == QLatin1String("set") && args.size() == 6) {
        rs.setAbsolutePosition(args.at(3).toInt());
        rs.writeCurrent({{args.at(4).toInt(), args.at(5)}});
    } else if (command == QLatin1String("delete") && args.size() == 4) {
        rs.setAbsolutePosition(args.at(3).toInt());
        rs.Delete();
    } else if (command == QLatin1String("add") && args.size() == 4) {
        rs.AddNew();
        rs.writeCurrent({{1, args.at(3)}});
    } else if (command == QLatin1String("list") && args.size() == 4) {
        for (int p = 0; p < rs.RecordCount(); ++p) {
            rs.setAbsolutePosition(p);
            std::printf("%s\n", rs.Fields(args.at(3).toInt()).Value().toString().toUtf8().constData());
        }
    } else {
        std::fprintf(
            stderr,
            "usage: set FILE POS ORDINAL VALUE | delete FILE POS | add FILE NAME | list FILE ORDINAL\n");
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    try {
        return run(app.arguments());
    } catch (const records::DataError& e) {
        std::fprintf(stderr, "error %d: %s\n", e.number(), e.text().toUtf8().constData());
        return 1;
    }
}
