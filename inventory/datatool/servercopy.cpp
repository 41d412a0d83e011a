#include "inventory/datatool/servercopy.h"

#include "inventory/datatool/errors.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/store/inventory.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/database.h"
#include "platform/data/pgconnection.h"
#include "platform/data/pgdatabase.h"
#include "platform/data/pgerrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <string_view>

namespace datatool {

ServerCopy copyFileToServer(const QString& path, const QString& conninfo, bool use)
{
    // The same rule as for QBData.server: --use would write the password where everyone reads it.
    if (records::conninfoHasPassword(conninfo))
        throw records::DataError(
            records::ServerPasswordInFile,
            QCoreApplication::translate("Companion",
                                        "The connection string holds a password. Nothing was copied. "
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
                        QCoreApplication::translate(
                            "Companion", "The records are on the server, but '%1' could not be written (%2). "
                                         "Write the connection string into it yourself, on one line.")
                            .arg(QDir::toNativeSeparators(done.serverFile), out.errorString()));
    return done;
}

namespace {

std::int64_t copyInto(records::PgDatabase* server, const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    const QString table = server->tableName(store::tableName());
    const QStringList columns = server->columns(table);

    // Made under another name and renamed when complete, so no half copy takes the name.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    store::createEmptyInventory(part);
    std::int64_t copied = 0;
    try {
        {
            const auto file = openInventory(part, false);
            file->write([&] {
                store::RecordAdder adder(*file);
                store::RecordAdder::Values values{};
                server->scanById(table, columns, [&](std::int64_t, records::Connection::Cells cells) {
                    throwIfStopped();
                    for (std::size_t c = 0; c < values.size(); ++c) {
                        values[c].reset();
                        if (c < cells.size() && cells[c])
                            values[c] = std::string_view(cells[c]->data(), cells[c]->size());
                    }
                    adder.add(values);
                    ++copied;
                });
            });
        }
        if (!QFile::rename(part, path))
            throw ToolError(
                OutputFailed,
                QCoreApplication::translate(
                    "Companion", "The copy could not take the name '%1'. Nothing was written there.")
                    .arg(native));
    } catch (...) {
        QFile::remove(part);
        throw;
    }
    return copied;
}

} // namespace

std::int64_t copyServerToFile(const QString& conninfo, const QString& path)
{
    if (QFileInfo::exists(path))
        throw ToolError(OutputFailed,
                        QCoreApplication::translate(
                            "Companion", "The file '%1' already exists; it was left as it is. Name "
                                         "a new file for the copy.")
                            .arg(QDir::toNativeSeparators(path)));
    const auto server = store::openServerInventory(conninfo, {});
    return copyInto(server.get(), path);
}

ServerSnapshot::ServerSnapshot(const QString& conninfo)
{
    const auto server = store::openServerInventory(conninfo, {});
    label_ = server->connection().shortName();
    if (!dir_.isValid())
        throw ToolError(OutputFailed,
                        QCoreApplication::translate("Companion",
                                                    "No temporary folder could be made for the records read "
                                                    "from %1 (%2). Set TMPDIR to a folder with free space.")
                            .arg(server->where(), dir_.errorString()));
    path_ = dir_.filePath(store::fileName());
    copyInto(server.get(), path_);
}

} // namespace datatool
