// A program that writes to an inventory without end, through the engine as the windows do,
// until it is killed. Before each write it prints what it tries, and "ack" once the write
// has returned: what the user would have been told was saved.
//
//   qb_inventory_writer FILE SEED
//
// FILE may be a QBData.server instead: the writer then works on the server it names.
//
//   try add NAME          a new record named NAME
//   try set NAME VALUE    the QUANTIDADE of the record named NAME becomes VALUE
//   try delete NAME       the record named NAME (one this program added) is deleted
#include "inventory/store/chemical_table.h"
#include "inventory/store/format.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/database.h"
#include "platform/data/pgdatabase.h"
#include "platform/data/recordset.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <random>
#include <vector>

namespace {

void say(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int positionOf(records::Recordset& rs, const QString& name)
{
    for (int p = 0; p < rs.RecordCount(); ++p) {
        rs.setAbsolutePosition(p);
        if (rs.Fields(store::NOME).Value().toString() == name)
            return p;
    }
    return -1;
}

std::unique_ptr<records::Connection> openWriterInventory(const QString& file)
{
    if (QFileInfo(file).fileName() == store::serverFileName())
        return store::openServerInventory(store::readServerFile(file), {});
    return store::openInventory(file);
}

int run(const QString& file, unsigned seed)
{
    auto db = openWriterInventory(file);
    records::Recordset rs(*db, store::recordSource());
    std::mt19937 random(seed);
    std::vector<QString> added;
    say(QStringLiteral("ready"));
    for (int i = 1;; ++i) {
        const QString value = QStringLiteral("w%1.%2").arg(seed).arg(i);
        unsigned op = random() % 3;
        if (op == 2 && added.empty())
            op = 0;
        if (op == 1 && rs.RecordCount() == 0)
            op = 0;
        if (op == 0) {
            say(QStringLiteral("try add ") + value);
            rs.AddNew();
            rs.writeCurrent({{store::NOME, value}});
            added.push_back(value);
        } else if (op == 1) {
            rs.setAbsolutePosition(static_cast<int>(random() % static_cast<unsigned>(rs.RecordCount())));
            const QString name = rs.Fields(store::NOME).Value().toString();
            const QVariant shown = rs.Fields(store::QUANTIDADE).Value();
            say(QStringLiteral("try set %1 %2").arg(name, value));
            rs.writeCurrent({{store::QUANTIDADE, value}}, {{store::QUANTIDADE, shown}});
        } else {
            const std::size_t which = random() % added.size();
            const QString name = added[which];
            const int position = positionOf(rs, name);
            if (position < 0)
                return 3;
            rs.setAbsolutePosition(position);
            say(QStringLiteral("try delete ") + name);
            rs.Delete();
            added.erase(added.begin() + static_cast<std::ptrdiff_t>(which));
        }
        say(QStringLiteral("ack"));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: qb_inventory_writer FILE SEED\n");
        return 2;
    }
    try {
        return run(args.at(1), args.at(2).toUInt());
    } catch (const records::DataError& e) {
        std::fprintf(stderr, "error %d: %s\n", e.number(), e.text().toUtf8().constData());
        return 1;
    }
}
