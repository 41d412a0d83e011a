#include "platform/data/recordset.h"

#include "platform/data/sortkeys.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <limits>

namespace records {

namespace {

constexpr int kBatchRows = 32;
// Reads of one column in one burst after which the whole column is read at once.
constexpr int kSweepReads = 256;

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

QString nativePath(const Database& db)
{
    return QDir::toNativeSeparators(db.path());
}

// SQLite gives the next row added the id of a deleted row when that one had the largest
// id, and a cursor elsewhere still holding the id would then show the new row in the
// deleted one's place and write over it. The file's user version keeps the largest id
// ever deleted, and rows are added above it. Both run inside the write's transaction.
std::int64_t retiredRowid(const Database& db)
{
    Statement mark(db, QStringLiteral("PRAGMA user_version"));
    Statement::Reset done(mark);
    return mark.step() ? mark.int64(0) : 0;
}

void retireRowid(const Database& db, std::int64_t rowid)
{
    // The mark is a 32-bit number; a pragma takes no parameters, and this is our own integer.
    if (rowid <= retiredRowid(db) || rowid > std::numeric_limits<std::int32_t>::max())
        return;
    Statement mark(db, QStringLiteral("PRAGMA user_version = %1").arg(rowid));
    Statement::Reset done(mark);
    mark.step();
}

std::int64_t nextRowid(const Database& db, const QString& table)
{
    Statement last(db, QStringLiteral("SELECT max(rowid) FROM %1").arg(quoteIdentifier(table)));
    Statement::Reset done(last);
    const std::int64_t largest = last.step() ? last.int64(0) : 0;
    return std::max(largest, retiredRowid(db)) + 1;
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
                    QStringLiteral("The record source '%1' is not supported: name a table, or write SELECT * "
                                   "FROM table, optionally followed by ORDER BY column.")
                        .arg(text));
}

QVariant Field::Value() const
{
    return rs_->value(ordinal_);
}

QString Field::Name() const
{
    return rs_->fieldNames().at(ordinal_);
}

Recordset::Recordset(Database& db, const QString& source) : db_(db)
{
    // A new cursor sees the file as it is now.
    db.endReadBurst();
    const RecordSource parsed = parseRecordSource(source);
    table_ = db.tableName(parsed.table);
    if (table_.isEmpty())
        throw DataError(TableNotFound,
                        QStringLiteral("The database '%1' has no table '%2'. Check that the file "
                                       "is this program's inventory.")
                            .arg(nativePath(db), parsed.table));
    columns_ = db.columns(table_);

    QString orderColumn;
    if (!parsed.orderBy.isEmpty()) {
        const int ordinal = ordinalOf(parsed.orderBy);
        if (ordinal < 0)
            throw DataError(ColumnNotFound,
                            QStringLiteral("The table '%1' in '%2' has no column '%3' to order "
                                           "the records by.")
                                .arg(table_, nativePath(db), parsed.orderBy));
        orderColumn = columns_.at(ordinal);
    }

    QStringList quoted;
    for (const QString& c : std::as_const(columns_))
        quoted.append(quoteIdentifier(c));
    QStringList params;
    for (int i = 1; i <= kBatchRows; ++i)
        params.append(QStringLiteral("?%1").arg(i));
    fetch_ = std::make_unique<Statement>(
        db_, QStringLiteral("SELECT rowid,%1 FROM %2 WHERE rowid IN (%3)")
                 .arg(quoted.join(QLatin1Char(',')), quoteIdentifier(table_), params.join(QLatin1Char(','))));
    buildKeyset(orderColumn);
    blankRow_.resize(static_cast<std::size_t>(columns_.size()));
    sweepReads_.assign(static_cast<std::size_t>(columns_.size()), 0);
    pos_ = rowids_.empty() ? -1 : 0;
}

Recordset::~Recordset() = default;

void Recordset::buildKeyset(const QString& orderColumn)
{
    std::shared_ptr<Database::Snapshot>& cache = db_.snapshotCache();
    const std::int64_t stamp = db_.changeStamp();
    if (!cache || cache->stamp != stamp || cache->table != table_ || cache->order != orderColumn ||
        static_cast<int>(cache->columns.size()) != FieldCount())
        cache = readSnapshot(orderColumn, stamp);
    snapshot_ = cache;
    rowids_ = snapshot_->rowids;
}

namespace {

// A value in a snapshot column: a 4-byte header (size << 3 | type), then the value.
void appendValue(std::string& bytes, const Statement& row, int column)
{
    const int type = row.columnType(column);
    std::uint32_t size = 0;
    const char* data = nullptr;
    std::int64_t integer = 0;
    double real = 0;
    switch (type) {
    case SQLITE_INTEGER:
        integer = row.int64(column);
        data = reinterpret_cast<const char*>(&integer);
        size = sizeof integer;
        break;
    case SQLITE_FLOAT:
        real = row.real(column);
        data = reinterpret_cast<const char*>(&real);
        size = sizeof real;
        break;
    case SQLITE_NULL:
        break;
    default: {
        int n = 0;
        data = row.utf8(column, &n);
        size = static_cast<std::uint32_t>(n);
        break;
    }
    }
    const std::uint32_t header = (size << 3) | static_cast<std::uint32_t>(type);
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    if (size)
        bytes.append(data, size);
}

// Lays a column read in row-id order out in the cursor's order, so a loop over the
// positions reads memory front to back instead of all over it.
void toPositionOrder(Database::Snapshot::Column& column, const std::vector<std::uint32_t>& scanAt)
{
    Database::Snapshot::Column ordered;
    ordered.loaded = column.loaded;
    ordered.at.reserve(scanAt.size());
    ordered.bytes.reserve(column.bytes.size());
    for (const std::uint32_t scan : scanAt) {
        const std::size_t from = column.at[scan];
        const std::size_t to = scan + 1 < column.at.size() ? column.at[scan + 1] : column.bytes.size();
        ordered.at.push_back(ordered.bytes.size());
        ordered.bytes.append(column.bytes, from, to - from);
    }
    column = std::move(ordered);
}

} // namespace

std::shared_ptr<Database::Snapshot> Recordset::readSnapshot(const QString& orderColumn,
                                                            std::int64_t stamp) const
{
    auto snap = std::make_shared<Database::Snapshot>();
    snap->table = table_;
    snap->order = orderColumn;
    snap->stamp = stamp;
    snap->columns.resize(static_cast<std::size_t>(FieldCount()));

    struct Entry
    {
        std::uint64_t prefix; // the key's first eight bytes, big-endian: most compares end here
        std::int64_t rowid;
        std::size_t key;
        std::size_t text;
        std::uint32_t keySize;
        std::uint32_t textSize;
        std::uint32_t scan;
        bool null;
    };
    std::vector<Entry> entries;
    std::string keys;
    SortKeys keyMaker;
    const int order = orderColumn.isEmpty() ? -1 : ordinalOf(orderColumn);
    Database::Snapshot::Column* orderValues =
        order >= 0 ? &snap->columns[static_cast<std::size_t>(order)] : nullptr;
    {
        Statement all(
            db_, order >= 0
                     ? QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                           .arg(quoteIdentifier(orderColumn), quoteIdentifier(table_))
                     : QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(quoteIdentifier(table_)));
        Statement::Reset done(all);
        while (all.step()) {
            Entry e{0, all.int64(0), 0, 0, 0, 0, static_cast<std::uint32_t>(entries.size()), true};
            if (orderValues) {
                // The names read for the order are kept: a loop over them reads memory.
                orderValues->at.push_back(orderValues->bytes.size());
                appendValue(orderValues->bytes, all, 1);
                if (all.columnType(1) != SQLITE_NULL) {
                    int size = 0;
                    const char* text = all.utf8(1, &size);
                    e.null = false;
                    e.text = orderValues->at.back() + sizeof(std::uint32_t);
                    e.textSize = static_cast<std::uint32_t>(size);
                    e.key = keys.size();
                    e.keySize = static_cast<std::uint32_t>(keyMaker.append(keys, text, size));
                    for (std::size_t b = 0; b < 8; ++b)
                        e.prefix = (e.prefix << 8) |
                                   (b < e.keySize ? static_cast<unsigned char>(keys[e.key + b]) : 0u);
                }
            }
            entries.push_back(e);
        }
    }
    if (orderValues)
        orderValues->loaded = true;

    if (order >= 0) {
        const char* keyBase = keys.data();
        const char* textBase = orderValues->bytes.data();
        auto bytesLess = [](const char* a, std::size_t an, const char* b, std::size_t bn) {
            const int c = std::memcmp(a, b, std::min(an, bn));
            return c != 0 ? c < 0 : an < bn;
        };
        auto bytesEqual = [](const char* a, std::size_t an, const char* b, std::size_t bn) {
            return an == bn && std::memcmp(a, b, an) == 0;
        };
        // Null first, then the person's order, then the exact text, then the row id: stable.
        auto less = [&](const Entry& a, const Entry& b) {
            if (a.null != b.null)
                return a.null;
            if (!a.null) {
                if (a.prefix != b.prefix)
                    return a.prefix < b.prefix;
                if (!bytesEqual(keyBase + a.key, a.keySize, keyBase + b.key, b.keySize))
                    return bytesLess(keyBase + a.key, a.keySize, keyBase + b.key, b.keySize);
                if (!bytesEqual(textBase + a.text, a.textSize, textBase + b.text, b.textSize))
                    return bytesLess(textBase + a.text, a.textSize, textBase + b.text, b.textSize);
            }
            return a.rowid < b.rowid;
        };
        std::sort(entries.begin(), entries.end(), less);
    }
    snap->rowids.reserve(entries.size());
    snap->scanAt.reserve(entries.size());
    for (const Entry& e : entries) {
        snap->rowids.push_back(e.rowid);
        snap->scanAt.push_back(e.scan);
    }
    if (orderValues)
        toPositionOrder(*orderValues, snap->scanAt);
    return snap;
}

bool Recordset::snapshotValid() const
{
    if (!snapshot_ || keysetDirty_)
        return false;
    db_.beginReadBurst();
    return db_.currentStamp() == snapshot_->stamp;
}

void Recordset::loadColumns(const std::vector<int>& ordinals) const
{
    // One scan reads every column the loop has been reading.
    QStringList names;
    for (int ordinal : ordinals)
        names.append(quoteIdentifier(columns_.at(ordinal)));
    std::vector<Database::Snapshot::Column> loaded(ordinals.size());
    for (auto& column : loaded)
        column.at.reserve(snapshot_->rowids.size());
    Statement all(db_, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                           .arg(names.join(QLatin1Char(',')), quoteIdentifier(table_)));
    Statement::Reset done(all);
    while (all.step()) {
        for (std::size_t i = 0; i < loaded.size(); ++i) {
            loaded[i].at.push_back(loaded[i].bytes.size());
            appendValue(loaded[i].bytes, all, static_cast<int>(i));
        }
    }
    // Within the snapshot's stamp the rows are the snapshot's rows; anything else is
    // left to the row-by-row reads.
    if (loaded.empty() || loaded.front().at.size() != snapshot_->rowids.size())
        return;
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        loaded[i].loaded = true;
        toPositionOrder(loaded[i], snapshot_->scanAt);
        snapshot_->columns[static_cast<std::size_t>(ordinals[i])] = std::move(loaded[i]);
    }
}

int Recordset::AbsolutePosition() const
{
    return hasCurrentRecord() ? pos_ : -1;
}

bool Recordset::hasCurrentRecord() const
{
    return !newRecord_ && !currentDeleted_ && pos_ >= 0 && pos_ < RecordCount();
}

bool Recordset::Eof() const
{
    const int p = newRecord_ ? posBeforeNew_ : pos_;
    return rowids_.empty() || p >= RecordCount();
}

void Recordset::setAbsolutePosition(int position)
{
    if (position < 0 || position >= RecordCount())
        throw DataError(
            PositionOutOfRange,
            RecordCount() == 0
                ? QStringLiteral("There is no record at position %1: the record set is empty.").arg(position)
                : QStringLiteral("There is no record at position %1: the record set holds positions 0 to "
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
    loaded_ = false;
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
        throw DataError(NoCurrentRecord,
                        QStringLiteral("No current record: the record set is already past its "
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
    // A new record is loaded: all Null, nothing to fetch.
    loaded_ = true;
    missing_ = false;
    current_ = blankRow_.data();
    currentBytes_ = "";
}

void Recordset::Delete()
{
    if (!hasCurrentRecord())
        throw DataError(NoCurrentRecord,
                        newRecord_
                            ? QStringLiteral("No current record: the new record has not been saved, so there "
                                             "is nothing to delete. Move to another record to drop it.")
                            : QStringLiteral("No current record: there is no record to delete here."));
    leave(ActionDelete);
    const std::int64_t rowid = rowids_.at(static_cast<std::size_t>(pos_));
    db_.write([&] {
        Statement del(db_, QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(quoteIdentifier(table_)));
        Statement::Reset done(del);
        del.bind(1, rowid);
        del.step();
        if (sqlite3_changes(db_.handle()) == 0)
            throw DataError(RecordDeleted);
        retireRowid(db_, rowid);
    });
    rowids_.erase(rowids_.begin() + pos_);
    keysetChanged();
    currentDeleted_ = true;
}

void Recordset::writeCurrent(const std::vector<FieldValue>& values)
{
    if (!newRecord_ && !hasCurrentRecord())
        throw DataError(NoCurrentRecord, QStringLiteral("No current record: there is no record to save the "
                                                        "changes into."));
    for (const FieldValue& v : values)
        checkedOrdinal(v.ordinal);
    if (values.empty() && !newRecord_)
        return;

    if (newRecord_) {
        QStringList names{QStringLiteral("rowid")}, params{QStringLiteral("?1")};
        for (std::size_t i = 0; i < values.size(); ++i) {
            names.append(quoteIdentifier(columns_.at(values[i].ordinal)));
            params.append(QStringLiteral("?%1").arg(i + 2));
        }
        const QString sql =
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(quoteIdentifier(table_), names.join(QLatin1Char(',')), params.join(QLatin1Char(',')));
        std::int64_t rowid = 0;
        db_.write([&] {
            rowid = nextRowid(db_, table_);
            Statement insert(db_, sql);
            Statement::Reset done(insert);
            insert.bind(1, rowid);
            for (std::size_t i = 0; i < values.size(); ++i)
                insert.bind(static_cast<int>(i + 2), values[i].value);
            insert.step();
        });
        rowids_.push_back(rowid);
        keysetChanged();
        pos_ = RecordCount() - 1;
        newRecord_ = false;
        return;
    }

    QStringList sets;
    for (std::size_t i = 0; i < values.size(); ++i)
        sets.append(
            QStringLiteral("%1 = ?%2").arg(quoteIdentifier(columns_.at(values[i].ordinal))).arg(i + 1));
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                            .arg(quoteIdentifier(table_), sets.join(QLatin1Char(',')))
                            .arg(values.size() + 1);
    const std::int64_t rowid = rowids_.at(static_cast<std::size_t>(pos_));
    db_.write([&] {
        Statement update(db_, sql);
        Statement::Reset done(update);
        for (std::size_t i = 0; i < values.size(); ++i)
            update.bind(static_cast<int>(i + 1), values[i].value);
        update.bind(static_cast<int>(values.size() + 1), rowid);
        update.step();
        if (sqlite3_changes(db_.handle()) == 0)
            throw DataError(RecordDeleted);
    });
    keysetChanged();
}

void Recordset::keysetChanged()
{
    keysetDirty_ = true;
    batch_.burst = 0;
    loaded_ = false;
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
        throw DataError(ColumnNotFound,
                        QStringLiteral("Item not found in this collection: the table '%1' has no "
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
        throw DataError(
            ColumnNotFound,
            QStringLiteral("Item not found in this collection: the table '%1' has no column '%2'.")
                .arg(table_, name));
    return Field(this, ordinal);
}

void Recordset::load() const
{
    if (loaded_)
        return;
    // A new record is all Null; its Reposition may read it before AddNew has returned.
    if (newRecord_) {
        missing_ = false;
        current_ = blankRow_.data();
        currentBytes_ = "";
        loaded_ = true;
        return;
    }
    db_.beginReadBurst();
    const std::uint64_t burst = db_.burstSerial();
    if (burst == 0 || batch_.burst != burst || pos_ < batch_.start || pos_ >= batch_.start + batch_.size)
        fillBatch(burst);
    const int row = batch_.rowAt[static_cast<std::size_t>(pos_ - batch_.start)];
    missing_ = row < 0;
    current_ = missing_ ? nullptr : batch_.cells.data() + static_cast<std::size_t>(row) * columns_.size();
    currentBytes_ = batch_.bytes.data();
    loaded_ = true;
}

void Recordset::fillBatch(std::uint64_t burst) const
{
    // Outside a burst nothing read may be kept, so only the one row is read.
    const int size = burst == 0 ? 1 : std::min(kBatchRows, RecordCount() - pos_);
    batch_.burst = 0;
    batch_.start = pos_;
    batch_.size = size;
    batch_.rowAt.assign(static_cast<std::size_t>(size), -1);
    batch_.cells.clear();
    batch_.bytes.clear();

    Statement::Reset done(*fetch_);
    for (int i = 0; i < kBatchRows; ++i) {
        if (i < size)
            fetch_->bind(i + 1, rowids_[static_cast<std::size_t>(pos_ + i)]);
        else
            fetch_->bind(i + 1, QVariant());
    }
    const std::size_t columns = static_cast<std::size_t>(columns_.size());
    int rows = 0;
    while (fetch_->step()) {
        const std::int64_t rowid = fetch_->int64(0);
        for (int i = 0; i < size; ++i) {
            if (rowids_[static_cast<std::size_t>(pos_ + i)] == rowid) {
                batch_.rowAt[static_cast<std::size_t>(i)] = rows;
                break;
            }
        }
        for (std::size_t c = 0; c < columns; ++c) {
            const int column = static_cast<int>(c) + 1;
            Cell cell;
            cell.type = fetch_->columnType(column);
            switch (cell.type) {
            case SQLITE_INTEGER:
                cell.integer = fetch_->int64(column);
                break;
            case SQLITE_FLOAT:
                cell.real = fetch_->real(column);
                break;
            case SQLITE_NULL:
                break;
            default: {
                int bytes = 0;
                const char* text = fetch_->utf8(column, &bytes);
                cell.offset = batch_.bytes.size();
                cell.size = static_cast<std::uint32_t>(bytes);
                batch_.bytes.append(text, static_cast<std::size_t>(bytes));
                break;
            }
            }
            batch_.cells.push_back(cell);
        }
        ++rows;
    }
    batch_.burst = burst;
}

QVariant Recordset::value(int ordinal) const
{
    checkedOrdinal(ordinal);
    if (currentDeleted_)
        throw DataError(RecordDeleted, QStringLiteral("Record is deleted: this record was deleted; move to "
                                                      "another record."));
    if (!newRecord_ && !hasCurrentRecord())
        throw DataError(NoCurrentRecord);

    if (!newRecord_ && snapshotValid()) {
        const auto column = static_cast<std::size_t>(ordinal);
        Database::Snapshot::Column& values = snapshot_->columns[column];
        if (!values.loaded) {
            if (sweepBurst_ != db_.burstSerial()) {
                sweepBurst_ = db_.burstSerial();
                std::fill(sweepReads_.begin(), sweepReads_.end(), 0);
            }
            if (sweepBurst_ != 0 && ++sweepReads_[column] == kSweepReads) {
                std::vector<int> wanted;
                for (std::size_t c = 0; c < sweepReads_.size(); ++c)
                    if (sweepReads_[c] > 0 && !snapshot_->columns[c].loaded)
                        wanted.push_back(static_cast<int>(c));
                loadColumns(wanted);
            }
        }
        if (values.loaded) {
            const std::size_t at = values.at[static_cast<std::size_t>(pos_)];
            std::uint32_t header = 0;
            std::memcpy(&header, values.bytes.data() + at, sizeof header);
            Cell c;
            c.type = static_cast<int>(header & 7);
            c.size = header >> 3;
            c.offset = at + sizeof header;
            if (c.type == SQLITE_INTEGER)
                std::memcpy(&c.integer, values.bytes.data() + c.offset, sizeof c.integer);
            else if (c.type == SQLITE_FLOAT)
                std::memcpy(&c.real, values.bytes.data() + c.offset, sizeof c.real);
            return cellValue(c, values.bytes.data());
        }
    }

    load();
    if (missing_)
        throw DataError(RecordDeleted);
    return cellValue(current_[ordinal], currentBytes_);
}

QVariant Recordset::cellValue(const Cell& c, const char* bytes) const
{
    switch (c.type) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(c.integer));
    case SQLITE_FLOAT:
        return QVariant(c.real);
    case SQLITE_BLOB:
        return QVariant(QByteArray(bytes + c.offset, static_cast<qsizetype>(c.size)));
    default:
        return QVariant(QString::fromUtf8(bytes + c.offset, static_cast<qsizetype>(c.size)));
    }
}

} // namespace records
