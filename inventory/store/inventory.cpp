#include "inventory/store/inventory.h"

#include "platform/base/runtimeerror.h"
#include "platform/data/database.h"
#include "platform/data/pgconnection.h"
#include "platform/data/pgdatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>
#include <QVariant>

namespace store {

namespace {

const QString kStateTable = QStringLiteral("QB_STATE");
const QString kWebsiteSlot = QStringLiteral("website");

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
        throw records::DataError(
            records::TableNotFound,
            QCoreApplication::translate("Inventory", "The database '%1' has no table %2: the file is not an "
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
                ? QCoreApplication::translate("Inventory",
                                              "The table '%1' in '%3' has no column '%2': the file is "
                                              "not an inventory of this program.")
                      .arg(table, name, file)
                : QCoreApplication::translate("Inventory",
                                              "The column '%2' of the table '%1' in '%4' is not column "
                                              "number %3: the file is not an inventory of this program.")
                      .arg(table, name)
                      .arg(c.ordinal + 1)
                      .arg(file));
    }
}

// --- RecordAdder -------------------------------------------------------------------------------

RecordAdder::RecordAdder(records::Database& db)
{
    QStringList names;
    for (const Column& c : kColumns)
        names.append(QString::fromLatin1(c.name));
    // The engine's one inserter: imports take ids as the windows' New does.
    insert_ = std::make_unique<records::RowInserter>(db, tableName(), names);
    row_.resize(names.size());
}

RecordAdder::~RecordAdder() = default;

void RecordAdder::add(const Values& values)
{
    for (int i = 0; i < kColumnCount; ++i) {
        const std::optional<std::string_view>& v = values[static_cast<std::size_t>(i)];
        // The engine binds a string as UTF-8 text.
        row_[static_cast<std::size_t>(i)] =
            v ? QVariant(QString::fromUtf8(v->data(), static_cast<qsizetype>(v->size()))) : QVariant();
    }
    insert_->add(row_);
}

// --- The laboratory's web site -----------------------------------------------------------------

QString defaultWebsite()
{
    return QStringLiteral("https://example.org/lab");
}

namespace {

bool isWebAddress(const QString& url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    return parsed.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !parsed.host().isEmpty() && url.trimmed() == url;
}

// What another program wrote there is shown only when the link may open it.
QString websiteOrDefault(const QString& stored)
{
    return isWebAddress(stored) ? stored : defaultWebsite();
}

} // namespace

QString website(const records::Database& db)
{
    // A file not yet written by this version has no state table, hence no address.
    if (db.tableName(kStateTable).isEmpty())
        return defaultWebsite();
    records::Statement read(db, QStringLiteral("SELECT VALUE FROM QB_STATE WHERE NAME = ?1"));
    records::Statement::Reset done(read);
    read.bind(1, QVariant(kWebsiteSlot));
    return websiteOrDefault(read.step() ? read.value(0).toString() : QString());
}

QString website(records::Connection& connection)
{
    if (const auto* file = dynamic_cast<const records::Database*>(&connection))
        return website(*file);
    if (auto* server = dynamic_cast<records::PgDatabase*>(&connection)) {
        const records::PgResult stored = server->connection().exec(
            QStringLiteral("SELECT value FROM qb_state WHERE name = $1"),
            records::PgParams().text(kWebsiteSlot.toStdString()),
            QCoreApplication::translate("Inventory", "reading the laboratory's web address"));
        if (stored.rowCount() == 1)
            return websiteOrDefault(stored.row(0).value(0).toString());
    }
    return defaultWebsite();
}

namespace {

void checkWebsite(const QString& url)
{
    if (!isWebAddress(url))
        throw base::RuntimeError(
            BadWebsite,
            QCoreApplication::translate("Inventory", "'%1' is not a web address the link can open: give a "
                                                     "whole http or https address with a host, such as %2. "
                                                     "Nothing was changed.")
                .arg(url, defaultWebsite()));
}

} // namespace

void setWebsite(records::PgDatabase& db, const QString& url)
{
    checkWebsite(url);
    // The slot is made with the inventory, so UPDATE alone is the right a lab grants for it.
    const QString doing = QCoreApplication::translate("Inventory", "storing the laboratory's web address");
    const records::PgParams values =
        records::PgParams().text(url.toStdString()).text(kWebsiteSlot.toStdString());
    if (db.connection()
            .exec(QStringLiteral("UPDATE qb_state SET value = $1 WHERE name = $2"), values, doing)
            .affected() == 0)
        db.connection().exec(QStringLiteral("INSERT INTO qb_state (value, name) VALUES ($1, $2)"), values,
                             doing);
}

void setWebsite(records::Database& db, const QString& url)
{
    checkWebsite(url);
    // The first write brings the file to the format that has the state table.
    db.write([&] {
        records::Statement put(
            db, QStringLiteral("INSERT OR REPLACE INTO QB_STATE (NAME, VALUE) VALUES (?1, ?2)"));
        records::Statement::Reset done(put);
        put.bind(1, QVariant(kWebsiteSlot));
        put.bind(2, QVariant(url));
        put.step();
    });
}

} // namespace store
