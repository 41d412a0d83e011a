#include "platform/data/rowcache.h"

#include "platform/data/database.h"
#include "platform/data/sortkeys.h"

#include <algorithm>
#include <cstring>

namespace records {

namespace {

constexpr int kBatchRows = 32;
// Reads of one column in one burst after which the whole column is read at once.
constexpr int kSweepReads = 256;

} // namespace

void Cells::clear()
{
    ends_.clear();
    bytes_.clear();
}

void Cells::reserve(std::size_t cells, std::size_t bytes)
{
    ends_.reserve(cells);
    bytes_.reserve(bytes);
}

void Cells::appendNull()
{
    ends_.push_back((static_cast<std::uint64_t>(bytes_.size()) << 1) | 1);
}

void Cells::appendText(std::string_view utf8)
{
    bytes_.append(utf8);
    ends_.push_back(static_cast<std::uint64_t>(bytes_.size()) << 1);
}

void Cells::appendColumn(const Statement& row, int column)
{
    if (row.columnType(column) == SQLITE_NULL) {
        appendNull();
        return;
    }
    int size = 0;
    const char* text = row.utf8(column, &size);
    appendText(std::string_view(text, static_cast<std::size_t>(size)));
}

std::string_view Cells::text(std::size_t i) const
{
    const std::size_t begin = i == 0 ? 0 : static_cast<std::size_t>(ends_[i - 1] >> 1);
    const std::size_t end = static_cast<std::size_t>(ends_[i] >> 1);
    return std::string_view(bytes_.data() + begin, end - begin);
}

QVariant Cells::value(std::size_t i) const
{
    if (isNull(i))
        return QVariant();
    const std::string_view t = text(i);
    return QVariant(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
}

// What a cursor read of a whole table, shared by the cursors that a connection opens on it
// while the file stays as it was.
struct RowSnapshot
{
    struct Column
    {
        bool loaded = false;
        Cells cells; // by position
    };
    QString table;
    QString order;
    std::int64_t stamp = -1;
    std::vector<std::int64_t> rowids;  // in the cursor's order
    std::vector<std::uint32_t> scanAt; // per position: its row's place in row-id order
    std::vector<Column> columns;
};

namespace {

// Lays cells read in row-id order out in the cursor's order, so a loop over the positions
// reads memory front to back instead of all over it.
Cells toPositionOrder(const Cells& scanned, const std::vector<std::uint32_t>& scanAt)
{
    Cells ordered;
    for (const std::uint32_t scan : scanAt) {
        if (scanned.isNull(scan))
            ordered.appendNull();
        else
            ordered.appendText(scanned.text(scan));
    }
    return ordered;
}

std::shared_ptr<RowSnapshot> readSnapshot(const Database& db, const QString& table, int columnCount,
                                          const QString& orderColumn, int order, std::int64_t stamp)
{
    auto snap = std::make_shared<RowSnapshot>();
    snap->table = table;
    snap->order = orderColumn;
    snap->stamp = stamp;
    snap->columns.resize(static_cast<std::size_t>(columnCount));

    struct Entry
    {
        std::uint64_t prefix; // the key's first eight bytes, big-endian: most compares end here
        std::int64_t rowid;
        std::size_t key;
        std::uint32_t keySize;
        std::uint32_t scan;
        bool null;
    };
    std::vector<Entry> entries;
    std::string keys;
    Cells names; // the order column in row-id order; kept, since a loop over it reads memory
    SortKeys keyMaker;
    {
        Statement all(
            db, order >= 0
                    ? QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                          .arg(quoteIdentifier(orderColumn), quoteIdentifier(table))
                    : QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(quoteIdentifier(table)));
        Statement::Reset done(all);
        while (all.step()) {
            Entry e{0, all.int64(0), 0, 0, static_cast<std::uint32_t>(entries.size()), true};
            if (order >= 0) {
                names.appendColumn(all, 1);
                if (!names.isNull(e.scan)) {
                    const std::string_view text = names.text(e.scan);
                    e.null = false;
                    e.key = keys.size();
                    e.keySize = static_cast<std::uint32_t>(
                        keyMaker.append(keys, text.data(), static_cast<int>(text.size())));
                    for (std::size_t b = 0; b < 8; ++b)
                        e.prefix = (e.prefix << 8) |
                                   (b < e.keySize ? static_cast<unsigned char>(keys[e.key + b]) : 0u);
                }
            }
            entries.push_back(e);
        }
    }

    if (order >= 0) {
        const char* keyBase = keys.data();
        auto bytesCompare = [](std::string_view a, std::string_view b) {
            const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
            return c != 0 ? c : (a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0);
        };
        // Null first, then the person's order, then the exact text, then the row id: stable.
        auto less = [&](const Entry& a, const Entry& b) {
            if (a.null != b.null)
                return a.null;
            if (!a.null) {
                if (a.prefix != b.prefix)
                    return a.prefix < b.prefix;
                if (const int c = bytesCompare({keyBase + a.key, a.keySize}, {keyBase + b.key, b.keySize});
                    c != 0)
                    return c < 0;
                if (const int c = bytesCompare(names.text(a.scan), names.text(b.scan)); c != 0)
                    return c < 0;
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
    if (order >= 0) {
        RowSnapshot::Column& column = snap->columns[static_cast<std::size_t>(order)];
        column.cells = toPositionOrder(names, snap->scanAt);
        column.loaded = true;
    }
    return snap;
}

} // namespace

RowCache::RowCache(Database& db, const QString& table, const QStringList& columns, const QString& orderColumn)
    : db_(db), table_(table), columns_(columns), columnCount_(static_cast<int>(columns.size())),
      sweepReads_(static_cast<std::size_t>(columns.size()), 0)
{
    std::shared_ptr<RowSnapshot>& kept = db.rowSnapshot_;
    const std::int64_t stamp = db.changeStamp();
    if (!kept || kept->stamp != stamp || kept->table != table || kept->order != orderColumn ||
        static_cast<int>(kept->columns.size()) != columnCount_)
        kept =
            readSnapshot(db, table, columnCount_, orderColumn,
                         orderColumn.isEmpty() ? -1 : static_cast<int>(columns.indexOf(orderColumn)), stamp);
    shared_ = kept;
    rowids_ = shared_->rowids;

    QStringList quoted;
    for (const QString& c : columns)
        quoted.append(quoteIdentifier(c));
    QStringList params;
    for (int i = 1; i <= kBatchRows; ++i)
        params.append(QStringLiteral("?%1").arg(i));
    fetch_ = std::make_unique<Statement>(
        db, QStringLiteral("SELECT rowid,%1 FROM %2 WHERE rowid IN (%3)")
                .arg(quoted.join(QLatin1Char(',')), quoteIdentifier(table), params.join(QLatin1Char(','))));
}

RowCache::~RowCache() = default;

bool RowCache::sharedStandsForFile()
{
    if (ownWrites_)
        return false;
    db_.beginReadBurst();
    return db_.currentStamp() == shared_->stamp;
}

QVariant RowCache::value(int position, int ordinal)
{
    if (sharedStandsForFile()) {
        const RowSnapshot::Column& column = shared_->columns[static_cast<std::size_t>(ordinal)];
        if (!column.loaded)
            countRead(ordinal);
        if (column.loaded)
            return column.cells.value(static_cast<std::size_t>(position));
    }

    const std::uint64_t burst = db_.burstSerial();
    if (burst == 0 || batch_.burst != burst || position < batch_.start ||
        position >= batch_.start + batch_.size)
        fillBatch(position, burst);
    const int row = batch_.rowAt[static_cast<std::size_t>(position - batch_.start)];
    if (row < 0)
        throw DataError(RecordDeleted);
    return batch_.cells.value(static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_) +
                              static_cast<std::size_t>(ordinal));
}

void RowCache::countRead(int ordinal)
{
    if (sweepBurst_ != db_.burstSerial()) {
        sweepBurst_ = db_.burstSerial();
        std::fill(sweepReads_.begin(), sweepReads_.end(), 0);
    }
    if (sweepBurst_ == 0 || ++sweepReads_[static_cast<std::size_t>(ordinal)] != kSweepReads)
        return;
    // One scan reads every column the loop has been reading.
    std::vector<int> wanted;
    for (std::size_t c = 0; c < sweepReads_.size(); ++c)
        if (sweepReads_[c] > 0 && !shared_->columns[c].loaded)
            wanted.push_back(static_cast<int>(c));
    loadColumns(wanted);
}

void RowCache::loadColumns(const std::vector<int>& ordinals)
{
    QStringList names;
    for (int ordinal : ordinals)
        names.append(quoteIdentifier(columns_.at(ordinal)));
    std::vector<Cells> scanned(ordinals.size());
    for (Cells& cells : scanned)
        cells.reserve(shared_->rowids.size(), 0);
    Statement all(db_, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                           .arg(names.join(QLatin1Char(',')), quoteIdentifier(table_)));
    Statement::Reset done(all);
    while (all.step())
        for (std::size_t i = 0; i < scanned.size(); ++i)
            scanned[i].appendColumn(all, static_cast<int>(i));
    // Within the snapshot's stamp the rows are the snapshot's rows; anything else is left to
    // the batches.
    if (scanned.empty() || scanned.front().size() != shared_->rowids.size())
        return;
    for (std::size_t i = 0; i < scanned.size(); ++i) {
        RowSnapshot::Column& column = shared_->columns[static_cast<std::size_t>(ordinals[i])];
        column.cells = toPositionOrder(scanned[i], shared_->scanAt);
        column.loaded = true;
    }
}

void RowCache::fillBatch(int position, std::uint64_t burst)
{
    // Outside a burst nothing read may be kept, so only the one row is read.
    const int size = burst == 0 ? 1 : std::min(kBatchRows, count() - position);
    batch_.burst = 0;
    batch_.start = position;
    batch_.size = size;
    batch_.rowAt.assign(static_cast<std::size_t>(size), -1);
    batch_.cells.clear();

    Statement::Reset done(*fetch_);
    for (int i = 0; i < kBatchRows; ++i) {
        if (i < size)
            fetch_->bind(i + 1, rowid(position + i));
        else
            fetch_->bind(i + 1, QVariant());
    }
    int rows = 0;
    while (fetch_->step()) {
        const std::int64_t id = fetch_->int64(0);
        for (int i = 0; i < size; ++i) {
            if (rowid(position + i) == id) {
                batch_.rowAt[static_cast<std::size_t>(i)] = rows;
                break;
            }
        }
        for (int c = 0; c < columnCount_; ++c)
            batch_.cells.appendColumn(*fetch_, c + 1);
        ++rows;
    }
    batch_.burst = burst;
}

void RowCache::appended(std::int64_t id)
{
    rowids_.push_back(id);
    ownWrites_ = true;
    dropBatch();
}

void RowCache::removed(int position)
{
    rowids_.erase(rowids_.begin() + position);
    ownWrites_ = true;
    dropBatch();
}

void RowCache::rewritten(int)
{
    ownWrites_ = true;
    dropBatch();
}

} // namespace records
