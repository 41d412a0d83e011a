#pragma once

#include "platform/base/runtimeerror.h"

#include <QString>

namespace records {

// The engine's error numbers. Each has a general text (dataErrorText) and each raised
// error a specific one that names the file, table or column concerned.
enum DataErrc : int
{
    NoCurrentRecord = 301,
    RecordDeleted = 302,
    PositionOutOfRange = 303,
    NotOpen = 304,
    Cancelled = 305,

    FileNotFound = 310,
    FolderNotFound = 311,
    NotADatabase = 312,
    OldAccessFormat = 313,
    Damaged = 314,
    CannotRead = 315,
    ReadOnlyFile = 316,
    Locked = 317,
    DiskError = 318,
    NewerFormat = 319,

    TableNotFound = 320,
    ColumnNotFound = 321,
    UnsupportedSource = 322,
    UnsupportedConnect = 323,

    ReadOnlyRecordset = 330,
    RuleViolated = 331,
    RecordChanged = 332,
    DatabaseError = 339,

    OnNetworkShare = 340,
};

// The general text of an error number; an empty text for a number that is not ours.
QString dataErrorText(int number);

class DataError final : public base::RuntimeError
{
public:
    DataError(int number, const QString& text) : base::RuntimeError(number, text) {}
    explicit DataError(int number) : base::RuntimeError(number, dataErrorText(number)) {}
};

} // namespace records
