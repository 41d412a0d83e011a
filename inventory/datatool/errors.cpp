#include "inventory/datatool/errors.h"

#include <QCoreApplication>

namespace datatool {

QString toolErrorText(int number)
{
    switch (number) {
    case UsageError:
        return QCoreApplication::translate("Companion",
                                           "The command line is not understood; run quillarbon-data --help.");
    case OutputFailed:
        return QCoreApplication::translate("Companion", "The output file cannot be written.");
    case OutputIsInventory:
        return QCoreApplication::translate("Companion", "The output file is the inventory itself.");
    case CsvUnreadable:
        return QCoreApplication::translate("Companion", "The CSV file cannot be read.");
    case CsvWrongEncoding:
        return QCoreApplication::translate("Companion",
                                           "The CSV file is not UTF-8 text; save it as CSV UTF-8.");
    case CsvBadHeader:
        return QCoreApplication::translate(
            "Companion", "The first line of the CSV file does not name the inventory's columns.");
    case CsvBadRow:
        return QCoreApplication::translate("Companion", "A row of the CSV file is wrong.");
    case CsvRejected:
        return QCoreApplication::translate("Companion", "Rows of the CSV file are wrong; nothing was added.");
    case NothingToPrint:
        return QCoreApplication::translate("Companion", "There is no record to print.");
    case OutputNotAFile:
        return QCoreApplication::translate("Companion",
                                           "The output is a device or a socket, not a file; name a file.");
    case TextNotUtf8:
        return QCoreApplication::translate(
            "Companion", "Stored text that is not UTF-8 was written with replacement characters.");
    case NoFontHasIt:
        return QCoreApplication::translate("Companion",
                                           "Characters that no installed font has cannot be printed.");
    case ImportNotOnServer:
        return QCoreApplication::translate(
            "Companion", "Records are imported into a file; copy the file to a server with copy-to-server.");
    case UnknownSheet:
        return QCoreApplication::translate(
            "Companion", "The label sheet is not known; run quillarbon-data --help for the sheets.");
    case LabelCodeFailed:
        return QCoreApplication::translate(
            "Companion", "A label's QR code could not be made; check that memory is free and try again.");
    default:
        return {};
    }
}

} // namespace datatool
