#include "tests/server/server_support.h"

#include "inventory/store/server_inventory.h"
#include "platform/data/database.h"

#include <QDir>
#include <QProcess>

#include <unistd.h>

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

bool restartServer()
{
    const QString data = qEnvironmentVariable("QB_PG_DATA");
    const QString bin = qEnvironmentVariable("QB_PG_BINDIR");
    if (data.isEmpty() || bin.isEmpty())
        return false;
    QStringList args{QDir(bin).filePath(QStringLiteral("pg_ctl")),
                     QStringLiteral("restart"),
                     QStringLiteral("-m"),
                     QStringLiteral("fast"),
                     QStringLiteral("-w"),
                     QStringLiteral("-D"),
                     data,
                     QStringLiteral("-l"),
                     data + QStringLiteral("/../restarted.log")};
    // The server refuses to run as root; with_cluster.sh made the cluster as postgres.
    if (geteuid() == 0)
        args = QStringList{QStringLiteral("--reuid=postgres"), QStringLiteral("--regid=postgres"),
                           QStringLiteral("--init-groups")} +
               args;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    if (geteuid() == 0)
        p.start(QStringLiteral("setpriv"), args);
    else
        p.start(args.takeFirst(), args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace testsupport
