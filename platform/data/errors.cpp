#include "platform/data/errors.h"

#include <QCoreApplication>

namespace records {

QString dataErrorText(int number)
{
    switch (number) {
    case NoCurrentRecord:
        return QCoreApplication::translate("Data", "No current record.");
    case RecordDeleted:
        return QCoreApplication::translate(
            "Data", "Record is deleted: another window or program removed it. Refresh to see the "
                    "records as they are now.");
    case PositionOutOfRange:
        return QCoreApplication::translate("Data", "There is no record at that position.");
    case NotOpen:
        return QCoreApplication::translate("Data", "The record set is not open.");
    case Cancelled:
        return QCoreApplication::translate("Data", "The action was cancelled.");
    case FileNotFound:
        return QCoreApplication::translate("Data", "The database file cannot be found.");
    case FolderNotFound:
        return QCoreApplication::translate("Data", "The folder of the database file does not exist.");
    case NotADatabase:
        return QCoreApplication::translate("Data", "The file is not a database of this program.");
    case OldAccessFormat:
        return QCoreApplication::translate(
            "Data", "The file is an Access (Jet) database of an earlier version of the program.");
    case Damaged:
        return QCoreApplication::translate("Data", "The database file is damaged.");
    case CannotRead:
        return QCoreApplication::translate("Data", "The database file cannot be read.");
    case ReadOnlyFile:
        return QCoreApplication::translate("Data", "The database file or its folder is read-only.");
    case Locked:
        return QCoreApplication::translate("Data", "The database file is locked by another program.");
    case DiskError:
        return QCoreApplication::translate("Data", "The disk could not be read or written.");
    case NewerFormat:
        return QCoreApplication::translate("Data",
                                           "The database file was made by a newer version of the program.");
    case OnNetworkShare:
        return QCoreApplication::translate(
            "Data", "The database file lies on a network share, where programs on several desks "
                    "can damage it.");
    case TableNotFound:
        return QCoreApplication::translate("Data", "The database has no such table.");
    case ColumnNotFound:
        return QCoreApplication::translate("Data", "Item not found in this collection.");
    case UnsupportedSource:
        return QCoreApplication::translate(
            "Data", "The record source is not a table name or SELECT * FROM table [ORDER BY column].");
    case UnsupportedConnect:
        return QCoreApplication::translate(
            "Data", "The connect string names a database format this program cannot open.");
    case ReadOnlyRecordset:
        return QCoreApplication::translate("Data", "The record set is read-only.");
    case RuleViolated:
        return QCoreApplication::translate("Data", "The change breaks a rule of the table.");
    case RecordChanged:
        return QCoreApplication::translate(
            "Data", "Another window or program changed the record since it was shown; nothing was "
                    "saved. Refresh to see the record as it is now.");
    case DatabaseError:
        return QCoreApplication::translate("Data", "The database reported an error.");
    default:
        return {};
    }
}

} // namespace records
