#include "platform/data/rowcache.h"

#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "platform/data/sortkeys.h"

#include <algorithm>
#include <cstring>
#include <thread>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace records {

namespace {

// The memory a reading of the whole table used for a moment goes back to the system, so the
// program's size is what it keeps.
void giveBackMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

constexpr int kBatchRows = 32;
// Reads of one column in one burst after which the whole column is read at once.
constexpr int kSweepReads = 256;
// Below this many rows the sort keys are made on one core.
constexpr std::size_t kParallelRows = 20000;

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
// while the file stays as it was, and patched by the connection's own writes.
struct RowSnapshot
{
    struct Column
    {
        bool loaded = false;
        TextColumn cells; // by position
    };
    QString table;
    int order = -1; // the order column's ordinal; -1: row-id order
    std::int64_t stamp = -1;
    std::shared_ptr<const std::vector<std::int64_t>> rowids; // in the cursor's order
    std::vector<std::uint32_t> rank;                         // per position: its row's place in row-id order
    std::vector<Column> columns;
};

namespace {

TextColumn::Cell cellOf(const Statement& row, int column)
{
    if (row.columnType(column) == SQLITE_NULL)
        return std::nullopt;
    int size = 0;
    const char* text = row.utf8(column, &size);
    return std::string_view(text, static_cast<std::size_t>(size));
}

// Cells read in row-id order, laid out in the cursor's order so that a loop over the
// positions reads memory front to back.
TextColumn toPositionOrder(const TextColumn& scanned, const std::vector<std::uint32_t>& rank)
{
    TextColumn::Builder ordered;
    for (const std::uint32_t r : rank)
        ordered.append(scanned.cell(r));
    return ordered.finish();
}

int bytesCompare(std::string_view a, std::string_view b)
{
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    return c != 0 ? c : (a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0);
}

struct Entry
{
    std::uint64_t prefix;  // the key's first eight bytes, big-endian: most compares end here
    std::uint64_t prefix2; // its next eight, for names that begin alike ("Ácido ...")
    std::int64_t rowid;
    std::uint64_t key; // where the key starts in its maker's arena
    std::uint32_t keySize;
    std::uint32_t scan;
    std::uint8_t arena;
    bool null;
};

// The sort keys of entries [begin, end), made with a collator of the thread's own.
void makeKeys(std::vector<Entry>& entries, const TextColumn& names, std::size_t begin, std::size_t end,
              std::string& arena, std::uint8_t arenaIndex)
{
    SortKeys keyMaker;
    for (std::size_t i = begin; i < end; ++i) {
        Entry& e = entries[i];
        if (e.null)
            continue;
        const std::string_view text = names.text(e.scan);
        e.arena = arenaIndex;
        e.key = arena.size();
        e.keySize =
            static_cast<std::uint32_t>(keyMaker.append(arena, text.data(), static_cast<int>(text.size())));
        for (std::size_t b = 0; b < 16; ++b) {
            std::uint64_t& word = b < 8 ? e.prefix : e.prefix2;
            word = (word << 8) | (b < e.keySize ? static_cast<unsigned char>(arena[e.key + b]) : 0u);
        }
    }
}

std::shared_ptr<RowSnapshot> readSnapshot(const Database& db, const QString& table, const QStringList& columnNames,
                                          int order, const std::vector<int>& readAhead, std::int64_t stamp)
{
    const int columnCount = static_cast<int>(columnNames.size());
    auto snap = std::make_shared<RowSnapshot>();
    snap->table = table;
    snap->order = order;
    snap->stamp = stamp;
    snap->columns.resize(static_cast<std::size_t>(columnCount));

    // The order column first, then the columns the cursor's owner reads for every record,
    // all in one scan.
    std::vector<int> read;
    if (order >= 0)
        read.push_back(order);
    for (int ordinal : readAhead)
        if (ordinal != order && ordinal >= 0 && ordinal < columnCount)
            read.push_back(ordinal);
    QStringList quoted{QStringLiteral("rowid")};
    for (int ordinal : read)
        quoted.append(quoteIdentifier(columnNames.at(ordinal)));

    std::vector<Entry> entries;
    std::vector<TextColumn> scannedColumns(read.size()); // in row-id order
    {
        std::vector<TextColumn::Builder> scanned(read.size());
        Statement all(db, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                              .arg(quoted.join(QLatin1Char(',')), quoteIdentifier(table)));
        Statement::Reset done(all);
        while (all.step()) {
            Entry e{0, 0, all.int64(0), 0, 0, static_cast<std::uint32_t>(entries.size()), 0, true};
            for (std::size_t c = 0; c < read.size(); ++c) {
                const TextColumn::Cell cell = cellOf(all, static_cast<int>(c) + 1);
                scanned[c].append(cell);
                if (c == 0 && order >= 0)
                    e.null = !cell.has_value();
            }
            entries.push_back(e);
        }
        for (std::size_t c = 0; c < read.size(); ++c)
            scannedColumns[c] = scanned[c].finish();
    }
    static const TextColumn kNoNames;
    const TextColumn& names = order >= 0 ? scannedColumns.front() : kNoNames;

    if (order >= 0) {
        // The keys cost most of an opening: each core makes those of a share of the rows.
        const std::size_t n = entries.size();
        const std::size_t threads =
            n < kParallelRows ? 1 : std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
        std::vector<std::string> arenas(threads);
        std::vector<std::thread> workers;
        for (std::size_t t = 1; t < threads; ++t)
            workers.emplace_back(makeKeys, std::ref(entries), std::cref(names), n * t / threads,
                                 n * (t + 1) / threads, std::ref(arenas[t]), static_cast<std::uint8_t>(t));
        makeKeys(entries, names, 0, n / threads, arenas[0], 0);
        for (std::thread& w : workers)
            w.join();

        // Null first, then the person's order, then the exact text, then the row id: stable.
        auto less = [&](const Entry& a, const Entry& b) {
            if (a.null != b.null)
                return a.null;
            if (!a.null) {
                if (a.prefix != b.prefix)
                    return a.prefix < b.prefix;
                if (a.prefix2 != b.prefix2)
                    return a.prefix2 < b.prefix2;
                if (const int c = bytesCompare({arenas[a.arena].data() + a.key, a.keySize},
                                               {arenas[b.arena].data() + b.key, b.keySize});
                    c != 0)
                    return c < 0;
                if (const int c = bytesCompare(names.text(a.scan), names.text(b.scan)); c != 0)
                    return c < 0;
            }
            return a.rowid < b.rowid;
        };
        if (threads > 1) {
            const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(n / 2);
            std::thread half([&] { std::sort(middle, entries.end(), less); });
            std::sort(entries.begin(), middle, less);
            half.join();
            std::inplace_merge(entries.begin(), middle, entries.end(), less);
        } else {
            std::sort(entries.begin(), entries.end(), less);
        }
    }

    auto rowids = std::make_shared<std::vector<std::int64_t>>();
    rowids->reserve(entries.size());
    snap->rank.reserve(entries.size());
    for (const Entry& e : entries) {
        rowids->push_back(e.rowid);
        snap->rank.push_back(e.scan);
    }
    snap->rowids = std::move(rowids);
    entries = {};
    for (std::size_t c = 0; c < read.size(); ++c) {
        RowSnapshot::Column& column = snap->columns[static_cast<std::size_t>(read[c])];
        column.cells = toPositionOrder(scannedColumns[c], snap->rank);
        column.loaded = true;
        scannedColumns[c] = {};
    }
    giveBackMemory();
    return snap;
}

// Where a row goes in the snapshot's order: the place before the first row that sorts after
// it. The keys of the rows compared with are made as the search goes: a handful of them.
std::size_t orderedPlace(const RowSnapshot& s, const std::vector<std::int64_t>& rowids, TextColumn::Cell name,
                         std::int64_t rowid)
{
    if (s.order < 0)
        return static_cast<std::size_t>(std::upper_bound(rowids.begin(), rowids.end(), rowid) -
                                        rowids.begin());
    const TextColumn& names = s.columns[static_cast<std::size_t>(s.order)].cells;
    SortKeys keyMaker;
    std::string key;
    if (name)
        keyMaker.append(key, name->data(), static_cast<int>(name->size()));
    // Whether the row at p sorts after the one placed.
    auto after = [&](std::size_t p) {
        const TextColumn::Cell other = names.cell(p);
        if (!name || !other) {
            if (name.has_value() != other.has_value())
                return !other.has_value() ? false : true;
            return rowids[p] > rowid;
        }
        std::string otherKey;
        keyMaker.append(otherKey, other->data(), static_cast<int>(other->size()));
        if (const int c = bytesCompare(otherKey, key); c != 0)
            return c > 0;
        if (const int c = bytesCompare(*other, *name); c != 0)
            return c > 0;
        return rowids[p] > rowid;
    };
    std::size_t lo = 0, hi = rowids.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (after(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// The cell a written value puts in the cache: Null, or the text the file now holds.
TextColumn::Cell writtenCell(const QVariant& value, std::string& storage)
{
    if (value.isNull())
        return std::nullopt;
    storage = value.toString().toStdString();
    return std::string_view(storage);
}

const FieldValue* written(const std::vector<FieldValue>& values, std::size_t ordinal)
{
    for (const FieldValue& v : values)
        if (static_cast<std::size_t>(v.ordinal) == ordinal)
            return &v;
    return nullptr;
}

// A row taken out of the snapshot: its cells, and its place in row-id order.
struct TakenRow
{
    std::vector<std::optional<std::string>> cells;
    std::uint32_t rank = 0;
};

TakenRow takeOut(RowSnapshot& s, std::vector<std::int64_t>& rowids, std::size_t p)
{
    TakenRow row;
    row.rank = s.rank[p];
    row.cells.resize(s.columns.size());
    for (std::size_t c = 0; c < s.columns.size(); ++c) {
        RowSnapshot::Column& column = s.columns[c];
        if (!column.loaded)
            continue;
        if (const TextColumn::Cell cell = column.cells.cell(p))
            row.cells[c] = std::string(*cell);
        column.cells.erase(p);
    }
    rowids.erase(rowids.begin() + static_cast<std::ptrdiff_t>(p));
    s.rank.erase(s.rank.begin() + static_cast<std::ptrdiff_t>(p));
    return row;
}

void putIn(RowSnapshot& s, std::vector<std::int64_t>& rowids, std::size_t p, std::int64_t rowid,
           const TakenRow& row)
{
    for (std::size_t c = 0; c < s.columns.size(); ++c) {
        RowSnapshot::Column& column = s.columns[c];
        if (column.loaded)
            column.cells.insert(p, row.cells[c] ? TextColumn::Cell(*row.cells[c]) : TextColumn::Cell());
    }
    rowids.insert(rowids.begin() + static_cast<std::ptrdiff_t>(p), rowid);
    s.rank.insert(s.rank.begin() + static_cast<std::ptrdiff_t>(p), row.rank);
}

} // namespace

RowCache::RowCache(Database& db, const QString& table, const QStringList& columns, const QString& orderColumn,
                   const std::vector<int>& readAhead)
    : db_(db), table_(table), columns_(columns), columnCount_(static_cast<int>(columns.size())),
      sweepReads_(static_cast<std::size_t>(columns.size()), 0)
{
    std::shared_ptr<RowSnapshot>& kept = db.rowSnapshot_;
    const int order = orderColumn.isEmpty() ? -1 : static_cast<int>(columns.indexOf(orderColumn));
    const std::int64_t stamp = db.changeStamp();
    if (!kept || kept->stamp != stamp || kept->table != table || kept->order != order ||
        static_cast<int>(kept->columns.size()) != columnCount_)
        kept = readSnapshot(db, table, columns, order, readAhead, stamp);
    shared_ = kept;
    keyset_ = shared_->rowids;

    QStringList quoted;
    for (const QString& c : columns)
        quoted.append(quoteIdentifier(c));
    QStringList params;
    for (int i = 1; i <= kBatchRows; ++i)
        params.append(QStringLiteral("?%1").arg(i));
    fetch_ = std::make_unique<Statement>(
        db, QStringLiteral("SELECT rowid,%1 FROM %2 WHERE rowid IN (%3)")
                .arg(quoted.join(QLatin1Char(',')), quoteIdentifier(table), params.join(QLatin1Char(','))));

    // Columns to read ahead that the kept copy lacks are read now, in one scan.
    std::vector<int> missing;
    for (int ordinal : readAhead)
        if (ordinal >= 0 && ordinal < columnCount_ && !shared_->columns[static_cast<std::size_t>(ordinal)].loaded)
            missing.push_back(ordinal);
    if (!missing.empty() && sharedStandsForFile())
        loadColumns(missing);
}

RowCache::~RowCache() = default;

// The shared copy stands for this cursor while it holds the same keyset and the file is
// as it was read.
bool RowCache::sharedStandsForFile()
{
    if (shared_->rowids != keyset_)
        return false;
    db_.beginReadBurst();
    return db_.currentStamp() == shared_->stamp;
}

const TextColumn* RowCache::sharedColumn(int ordinal)
{
    if (!sharedStandsForFile())
        return nullptr;
    const RowSnapshot::Column& column = shared_->columns[static_cast<std::size_t>(ordinal)];
    if (!column.loaded)
        countRead(ordinal);
    return column.loaded ? &column.cells : nullptr;
}

QVariant RowCache::value(int position, int ordinal)
{
    if (const TextColumn* column = sharedColumn(ordinal))
        return column->value(static_cast<std::size_t>(position));
    const int row = batchRow(position);
    return batch_.cells.value(static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_) +
                              static_cast<std::size_t>(ordinal));
}

TextRef RowCache::text(int position, int ordinal)
{
    if (const TextColumn* column = sharedColumn(ordinal))
        return TextRef::inColumn(*column, static_cast<std::size_t>(position));
    const int row = batchRow(position);
    const std::size_t at = static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_) +
                           static_cast<std::size_t>(ordinal);
    return batch_.cells.isNull(at) ? TextRef() : TextRef::text(batch_.cells.text(at));
}

int RowCache::batchRow(int position)
{
    const std::uint64_t burst = db_.burstSerial();
    if (burst == 0 || batch_.burst != burst || position < batch_.start ||
        position >= batch_.start + batch_.size)
        fillBatch(position, burst);
    const int row = batch_.rowAt[static_cast<std::size_t>(position - batch_.start)];
    if (row < 0)
        throw DataError(RecordDeleted);
    return row;
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
    std::vector<TextColumn::Builder> scanned(ordinals.size());
    std::size_t rows = 0;
    {
        Statement all(db_, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                               .arg(names.join(QLatin1Char(',')), quoteIdentifier(table_)));
        Statement::Reset done(all);
        while (all.step()) {
            for (std::size_t i = 0; i < scanned.size(); ++i)
                scanned[i].append(cellOf(all, static_cast<int>(i)));
            ++rows;
        }
    }
    // Within the snapshot's stamp the rows are the snapshot's rows; anything else is left to
    // the batches.
    if (rows != shared_->rowids->size())
        return;
    // One column at a time, so that a column is held twice at most while it is laid out.
    for (std::size_t i = 0; i < scanned.size(); ++i) {
        const TextColumn byRowid = scanned[i].finish();
        RowSnapshot::Column& column = shared_->columns[static_cast<std::size_t>(ordinals[i])];
        column.cells = toPositionOrder(byRowid, shared_->rank);
        column.loaded = true;
    }
    giveBackMemory();
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

std::vector<std::int64_t>& RowCache::ownKeyset()
{
    // The cursor's positions part from the shared copy's at its first own write.
    auto own = std::make_shared<std::vector<std::int64_t>>(*keyset_);
    std::vector<std::int64_t>& rows = *own;
    keyset_ = std::move(own);
    batch_.burst = 0;
    return rows;
}

namespace {

// The connection's shared copy follows a write of its own, when it stood for the file
// just before: another program's write in between leaves it to be read again.
template <class Change>
void patchShared(Database& db, std::shared_ptr<RowSnapshot>& kept, const RowSnapshot* mine, Change&& change)
{
    if (!kept || kept.get() != mine)
        return;
    if (kept->stamp != db.stampBeforeLastWrite()) {
        kept.reset();
        return;
    }
    auto rowids = std::make_shared<std::vector<std::int64_t>>(*kept->rowids);
    change(*kept, *rowids);
    kept->rowids = std::move(rowids);
    kept->stamp = db.stampAfterLastWrite();
}

std::size_t sharedPlace(const RowSnapshot& s, std::int64_t rowid)
{
    const auto& rowids = *s.rowids;
    return static_cast<std::size_t>(std::find(rowids.begin(), rowids.end(), rowid) - rowids.begin());
}

} // namespace

void RowCache::appended(std::int64_t id, const std::vector<FieldValue>& values)
{
    ownKeyset().push_back(id);
    patchShared(db_, db_.rowSnapshot_, shared_.get(), [&](RowSnapshot& s, std::vector<std::int64_t>& rowids) {
        TakenRow row;
        row.cells.resize(s.columns.size());
        for (std::size_t c = 0; c < s.columns.size(); ++c)
            if (const FieldValue* v = written(values, c); v && !v->value.isNull())
                row.cells[c] = v->value.toString().toStdString();
        // The new row has the largest row id.
        row.rank = static_cast<std::uint32_t>(rowids.size());
        const TextColumn::Cell name = s.order >= 0 && row.cells[static_cast<std::size_t>(s.order)]
                                          ? TextColumn::Cell(*row.cells[static_cast<std::size_t>(s.order)])
                                          : TextColumn::Cell();
        const std::size_t place = orderedPlace(s, rowids, name, id);
        putIn(s, rowids, place, id, row);
    });
}

void RowCache::removed(int position)
{
    const std::int64_t id = rowid(position);
    std::vector<std::int64_t>& rows = ownKeyset();
    rows.erase(rows.begin() + position);
    patchShared(db_, db_.rowSnapshot_, shared_.get(), [&](RowSnapshot& s, std::vector<std::int64_t>& rowids) {
        const std::size_t place = sharedPlace(s, id);
        if (place >= rowids.size())
            return;
        const std::uint32_t rank = takeOut(s, rowids, place).rank;
        for (std::uint32_t& r : s.rank)
            if (r > rank)
                --r;
    });
}

void RowCache::rewritten(int position, const std::vector<FieldValue>& values)
{
    const std::int64_t id = rowid(position);
    // The cursor keeps its positions; only the batch it read is out of date.
    batch_.burst = 0;
    patchShared(db_, db_.rowSnapshot_, shared_.get(), [&](RowSnapshot& s, std::vector<std::int64_t>& rowids) {
        const std::size_t place = sharedPlace(s, id);
        if (place >= rowids.size())
            return;
        const bool moves = s.order >= 0 && written(values, static_cast<std::size_t>(s.order));
        if (!moves) {
            std::string storage;
            for (const FieldValue& v : values) {
                RowSnapshot::Column& column = s.columns[static_cast<std::size_t>(v.ordinal)];
                if (column.loaded)
                    column.cells.replace(place, writtenCell(v.value, storage));
            }
            return;
        }
        TakenRow row = takeOut(s, rowids, place);
        for (const FieldValue& v : values)
            row.cells[static_cast<std::size_t>(v.ordinal)] =
                v.value.isNull() ? std::nullopt
                                 : std::optional<std::string>(v.value.toString().toStdString());
        const auto& name = row.cells[static_cast<std::size_t>(s.order)];
        const std::size_t to =
            orderedPlace(s, rowids, name ? TextColumn::Cell(*name) : TextColumn::Cell(), id);
        putIn(s, rowids, to, id, row);
    });
}

} // namespace records
