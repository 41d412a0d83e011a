#include "tests/server/server_support.h"

#include "inventory/store/server_inventory.h"
#include "platform/data/database.h"

namespace testsupport {

std::unique_ptr<records::PgConnection> adminConnection(const QString& database)
{
    return records::PgConnection::open(QStringLiteral("dbname=%1 user=postgres").arg(database));
}

QString newDatabase(const QString& name)
{
    adminConnection()->run(QStringLiteral("CREATE DATABASE %1").arg(records::quoteIdentifier(name)));
    return QStringLiteral("dbname=%1").arg(name);
}

QString newInventory(const QString& name)
{
    const QString conninfo = newDatabase(name);
    auto conn = adminConnection(name);
    conn->begin();
    store::createServerInventory(*conn);
    conn->commit();
    return conninfo;
}

void addChemicals(records::PgConnection& conn, int n)
{
    conn.copyIn(QStringLiteral("tolmireks"), {QStringLiteral("nome"), QStringLiteral("formula")},
                [&](records::PgCopyWriter& rows) {
                    for (int i = 0; i < n; ++i) {
                        rows.beginRow(2);
                        rows.text(QStringLiteral("Chemical %1").arg(i).toStdString());
                        rows.text(QStringLiteral("C%1H%2").arg(i).arg(2 * i).toStdString());
                    }
                });
}

void terminateBackend(int pid)
{
    adminConnection()->exec(QStringLiteral("SELECT pg_terminate_backend($1, 10000)"),
                            records::PgParams().number(pid));
}

} // namespace testsupport
