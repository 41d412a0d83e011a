#pragma once

#include <QString>

class QIODevice;

namespace safety {
struct StorageReport;
}

namespace datatool {

// The storage check as the companion prints it: per place with something to say, each
// pair of groups to keep apart with its chemicals, and the chemicals of unknown group,
// each with the reason for its group; then a summary. inventory names the file checked.
void writeStorageText(const safety::StorageReport& report, const QString& inventory, QIODevice& out);

// The same as CSV (UTF-8, CRLF between rows), one row per chemical named: place, what
// is wrong, the chemical's group, the group it must be kept apart from, its name, and the
// reason for its group. A group with more chemicals than the report names ends with a row
// counting the rest.
void writeStorageCsv(const safety::StorageReport& report, QIODevice& out);

} // namespace datatool
