#pragma once

#include "inventory/legacy/errors.h"
#include "inventory/store/chemical_table.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

namespace records {
class Database;
}

// Bringing an inventory of the earlier version in: its file is "QBData.mdb" in the Access
// (Jet 3 or Jet 4) format. Nothing here shows a window.
namespace legacy {

// True when the file is an Access-format database (Jet or later), by its first bytes.
bool isAccessFile(const QString& path);

// How the chemical table of an old file maps onto ours. Columns are matched by name
// without regard to case.
struct ColumnPlan
{
    std::array<int, store::kColumnCount> source{}; // the old file's column, or -1: Null
    QStringList missing;                           // ours that the old file lacks
    QStringList leftOut;                           // the old file's that are not ours
};

struct Survey
{
    QString path;
    int jetVersion = 0;
    QString table; // as the old file spells it
    std::int64_t records = 0;
    std::int64_t fileSize = 0;
    ColumnPlan columns;
};

// Opens an old file read-only and checks that its records can be brought in: not
// protected, not encrypted, readable, with the chemical table. Throws LegacyError.
Survey surveyAccessFile(const QString& path);

enum class Phase
{
    Copying,
    Checking,
};
using Progress = std::function<void(Phase, std::int64_t done, std::int64_t total)>;

enum class ImportMode
{
    DryRun, // reads every record and reports; writes nothing
    Apply,  // adds every record in one transaction, or none
};

struct ImportReport
{
    Survey source;
    std::int64_t records = 0; // that would be added (DryRun) or added (Apply)
    std::int64_t skipped = 0; // that admit declined
};

// Whether a record of the old file is added, by its name (a null string for Null).
using Admit = std::function<bool(const QString& name)>;

// Adds the records of an old file to an open inventory of ours, all or nothing; with
// admit, only those it accepts.
ImportReport importAccess(records::Database& target, const QString& oldFile, ImportMode mode,
                          const Progress& progress = {}, const Admit& admit = {});

// The steps of a conversion, in order; a test can stop the conversion after any.
enum class Step
{
    Checked,    // the old file surveyed, the folder and the free space checked
    Written,    // the new inventory written to its temporary file
    Verified,   // the temporary file read back equal to the old file
    BackupMade, // the old file also under its backup name
    Replaced,   // the new inventory is "QBData.mdb"
};

struct ConversionOptions
{
    Progress progress;
    std::function<void(Step)> afterStep;
    // Free bytes in a folder; empty: as the file system tells.
    std::function<std::int64_t(const QString& folder)> freeBytes;
};

struct Conversion
{
    Survey source;
    std::int64_t records = 0;
    QString backupPath;
};

// Where the new inventory is written before it takes the old file's name.
QString temporaryPath(const QString& inventoryPath);
// The name the old file is kept under: "QBData (old Access format).mdb", numbered when a
// different file already has that name.
QString backupPath(const QString& inventoryPath);

// Checks, without writing, that a conversion can be made beside the old file: a folder
// that may be written and room for the new file. Throws LegacyError.
void checkRoom(const Survey& survey, const ConversionOptions& options = {});

// Converts the old file at path: writes the new inventory to a temporary file, reads
// it back against the old file, then keeps the old file under its backup name and gives
// the new one the inventory's name. Until that last rename the old file is the
// inventory; a failure leaves nothing of the new one behind.
Conversion convertInventory(const QString& path, const ConversionOptions& options = {});

// What the user is told once the conversion is done.
QString conversionNote(const Conversion& done);

} // namespace legacy
