#pragma once

#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <span>

class QIODevice;

namespace records {
class Database;
}

namespace datatool {

// A sheet of self-adhesive labels with the geometry its makers publish, in millimetres.
struct LabelSheet
{
    const char* name;        // as --sheet names it
    const char* description; // "A4, 3 x 8 labels of 70 x 37 mm"
    QPageSize::PageSizeId paper;
    int columns;
    int rows;
    double width; // of one label
    double height;
    double left; // from the paper's edge to the first label
    double top;
    double pitchX; // from one label's left edge to the next one's
    double pitchY; // from one label's top edge to the next row's

    int perSheet() const { return columns * rows; }
    // The label at index on a sheet, counted row by row from the top left.
    QRectF label(int index) const;
};

// The sheets --sheet names; the first is the default.
std::span<const LabelSheet> labelSheets();
// The sheet of that name, letter case ignored. Throws UnknownSheet, naming the known ones.
const LabelSheet& labelSheet(const QString& name);

// Nothing is printed nearer than this to a label's edge: sheets feed a little askew.
inline constexpr double kLabelMargin = 2.0;

// What a label's QR code holds: the record's name and place, which a CSV export and
// import keep as they are (a row id does not survive them), and which a person can read
// in any scanner: "QB1;" then the name, ";" and the place (empty when there is none).
// In both a backslash, a semicolon, a line feed, a carriage return and a tab are
// written as \\, \;, \n, \r and \t, so that the fields split unambiguously.
QString labelCode(QStringView name, QStringView place);

struct LabelOptions
{
    // Only the records whose place contains this text, case and accents ignored.
    QString placeContains;
    QString sheet;     // a name of labelSheets(); empty for the first
    QString fileLabel; // the inventory as error texts name it
};

struct LabelResult
{
    std::int64_t labels = 0;
    int pages = 0;
    // Records whose name and place are too long for a code that readers can still read
    // at this label's size; their labels are printed without a code.
    QStringList withoutCode;
};

// Writes a PDF of the sheet chosen: one label per record, grouped by place and in name
// order within each (as the shelf list), each with the name, the formula, the place,
// the GHS pictograms and the signal word the hazards call for, and a QR code of
// labelCode(). Each text wraps at words onto the lines its part of the label has room
// for; one that needs more steps down in size by half a point, to 6 pt at least, and at
// 6 pt its last line ends in an ellipsis. Nothing is drawn outside the label's margin. Throws NothingToPrint
// when no record is chosen, UnknownSheet, the engine's errors, OutputFailed and LabelCodeFailed.
LabelResult printLabels(records::Database& db, QIODevice& out, const LabelOptions& options);

} // namespace datatool
