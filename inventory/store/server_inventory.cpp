#include "inventory/store/server_inventory.h"

#include "platform/data/database.h"
#include "platform/data/pgdatabase.h"
#include "server_schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <limits>
#include <span>
#include <vector>

namespace store {

namespace {

// The chemical table's columns on the server, in their order: the file's names, which the
// server keeps in lower case.
QStringList serverColumns()
{
    QStringList names;
    for (const Column& c : kColumns)
        names.append(QString::fromLatin1(c.name).toLower());
    return names;
}

QString serverTable()
{
    return tableName().toLower();
}

std::uint64_t mix(std::uint64_t h, std::uint64_t v)
{
    return h ^ (v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
}

// A 64-bit digest of one record, as the copy sent it and as the server gives it back.
std::uint64_t digest(std::int64_t id, std::span<const std::optional<std::string_view>> cells)
{
    std::uint64_t h = mix(0, static_cast<std::uint64_t>(id));
    for (const auto& cell : cells)
        h = mix(h, cell ? std::hash<std::string_view>{}(*cell) : 0x5bd1e9955bd1e995ULL);
    return h;
}

QString recordName(const RecordBytes& r)
{
    const auto& name = r.cells[NOME];
    return name ? QString::fromUtf8(name->data(), static_cast<qsizetype>(name->size())) : QString();
}

// Brings an inventory of format 1 up to the change tracking of format 2, in one
// transaction, when this user owns it (ALTER TABLE needs the owner). Anyone else, and an
// upgrade that cannot get its locks while other desks read, goes on without it: each
// refresh after another desk's write then reads every record, as format 1 did.
void upgradeServerInventory(records::PgDatabase& db)
{
    records::PgConnection& conn = db.connection();
    const QString doing = QCoreApplication::translate("Inventory", "bringing the inventory up to date");
    const records::PgResult owner = conn.exec(
        QStringLiteral(
            "SELECT pg_has_role(relowner, 'USAGE') FROM pg_class WHERE oid = 'tolmireks'::regclass"),
        {}, doing);
    if (owner.rowCount() != 1 || owner.row(0).text(0) != "t")
        return;
    try {
        conn.begin();
        // Adding the column waits for every reader of the table and holds back new ones
        // meanwhile: other desks wait a second at most, and the upgrade is left for later.
        conn.run(QStringLiteral("SET LOCAL lock_timeout = '1s'"), doing);
        // One desk upgrades; the others wait here and then find it done.
        const records::PgResult state =
            conn.exec(QStringLiteral("SELECT value FROM qb_state WHERE name = $1 FOR UPDATE"),
                      records::PgParams().text("format_version"), doing);
        if (state.rowCount() == 1 && state.row(0).value(0).toInt() < kServerFormatVersion) {
            conn.run(QString::fromUtf8(kServerTrackingSql), doing);
            conn.exec(QStringLiteral("UPDATE qb_state SET value = $1 WHERE name = $2"),
                      records::PgParams().text(std::to_string(kServerFormatVersion)).text("format_version"),
                      doing);
        }
        conn.commit(doing);
        db.setTracksChanges(true);
    } catch (const records::DataError&) {
        conn.rollback();
    }
}

} // namespace

QString serverSchemaScript()
{
    return QString::fromUtf8(kServerSchemaSql) + QString::fromUtf8(kServerTrackingSql);
}

void createServerInventory(records::PgConnection& conn)
{
    const records::PgResult found = conn.exec(
        QStringLiteral("SELECT (SELECT count(*) FROM pg_class WHERE oid IN (to_regclass('tolmireks'), "
                       "to_regclass('qb_state'), to_regclass('qb_stamp'), to_regclass('qb_deleted'))) + "
                       "(SELECT count(*) FROM pg_collation "
                       "WHERE collname = 'qb_name' AND collnamespace = current_schema()::regnamespace)"),
        {}, QCoreApplication::translate("Inventory", "looking for an inventory there"));
    if (found.row(0).int64(0) > 0)
        throw records::DataError(
            records::ServerHoldsInventory,
            QCoreApplication::translate("Inventory",
                                        "%1 already holds an inventory, or a part of one (the table "
                                        "tolmireks, qb_state, qb_stamp or qb_deleted, or the collation "
                                        "qb_name). "
                                        "Nothing was changed: copy into an empty database.")
                .arg(conn.where()));
    conn.run(serverSchemaScript(), QCoreApplication::translate("Inventory", "making the inventory"));
}

void checkServerInventory(records::PgDatabase& db)
{
    const QString table = db.tableName(tableName());
    if (table.isEmpty())
        throw records::DataError(
            records::ServerNotAnInventory,
            QCoreApplication::translate("Inventory",
                                        "%1 has no chemical table (%2): it holds no inventory of this "
                                        "program. Check that the connection names the database the "
                                        "inventory was copied to.")
                .arg(db.where(), serverTable()));
    const QStringList columns = db.columns(table);
    for (const Column& c : kColumns) {
        const QString name = QString::fromLatin1(c.name);
        const auto at = columns.indexOf(name.toLower());
        if (at != c.ordinal)
            throw records::DataError(
                records::ServerNotAnInventory,
                at < 0
                    ? QCoreApplication::translate(
                          "Inventory", "The chemical table in %1 has no column '%2': it is not an inventory "
                                       "of this program.")
                          .arg(db.where(), name)
                    : QCoreApplication::translate(
                          "Inventory", "The column '%2' of the chemical table in %1 is not column number "
                                       "%3: it is not an inventory of this program.")
                          .arg(db.where(), name)
                          .arg(c.ordinal + 1));
    }
    const records::PgResult state =
        db.connection().exec(QStringLiteral("SELECT value FROM qb_state WHERE name = $1"),
                             records::PgParams().text("format_version"),
                             QCoreApplication::translate("Inventory", "reading its format"));
    const int version = state.rowCount() == 1 ? state.row(0).value(0).toInt() : 0;
    if (version <= 0)
        throw records::DataError(
            records::ServerNotAnInventory,
            QCoreApplication::translate("Inventory",
                                        "The inventory in %1 does not say its format (qb_state has no "
                                        "format_version): it was not made by this program.")
                .arg(db.where()));
    if (version < kServerFormatVersion)
        upgradeServerInventory(db);
    if (version > kServerFormatVersion)
        throw records::DataError(
            records::ServerNewerFormat,
            QCoreApplication::translate("Inventory",
                                        "The inventory in %1 was made by a newer version of the program "
                                        "(format %2; this version reads formats up to %3). Use that "
                                        "version, or install it here.")
                .arg(db.where())
                .arg(version)
                .arg(kServerFormatVersion));
}

std::unique_ptr<records::PgDatabase> openServerInventory(const QString& conninfo,
                                                         const records::PgOptions& options)
{
    auto db = records::PgDatabase::open(conninfo, options);
    checkServerInventory(*db);
    return db;
}

QString serverFileName()
{
    return QStringLiteral("QBData.server");
}

QString serverFilePath(const QString& inventoryPath)
{
    return QFileInfo(records::normalizePath(inventoryPath)).dir().filePath(serverFileName());
}

bool inventoryOnServer(const QString& inventoryPath)
{
    return QFileInfo::exists(serverFilePath(inventoryPath));
}

QString readServerFile(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw records::DataError(
            records::ServerBadConnectionString,
            QCoreApplication::translate("Inventory",
                                        "The file '%1', which names the inventory's server, cannot be "
                                        "read (%2). Let the program's users read it, or remove it to "
                                        "use the inventory file.")
                .arg(shown, file.errorString()));
    const QString conninfo =
        QString::fromUtf8(file.read(64 * 1024)).section(QLatin1Char('\n'), 0, 0).trimmed();
    if (conninfo.isEmpty())
        throw records::DataError(
            records::ServerBadConnectionString,
            QCoreApplication::translate("Inventory",
                                        "The file '%1' names no server: write the connection string on "
                                        "its first line (for example 'service=quillarbon'), or remove "
                                        "the file to use the inventory file.")
                .arg(shown));
    if (records::conninfoHasPassword(conninfo))
        throw records::DataError(
            records::ServerPasswordInFile,
            QCoreApplication::translate("Inventory",
                                        "The file '%1' holds a password, which everyone who can read "
                                        "the file could use. Nothing was opened. Remove the password "
                                        "from the file and keep it in ~/.pgpass, or in the service "
                                        "file the connection string names.")
                .arg(shown));
    return conninfo;
}

std::int64_t copyToServer(records::PgConnection& conn, const RecordReader& read)
{
    const QStringList columns = serverColumns();
    conn.begin();
    try {
        createServerInventory(conn);
        // The copied rows are the inventory as it is made: they carry no change number.
        conn.run(QStringLiteral("ALTER TABLE tolmireks DISABLE TRIGGER tolmireks_seq"),
                 QCoreApplication::translate("Inventory", "copying the records"));
        std::vector<std::uint64_t> sent;
        std::int64_t lastId = std::numeric_limits<std::int64_t>::min();
        conn.copyIn(
            serverTable(), QStringList{QStringLiteral("id")} + columns,
            [&](records::PgCopyWriter& rows) {
                read([&](const RecordBytes& r) {
                    if (r.id <= lastId)
                        throw records::DataError(records::DatabaseError,
                                                 QCoreApplication::translate(
                                                     "Inventory", "The records to copy do not come in rising "
                                                                  "row-id order (%1 after %2); nothing was "
                                                                  "copied.")
                                                     .arg(r.id)
                                                     .arg(lastId));
                    lastId = r.id;
                    for (std::size_t c = 0; c < r.cells.size(); ++c) {
                        const QString why =
                            r.cells[c] ? records::whyServerCannotHold(*r.cells[c]) : QString();
                        if (!why.isEmpty())
                            throw records::DataError(
                                records::ServerCannotHoldValue,
                                QCoreApplication::translate(
                                    "Inventory",
                                    "The record '%1' (row id %2) cannot be copied to %3: its %4 "
                                    "holds %5, which the server cannot hold in text. Correct it in "
                                    "the file and copy again; nothing was copied.")
                                    .arg(recordName(r))
                                    .arg(r.id)
                                    .arg(conn.where(), columnName(static_cast<int>(c)), why));
                    }
                    rows.beginRow(1 + kColumnCount);
                    rows.number(r.id);
                    for (const auto& cell : r.cells) {
                        if (cell)
                            rows.text(*cell);
                        else
                            rows.null();
                    }
                    sent.push_back(digest(r.id, r.cells));
                });
            },
            QCoreApplication::translate("Inventory", "copying the records"));
        conn.run(QStringLiteral("ALTER TABLE tolmireks ENABLE TRIGGER tolmireks_seq"),
                 QCoreApplication::translate("Inventory", "copying the records"));
        // New records take ids above every copied one.
        conn.exec(QStringLiteral("SELECT setval(pg_get_serial_sequence('tolmireks', 'id'), "
                                 "coalesce(max(id), 0) + 1, false) FROM tolmireks"),
                  {}, QCoreApplication::translate("Inventory", "copying the records"));

        std::size_t back = 0;
        std::vector<std::optional<std::string_view>> cells(kColumnCount);
        conn.stream(
            QStringLiteral("SELECT id, %1 FROM tolmireks ORDER BY id").arg(columns.join(QLatin1Char(','))),
            {},
            [&](const records::PgRow& row) {
                for (int c = 0; c < kColumnCount; ++c)
                    cells[static_cast<std::size_t>(c)] = row.cell(c + 1);
                if (back >= sent.size() || sent[back] != digest(row.int64(0), cells))
                    throw records::DataError(
                        records::ServerError,
                        QCoreApplication::translate("Inventory",
                                                    "The records read back from %1 differ from those "
                                                    "sent, at the record with row id %2; nothing was "
                                                    "copied.")
                            .arg(conn.where())
                            .arg(row.int64(0)));
                ++back;
            },
            QCoreApplication::translate("Inventory", "reading the copy back"));
        if (back != sent.size())
            throw records::DataError(
                records::ServerError,
                QCoreApplication::translate("Inventory",
                                            "%1 gave back %2 records of the %3 sent; nothing was copied.")
                    .arg(conn.where())
                    .arg(back)
                    .arg(sent.size()));
        conn.commit(QCoreApplication::translate("Inventory", "copying the records"));
        return static_cast<std::int64_t>(back);
    } catch (...) {
        conn.rollback();
        throw;
    }
}

RecordReader fileRecords(const records::Database& file)
{
    return [&file](const std::function<void(const RecordBytes&)>& take) {
        QStringList quoted;
        for (const Column& c : kColumns)
            quoted.append(records::quoteIdentifier(QString::fromLatin1(c.name)));
        records::Statement all(
            file, QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                      .arg(quoted.join(QLatin1Char(',')), records::quoteIdentifier(tableName())));
        records::Statement::Reset done(all);
        RecordBytes record;
        while (all.step()) {
            record.id = all.int64(0);
            for (int c = 0; c < kColumnCount; ++c) {
                auto& cell = record.cells[static_cast<std::size_t>(c)];
                if (all.columnType(c + 1) == SQLITE_NULL) {
                    cell.reset();
                    continue;
                }
                int size = 0;
                const char* text = all.utf8(c + 1, &size);
                cell = std::string_view(text, static_cast<std::size_t>(size));
            }
            take(record);
        }
    };
}

} // namespace store
