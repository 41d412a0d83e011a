#include "platform/data/rowcache.h"

#include "platform/data/recordset.h"
#include "platform/data/sortkeys.h"

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <limits>
#include <mutex>
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

void Cells::appendCell(TextColumn::Cell cell)
{
    if (cell)
        appendText(*cell);
    else
        appendNull();
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
// while the file stays as it was, and patched by the connection's own writes. The columns
// keep their cells in row-id order, as a scan of the table gives them; the rank says which
// cell stands at each position of the cursor's order. So a column costs no second copy laid
// out in order, and a row the program adds, having the largest row id, joins at the end.
struct RowSnapshot
{
    struct Column
    {
        bool loaded = false;
        TextColumn cells; // in row-id order
    };
    QString table;
    int order = -1; // the order column's ordinal; -1: row-id order
    std::int64_t stamp = -1;
    std::shared_ptr<const std::vector<std::int64_t>> rowids; // in the cursor's order
    CellOrder rank;                                          // per position: its row's cell
    std::vector<Column> columns;
};

namespace {

int bytesCompare(std::string_view a, std::string_view b)
{
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    return c != 0 ? c : (a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0);
}

struct Entry
{
    std::uint64_t word; // eight bytes of the key, big-endian, from where the sort has got to
    const char* key;    // in its key maker's blocks
    std::uint32_t scan; // the row's place in the scan, which reads in row-id order
    std::uint32_t keySize;
    bool null;
};
static_assert(sizeof(Entry) == 32, "a million entries take 32 MB");

// The key's eight bytes from offset at, padded with zeros: keys hold no NUL, so a key that
// ends first sorts first, as memcmp would put it.
std::uint64_t keyWord(const Entry& e, std::size_t at)
{
    if (at + 8 <= e.keySize) {
        std::uint64_t word;
        std::memcpy(&word, e.key + at, 8);
        if constexpr (std::endian::native == std::endian::little)
            word = __builtin_bswap64(word);
        return word;
    }
    std::uint64_t word = 0;
    for (std::size_t b = at; b < at + 8; ++b)
        word = (word << 8) | (b < e.keySize ? static_cast<unsigned char>(e.key[b]) : 0u);
    return word;
}

// A key maker's keys: blocks of a megabyte or more, filled one after the other, so the keys
// of a million names take their own size and not the doubling of one growing string.
class KeyBlocks final
{
public:
    // Where the copy is: it stays there while the blocks live.
    const char* put(std::string_view key)
    {
        if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < key.size()) {
            // Blocks grow with the keys, so their count stays small.
            const std::size_t capacity = std::max({kKeyBlockBytes, key.size(), total_ / 16});
            blocks_.push_back({std::make_unique_for_overwrite<char[]>(capacity), capacity, 0});
            total_ += capacity;
        }
        Block& b = blocks_.back();
        char* at = b.bytes.get() + b.used;
        std::memcpy(at, key.data(), key.size());
        b.used += key.size();
        return at;
    }

private:
    static constexpr std::size_t kKeyBlockBytes = std::size_t(1) << 20;
    struct Block
    {
        std::unique_ptr<char[]> bytes;
        std::size_t capacity;
        std::size_t used;
    };
    std::vector<Block> blocks_;
    std::size_t total_ = 0;
};

// Makes the sort keys of the names as the scan reads them: each full chunk of names goes to
// a thread of its own collator, so the keys are made on every core while the file is still
// being read. A key goes into its thread's blocks; its entry learns where.
class KeyMaking final
{
public:
    KeyMaking(std::vector<Entry>& entries, std::size_t threads) : entries_(entries), arenas_(threads)
    {
        for (std::size_t t = 0; t < threads; ++t)
            workers_.emplace_back([this, t] { work(t); });
    }
    // Unless finished, the keys are no longer wanted: what is queued is dropped.
    ~KeyMaking()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            pending_ -= jobs_.size();
            jobs_.clear();
        }
        finish();
    }
    KeyMaking(const KeyMaking&) = delete;
    KeyMaking& operator=(const KeyMaking&) = delete;

    void add(std::size_t first, std::shared_ptr<const TextColumn::Chunk> chunk)
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            jobs_.push_back({first, std::move(chunk)});
            ++pending_;
        }
        wake_.notify_one();
    }
    // Waits until every chunk given so far has its keys: before the entries move.
    void drain()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        idle_.wait(lock, [this] { return pending_ == 0; });
    }
    void finish()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            closed_ = true;
        }
        wake_.notify_all();
        for (std::thread& w : workers_)
            if (w.joinable())
                w.join();
    }
    // The keys are not needed once the entries are in order.
    void release() { arenas_.clear(); }

private:
    struct Job
    {
        std::size_t first;
        std::shared_ptr<const TextColumn::Chunk> chunk;
    };

    void work(std::size_t arenaIndex)
    {
        SortKeys keyMaker;
        KeyBlocks& blocks = arenas_[arenaIndex];
        std::string key;
        for (;;) {
            Job job;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [this] { return closed_ || !jobs_.empty(); });
                if (jobs_.empty())
                    return;
                job = std::move(jobs_.front());
                jobs_.pop_front();
            }
            Entry* entries = entries_.data() + job.first;
            const TextColumn::Chunk& chunk = *job.chunk;
            for (std::size_t i = 0; i < chunk.size(); ++i) {
                if (chunk.isNull(i))
                    continue;
                const std::string_view text = chunk.text(i);
                Entry& e = entries[i];
                key.clear();
                keyMaker.append(key, text.data(), static_cast<int>(text.size()));
                e.key = blocks.put(key);
                e.keySize = static_cast<std::uint32_t>(key.size());
                e.word = keyWord(e, 0);
            }
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                --pending_;
            }
            idle_.notify_all();
        }
    }

    std::vector<Entry>& entries_;
    std::vector<KeyBlocks> arenas_;
    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Job> jobs_;
    std::size_t pending_ = 0;
    bool closed_ = false;
};

// Sorts entries whose words hold their keys' bytes from depth on: by the words, then each
// run of equal words by the keys' next eight bytes, and so on, so that names which begin
// alike ("Ácido 2-cloro-...") cost a compare of eight bytes at a time and never a compare
// of their whole keys. Equal keys go by the exact text, then by the row id (the scan's
// order): the person's order, made stable.
template <class Check>
void sortByKeys(Entry* first, Entry* last, std::size_t depth, const TextColumn& names, const Check& check)
{
    if (last - first > 4096)
        check();
    std::sort(first, last, [](const Entry& a, const Entry& b) { return a.word < b.word; });
    for (Entry* run = first; run != last;) {
        Entry* end = run + 1;
        while (end != last && end->word == run->word)
            ++end;
        if (end - run > 1) {
            // A word padded with zeros ends every key of its run there (keys hold no NUL);
            // a key that ends just at the word's end may still be begun by longer ones.
            if (run->keySize < depth + 8) {
                std::sort(run, end, [&names](const Entry& a, const Entry& b) {
                    if (const int c = bytesCompare(names.text(a.scan), names.text(b.scan)); c != 0)
                        return c < 0;
                    return a.scan < b.scan;
                });
            } else {
                // The keys lie in the order they were read, far apart: each is asked for a
                // few entries ahead, so the waits for memory overlap.
                constexpr std::ptrdiff_t kAhead = 8;
                for (Entry* e = run; e != end; ++e) {
                    if (end - e > kAhead)
                        __builtin_prefetch(e[kAhead].key + depth + 8);
                    e->word = keyWord(*e, depth + 8);
                }
                sortByKeys(run, end, depth + 8, names, check);
            }
        }
        run = end;
    }
}

// Chunks begin, where they can, at row ids that are multiples of this: a row changed, added
// or deleted by another program then changes one chunk of a new reading, and the others
// are the earlier reading's own.
constexpr int kRowidRangeBits = 12;

bool newRange(std::int64_t rowid, std::int64_t before)
{
    return (rowid >> kRowidRangeBits) != (before >> kRowidRangeBits);
}

std::shared_ptr<RowSnapshot> readSnapshot(Connection& db, const QString& table,
                                          const QStringList& columnNames, int order,
                                          const std::vector<int>& readAhead, std::int64_t stamp,
                                          const RowSnapshot* earlier)
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
    QStringList readNames;
    for (int ordinal : read)
        readNames.append(columnNames.at(ordinal));

    std::vector<Entry> entries;
    {
        // Room for every row at once: growing a vector of a million entries would hold it
        // twice for a moment. The largest row id bounds the count unless rows were deleted.
        entries.reserve(static_cast<std::size_t>(std::clamp<std::int64_t>(db.largestId(table), 0, 1 << 26)));
    }
    std::vector<std::int64_t> rowidsRead; // in the scan's order
    rowidsRead.reserve(entries.capacity());
    // The keys cost most of an opening: they are made on every core, as the names are read.
    const std::size_t threads = order < 0 || entries.capacity() < kParallelRows
                                    ? 1
                                    : std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4);
    KeyMaking keys(entries, threads);
    std::vector<TextColumn> scannedColumns(read.size()); // in row-id order
    {
        std::vector<TextColumn::Builder> scanned(read.size());
        if (earlier)
            for (std::size_t c = 0; c < read.size(); ++c)
                if (const auto at = static_cast<std::size_t>(read[c]);
                    at < earlier->columns.size() && earlier->columns[at].loaded)
                    scanned[c].reuse(earlier->columns[at].cells);
        if (order >= 0)
            scanned.front().onSealed([&](std::size_t first, std::shared_ptr<const TextColumn::Chunk> chunk) {
                keys.add(first, std::move(chunk));
            });
        std::int64_t before = 0;
        snap->stamp = db.scanById(table, readNames, [&](std::int64_t rowid, Connection::Cells cells) {
            if (db.interrupted())
                throw DataError(Cancelled);
            // The entry is in place before its chunk of names can reach a key maker.
            if (entries.size() == entries.capacity())
                keys.drain();
            entries.push_back(Entry{0, nullptr, static_cast<std::uint32_t>(entries.size()), 0,
                                    order < 0 || !cells.front().has_value()});
            rowidsRead.push_back(rowid);
            const bool boundary = newRange(rowid, before);
            before = rowid;
            for (std::size_t c = 0; c < read.size(); ++c)
                scanned[c].append(cells[c], boundary);
        });
        for (std::size_t c = 0; c < read.size(); ++c)
            scannedColumns[c] = scanned[c].finish();
    }
    keys.finish();
    static const TextColumn kNoNames;
    const TextColumn& names = order >= 0 ? scannedColumns.front() : kNoNames;

    if (order >= 0) {
        // Null first, in row-id order (the scan's), then the rest by their keys.
        const auto named =
            std::partition(entries.begin(), entries.end(), [](const Entry& e) { return e.null; });
        std::sort(entries.begin(), named, [](const Entry& a, const Entry& b) { return a.scan < b.scan; });
        Entry* const first = entries.data() + (named - entries.begin());
        Entry* const last = entries.data() + entries.size();
        // A reading no longer wanted ends here too, rather than after a sort of its own.
        const auto check = [&db] {
            if (db.interrupted())
                throw DataError(Cancelled);
        };
        if (threads > 1 && last - first > 1) {
            // Split at the median word, with every entry of that word on one side, then sort
            // each side on its own core: no merge, no buffer.
            Entry* middle = first + (last - first) / 2;
            std::nth_element(first, middle, last,
                             [](const Entry& a, const Entry& b) { return a.word < b.word; });
            const std::uint64_t median = middle->word;
            middle = std::partition(first, last, [median](const Entry& e) { return e.word < median; });
            std::exception_ptr halfFailed;
            std::thread half([&] {
                try {
                    sortByKeys(middle, last, 0, names, check);
                } catch (...) {
                    halfFailed = std::current_exception();
                }
            });
            try {
                sortByKeys(first, middle, 0, names, check);
            } catch (...) {
                half.join();
                throw;
            }
            half.join();
            if (halfFailed)
                std::rethrow_exception(halfFailed);
        } else {
            sortByKeys(first, last, 0, names, check);
        }
    }

    // What the order needs is kept, and the rest let go as soon as it is not.
    keys.release();
    auto rank = std::make_shared<std::vector<std::uint32_t>>();
    rank->reserve(entries.size());
    for (const Entry& e : entries)
        rank->push_back(e.scan);
    entries = {};
    auto rowids = std::make_shared<std::vector<std::int64_t>>();
    rowids->reserve(rank->size());
    for (const std::uint32_t scan : *rank)
        rowids->push_back(rowidsRead[scan]);
    rowidsRead = {};
    snap->rowids = std::move(rowids);
    snap->rank = std::move(rank);
    for (std::size_t c = 0; c < read.size(); ++c) {
        RowSnapshot::Column& column = snap->columns[static_cast<std::size_t>(read[c])];
        column.cells = std::move(scannedColumns[c]);
        column.loaded = true;
    }
    giveBackMemory();
    return snap;
}

// Where a row goes in the snapshot's order: the place before the first row that sorts after
// it. The keys of the rows compared with are made as the search goes: a handful of them.
std::size_t orderedPlace(const RowSnapshot& s, const std::vector<std::int64_t>& rowids,
                         const std::vector<std::uint32_t>& rank, TextColumn::Cell name, std::int64_t rowid,
                         SortKeys& keyMaker)
{
    if (s.order < 0)
        return static_cast<std::size_t>(std::upper_bound(rowids.begin(), rowids.end(), rowid) -
                                        rowids.begin());
    const TextColumn& names = s.columns[static_cast<std::size_t>(s.order)].cells;
    std::string key;
    if (name)
        keyMaker.append(key, name->data(), static_cast<int>(name->size()));
    // Whether the row at p sorts after the one placed: Null first, then the person's order,
    // the exact text, the row id.
    auto after = [&](std::size_t p) {
        const TextColumn::Cell other = names.cell(rank[p]);
        if (name.has_value() != other.has_value())
            return !name.has_value();
        if (name) {
            std::string otherKey;
            keyMaker.append(otherKey, other->data(), static_cast<int>(other->size()));
            if (const int c = bytesCompare(otherKey, key); c != 0)
                return c > 0;
            if (const int c = bytesCompare(*other, *name); c != 0)
                return c > 0;
        }
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

// The copy being patched: its keyset and rank of its own, its columns changed in place
// (their chunks are copied on change).
struct Patch
{
    RowSnapshot& s;
    std::vector<std::int64_t> rowids;
    std::vector<std::uint32_t> rank;

    std::size_t placeOf(std::int64_t rowid) const
    {
        return static_cast<std::size_t>(std::find(rowids.begin(), rowids.end(), rowid) - rowids.begin());
    }
};

// A patch after others' writes is worth it up to this share of the rows (and this many at
// least): beyond, reading every record costs less than placing each changed one.
constexpr std::size_t kPatchShare = 32;
constexpr std::size_t kPatchRowsAtLeast = 1000;

// A copy of the snapshot brought up to the records as they are now by the rows others
// wrote and deleted since it was read, as a new reading would give them: changed rows
// take their new values and their place in the order, new rows come in, deleted ones go.
// Null when the connection cannot tell what changed, or too much did: it is read whole.
std::shared_ptr<RowSnapshot> patchedSnapshot(Connection& db, const RowSnapshot& kept,
                                             const QStringList& columnNames)
{
    if (!db.tracksChanges() || !kept.rowids || !kept.rank)
        return nullptr;
    const std::size_t n = kept.rowids->size();
    std::vector<std::size_t> loaded;
    QStringList names;
    for (std::size_t c = 0; c < kept.columns.size(); ++c)
        if (kept.columns[c].loaded) {
            loaded.push_back(c);
            names.append(columnNames.at(static_cast<qsizetype>(c)));
        }
    std::vector<std::int64_t> writtenIds;
    Cells written;
    std::vector<std::int64_t> deleted;
    const std::optional<std::int64_t> stamp = db.changesSince(
        kept.table, names, kept.stamp, std::max(kPatchRowsAtLeast, n / kPatchShare),
        [&](std::int64_t id, Connection::Cells cells) {
            writtenIds.push_back(id);
            for (const TextColumn::Cell& cell : cells)
                written.appendCell(cell);
        },
        deleted);
    if (!stamp)
        return nullptr;
    auto snap = std::make_shared<RowSnapshot>(kept);
    snap->stamp = *stamp;
    if (writtenIds.empty() && deleted.empty())
        return snap;
    auto cellOf = [&](std::size_t row, std::size_t k) -> TextColumn::Cell {
        const std::size_t at = row * loaded.size() + k;
        return written.isNull(at) ? TextColumn::Cell() : TextColumn::Cell(written.text(at));
    };

    // The cells lie in row-id order: a changed row is found, and a new one placed, by its id.
    const std::vector<std::int64_t>& rowids = *kept.rowids;
    const std::vector<std::uint32_t>& rank = *kept.rank;
    std::vector<std::int64_t> idOfCell(n);
    for (std::size_t p = 0; p < n; ++p)
        idOfCell[rank[p]] = rowids[p];
    struct Step
    {
        std::size_t cell;
        bool drop;
        std::size_t row; // the written row that comes in, or npos
    };
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<Step> steps;
    steps.reserve(writtenIds.size() + deleted.size());
    std::vector<bool> dropped(n, false);
    // Both come in id order; an id written again after its delete is there.
    std::size_t d = 0;
    for (std::size_t w = 0; w <= writtenIds.size(); ++w) {
        const std::int64_t id =
            w < writtenIds.size() ? writtenIds[w] : std::numeric_limits<std::int64_t>::max();
        for (; d < deleted.size() && deleted[d] <= id; ++d) {
            const auto at = static_cast<std::size_t>(
                std::lower_bound(idOfCell.begin(), idOfCell.end(), deleted[d]) - idOfCell.begin());
            if (deleted[d] != id && at < n && idOfCell[at] == deleted[d]) {
                steps.push_back({at, true, kNone});
                dropped[at] = true;
            }
        }
        if (w == writtenIds.size())
            break;
        const auto at = static_cast<std::size_t>(std::lower_bound(idOfCell.begin(), idOfCell.end(), id) -
                                                 idOfCell.begin());
        const bool present = at < n && idOfCell[at] == id;
        steps.push_back({at, present, w});
        if (present)
            dropped[at] = true;
    }

    // Where each cell stands afterwards: the rows that came in, and the cells that stayed.
    std::vector<std::uint32_t> newCell(n);
    std::vector<std::uint32_t> cellOfRow(writtenIds.size());
    {
        std::uint32_t next = 0;
        std::size_t e = 0;
        for (std::size_t c = 0; c <= n; ++c) {
            for (; e < steps.size() && steps[e].cell == c; ++e)
                if (steps[e].row != kNone)
                    cellOfRow[steps[e].row] = next++;
            if (c < n && !dropped[c])
                newCell[c] = next++;
        }
    }
    for (std::size_t k = 0; k < loaded.size(); ++k) {
        std::vector<TextColumn::Edit> edits;
        edits.reserve(steps.size());
        for (const Step& step : steps)
            edits.push_back({step.cell, step.drop,
                             step.row == kNone ? std::optional<TextColumn::Cell>() : cellOf(step.row, k)});
        snap->columns[loaded[k]].cells.apply(edits);
    }

    // The order without the rows that left or changed, which then come in at their places.
    std::vector<std::int64_t> keptIds;
    std::vector<std::uint32_t> keptRank;
    keptIds.reserve(n);
    keptRank.reserve(n);
    for (std::size_t p = 0; p < n; ++p)
        if (!dropped[rank[p]]) {
            keptIds.push_back(rowids[p]);
            keptRank.push_back(newCell[rank[p]]);
        }
    const int orderAt = snap->order;
    // Where the name stands among the columns read, found once: the sort below asks often.
    const std::size_t nameAt = orderAt < 0
                                   ? 0
                                   : static_cast<std::size_t>(std::find(loaded.begin(), loaded.end(),
                                                                        static_cast<std::size_t>(orderAt)) -
                                                              loaded.begin());
    auto nameOf = [&](std::size_t row) {
        return orderAt < 0 ? TextColumn::Cell() : cellOf(row, nameAt);
    };
    struct Coming
    {
        std::size_t place;
        std::size_t row;
        std::string key;
    };
    std::vector<Coming> coming(writtenIds.size());
    SortKeys keyMaker;
    for (std::size_t row = 0; row < writtenIds.size(); ++row) {
        const TextColumn::Cell name = nameOf(row);
        coming[row].row = row;
        coming[row].place = orderedPlace(*snap, keptIds, keptRank, name, writtenIds[row], keyMaker);
        if (name)
            keyMaker.append(coming[row].key, name->data(), static_cast<int>(name->size()));
    }
    // Rows that come in at one place stand among themselves in the order: Null first, then
    // the person's order, the exact text, the row id.
    std::sort(coming.begin(), coming.end(), [&](const Coming& a, const Coming& b) {
        if (a.place != b.place)
            return a.place < b.place;
        if (orderAt >= 0) {
            const TextColumn::Cell na = nameOf(a.row), nb = nameOf(b.row);
            if (na.has_value() != nb.has_value())
                return !na.has_value();
            if (na) {
                if (const int c = bytesCompare(a.key, b.key); c != 0)
                    return c < 0;
                if (const int c = bytesCompare(*na, *nb); c != 0)
                    return c < 0;
            }
        }
        return writtenIds[a.row] < writtenIds[b.row];
    });
    auto ids = std::make_shared<std::vector<std::int64_t>>();
    auto order = std::make_shared<std::vector<std::uint32_t>>();
    ids->reserve(keptIds.size() + coming.size());
    order->reserve(keptIds.size() + coming.size());
    std::size_t next = 0;
    for (std::size_t p = 0; p <= keptIds.size(); ++p) {
        for (; next < coming.size() && coming[next].place == p; ++next) {
            ids->push_back(writtenIds[coming[next].row]);
            order->push_back(cellOfRow[coming[next].row]);
        }
        if (p < keptIds.size()) {
            ids->push_back(keptIds[p]);
            order->push_back(keptRank[p]);
        }
    }
    snap->rowids = std::move(ids);
    snap->rank = std::move(order);
    return snap;
}

} // namespace

RowCache::RowCache(Connection& db, const QString& table, const QStringList& columns,
                   const QString& orderColumn, const std::vector<int>& readAhead)
    : db_(db), table_(table), columns_(columns), columnCount_(static_cast<int>(columns.size())),
      sweepReads_(static_cast<std::size_t>(columns.size()), 0)
{
    std::shared_ptr<RowSnapshot>& kept = db.rowSnapshot_;
    const int order = orderColumn.isEmpty() ? -1 : static_cast<int>(columns.indexOf(orderColumn));
    // Where the copy is patched, it is patched in the event's read burst: what the window
    // reads next in the same event then finds it standing for the server, though another
    // desk committed meanwhile, instead of reading every row a batch at a time.
    if (db.tracksChanges())
        db.beginReadBurst();
    const std::int64_t stamp = db.changeStamp();
    const bool sameCursor = kept && kept->table == table && kept->order == order &&
                            static_cast<int>(kept->columns.size()) == columnCount_;
    if (!sameCursor || kept->stamp != stamp) {
        // After others' writes the copy takes what they changed, where the connection tells it.
        std::shared_ptr<RowSnapshot> patched = sameCursor ? patchedSnapshot(db, *kept, columns) : nullptr;
        kept = patched ? std::move(patched)
                       : readSnapshot(db, table, columns, order, readAhead, stamp, kept.get());
    }
    shared_ = kept;
    keyset_ = shared_->rowids;

    // Columns to read ahead that the kept copy lacks are read now, in one scan.
    std::vector<int> missing;
    for (int ordinal : readAhead)
        if (ordinal >= 0 && ordinal < columnCount_ &&
            !shared_->columns[static_cast<std::size_t>(ordinal)].loaded)
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
        return column->value((*shared_->rank)[static_cast<std::size_t>(position)]);
    const int row = batchRow(position);
    return batch_.cells.value(static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_) +
                              static_cast<std::size_t>(ordinal));
}

TextRef RowCache::text(int position, int ordinal)
{
    if (const TextColumn* column = sharedColumn(ordinal))
        return TextRef::inColumn(*column, shared_->rank, static_cast<std::size_t>(position));
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
        names.append(columns_.at(ordinal));
    std::vector<TextColumn::Builder> scanned(ordinals.size());
    std::size_t rows = 0;
    std::int64_t before = 0;
    db_.scanById(table_, names, [&](std::int64_t rowid, Connection::Cells cells) {
        const bool boundary = newRange(rowid, before);
        before = rowid;
        for (std::size_t i = 0; i < scanned.size(); ++i)
            scanned[i].append(cells[i], boundary);
        ++rows;
    });
    // Within the snapshot's stamp the rows are the snapshot's rows; anything else is left to
    // the batches.
    if (rows != shared_->rowids->size())
        return;
    for (std::size_t i = 0; i < scanned.size(); ++i) {
        RowSnapshot::Column& column = shared_->columns[static_cast<std::size_t>(ordinals[i])];
        column.cells = scanned[i].finish();
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

    std::vector<std::int64_t> ids(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i)
        ids[static_cast<std::size_t>(i)] = rowid(position + i);
    int rows = 0;
    db_.fetchIds(table_, columns_, ids, [&](std::int64_t id, Connection::Cells cells) {
        for (int i = 0; i < size; ++i) {
            if (ids[static_cast<std::size_t>(i)] == id) {
                batch_.rowAt[static_cast<std::size_t>(i)] = rows;
                break;
            }
        }
        for (const TextColumn::Cell& cell : cells)
            batch_.cells.appendCell(cell);
        ++rows;
    });
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
void patchShared(Connection& db, std::shared_ptr<RowSnapshot>& kept, const RowSnapshot* mine, Change&& change)
{
    if (!kept || kept.get() != mine)
        return;
    if (kept->stamp != db.stampBeforeLastWrite()) {
        // Another's write came between. A connection that tells what changed brings the
        // copy up to date at the next cursor, this write among the changes; else it is read
        // again.
        if (!db.tracksChanges())
            kept.reset();
        return;
    }
    Patch patch{*kept, *kept->rowids, *kept->rank};
    change(patch);
    kept->rowids = std::make_shared<const std::vector<std::int64_t>>(std::move(patch.rowids));
    kept->rank = std::make_shared<const std::vector<std::uint32_t>>(std::move(patch.rank));
    kept->stamp = db.stampAfterLastWrite();
}

} // namespace

void RowCache::appended(std::int64_t id, const std::vector<FieldValue>& values)
{
    ownKeyset().push_back(id);
    patchShared(db_, db_.rowSnapshot_, shared_.get(), [&](Patch& patch) {
        RowSnapshot& s = patch.s;
        // The new row has the largest row id: its cells go at the columns' end.
        const auto cell = static_cast<std::uint32_t>(patch.rowids.size());
        std::string name;
        bool nameNull = true;
        for (std::size_t c = 0; c < s.columns.size(); ++c) {
            RowSnapshot::Column& column = s.columns[c];
            const FieldValue* v = written(values, c);
            std::string storage;
            const TextColumn::Cell value = v ? writtenCell(v->value, storage) : TextColumn::Cell();
            if (column.loaded)
                column.cells.insert(cell, value);
            if (static_cast<int>(c) == s.order && value) {
                name = std::string(*value);
                nameNull = false;
            }
        }
        SortKeys keyMaker;
        const std::size_t place =
            orderedPlace(s, patch.rowids, patch.rank, nameNull ? TextColumn::Cell() : TextColumn::Cell(name),
                         id, keyMaker);
        patch.rowids.insert(patch.rowids.begin() + static_cast<std::ptrdiff_t>(place), id);
        patch.rank.insert(patch.rank.begin() + static_cast<std::ptrdiff_t>(place), cell);
    });
}

void RowCache::removed(int position)
{
    const std::int64_t id = rowid(position);
    std::vector<std::int64_t>& rows = ownKeyset();
    rows.erase(rows.begin() + position);
    patchShared(db_, db_.rowSnapshot_, shared_.get(), [&](Patch& patch) {
        const std::size_t place = patch.placeOf(id);
        if (place >= patch.rowids.size())
            return;
        const std::uint32_t cell = patch.rank[place];
        for (RowSnapshot::Column& column : patch.s.columns)
            if (column.loaded)
                column.cells.erase(cell);
        patch.rowids.erase(patch.rowids.begin() + static_cast<std::ptrdiff_t>(place));
        patch.rank.erase(patch.rank.begin() + static_cast<std::ptrdiff_t>(place));
        for (std::uint32_t& r : patch.rank)
            if (r > cell)
                --r;
    });
}

void RowCache::rewritten(int position, const std::vector<FieldValue>& values)
{
    const std::int64_t id = rowid(position);
    // The cursor keeps its positions; only the batch it read is out of date.
    batch_.burst = 0;
    patchShared(db_, db_.rowSnapshot_, shared_.get(), [&](Patch& patch) {
        RowSnapshot& s = patch.s;
        const std::size_t place = patch.placeOf(id);
        if (place >= patch.rowids.size())
            return;
        const std::uint32_t cell = patch.rank[place];
        std::string storage;
        for (const FieldValue& v : values) {
            RowSnapshot::Column& column = s.columns[static_cast<std::size_t>(v.ordinal)];
            if (column.loaded)
                column.cells.replace(cell, writtenCell(v.value, storage));
        }
        // A new name may sort elsewhere: the row moves to its place among the others.
        if (s.order < 0 || !written(values, static_cast<std::size_t>(s.order)))
            return;
        const TextColumn::Cell name = s.columns[static_cast<std::size_t>(s.order)].cells.cell(cell);
        const std::string nameText = name ? std::string(*name) : std::string();
        patch.rowids.erase(patch.rowids.begin() + static_cast<std::ptrdiff_t>(place));
        patch.rank.erase(patch.rank.begin() + static_cast<std::ptrdiff_t>(place));
        SortKeys keyMaker;
        const std::size_t to =
            orderedPlace(s, patch.rowids, patch.rank, name ? TextColumn::Cell(nameText) : TextColumn::Cell(),
                         id, keyMaker);
        patch.rowids.insert(patch.rowids.begin() + static_cast<std::ptrdiff_t>(to), id);
        patch.rank.insert(patch.rank.begin() + static_cast<std::ptrdiff_t>(to), cell);
    });
}

} // namespace records
