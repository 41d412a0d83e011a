#pragma once

#include "inventory/store/chemical_table.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace records {
class Database;
class SortKeys;
} // namespace records

// Reading an inventory's records once, front to back, in the program's order: for what
// writes them all out (CSV, the shelf list, the labels) without a window's cursor.
namespace store {

// Asks whatever reads or adds records to stop at the next record by throwing the engine's
// Cancelled error, so that nothing half done is kept. Safe to call from a signal handler.
void requestStop();
// Throws Cancelled once a stop was requested.
void throwIfStopped();

// One record as read: each column's stored text as UTF-8 bytes, valid only while the
// record is being handled. Null is told apart from empty text.
struct Record
{
    std::array<std::string_view, store::kColumnCount> text;
    std::array<bool, store::kColumnCount> null{};

    QString string(int ordinal) const;
};

// The order a person expects for names, as the program's list and cursor sort them: case
// and accents do not separate names (Portuguese rules), then the exact text breaks ties.
// A key compares with memcmp; keys of two texts are equal only for the same text.
class TextOrder final
{
public:
    TextOrder();
    ~TextOrder();
    TextOrder(const TextOrder&) = delete;
    TextOrder& operator=(const TextOrder&) = delete;

    // Replaces key with the key of the UTF-8 text. The key is the collation key, a zero
    // byte (which no collation key holds) and the text itself.
    void key(std::string_view utf8, std::string& key);
    // The text a key was made from.
    static std::string_view textOf(std::string_view key);

private:
    std::unique_ptr<records::SortKeys> keys_;
};

// Streams the records of an inventory in the program's order: by name (NOME, Null
// first, then as TextOrder sorts, then in the order they were added), or grouped by
// storing place (LOCAL, in the same order, places without a name last) and by name
// within each place. Memory stays bounded however many records there are: the order is
// sorted by SQLite, which spills to temporary files, and each record is read as it is
// handed on. All of it is read in one read transaction, so a change that another program
// commits meanwhile is either wholly in the output or not at all.
class RecordStream final
{
public:
    struct Options
    {
        bool byPlace = false;
        // Only records whose place contains this text, case and accents ignored.
        QString placeContains;
    };
    // A storing place in the order of the stream, with how many records it holds there.
    struct Place
    {
        QString name; // empty for the records without a place
        bool none = false;
        std::int64_t count = 0;
    };

    RecordStream(records::Database& db, const Options& options);
    ~RecordStream();
    RecordStream(const RecordStream&) = delete;
    RecordStream& operator=(const RecordStream&) = delete;

    std::int64_t count() const { return count_; }
    // The places, for a stream grouped by place.
    const std::vector<Place>& places() const { return places_; }

    // Hands every record to f, in order. Throws the engine's error if a read fails.
    void forEach(const std::function<void(const Record&)>& f);

private:
    class ReadTransaction;
    void collect();
    void readPlaces();

    records::Database& db_;
    Options options_;
    std::unique_ptr<ReadTransaction> transaction_;
    std::int64_t count_ = 0;
    std::int64_t total_ = 0;
    std::vector<Place> places_;
};

// Whether a place's name contains the text, as --location matches it: letter case and
// accents are ignored ("armario" finds "Armário de ácidos").
bool placeMatches(const QString& place, const QString& text);

} // namespace store
