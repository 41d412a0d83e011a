#pragma once

#include "platform/data/pgconnection.h"

#include <QString>

#include <memory>

// The throwaway cluster that with_cluster.sh starts for each server test: it reaches the
// test through the PG* environment (its superuser postgres, database postgres).
namespace testsupport {

// A connection as the cluster's superuser to one of its databases.
std::unique_ptr<records::PgConnection> adminConnection(const QString& database = QStringLiteral("postgres"));
// Makes a new, empty database and returns the connection string that names it.
QString newDatabase(const QString& name);
// The same holding an empty inventory.
QString newInventory(const QString& name);
// Adds n records named "Chemical <i>" (formula "C<i>H<2i>") to the inventory in one COPY.
void addChemicals(records::PgConnection& conn, int n);
// Ends the server process of a session, as an administrator does, and waits until it is gone.
void terminateBackend(int pid);
// Restarts the cluster as an administrator does (pg_ctl restart -m fast): every session
// is ended. Returns once the server takes connections again; false when it failed.
bool restartServer();

} // namespace testsupport
