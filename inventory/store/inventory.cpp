#include "inventory/store/inventory.h"

#include "platform/data/database.h"

#include <QDir>
#include <QVariant>

namespace store {

namespace {

// The twelve columns in their order, as a statement names them.
QString columnList()
{
    QStringList names;
    for (const Column& c : kColumns)
        names.append(QString::fromLatin1(c.name));
    return names.join(QLatin1Char(','));
}

} // namespace

void run(const records::Database& db, const QString& sql)
{
    records::Statement s(db, sql);
    records::Statement::Reset done(s);
    s.step();
}

void checkColumns(const records::Database& db)
{
    const QString file = QDir::toNativeSeparators(db.path());
    const QString table = db.tableName(tableName());
    if (table.isEmpty())
        throw records::DataError(records::TableNotFound,
                                 QStringLiteral("The database '%1' has no table %2: the file is not an "
                                                "inventory of this program.")
                                     .arg(file, tableName()));
    const QStringList columns = db.columns(table);
    for (const Column& c : kColumns) {
        const QString name = QString::fromLatin1(c.name);
        if (columns.value(c.ordinal).compare(name, Qt::CaseInsensitive) == 0)
            continue;
        throw records::DataError(
            records::ColumnNotFound,
            !columns.contains(name, Qt::CaseInsensitive)
                ? QStringLiteral("The table '%1' in '%3' has no column '%2': the file is "
                                 "not an inventory of this program.")
                      .arg(table, name, file)
                : QStringLiteral("The column '%2' of the table '%1' in '%4' is not column "
                                 "number %3: the file is not an inventory of this program.")
                      .arg(table, name)
                      .arg(c.ordinal + 1)
                      .arg(file));
    }
}

// --- RecordAdder -------------------------------------------------------------------------------

RecordAdder::RecordAdder(records::Database& db)
{
    QStringList params;
    for (int i = 1; i <= kColumnCount + 1; ++i)
        params.append(QStringLiteral("?%1").arg(i));
    insert_ = std::make_unique<records::Statement>(
        db, QStringLiteral("INSERT INTO main.%1 (rowid,%2) VALUES (%3)")
                .arg(tableName(), columnList(), params.join(QLatin1Char(','))));
    // New rows take ids above any a window may still hold for a deleted record.
    next_ = db.nextRowid(tableName());
}

RecordAdder::~RecordAdder() = default;

void RecordAdder::add(const Values& values)
{
    records::Statement::Reset done(*insert_);
    insert_->bind(1, next_);
    for (int i = 0; i < kColumnCount; ++i) {
        const std::optional<std::string_view>& v = values[static_cast<std::size_t>(i)];
        // The engine binds a string as UTF-8 text.
        insert_->bind(i + 2, v ? QVariant(QString::fromUtf8(v->data(), static_cast<qsizetype>(v->size())))
                               : QVariant());
    }
    insert_->step();
    ++next_;
}

} // namespace store
