#include "inventory/datatool/names.h"

#include "inventory/store/chemical_table.h"
#include "inventory/store/inventory.h"
#include "platform/data/database.h"

#include <QVariant>

namespace datatool {

namespace {

const QString kNamesTable = QStringLiteral("temp.qb_datatool_names");

} // namespace

QString nameKey(QStringView name)
{
    return name.trimmed().toString().normalized(QString::NormalizationForm_C).toCaseFolded();
}

ExistingNames::ExistingNames(const records::Database& db) : db_(db)
{
    store::run(db_, QStringLiteral("DROP TABLE IF EXISTS %1").arg(kNamesTable));
    store::run(db_, QStringLiteral("CREATE TABLE %1 (name TEXT PRIMARY KEY, stored TEXT) WITHOUT ROWID")
                        .arg(kNamesTable));
    // One savepoint around the rows: a transaction each would cost more than the row.
    store::run(db_, QStringLiteral("SAVEPOINT qb_datatool_names"));
    try {
        records::Statement scan(
            db_, QStringLiteral("SELECT NOME FROM main.%1 WHERE NOME IS NOT NULL").arg(store::tableName()));
        records::Statement::Reset scanDone(scan);
        records::Statement insert(
            db_, QStringLiteral("INSERT OR IGNORE INTO %1 VALUES (?1, ?2)").arg(kNamesTable));
        while (scan.step()) {
            // A blob or a number is read as the text it holds.
            int size = 0;
            const char* bytes = scan.utf8(0, &size);
            const QString stored = QString::fromUtf8(bytes, size);
            records::Statement::Reset done(insert);
            insert.bind(1, QVariant(nameKey(stored)));
            insert.bind(2, QVariant(stored));
            insert.step();
        }
        store::run(db_, QStringLiteral("RELEASE qb_datatool_names"));
    } catch (...) {
        try {
            store::run(db_, QStringLiteral("ROLLBACK TO qb_datatool_names"));
            store::run(db_, QStringLiteral("RELEASE qb_datatool_names"));
        } catch (const records::DataError&) {
            // The first error is the one to report.
        }
        throw;
    }
    find_ = std::make_unique<records::Statement>(
        db_, QStringLiteral("SELECT stored FROM %1 WHERE name = ?1").arg(kNamesTable));
}

ExistingNames::~ExistingNames()
{
    find_.reset();
    try {
        store::run(db_, QStringLiteral("DROP TABLE IF EXISTS %1").arg(kNamesTable));
    } catch (const records::DataError&) {
        // A temporary table ends with the connection anyway.
    }
}

std::optional<QString> ExistingNames::find(QStringView name)
{
    records::Statement::Reset done(*find_);
    find_->bind(1, QVariant(nameKey(name)));
    if (!find_->step())
        return std::nullopt;
    return find_->value(0).toString();
}

} // namespace datatool
