#include "platform/data/errors.h"

namespace records {

QString dataErrorText(int number)
{
    switch (number) {
    case NoCurrentRecord:
        return QStringLiteral("No current record.");
    case RecordDeleted:
        return QStringLiteral("Record is deleted: another window or program removed it. Refresh to see the "
                              "records as they are now.");
    case PositionOutOfRange:
        return QStringLiteral("There is no record at that position.");
    case NotOpen:
        return QStringLiteral("The record set is not open.");
    case Cancelled:
        return QStringLiteral("The action was cancelled.");
    case FileNotFound:
        return QStringLiteral("The database file cannot be found.");
    case FolderNotFound:
        return QStringLiteral("The folder of the database file does not exist.");
    case NotADatabase:
        return QStringLiteral("The file is not a database of this program.");
    case OldAccessFormat:
        return QStringLiteral("The file is an Access (Jet) database of an earlier version of the program.");
    case Damaged:
        return QStringLiteral("The database file is damaged.");
    case CannotRead:
        return QStringLiteral("The database file cannot be read.");
    case ReadOnlyFile:
        return QStringLiteral("The database file or its folder is read-only.");
    case Locked:
        return QStringLiteral("The database file is locked by another program.");
    case DiskError:
        return QStringLiteral("The disk could not be read or written.");
    case NewerFormat:
        return QStringLiteral("The database file was made by a newer version of the program.");
    case OnNetworkShare:
        return QStringLiteral("The database file lies on a network share, where programs on several desks "
                              "can damage it.");
    case TableNotFound:
        return QStringLiteral("The database has no such table.");
    case ColumnNotFound:
        return QStringLiteral("Item not found in this collection.");
    case UnsupportedSource:
        return QStringLiteral(
            "The record source is not a table name or SELECT * FROM table [ORDER BY column].");
    case UnsupportedConnect:
        return QStringLiteral("The connect string names a database format this program cannot open.");
    case ReadOnlyRecordset:
        return QStringLiteral("The record set is read-only.");
    case RuleViolated:
        return QStringLiteral("The change breaks a rule of the table.");
    case RecordChanged:
        return QStringLiteral("Another window or program changed the record since it was shown; nothing was "
                              "saved. Refresh to see the record as it is now.");
    case DatabaseError:
        return QStringLiteral("The database reported an error.");
    default:
        return {};
    }
}

} // namespace records
