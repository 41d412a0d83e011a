#include "platform/data/pgerrors.h"

#include <cstring>
#include <QCoreApplication>

namespace records {

QString serverErrorText(int number)
{
    switch (number) {
    case ServerUnreachable:
        return QCoreApplication::translate(
            "Data", "The inventory's server cannot be reached. Check that it runs and that this "
                    "computer reaches it over the network.");
    case ServerLoginRefused:
        return QCoreApplication::translate(
            "Data", "The server refused the login. Check the user name and the password in "
                    "~/.pgpass or the service file.");
    case ServerDatabaseMissing:
        return QCoreApplication::translate(
            "Data", "The server has no such database open to this user. Check the database name, "
                    "or ask the server's administrator.");
    case ServerNotAnInventory:
        return QCoreApplication::translate(
            "Data", "The server's database holds no inventory of this program, or one that lacks "
                    "a part. Copy an inventory there first.");
    case ServerPermissionDenied:
        return QCoreApplication::translate(
            "Data", "The server does not let this user do that. Ask the server's administrator "
                    "for the rights.");
    case ServerConnectionLost:
        return QCoreApplication::translate(
            "Data", "The connection to the server was lost. The next command connects again.");
    case ServerTooOld:
        return QCoreApplication::translate(
            "Data", "The server's version of PostgreSQL is too old for the inventory.");
    case ServerCannotHoldValue:
        return QCoreApplication::translate(
            "Data", "The server cannot hold a value: it holds text as UTF-8 without NUL "
                    "characters.");
    case ServerBadConnectionString:
        return QCoreApplication::translate(
            "Data", "The connection string cannot be used. Check how it is written, and the "
                    "service it names.");
    case ServerSecureConnectionFailed:
        return QCoreApplication::translate(
            "Data", "A secure connection to the server could not be made or its certificate "
                    "not verified.");
    case ServerBusy:
        return QCoreApplication::translate(
            "Data", "The server broke off the command because others were using the same records. "
                    "Nothing was changed; try again.");
    case ServerNewerFormat:
        return QCoreApplication::translate(
            "Data", "The inventory on the server was made by a newer version of the program.");
    case ServerOutOfResources:
        return QCoreApplication::translate("Data", "The server has run out of room, memory or connections.");
    case ServerHoldsInventory:
        return QCoreApplication::translate(
            "Data", "The server's database already holds an inventory; a copy goes only into an "
                    "empty one.");
    case ServerPasswordInFile:
        return QCoreApplication::translate(
            "Data", "A password was written into the connection string. Keep it in ~/.pgpass or "
                    "the service file instead.");
    case ServerClientMissing:
        return QCoreApplication::translate(
            "Data", "The PostgreSQL client library could not be loaded. Install it (the package libpq5) to "
                    "open an inventory on a server.");
    case ServerError:
        return QCoreApplication::translate("Data", "The server reported an error.");
    default:
        return {};
    }
}

int serverErrorNumber(const char* sqlstate)
{
    if (!sqlstate || std::strlen(sqlstate) != 5)
        return 0;
    auto is = [&](const char* code) {
        return std::strcmp(sqlstate, code) == 0;
    };
    auto inClass = [&](const char* cls) {
        return std::strncmp(sqlstate, cls, 2) == 0;
    };

    // Codes singled out inside their class first.
    if (is("57P01") || is("57P02") || is("57P03")) // administrator or crash shutdown, not now
        return ServerConnectionLost;
    if (is("57014") || is("55P03")) // cancelled by a timeout, a lock not had in time
        return ServerBusy;
    if (is("42501") || is("25006")) // insufficient privilege, a read-only transaction
        return ServerPermissionDenied;
    if (is("42P01") || is("42703") || is("42704") || is("42883") || is("3F000"))
        return ServerNotAnInventory; // a table, column, object, function or schema missing

    if (inClass("08"))
        return ServerConnectionLost;
    if (inClass("28"))
        return ServerLoginRefused;
    if (inClass("3D"))
        return ServerDatabaseMissing;
    if (inClass("22") || inClass("54")) // data exception; a value beyond a limit (an index row)
        return ServerCannotHoldValue;
    if (inClass("23"))
        return RuleViolated;
    if (inClass("40")) // serialization failure, deadlock
        return ServerBusy;
    if (inClass("53"))
        return ServerOutOfResources;
    return 0;
}

} // namespace records
