#pragma once

#include "inventory/safety/storagegroups.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace records {
class Database;
}

// The check of what shares a storing place: within each place (LOCAL, compared as the
// shelf list compares places: the exact text, a blank or Null place being none), every
// two groups present that the chart keeps apart, and every chemical whose group cannot
// be told.
//
// A place with thousands of chemicals could pair each with each; the check reports by
// pairs of groups instead: per place, each pair of groups that must be kept apart, with
// how many chemicals of each group stand there and the first of them by name. Memory
// therefore grows with the places, never with the records.
namespace safety {

struct Chemical
{
    std::int64_t rowid = 0;
    QString name;
    Assignment assignment;
};

struct GroupTally
{
    std::int64_t count = 0;
    // The chemicals of the group in the place, the first met up to the check's limit.
    std::vector<Chemical> examples;
};

struct Conflict
{
    Group first; // the earlier letter
    Group second;
};

struct PlaceReport
{
    QString name; // empty for the records without a place
    bool none = false;
    std::int64_t count = 0;
    std::array<GroupTally, kGroupCount> groups;
    // Every two groups here that the chart keeps apart, in the order of their letters.
    // None for the records without a place: nothing says they stand together.
    std::vector<Conflict> conflicts;

    const GroupTally& tally(Group g) const { return groups[static_cast<std::size_t>(index(g))]; }
    std::int64_t unknown() const { return tally(Group::Unknown).count; }
};

struct StorageReport
{
    // Every place checked, in the shelf list's order (by name as a person sorts, the
    // records without a place last).
    std::vector<PlaceReport> places;
    std::int64_t records = 0;

    bool hasConflicts() const;
    int placesWithConflicts() const;
    std::int64_t unknown() const;
};

struct CheckOptions
{
    // Whether a place (its name as stored; empty for none) is checked; empty: every place.
    std::function<bool(const QString& place, bool none)> placeChosen;
    // How many chemicals of each group each place keeps by name.
    int examples = 20;
    // Called now and then while records are read; may throw to stop the check.
    std::function<void()> tick;
};

// Gathers records one at a time; what each place holds is tallied as it comes.
class StorageCheck final
{
public:
    StorageCheck(const Scheme& scheme, const CheckOptions& options);
    ~StorageCheck();
    StorageCheck(const StorageCheck&) = delete;
    StorageCheck& operator=(const StorageCheck&) = delete;

    // place is the stored text of LOCAL (UTF-8); null: the column is Null.
    void add(std::int64_t rowid, std::string_view place, bool placeNull, const ChemicalText& chemical);
    // The places in order with their conflicts.
    StorageReport finish();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Reads every record of the inventory once, in one read transaction, and checks it.
// Throws the engine's errors.
StorageReport checkInventory(const records::Database& db, const CheckOptions& options = {});

} // namespace safety
