#include "inventory/store/chemical_table.h"

#include "inventory/store/format.h"
#include "inventory/store/inventory.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/datasource.h"
#include "platform/data/errors.h"
#include "platform/data/filesystem.h"
#include "platform/data/pgdatabase.h"
#include "platform/data/recordset.h"
#include "store_schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace store {

const std::array<Column, kColumnCount> kColumns = {{
    {ALDRICH, "ALDRICH", "Aldrich Name", "NAME ACCORDING TO ALDRICH CATALOG", false},
    {NOME, "NOME", "Chemical Name", "NAME IN THE LINGUAGE OF YOUR CHOICE", false},
    {FORNECEDOR, "FORNECEDOR", "Vendor", "", false},
    {FORMULA, "FORMULA", "Formula", "MOLECULAR FORMULA", false},
    {LOCAL, "LOCAL", "Location", "STORING PLACE", false},
    {QUANTIDADE, "QUANTIDADE", "Quantity", "AVAILABLE AMOUNT", false},
    {MW, "MW", "molecular weight", "", false},
    {MP, "MP", "melting point", "", false},
    {BP, "BP", "boiling point", "", false},
    {DENSITY, "DENSITY", "density", "", false},
    {HAZARDS, "HAZARDS", "hazards data", "", true},
    {CARACTERISTIC, "CARACTERISTIC", "caracteristic/solubility", "", true},
}};

QString columnName(int ordinal)
{
    return QString::fromLatin1(kColumns.at(static_cast<std::size_t>(ordinal)).name);
}

QString fileName()
{
    return QStringLiteral("QBData.mdb");
}
QString mainFilePart()
{
    return QStringLiteral("\\QBData.mdb");
}
QString listFilePart()
{
    return QStringLiteral("/QBData.mdb");
}
QString tableName()
{
    return QStringLiteral("TOLMIREKS");
}
QString designRecordSource()
{
    return QStringLiteral("Tolmireks");
}
QString recordSource()
{
    return QStringLiteral("SELECT * FROM TOLMIREKS ORDER BY NOME");
}

QString databasePath(const QString& folder, const QString& filePart)
{
    return folder + filePart;
}

void openCursor(records::DataSource& data, const QString& folder, const QString& filePart)
{
    // A QBData.server beside where the file would lie puts the inventory on that server; it
    // failing to open is an error, never a reason to use the file instead.
    const QString path = databasePath(folder, filePart);
    if (inventoryOnServer(path)) {
        const QString server = serverFilePath(path);
        const QString conninfo = readServerFile(server);
        data.setOpener([conninfo](bool readOnly) -> std::unique_ptr<records::Connection> {
            auto db = openServerInventory(conninfo, {});
            db->setReadOnly(readOnly);
            return db;
        });
        data.setDatabaseName(server);
    } else {
        data.setOpener({});
        data.setFileFormat(&format());
        data.setDatabaseName(path);
    }
    data.setRecordSource(recordSource());
    data.Refresh();
    // A server's inventory is checked when it is opened.
    if (const auto* file = dynamic_cast<const records::Database*>(&data.Recordset()->database()))
        checkColumns(*file);
}

SaveNotice noticeWhyNothingIsSaved(const records::Recordset& rs)
{
    const records::Connection& db = rs.database();
    db.startCheck();
    if (db.checkPending())
        return {true, {}};
    // Once for the program, not once a window: the list window opened from the main
    // window says nothing new.
    static QSet<QString> told;
    const records::DataError* refusal = db.writeRefusal(rs.table());
    if (!refusal || told.contains(db.where()))
        return {};
    told.insert(db.where());
    return {false, refusal->text()};
}

QString noticeOfNetworkShare(const records::Recordset& rs, const QString& mountInfo)
{
    // A server's inventory lies on no share.
    const auto* file = dynamic_cast<const records::Database*>(&rs.database());
    if (!file)
        return {};
    static QSet<QString> told;
    const QString path = file->path();
    if (told.contains(path))
        return {};
    const QString type = records::networkFileSystem(path, mountInfo);
    if (type.isEmpty())
        return {};
    told.insert(path);
    return QCoreApplication::translate(
               "Inventory", "Warning %1: The inventory '%2' lies on a network share (%3). Its locks are not "
                            "reliable there: if programs on several desks use this file at once, it can be "
                            "damaged and edits lost. Use it from one desk at a time, or move the inventory "
                            "to a server (see \"Sharing an inventory between desks\" in the README).")
        .arg(records::OnNetworkShare)
        .arg(QDir::toNativeSeparators(path), type);
}

void reopenCursor(records::DataSource& data)
{
    data.setRecordSource(recordSource());
    data.Refresh();
}

QString schemaScript()
{
    return QString::fromUtf8(kSchemaSql);
}

void createEmptyInventory(const QString& path)
{
    createInventory(path, {});
}

} // namespace store
