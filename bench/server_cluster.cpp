#include "bench/server_cluster.h"

#include "bench/e2e.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/database.h"
#include "platform/data/pgconnection.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <unistd.h>

#include <cstdio>
#include <vector>

namespace bench {

void enterCluster(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QB_BENCH_IN_CLUSTER"))
        return;
    qputenv("QB_BENCH_IN_CLUSTER", "1");
    std::vector<char*> args{const_cast<char*>(QB_WITH_CLUSTER)};
    for (int i = 0; i < argc; ++i)
        args.push_back(argv[i]);
    args.push_back(nullptr);
    execv(QB_WITH_CLUSTER, args.data());
    std::perror(QB_WITH_CLUSTER);
    std::exit(1);
}

QString copyToNewDatabase(const QString& file, const QString& database, double* ms)
{
    records::PgConnection::open(QString())->run(
        QStringLiteral("CREATE DATABASE %1").arg(records::quoteIdentifier(database)));
    const QString conninfo = QStringLiteral("dbname=") + database;
    QProcess copy;
    copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double start = monotonicMs();
    copy.start(QStringLiteral(QB_DATATOOL),
               {QStringLiteral("--file"), file, QStringLiteral("copy-to-server"), conninfo});
    if (!copy.waitForFinished(3600000) || copy.exitStatus() != QProcess::NormalExit || copy.exitCode() != 0)
        return {};
    *ms = monotonicMs() - start;
    // Settle the new rows (hint bits, visibility) so that no timed read writes.
    records::PgConnection::open(conninfo)->run(QStringLiteral("VACUUM (ANALYZE) tolmireks"));
    return conninfo;
}

bool writeServerFile(const QString& folder, const QString& conninfo)
{
    QFile f(QDir(folder).filePath(store::serverFileName()));
    return f.open(QIODevice::WriteOnly) && f.write(conninfo.toUtf8() + "\n") > 0;
}

} // namespace bench
