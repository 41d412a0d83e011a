// The record operations of a file, as a record set and its read cache ask them of any
// connection.

#include "platform/data/database.h"
#include "platform/data/recordset.h"

#include <QDir>

namespace records {

namespace {

constexpr int kFetchRows = 32;

TextColumn::Cell cellOf(const Statement& row, int column)
{
    if (row.columnType(column) == SQLITE_NULL)
        return std::nullopt;
    int size = 0;
    const char* text = row.utf8(column, &size);
    return std::string_view(text, static_cast<std::size_t>(size));
}

QString quotedColumns(const QStringList& columns)
{
    QStringList quoted{QStringLiteral("rowid")};
    for (const QString& c : columns)
        quoted.append(quoteIdentifier(c));
    return quoted.join(QLatin1Char(','));
}

// Steps a statement of rowid then the columns, handing each row on.
void sinkRows(Statement& rows, std::vector<TextColumn::Cell>& cells, const Connection::RowSink& sink)
{
    while (rows.step()) {
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = cellOf(rows, static_cast<int>(c) + 1);
        sink(rows.int64(0), cells);
    }
}

} // namespace

QString Database::where() const
{
    return QDir::toNativeSeparators(path_);
}

std::int64_t Database::scanById(const QString& table, const QStringList& columns, const RowSink& sink)
{
    const std::int64_t stamp = changeStamp();
    Statement all(*this, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                             .arg(quotedColumns(columns), quoteIdentifier(table)));
    Statement::Reset done(all);
    std::vector<TextColumn::Cell> cells(static_cast<std::size_t>(columns.size()));
    sinkRows(all, cells, sink);
    return stamp;
}

std::int64_t Database::largestId(const QString& table)
{
    Statement largest(*this, QStringLiteral("SELECT max(rowid) FROM %1").arg(quoteIdentifier(table)));
    Statement::Reset done(largest);
    return largest.step() ? largest.int64(0) : 0;
}

void Database::fetchIds(const QString& table, const QStringList& columns, std::span<const std::int64_t> ids,
                        const RowSink& sink)
{
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid IN (%3)")
                            .arg(quotedColumns(columns), quoteIdentifier(table),
                                 QStringLiteral("?,").repeated(kFetchRows - 1) + QStringLiteral("?"));
    std::unique_ptr<Statement>& fetch = fetches_[sql];
    if (!fetch)
        fetch = std::make_unique<Statement>(*this, sql);
    std::vector<TextColumn::Cell> cells(static_cast<std::size_t>(columns.size()));
    for (std::size_t first = 0; first < ids.size(); first += kFetchRows) {
        Statement::Reset done(*fetch);
        for (std::size_t i = 0; i < kFetchRows; ++i) {
            if (first + i < ids.size())
                fetch->bind(static_cast<int>(i + 1), ids[first + i]);
            else
                fetch->bind(static_cast<int>(i + 1), QVariant());
        }
        sinkRows(*fetch, cells, sink);
    }
}

std::int64_t Database::insertRow(const QString& table, const QStringList& columns,
                                 const std::vector<FieldValue>& values)
{
    QStringList names;
    std::vector<QVariant> row;
    for (const FieldValue& v : values) {
        names.append(columns.at(v.ordinal));
        row.push_back(v.value);
    }
    std::int64_t rowid = 0;
    write([&] {
        RowInserter insert(*this, table, names);
        rowid = insert.add(row);
    });
    return rowid;
}

namespace {

QString insertStatement(const QString& table, const QStringList& columns)
{
    QStringList names{QStringLiteral("rowid")}, params{QStringLiteral("?1")};
    for (qsizetype i = 0; i < columns.size(); ++i) {
        names.append(quoteIdentifier(columns.at(i)));
        params.append(QStringLiteral("?%1").arg(i + 2));
    }
    return QStringLiteral("INSERT INTO main.%1 (%2) VALUES (%3)")
        .arg(quoteIdentifier(table), names.join(QLatin1Char(',')), params.join(QLatin1Char(',')));
}

} // namespace

RowInserter::RowInserter(Database& db, const QString& table, const QStringList& columns)
    : insert_(db, insertStatement(table, columns)), next_(db.nextRowid(table))
{}

std::int64_t RowInserter::add(const std::vector<QVariant>& values)
{
    Statement::Reset done(insert_);
    insert_.bind(1, next_);
    for (std::size_t i = 0; i < values.size(); ++i)
        insert_.bind(static_cast<int>(i + 2), values[i]);
    insert_.step();
    return next_++;
}

void Database::updateRow(const QString& table, const QStringList& columns, std::int64_t id,
                         const std::vector<FieldValue>& values, const std::vector<int>& checked,
                         const std::function<void(const std::vector<QVariant>& now)>& verify)
{
    QStringList sets;
    for (std::size_t i = 0; i < values.size(); ++i)
        sets.append(
            QStringLiteral("%1 = ?%2").arg(quoteIdentifier(columns.at(values[i].ordinal))).arg(i + 1));
    write([&] {
        // The write lock is held from here: nobody's save can come between this look and
        // the write.
        if (!checked.empty()) {
            QStringList names;
            for (int ordinal : checked)
                names.append(quoteIdentifier(columns.at(ordinal)));
            Statement now(*this, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1")
                                     .arg(names.join(QLatin1Char(',')), quoteIdentifier(table)));
            Statement::Reset done(now);
            now.bind(1, id);
            if (!now.step())
                throw DataError(RecordDeleted);
            std::vector<QVariant> current;
            for (std::size_t i = 0; i < checked.size(); ++i)
                current.push_back(now.value(static_cast<int>(i)));
            verify(current);
        }
        if (values.empty())
            return;
        Statement update(*this, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                                    .arg(quoteIdentifier(table), sets.join(QLatin1Char(',')))
                                    .arg(values.size() + 1));
        Statement::Reset done(update);
        for (std::size_t i = 0; i < values.size(); ++i)
            update.bind(static_cast<int>(i + 1), values[i].value);
        update.bind(static_cast<int>(values.size() + 1), id);
        update.step();
        if (sqlite3_changes(db_) == 0)
            throw DataError(RecordDeleted);
    });
}

void Database::deleteRow(const QString& table, std::int64_t id)
{
    write([&] {
        Statement del(*this, QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(quoteIdentifier(table)));
        Statement::Reset done(del);
        del.bind(1, id);
        del.step();
        if (sqlite3_changes(db_) == 0)
            throw DataError(RecordDeleted);
        retireRowid(id);
    });
}

} // namespace records
