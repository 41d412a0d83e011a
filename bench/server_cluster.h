#pragma once

#include <QString>

// What the benchmarks on a PostgreSQL server share: a throwaway cluster of their own
// (tests/server/with_cluster.sh, a Unix socket on this machine, stopped when the benchmark
// ends) and an inventory file copied there as a lab moves onto a server.
namespace bench {

// Runs this benchmark again under with_cluster.sh, unless it already runs there; returns
// only inside the cluster (an exec that failed ends the process).
void enterCluster(int argc, char** argv);

// Makes the database and copies the inventory file into it with the companion
// (quillarbon-data --file FILE copy-to-server). Returns the connection string, empty when
// the copy failed; ms is the copy's wall time.
QString copyToNewDatabase(const QString& file, const QString& database, double* ms);

// A program folder whose QBData.server names the server's inventory.
bool writeServerFile(const QString& folder, const QString& conninfo);

} // namespace bench
