#include "platform/data/pgdatabase.h"

#include <QCoreApplication>

#include "platform/data/database.h"
#include "platform/data/recordset.h"

namespace records {

namespace {

const QString kId = QStringLiteral("id");
// Each row's change number (server_tracking.sql): the server's, not a column of the record.
const QString kSeq = QStringLiteral("qb_seq");

QString columnList(const QStringList& columns)
{
    QStringList quoted;
    for (const QString& c : columns)
        quoted.append(quoteIdentifier(c));
    return quoted.join(QLatin1Char(','));
}

QString columnOf(const QStringList& columns, int ordinal)
{
    if (ordinal < 0 || ordinal >= columns.size())
        throw DataError(ColumnNotFound, QCoreApplication::translate(
                                            "Data", "Item not found in this collection: there is no column "
                                                    "number %1 (there are %2 columns).")
                                            .arg(ordinal)
                                            .arg(columns.size()));
    return columns.at(ordinal);
}

} // namespace

std::unique_ptr<PgDatabase> PgDatabase::open(const QString& conninfo, const PgOptions& options)
{
    return std::make_unique<PgDatabase>(PgConnection::open(conninfo, options));
}

PgDatabase::PgDatabase(std::unique_ptr<PgConnection> connection) : conn_(std::move(connection))
{
    const PgResult found = conn_->exec(
        QStringLiteral("SELECT to_regclass('qb_stamp') IS NOT NULL, "
                       "coalesce(has_table_privilege(to_regclass('qb_deleted'), 'SELECT'), false)"),
        {}, QCoreApplication::translate("Data", "opening the inventory"));
    tracksChanges_ = found.row(0).text(1) == "t";
    if (found.row(0).text(0) != "t")
        throw DataError(ServerNotAnInventory,
                        QCoreApplication::translate(
                            "Data", "%1 holds no inventory of this program: it has no change stamp "
                                    "(qb_stamp). Check that the connection names the database the "
                                    "inventory was copied to.")
                            .arg(where()));
}

PgDatabase::~PgDatabase()
{
    endReadBurst();
}

QString PgDatabase::tableName(const QString& name) const
{
    const PgResult found = conn_->exec(
        QStringLiteral("SELECT c.relname FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
                       "WHERE lower(c.relname) = lower($1) AND c.relkind IN ('r', 'p', 'v') "
                       "AND n.nspname = ANY (current_schemas(false)) "
                       "ORDER BY array_position(current_schemas(false), n.nspname) LIMIT 1"),
        PgParams().text(name.toStdString()), QCoreApplication::translate("Data", "looking for the table"));
    return found.rowCount() == 0 ? QString() : found.row(0).value(0).toString();
}

QStringList PgDatabase::columns(const QString& table) const
{
    const PgResult found = conn_->exec(QStringLiteral("SELECT attname FROM pg_attribute WHERE attrelid = "
                                                      "$1::regclass AND attnum > 0 AND NOT attisdropped "
                                                      "ORDER BY attnum"),
                                       PgParams().text(quoteIdentifier(table).toStdString()),
                                       QCoreApplication::translate("Data", "reading the table's columns"));
    QStringList names;
    for (int i = 0; i < found.rowCount(); ++i)
        if (const QString name = found.row(i).value(0).toString(); name != kId && name != kSeq)
            names.append(name);
    return names;
}

QString PgDatabase::lineBreakInUse(const QString& table, const QStringList& columns) const
{
    // Some hundred values with a line break tell the inventory's habit.
    std::int64_t crlf = 0, lf = 0;
    for (const QString& column : columns) {
        const PgResult count = conn_->exec(
            QStringLiteral("SELECT count(*), count(*) FILTER (WHERE strpos(v, $1) > 0) FROM "
                           "(SELECT %1 AS v FROM %2 WHERE strpos(%1, $2) > 0 LIMIT 200) s")
                .arg(quoteIdentifier(column), quoteIdentifier(table)),
            PgParams().text("\r\n").text("\n"), QCoreApplication::translate("Data", "reading the records"));
        const std::int64_t withCrlf = count.row(0).int64(1);
        crlf += withCrlf;
        lf += count.row(0).int64(0) - withCrlf;
    }
    return crlf > lf ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

const DataError* PgDatabase::writeRefusal(const QString& table) const
{
    auto known = refusals_.find(table);
    if (known == refusals_.end()) {
        const PgResult rights = conn_->exec(
            QStringLiteral("SELECT has_table_privilege(t.c, 'INSERT') AND has_table_privilege(t.c, 'UPDATE') "
                           "AND has_table_privilege(t.c, 'DELETE') "
                           "AND has_table_privilege('qb_stamp'::regclass, 'UPDATE'), "
                           // Not transaction_read_only: asked within a read burst, that tells the burst's.
                           "pg_is_in_recovery() OR current_setting('default_transaction_read_only') = 'on' "
                           "FROM (SELECT $1::regclass AS c) t"),
            PgParams().text(quoteIdentifier(table).toStdString()),
            QCoreApplication::translate("Data", "asking what the user may do"));
        std::optional<DataError> refusal;
        if (rights.row(0).text(1) == "t")
            refusal = DataError(ServerPermissionDenied,
                                QCoreApplication::translate(
                                    "Data", "%1 takes no changes: the server is a read-only standby, or the "
                                            "database is set to read only. You can look and search, but no "
                                            "change can be saved there. To change the inventory, connect to "
                                            "the server that takes changes.")
                                    .arg(where()));
        else if (rights.row(0).text(0) != "t")
            refusal = DataError(
                ServerPermissionDenied,
                QCoreApplication::translate(
                    "Data", "The user '%1' may only read the inventory in %2: you can look and search, but "
                            "no change can be saved there. To change the inventory, ask the server's "
                            "administrator to grant the user INSERT, UPDATE and DELETE on %3 and UPDATE on "
                            "qb_stamp.")
                    .arg(conn_->user(), where(), table));
        known = refusals_.emplace(table, std::move(refusal)).first;
    }
    return known->second ? &*known->second : nullptr;
}

std::int64_t PgDatabase::changeStamp() const
{
    const PgResult stamp = conn_->exec(QStringLiteral("SELECT stamp FROM qb_stamp"), {},
                                       QCoreApplication::translate("Data", "reading the change stamp"));
    if (stamp.rowCount() != 1)
        throw DataError(ServerNotAnInventory,
                        QCoreApplication::translate(
                            "Data", "The change stamp of %1 (qb_stamp) has lost its row, so changes made by "
                                    "others cannot be told. Ask the server's administrator to restore it.")
                            .arg(where()));
    return stamp.row(0).int64(0);
}

void PgDatabase::beginReadBurst()
{
    if (!scheduleBurstEnd_ || inReadBurst_ || conn_->inTransaction())
        return;
    conn_->begin(PgConnection::Transaction::ReadOnlySnapshot);
    inReadBurst_ = true;
    ++burstSerial_;
    // The first statement of the transaction takes its snapshot: the stamp is the burst's.
    try {
        burstStamp_ = changeStamp();
    } catch (...) {
        endReadBurst();
        throw;
    }
    scheduleBurstEnd_();
}

void PgDatabase::endReadBurst() noexcept
{
    if (!inReadBurst_)
        return;
    inReadBurst_ = false;
    conn_->rollback();
}

std::int64_t PgDatabase::currentStamp()
{
    return inReadBurst_ ? burstStamp_ : changeStamp();
}

std::int64_t PgDatabase::scanById(const QString& table, const QStringList& columns, const RowSink& sink)
{
    // COPY's binary form sends each value as its type keeps it: the id as a bigint, every
    // other value as text, as a result in text would give it.
    QStringList asText;
    for (const QString& c : columns)
        asText.append(quoteIdentifier(c) + QStringLiteral("::text"));
    const QString sql = QStringLiteral("SELECT %1::bigint%2%3 FROM %4 ORDER BY %1")
                            .arg(quoteIdentifier(kId), columns.isEmpty() ? QString() : QStringLiteral(","),
                                 asText.join(QLatin1Char(',')), quoteIdentifier(table));
    // The stamp and the rows come from one snapshot: the burst's, or the scan's own.
    const bool own = !conn_->inTransaction();
    if (own)
        conn_->begin(PgConnection::Transaction::ReadOnlySnapshot);
    try {
        const std::int64_t stamp = inReadBurst_ ? burstStamp_ : changeStamp();
        std::vector<std::optional<std::string_view>> cells(static_cast<std::size_t>(columns.size()));
        // COPY costs the client about half of what a result per row costs.
        conn_->copyOut(
            sql,
            [&](PgCopyRow& row) {
                const int fields = row.fieldCount();
                if (fields < 0)
                    return; // the end of the data
                if (fields != static_cast<int>(cells.size()) + 1)
                    throw DataError(ServerError, QStringLiteral("The records %1 sent cannot be read: a row "
                                                                "has %2 values where %3 were asked for.")
                                                     .arg(where())
                                                     .arg(fields)
                                                     .arg(cells.size() + 1));
                const std::int64_t id = row.nextInt64();
                for (std::optional<std::string_view>& cell : cells)
                    cell = row.next();
                if (row.broken())
                    throw DataError(ServerError,
                                    QStringLiteral("The records %1 sent cannot be read: a row is cut short.")
                                        .arg(where()));
                sink(id, cells);
            },
            QCoreApplication::translate("Data", "reading the records"));
        if (own)
            conn_->rollback();
        return stamp;
    } catch (...) {
        if (own)
            conn_->rollback();
        throw;
    }
}

std::optional<std::int64_t> PgDatabase::changesSince(const QString& table, const QStringList& columns,
                                                     std::int64_t stamp, std::size_t limit,
                                                     const RowSink& written,
                                                     std::vector<std::int64_t>& deleted)
{
    if (!tracksChanges_)
        return std::nullopt;
    const QString doing = QCoreApplication::translate("Data", "reading the records");
    // The stamp, the rows and the deleted ids come from one snapshot: the burst's, or
    // the reading's own.
    const bool own = !conn_->inTransaction();
    if (own)
        conn_->begin(PgConnection::Transaction::ReadOnlySnapshot);
    try {
        const PgResult now = conn_->exec(QStringLiteral("SELECT stamp, kept_since FROM qb_stamp"), {}, doing);
        std::optional<std::int64_t> reached;
        if (now.rowCount() == 1 && stamp >= now.row(0).int64(1) && stamp <= now.row(0).int64(0)) {
            const auto most = static_cast<std::int64_t>(limit);
            // The limit comes before the order, so that the server finds the few rows by
            // their number instead of walking every id in order and filtering.
            const PgResult gone = conn_->exec(
                QStringLiteral(
                    "SELECT id FROM (SELECT id FROM qb_deleted WHERE seq > $1 LIMIT $2) d ORDER BY id"),
                PgParams().number(stamp).number(most + 1), doing);
            QStringList asText;
            for (const QString& c : columns)
                asText.append(quoteIdentifier(c) + QStringLiteral("::text"));
            const PgResult rows = conn_->exec(
                QStringLiteral("SELECT * FROM (SELECT %1%2%3 FROM %4 WHERE %5 > $1 LIMIT $2) r ORDER BY 1")
                    .arg(quoteIdentifier(kId), columns.isEmpty() ? QString() : QStringLiteral(","),
                         asText.join(QLatin1Char(',')), quoteIdentifier(table), quoteIdentifier(kSeq)),
                PgParams().number(stamp).number(most + 1 - gone.rowCount()), doing);
            if (gone.rowCount() + rows.rowCount() <= most) {
                deleted.clear();
                for (int r = 0; r < gone.rowCount(); ++r)
                    deleted.push_back(gone.row(r).int64(0));
                std::vector<std::optional<std::string_view>> cells(static_cast<std::size_t>(columns.size()));
                for (int r = 0; r < rows.rowCount(); ++r) {
                    const PgRow row = rows.row(r);
                    for (std::size_t c = 0; c < cells.size(); ++c)
                        cells[c] = row.cell(static_cast<int>(c) + 1);
                    written(row.int64(0), cells);
                }
                reached = now.row(0).int64(0);
            }
        }
        if (own)
            conn_->rollback();
        return reached;
    } catch (...) {
        if (own)
            conn_->rollback();
        throw;
    }
}

std::int64_t PgDatabase::largestId(const QString& table)
{
    const PgResult largest = conn_->exec(QStringLiteral("SELECT coalesce(max(%1), 0) FROM %2")
                                             .arg(quoteIdentifier(kId), quoteIdentifier(table)),
                                         {}, QCoreApplication::translate("Data", "reading the records"));
    return largest.row(0).int64(0);
}

void PgDatabase::fetchIds(const QString& table, const QStringList& columns, std::span<const std::int64_t> ids,
                          const RowSink& sink)
{
    const QString sql = QStringLiteral("SELECT %1%2%3 FROM %4 WHERE %1 = ANY ($1::bigint[])")
                            .arg(quoteIdentifier(kId), columns.isEmpty() ? QString() : QStringLiteral(","),
                                 columnList(columns), quoteIdentifier(table));
    const PgResult rows =
        conn_->exec(sql, PgParams().numbers(ids), QCoreApplication::translate("Data", "reading the records"));
    std::vector<std::optional<std::string_view>> cells(static_cast<std::size_t>(columns.size()));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const PgRow row = rows.row(r);
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = row.cell(static_cast<int>(c) + 1);
        sink(row.int64(0), cells);
    }
}

void PgDatabase::checkValues(const QStringList& columns, const std::vector<FieldValue>& values) const
{
    for (const FieldValue& v : values) {
        if (v.value.isNull())
            continue;
        const QByteArray bytes =
            v.value.typeId() == QMetaType::QByteArray ? v.value.toByteArray() : v.value.toString().toUtf8();
        if (const QString why = whyServerCannotHold(std::string_view(bytes.constData(), bytes.size()));
            !why.isEmpty())
            throw DataError(ServerCannotHoldValue,
                            QCoreApplication::translate(
                                "Data", "Nothing was saved: the value of %1 holds %2, which %3 cannot hold "
                                        "in text. Remove it and save again.")
                                .arg(columnOf(columns, v.ordinal), why, where()));
    }
}

void PgDatabase::write(const QString& table, const std::function<void()>& body)
{
    endReadBurst();
    if (const DataError* refused = writeRefusal(table))
        throw *refused;
    if (readOnly_)
        throw DataError(ReadOnlyRecordset,
                        QCoreApplication::translate("Data", "%1 was opened read-only; nothing was written.")
                            .arg(where()));
    stampBeforeWrite_ = -1;
    stampAfterWrite_ = -1;
    conn_->begin(PgConnection::Transaction::ReadWrite);
    try {
        body();
        // The trigger moved the stamp by one under a row lock held to the commit, from the
        // last committed value: so just before this write it stood one lower.
        const PgResult stamp = conn_->exec(
            QStringLiteral("SELECT stamp, bumped_by = pg_current_xact_id_if_assigned() FROM qb_stamp"), {},
            QCoreApplication::translate("Data", "saving the change"));
        if (stamp.rowCount() != 1)
            throw DataError(ServerNotAnInventory,
                            QCoreApplication::translate(
                                "Data", "The change stamp of %1 (qb_stamp) has lost its row, so changes "
                                        "made by others cannot be told. Nothing was saved.")
                                .arg(where()));
        const std::int64_t after = stamp.row(0).int64(0);
        const bool moved = stamp.row(0).text(1) == "t";
        conn_->commit(QCoreApplication::translate("Data", "saving the change"));
        stampAfterWrite_ = after;
        stampBeforeWrite_ = moved ? after - 1 : after;
    } catch (...) {
        conn_->rollback();
        throw;
    }
}

std::int64_t PgDatabase::insertRow(const QString& table, const QStringList& columns,
                                   const std::vector<FieldValue>& values)
{
    checkValues(columns, values);
    QStringList names, params;
    PgParams bound;
    for (std::size_t i = 0; i < values.size(); ++i) {
        names.append(quoteIdentifier(columnOf(columns, values[i].ordinal)));
        params.append(QStringLiteral("$%1").arg(i + 1));
        bound.value(values[i].value);
    }
    const QString sql = values.empty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES RETURNING %2")
                                             .arg(quoteIdentifier(table), quoteIdentifier(kId))
                                       : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING %4")
                                             .arg(quoteIdentifier(table), names.join(QLatin1Char(',')),
                                                  params.join(QLatin1Char(',')), quoteIdentifier(kId));
    std::int64_t id = 0;
    write(table, [&] {
        const PgResult added =
            conn_->exec(sql, bound, QCoreApplication::translate("Data", "adding the record"));
        id = added.row(0).int64(0);
    });
    return id;
}

void PgDatabase::updateRow(const QString& table, const QStringList& columns, std::int64_t id,
                           const std::vector<FieldValue>& values, const std::vector<int>& checked,
                           const std::function<void(const std::vector<QVariant>& now)>& verify)
{
    checkValues(columns, values);
    QStringList sets;
    PgParams bound;
    for (std::size_t i = 0; i < values.size(); ++i) {
        sets.append(
            QStringLiteral("%1 = $%2").arg(quoteIdentifier(columnOf(columns, values[i].ordinal))).arg(i + 1));
        bound.value(values[i].value);
    }
    bound.number(id);
    QStringList shown;
    for (int ordinal : checked)
        shown.append(quoteIdentifier(columnOf(columns, ordinal)));

    write(table, [&] {
        if (!checked.empty()) {
            // The row lock keeps the row as read until the commit: nobody's save can come
            // between this look and the write.
            const PgResult now = conn_->exec(
                QStringLiteral("SELECT %1 FROM %2 WHERE %3 = $1 FOR UPDATE")
                    .arg(shown.join(QLatin1Char(',')), quoteIdentifier(table), quoteIdentifier(kId)),
                PgParams().number(id), QCoreApplication::translate("Data", "saving the record"));
            if (now.rowCount() == 0)
                throw DataError(RecordDeleted);
            std::vector<QVariant> current;
            for (std::size_t i = 0; i < checked.size(); ++i)
                current.push_back(now.row(0).value(static_cast<int>(i)));
            verify(current);
        }
        if (values.empty())
            return;
        const PgResult updated =
            conn_->exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = $%4")
                            .arg(quoteIdentifier(table), sets.join(QLatin1Char(',')), quoteIdentifier(kId))
                            .arg(values.size() + 1),
                        bound, QCoreApplication::translate("Data", "saving the record"));
        if (updated.affected() == 0)
            throw DataError(RecordDeleted);
    });
}

void PgDatabase::deleteRow(const QString& table, std::int64_t id)
{
    write(table, [&] {
        const PgResult deleted = conn_->exec(
            QStringLiteral("DELETE FROM %1 WHERE %2 = $1").arg(quoteIdentifier(table), quoteIdentifier(kId)),
            PgParams().number(id), QCoreApplication::translate("Data", "deleting the record"));
        if (deleted.affected() == 0)
            throw DataError(RecordDeleted);
    });
}

} // namespace records
