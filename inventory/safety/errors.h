#pragma once

#include "platform/base/runtimeerror.h"

#include <QString>

namespace safety {

// The numbers of the storage check's own errors.
enum StorageErrc : int
{
    SchemeDamaged = 730,  // the storage groups built into the program cannot be read
    NothingToCheck = 731, // no record is in a place the check was asked for
};

// The general text of one of the numbers above; empty for any other number.
QString storageErrorText(int number);

class StorageError final : public base::RuntimeError
{
public:
    StorageError(int number, const QString& text) : base::RuntimeError(number, text) {}
};

} // namespace safety
