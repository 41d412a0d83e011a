#pragma once

#include "platform/data/errors.h"

#include <QString>

namespace records {

// The numbers of what can go wrong with an inventory on a server. The record-level
// outcomes (a record changed or deleted by someone else, a rule of the table broken) keep
// the engine's own numbers (RecordChanged, RecordDeleted, RuleViolated), so a window
// treats them alike whatever holds the inventory.
enum ServerErrc : int
{
    ServerUnreachable = 901,            // no answer: host, port, network, server down or starting
    ServerLoginRefused = 902,           // the server answered and refused the user or the password
    ServerDatabaseMissing = 903,        // the login is good, the database is not there or not open to it
    ServerNotAnInventory = 904,         // a table, column, the change stamp or the state is missing
    ServerPermissionDenied = 905,       // the role may not do this (a role that may only read)
    ServerConnectionLost = 906,         // the connection broke during a command
    ServerTooOld = 907,                 // a server older than the features the inventory needs
    ServerCannotHoldValue = 908,        // a NUL byte, invalid UTF-8, a name too long for the index
    ServerBadConnectionString = 909,    // the connection string or its service cannot be used
    ServerSecureConnectionFailed = 910, // TLS was asked for and could not be made or verified
    ServerBusy = 911,                   // a lock held too long, a deadlock, a statement cancelled
    ServerNewerFormat = 912,            // the inventory was made by a newer version of the program
    ServerOutOfResources = 913,         // the server's disk, memory or connection slots are used up
    ServerHoldsInventory = 914,         // a copy's target already holds an inventory, or part of one
    ServerPasswordInFile = 915,         // a password written where others can read it
    ServerClientMissing = 916,          // libpq, the PostgreSQL client library, cannot be loaded
    ServerError = 949,                  // anything else the server reports
};

// The general text of a server error number; empty for a number that is not one.
QString serverErrorText(int number);

// The number for a SQLSTATE the server sent, by its class (and for a few classes by the
// code): 0 when the state names no error of ours to single out.
int serverErrorNumber(const char* sqlstate);

} // namespace records
