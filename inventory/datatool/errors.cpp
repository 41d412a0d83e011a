#include "inventory/datatool/errors.h"

namespace datatool {

QString toolErrorText(int number)
{
    switch (number) {
    case UsageError:
        return QStringLiteral("The command line is not understood; run quillarbon-data --help.");
    case OutputFailed:
        return QStringLiteral("The output file cannot be written.");
    case OutputIsInventory:
        return QStringLiteral("The output file is the inventory itself.");
    case CsvUnreadable:
        return QStringLiteral("The CSV file cannot be read.");
    case CsvWrongEncoding:
        return QStringLiteral("The CSV file is not UTF-8 text; save it as CSV UTF-8.");
    case CsvBadHeader:
        return QStringLiteral("The first line of the CSV file does not name the inventory's columns.");
    case CsvBadRow:
        return QStringLiteral("A row of the CSV file is wrong.");
    case CsvRejected:
        return QStringLiteral("Rows of the CSV file are wrong; nothing was added.");
    case NothingToPrint:
        return QStringLiteral("There is no record to print.");
    case OutputNotAFile:
        return QStringLiteral("The output is a device or a socket, not a file; name a file.");
    case TextNotUtf8:
        return QStringLiteral("Stored text that is not UTF-8 was written with replacement characters.");
    case NoFontHasIt:
        return QStringLiteral("Characters that no installed font has cannot be printed.");
    case UnknownSheet:
        return QStringLiteral("The label sheet is not known; run quillarbon-data --help for the sheets.");
    case LabelCodeFailed:
        return QStringLiteral(
            "A label's QR code could not be made; check that memory is free and try again.");
    default:
        return {};
    }
}

} // namespace datatool
