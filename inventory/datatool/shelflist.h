#pragma once

#include <QDate>
#include <QString>

#include <cstdint>
#include <functional>

class QIODevice;

namespace records {
class Database;
}

namespace datatool {

// Text with characters that no installed font has: the list cannot show them.
struct UnprintableText
{
    QString record;     // the chemical's name; empty for a place's title
    QString place;      // the place whose section shows it
    QString characters; // the characters, each once, in the order they came
};

struct ShelfListOptions
{
    // Only the places whose name contains this text, case and accents ignored.
    QString placeContains;
    bool letter = false; // US Letter paper instead of A4
    QDate date;          // printed in the footer
    QString fileLabel;   // the inventory as the footer names it
    // Told of each record (and place title) with characters no installed font has.
    std::function<void(const UnprintableText&)> onUnprintable;
};

struct ShelfListResult
{
    int pages = 0;
    int places = 0;
    std::int64_t records = 0;
};

// Rows of chemicals on one page of the list, on the paper chosen.
int shelfListRowsPerPage(bool letter);

// Writes a PDF to hang on each cupboard's door: a section per storing place, in the order
// of the places' names and each starting on a new page, the records without a place last;
// in each, the chemicals in name order with their formula, quantity, signal word and the
// GHS pictograms their H-statements call for. Every page has a footer with the file, the
// date and "Page n of m". Throws NothingToPrint when no record is chosen, the engine's
// errors, and OutputFailed.
ShelfListResult printShelfList(records::Database& db, QIODevice& out, const ShelfListOptions& options);

} // namespace datatool
