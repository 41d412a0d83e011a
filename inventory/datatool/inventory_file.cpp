#include "inventory/datatool/inventory_file.h"

#include "inventory/store/format.h"
#include "inventory/store/inventory.h"
#include "platform/data/database.h"

#include <QCoreApplication>

namespace datatool {

QString defaultInventoryPath()
{
    return records::normalizePath(
        store::databasePath(QCoreApplication::applicationDirPath(), QLatin1Char('/') + store::fileName()));
}

std::unique_ptr<records::Database> openInventory(const QString& path, bool readOnly)
{
    auto db = store::openInventory(path, store::openOptions(readOnly));
    // The columns are checked from the schema: a cursor would first read every row id,
    // which for a large inventory costs time and memory the companion never needs.
    try {
        store::checkColumns(*db);
    } catch (const records::DataError& e) {
        throw records::DataError(e.number(),
                                 e.text() + QStringLiteral(" Check that --file names the right file."));
    }
    return db;
}

} // namespace datatool
