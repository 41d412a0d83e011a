#include "inventory/safety/storagecheck.h"

#include "inventory/store/chemical_table.h"
#include "inventory/store/inventory.h"
#include "platform/data/database.h"
#include "platform/data/sortkeys.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>

namespace safety {

namespace {

bool blank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

struct PlaceState
{
    bool chosen = true;
    PlaceReport report;
};

// Looks places up by their bytes without making a string for each record.
struct TextHash
{
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

} // namespace

struct StorageCheck::Impl
{
    const Scheme& scheme;
    CheckOptions options;
    std::unordered_map<std::string, PlaceState, TextHash, std::equal_to<>> places;
    PlaceState none;
    bool noneSeen = false;
    std::int64_t records = 0;

    PlaceState& placeFor(std::string_view place, bool isNone)
    {
        if (isNone) {
            if (!noneSeen) {
                noneSeen = true;
                none.report.none = true;
                none.chosen = !options.placeChosen || options.placeChosen(QString(), true);
            }
            return none;
        }
        auto it = places.find(place);
        if (it == places.end()) {
            PlaceState state;
            state.report.name = QString::fromUtf8(place.data(), static_cast<qsizetype>(place.size()));
            state.chosen = !options.placeChosen || options.placeChosen(state.report.name, false);
            it = places.emplace(std::string(place), std::move(state)).first;
        }
        return it->second;
    }
};

StorageCheck::StorageCheck(const Scheme& scheme, const CheckOptions& options)
    : d(std::make_unique<Impl>(Impl{scheme, options, {}, {}, false, 0}))
{}

StorageCheck::~StorageCheck() = default;

void StorageCheck::add(std::int64_t rowid, std::string_view place, bool placeNull,
                       const ChemicalText& chemical)
{
    PlaceState& state = d->placeFor(place, placeNull || blank(place));
    if (!state.chosen)
        return;
    ++d->records;
    const Assignment a = d->scheme.classify(chemical);
    PlaceReport& report = state.report;
    ++report.count;
    GroupTally& tally = report.groups[static_cast<std::size_t>(index(a.group))];
    ++tally.count;
    if (static_cast<int>(tally.examples.size()) < d->options.examples)
        tally.examples.push_back(Chemical{
            rowid, QString::fromUtf8(chemical.name.data(), static_cast<qsizetype>(chemical.name.size())), a});
}

StorageReport StorageCheck::finish()
{
    StorageReport out;
    out.records = d->records;
    // The shelf list's order: the person's order of names, the exact text breaking ties.
    records::SortKeys keys;
    std::vector<std::pair<std::string, PlaceReport*>> order;
    for (auto& [text, state] : d->places) {
        if (!state.chosen || state.report.count == 0)
            continue;
        std::string key;
        keys.append(key, text.data(), static_cast<int>(text.size()));
        key.push_back('\0');
        key.append(text);
        order.emplace_back(std::move(key), &state.report);
    }
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& entry : order)
        out.places.push_back(std::move(*entry.second));
    if (d->noneSeen && d->none.chosen && d->none.report.count > 0)
        out.places.push_back(std::move(d->none.report));

    for (PlaceReport& place : out.places) {
        if (place.none)
            continue;
        for (int a = 0; a < kGroupCount; ++a)
            for (int b = a + 1; b < kGroupCount; ++b) {
                const auto ga = static_cast<Group>(a), gb = static_cast<Group>(b);
                if (ga == Group::Unknown || gb == Group::Unknown)
                    continue;
                if (place.tally(ga).count > 0 && place.tally(gb).count > 0 && !d->scheme.mayShare(ga, gb))
                    place.conflicts.push_back(Conflict{ga, gb});
            }
    }
    // Within a group, the chemicals named in name order, as the shelf list lists them.
    for (PlaceReport& place : out.places)
        for (GroupTally& tally : place.groups)
            std::stable_sort(tally.examples.begin(), tally.examples.end(),
                             [](const Chemical& x, const Chemical& y) {
                                 return QString::localeAwareCompare(x.name, y.name) < 0;
                             });
    d->places.clear();
    return out;
}

bool StorageReport::hasConflicts() const
{
    return placesWithConflicts() > 0;
}

int StorageReport::placesWithConflicts() const
{
    return static_cast<int>(std::count_if(places.begin(), places.end(),
                                          [](const PlaceReport& p) { return !p.conflicts.empty(); }));
}

std::int64_t StorageReport::unknown() const
{
    std::int64_t n = 0;
    for (const PlaceReport& p : places)
        n += p.unknown();
    return n;
}

namespace {

// Records read but not yet checked: their text copied out of the statement, which the next
// step overwrites.
struct Batch
{
    static constexpr std::size_t kRecords = 4096;
    struct Entry
    {
        std::int64_t rowid = 0;
        bool placeNull = false;
        std::array<std::uint32_t, 5> at{}, size{}; // NOME, ALDRICH, FORMULA, LOCAL, HAZARDS
    };
    std::string text;
    std::vector<Entry> entries;
    bool last = false;

    std::string_view view(const Entry& e, int column) const
    {
        const auto c = static_cast<std::size_t>(column);
        return std::string_view(text).substr(e.at[c], e.size[c]);
    }
};

// Hands batches from the reading thread to the checking one, two at a time: while one is
// checked, the next is read.
class Handover
{
public:
    Batch* take(bool full)
    {
        std::unique_lock lock(mutex_);
        std::deque<Batch*>& from = full ? full_ : free_;
        ready_.wait(lock, [&] { return !from.empty() || stopped_; });
        if (from.empty())
            return nullptr;
        Batch* b = from.front();
        from.pop_front();
        return b;
    }
    void give(Batch* b, bool full)
    {
        {
            std::lock_guard lock(mutex_);
            (full ? full_ : free_).push_back(b);
        }
        ready_.notify_all();
    }
    void stop()
    {
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        ready_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Batch*> full_, free_;
    bool stopped_ = false;
};

} // namespace

StorageReport checkInventory(const records::Database& db, const CheckOptions& options)
{
    store::checkColumns(db);
    StorageCheck check(Scheme::builtIn(), options);
    // One statement reads the whole table in the file's order: it holds one read
    // transaction from its first row to its last, so the check sees one state of the file.
    records::Statement scan(
        db, QStringLiteral("SELECT rowid, NOME, ALDRICH, FORMULA, LOCAL, HAZARDS FROM main.%1")
                .arg(store::tableName()));
    records::Statement::Reset done(scan);

    // Reading the file and checking the records each take a core: this thread reads, a
    // second one checks, batch by batch in the file's order.
    std::array<Batch, 2> batches;
    Handover handover;
    for (Batch& b : batches)
        handover.give(&b, false);
    std::thread checker([&] {
        while (Batch* b = handover.take(true)) {
            for (const Batch::Entry& e : b->entries) {
                ChemicalText chemical;
                chemical.name = b->view(e, 0);
                chemical.aldrich = b->view(e, 1);
                chemical.formula = b->view(e, 2);
                chemical.hazards = b->view(e, 4);
                check.add(e.rowid, b->view(e, 3), e.placeNull, chemical);
            }
            const bool last = b->last;
            handover.give(b, false);
            if (last)
                return;
        }
    });
    // Whatever ends the reading (the end, an error, a stop), the checker ends with it.
    struct Join
    {
        Handover& handover;
        std::thread& thread;
        ~Join()
        {
            if (thread.joinable()) {
                handover.stop();
                thread.join();
            }
        }
    } join{handover, checker};

    Batch* batch = handover.take(false);
    auto send = [&](bool last) {
        batch->last = last;
        handover.give(batch, true);
        batch = last ? nullptr : handover.take(false);
        if (batch) {
            batch->text.clear();
            batch->entries.clear();
        }
    };
    std::int64_t read = 0;
    while (scan.step()) {
        if (options.tick && (++read & 4095) == 0)
            options.tick();
        Batch::Entry e;
        e.rowid = scan.int64(0);
        e.placeNull = scan.columnType(4) == SQLITE_NULL;
        for (int column = 1; column <= 5; ++column) {
            int size = 0;
            const char* bytes = scan.utf8(column, &size);
            const auto c = static_cast<std::size_t>(column - 1);
            e.at[c] = static_cast<std::uint32_t>(batch->text.size());
            e.size[c] = static_cast<std::uint32_t>(size);
            if (bytes)
                batch->text.append(bytes, static_cast<std::size_t>(size));
        }
        batch->entries.push_back(e);
        if (batch->entries.size() == Batch::kRecords)
            send(false);
    }
    send(true);
    checker.join();
    return check.finish();
}

} // namespace safety
