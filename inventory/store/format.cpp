#include "inventory/store/format.h"

#include "inventory/store/chemical_table.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace store {

namespace {

class InventoryFormat final : public records::FileFormat
{
public:
    void check(const records::Database& db) const override
    {
        if (db.pragma("application_id") != kApplicationId)
            return;
        const std::int64_t version = db.pragma("user_version");
        if (version > kFormatVersion)
            throw records::DataError(
                records::NewerFormat,
                QCoreApplication::translate(
                    "Data", "The database file '%1' was made by a newer version of the program "
                            "(file format %2; this version reads formats up to %3). Open it with "
                            "that version, or install it here.")
                    .arg(QDir::toNativeSeparators(db.path()))
                    .arg(version)
                    .arg(kFormatVersion));
    }

    void bringUpToDate(records::Database& db) const override
    {
        const std::int64_t id = db.pragma("application_id");
        if (id == kApplicationId && db.pragma("user_version") == kFormatVersion)
            return;
        // Version 1 (no id) kept the largest row id ever deleted in the header's user
        // version; from version 2 on the engine keeps it in QB_STATE, which this makes.
        const std::int64_t oldMark = id == 0 ? std::max<std::int64_t>(db.pragma("user_version"), 0) : 0;
        db.retireRowid(oldMark);
        // Another program's file keeps its header; ours, old or new, carries our id.
        if (id == 0 || id == kApplicationId) {
            db.setPragma("application_id", kApplicationId);
            db.setPragma("user_version", kFormatVersion);
        }
    }

    bool mayBeOwn(std::uint32_t applicationId) const override
    {
        return applicationId == static_cast<std::uint32_t>(kApplicationId) || applicationId == 0;
    }
};

} // namespace

const records::FileFormat& format()
{
    static const InventoryFormat inventory;
    return inventory;
}

records::OpenOptions openOptions(bool readOnly)
{
    records::OpenOptions options;
    options.readOnly = readOnly;
    options.format = &format();
    return options;
}

std::unique_ptr<records::Database> openInventory(const QString& path, records::OpenOptions options)
{
    options.format = &format();
    return records::Database::open(path, options);
}

void createInventory(const QString& path, const QString& rows)
{
    records::Database::create(path, schemaScript() + rows, &format());
}

} // namespace store
