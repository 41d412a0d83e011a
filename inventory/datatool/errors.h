#pragma once

#include "platform/base/runtimeerror.h"

#include <QString>

namespace datatool {

// The companion's own error numbers, for what the engine does not report itself. Each
// has a general text (toolErrorText) and each raised error a specific one. A warning
// ("Warning N: text") says what the command did in a way the user would not expect;
// the command still succeeds.
enum ToolErrc : int
{
    UsageError = 701,        // the command line is not understood
    OutputFailed = 702,      // the output file cannot be written
    OutputIsInventory = 703, // the output would overwrite the inventory itself
    CsvUnreadable = 704,     // the CSV file cannot be opened or read
    CsvWrongEncoding = 705,  // the CSV file is UTF-16 or UTF-32 text
    CsvBadHeader = 706,      // the first line does not name the columns usably
    CsvBadRow = 707,         // one row of the CSV file is wrong
    CsvRejected = 708,       // rows were wrong, so nothing was added
    NothingToPrint = 709,    // no record to print
    OutputNotAFile = 710,    // the output is a device or a socket that a file must not replace
    TextNotUtf8 = 711,       // a warning: stored bytes that are not UTF-8 were replaced
    NoFontHasIt = 712,       // a warning: characters that no installed font has
    ImportNotOnServer = 713, // an import names a server: it adds to a file only
    UnknownSheet = 740,      // labels: the sheet named is not one we know
    LabelCodeFailed = 741,   // labels: libqrencode could not make a code
};
inline constexpr int kLastToolError = LabelCodeFailed;

// The general text of one of the numbers above; empty for any other number.
QString toolErrorText(int number);

class ToolError final : public base::RuntimeError
{
public:
    ToolError(int number, const QString& text) : base::RuntimeError(number, text) {}
};

} // namespace datatool
