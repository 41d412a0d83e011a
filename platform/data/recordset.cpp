#include "platform/data/recordset.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace records {

namespace {

// A plain, quoted or bracketed identifier; the name is checked against the schema later.
const QString kIdent = QStringLiteral(R"((?:[A-Za-z_][A-Za-z0-9_]*|"(?:[^"]|"")+"|\[[^\]]+\]))");

QString unquote(const QString& ident)
{
    if (ident.startsWith(QLatin1Char('"')))
        return ident.mid(1, ident.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    if (ident.startsWith(QLatin1Char('[')))
        return ident.mid(1, ident.size() - 2);
    return ident;
}

} // namespace

RecordSource parseRecordSource(const QString& text)
{
    static const QRegularExpression bare(QStringLiteral(R"(^\s*(%1)\s*$)").arg(kIdent));
    static const QRegularExpression select(
        QStringLiteral(R"(^\s*SELECT\s+\*\s+FROM\s+(%1)(?:\s+ORDER\s+BY\s+(%1)(?:\s+ASC)?)?\s*;?\s*$)")
            .arg(kIdent),
        QRegularExpression::CaseInsensitiveOption);

    if (const auto m = bare.match(text); m.hasMatch())
        return {unquote(m.captured(1)), {}};
    if (const auto m = select.match(text); m.hasMatch())
        return {unquote(m.captured(1)), m.captured(2).isEmpty() ? QString() : unquote(m.captured(2))};
    throw DataError(UnsupportedSource,
                    QCoreApplication::translate(
                        "Data", "The record source '%1' is not supported: name a table, or write SELECT * "
                                "FROM table, optionally followed by ORDER BY column.")
                        .arg(text));
}

QVariant Field::Value() const
{
    return rs_->value(ordinal_);
}

TextRef Field::text() const
{
    return rs_->text(ordinal_);
}

QString Field::Name() const
{
    return rs_->fieldNames().at(ordinal_);
}

Recordset::Recordset(Connection& db, const QString& source, const QStringList& readAhead) : db_(db)
{
    // A new cursor sees the file as it is now.
    db.endReadBurst();
    const RecordSource parsed = parseRecordSource(source);
    table_ = db.tableName(parsed.table);
    if (table_.isEmpty())
        throw DataError(TableNotFound, QCoreApplication::translate(
                                           "Data", "The database '%1' has no table '%2'. Check that the file "
                                                   "is this program's inventory.")
                                           .arg(db.where(), parsed.table));
    columns_ = db.columns(table_);

    QString orderColumn;
    if (!parsed.orderBy.isEmpty()) {
        const int ordinal = ordinalOf(parsed.orderBy);
        if (ordinal < 0)
            throw DataError(ColumnNotFound, QCoreApplication::translate(
                                                "Data", "The table '%1' in '%2' has no column '%3' to order "
                                                        "the records by.")
                                                .arg(table_, db.where(), parsed.orderBy));
        orderColumn = columns_.at(ordinal);
    }

    std::vector<int> ahead;
    for (const QString& name : readAhead)
        if (const int ordinal = ordinalOf(name); ordinal >= 0)
            ahead.push_back(ordinal);
    rows_ = std::make_unique<RowCache>(db_, table_, columns_, orderColumn, ahead);
    pos_ = rows_->count() == 0 ? -1 : 0;
}

Recordset::~Recordset() = default;

int Recordset::AbsolutePosition() const
{
    return hasCurrentRecord() ? pos_ : -1;
}

int Recordset::positionOf(std::int64_t rowid) const
{
    const int count = RecordCount();
    for (int i = 0; i < count; ++i)
        if (rows_->rowid(i) == rowid)
            return i;
    return -1;
}

bool Recordset::hasCurrentRecord() const
{
    return !newRecord_ && !currentDeleted_ && pos_ >= 0 && pos_ < RecordCount();
}

bool Recordset::Eof() const
{
    const int p = newRecord_ ? posBeforeNew_ : pos_;
    return RecordCount() == 0 || p >= RecordCount();
}

void Recordset::setAbsolutePosition(int position)
{
    if (position < 0 || position >= RecordCount())
        throw DataError(
            PositionOutOfRange,
            RecordCount() == 0
                ? QCoreApplication::translate("Data",
                                              "There is no record at position %1: the record set is empty.")
                      .arg(position)
                : QCoreApplication::translate(
                      "Data", "There is no record at position %1: the record set holds positions 0 to "
                              "%2.")
                      .arg(position)
                      .arg(RecordCount() - 1));
    moveTo(position, ActionBookmark);
}

void Recordset::leave(int action)
{
    if (listener_ && hasRecordToLeave())
        listener_->leaving(action);
}

void Recordset::arrive()
{
    if (listener_)
        listener_->arrived();
}

void Recordset::moveTo(int position, int action)
{
    leave(action);
    newRecord_ = false;
    currentDeleted_ = false;
    pos_ = std::clamp(position, -1, RecordCount());
    arrive();
}

void Recordset::moveBy(int action)
{
    leave(action);
    const int from = newRecord_ ? posBeforeNew_ : pos_;
    const int last = RecordCount() - 1;
    int target = from;
    switch (action) {
    case ActionMoveFirst:
        target = 0;
        break;
    case ActionMovePrevious:
        target = from - 1;
        break;
    case ActionMoveNext:
        target = currentDeleted_ ? from : from + 1;
        break;
    case ActionMoveLast:
        target = last;
        break;
    default:
        break;
    }
    newRecord_ = false;
    currentDeleted_ = false;
    pos_ = last < 0 ? -1 : std::clamp(target, 0, last);
    arrive();
}

void Recordset::MoveNext()
{
    if (!newRecord_ && !currentDeleted_ && Eof())
        throw DataError(NoCurrentRecord, QCoreApplication::translate(
                                             "Data", "No current record: the record set is already past its "
                                                     "last record."));
    leave(ActionMoveNext);
    // The new record, if it was written, is now the last one; if not, it is dropped.
    const int from = newRecord_ ? posBeforeNew_ : pos_;
    const int next = currentDeleted_ ? from : from + 1;
    newRecord_ = false;
    currentDeleted_ = false;
    pos_ = std::min(next, RecordCount());
    arrive();
}

void Recordset::AddNew()
{
    leave(ActionAddNew);
    if (!newRecord_)
        posBeforeNew_ = pos_;
    newRecord_ = true;
    currentDeleted_ = false;
    arrive();
}

void Recordset::Delete()
{
    if (!hasCurrentRecord())
        throw DataError(NoCurrentRecord,
                        newRecord_
                            ? QCoreApplication::translate(
                                  "Data", "No current record: the new record has not been saved, so there "
                                          "is nothing to delete. Move to another record to drop it.")
                            : QCoreApplication::translate(
                                  "Data", "No current record: there is no record to delete here."));
    leave(ActionDelete);
    const std::int64_t rowid = rows_->rowid(pos_);
    db_.deleteRow(table_, rowid);
    rows_->removed(pos_);
    currentDeleted_ = true;
}

void Recordset::writeCurrent(const std::vector<FieldValue>& values, const std::vector<FieldValue>& shown)
{
    if (!newRecord_ && !hasCurrentRecord())
        throw DataError(NoCurrentRecord, QCoreApplication::translate(
                                             "Data", "No current record: there is no record to save the "
                                                     "changes into."));
    for (const FieldValue& v : values)
        checkedOrdinal(v.ordinal);
    if (values.empty() && !newRecord_)
        return;

    if (newRecord_) {
        const std::int64_t rowid = db_.insertRow(table_, columns_, values);
        rows_->appended(rowid, values);
        pos_ = RecordCount() - 1;
        newRecord_ = false;
        return;
    }

    std::vector<int> checked;
    for (const FieldValue& s : shown)
        checked.push_back(checkedOrdinal(s.ordinal));
    db_.updateRow(table_, columns_, rows_->rowid(pos_), values, checked,
                  [&](const std::vector<QVariant>& now) { checkUnchanged(now, values, shown); });
    rows_->rewritten(pos_, values);
}

void Recordset::checkUnchanged(const std::vector<QVariant>& now, const std::vector<FieldValue>& values,
                               const std::vector<FieldValue>& shown) const
{
    // Null and the empty text look the same in a box, so they count as one here.
    auto text = [](const QVariant& v) {
        return v.isNull() ? QString() : v.toString();
    };
    QStringList changed;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QString current = text(now[i]);
        if (current == text(shown[i].value))
            continue;
        // Another program wrote the very value written now: no edit is lost.
        const auto written = std::find_if(values.begin(), values.end(),
                                          [&](const FieldValue& v) { return v.ordinal == shown[i].ordinal; });
        if (written != values.end() && current == text(written->value))
            continue;
        changed.append(columns_.at(shown[i].ordinal));
    }
    if (!changed.isEmpty())
        throw DataError(RecordChanged,
                        QCoreApplication::translate(
                            "Data", "Another window or program changed this record in '%1' since it was "
                                    "shown here (%2). Nothing was saved, and your changes are still on "
                                    "the screen: note them, refresh to see the record as it is now, and "
                                    "enter them again.")
                            .arg(db_.where(), changed.join(QStringLiteral(", "))));
}

int Recordset::ordinalOf(const QString& name) const
{
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int Recordset::checkedOrdinal(int ordinal) const
{
    if (ordinal < 0 || ordinal >= FieldCount())
        throw DataError(
            ColumnNotFound,
            QCoreApplication::translate("Data", "Item not found in this collection: the table '%1' has no "
                                                "column number %2 (it has %3 columns).")
                .arg(table_)
                .arg(ordinal)
                .arg(FieldCount()));
    return ordinal;
}

Field Recordset::Fields(int ordinal) const
{
    return Field(this, checkedOrdinal(ordinal));
}

Field Recordset::Fields(const QString& name) const
{
    const int ordinal = ordinalOf(name);
    if (ordinal < 0)
        throw DataError(ColumnNotFound,
                        QCoreApplication::translate(
                            "Data", "Item not found in this collection: the table '%1' has no column '%2'.")
                            .arg(table_, name));
    return Field(this, ordinal);
}

QVariant Recordset::value(int ordinal) const
{
    checkedOrdinal(ordinal);
    if (currentDeleted_)
        throw DataError(RecordDeleted, QCoreApplication::translate(
                                           "Data", "Record is deleted: this record was deleted; move to "
                                                   "another record."));
    // A new record is all Null until it is written.
    if (newRecord_)
        return QVariant();
    if (!hasCurrentRecord())
        throw DataError(NoCurrentRecord);
    return rows_->value(pos_, ordinal);
}

TextRef Recordset::text(int ordinal) const
{
    checkedOrdinal(ordinal);
    if (currentDeleted_)
        throw DataError(RecordDeleted, QCoreApplication::translate(
                                           "Data", "Record is deleted: this record was deleted; move to "
                                                   "another record."));
    if (newRecord_)
        return TextRef();
    if (!hasCurrentRecord())
        throw DataError(NoCurrentRecord);
    return rows_->text(pos_, ordinal);
}

QVariant Recordset::valueAt(int position, int ordinal) const
{
    checkedOrdinal(ordinal);
    if (position < 0 || position >= RecordCount())
        throw DataError(PositionOutOfRange);
    return rows_->value(position, ordinal);
}

TextRef Recordset::textAt(int position, int ordinal) const
{
    checkedOrdinal(ordinal);
    if (position < 0 || position >= RecordCount())
        throw DataError(PositionOutOfRange);
    return rows_->text(position, ordinal);
}

} // namespace records
