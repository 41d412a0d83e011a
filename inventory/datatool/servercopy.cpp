#include "inventory/datatool/servercopy.h"

#include "inventory/datatool/errors.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/database.h"
#include "platform/data/pgconnection.h"
#include "platform/data/pgerrors.h"

#include <QDir>
#include <QSaveFile>

namespace datatool {

ServerCopy copyFileToServer(const QString& path, const QString& conninfo, bool use)
{
    // The same rule as for QBData.server: --use would write the password where everyone reads it.
    if (records::conninfoHasPassword(conninfo))
        throw records::DataError(records::ServerPasswordInFile,
                                 QStringLiteral("The connection string holds a password. Nothing was copied. "
                                                "Keep the password in ~/.pgpass, or in the service file the "
                                                "connection string names, and give the string without it."));
    ServerCopy done;
    {
        const auto file = openInventory(path, true);
        auto conn = records::PgConnection::open(conninfo);
        done.records = store::copyToServer(*conn, store::fileRecords(*file));
    }
    if (!use)
        return done;
    done.serverFile = store::serverFilePath(path);
    QSaveFile out(done.serverFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(conninfo.toUtf8() + "\n") < 0 || !out.commit())
        throw ToolError(OutputFailed,
                        QStringLiteral("The records are on the server, but '%1' could not be written (%2). "
                                       "Write the connection string into it yourself, on one line.")
                            .arg(QDir::toNativeSeparators(done.serverFile), out.errorString()));
    return done;
}

} // namespace datatool
