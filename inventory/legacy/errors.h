#pragma once

#include "platform/base/runtimeerror.h"

#include <QString>

namespace legacy {

// The numbers of what can stop bringing an old Access-format inventory in. Each raised
// error has a text that names the file and says what the user can do.
enum LegacyErrc : int
{
    NoInventoryTable = 801,   // a Jet file without the chemical table
    PasswordProtected = 802,  // a database password is set
    Encrypted = 803,          // the file is encoded with a database key
    DamagedOldFile = 804,     // pages or rows that cannot be read
    FolderNotWritable = 805,  // the new file cannot be made beside the old one
    NotEnoughSpace = 806,     // checked before anything is written
    LaterAccessVersion = 807, // Access 2007 or later: not Jet 3 or Jet 4
    CannotReadOldFile = 808,  // missing, a folder, or no permission to read
    CheckFailed = 809,        // the new file did not read back as written
    CannotReplace = 810,      // the old file could not be moved to its backup name
    UnsupportedColumn = 811,  // a chemical column holds binary data
    NotAnInventory = 812,     // the target of an import is not an inventory of ours
    NotAccessFormat = 813,    // the file given is not an Access-format file
    NoNameColumn = 814,       // the chemical table has no NOME column to read
};

class LegacyError final : public base::RuntimeError
{
public:
    LegacyError(int number, const QString& text) : base::RuntimeError(number, text) {}
};

} // namespace legacy
