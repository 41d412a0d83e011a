#pragma once

#include "inventory/store/record_stream.h"

#include <QString>

#include <memory>

namespace records {
class Database;
} // namespace records

// The companion's access to an inventory file: opened and checked as the program opens
// it; the store reads and adds its records.
namespace datatool {

// QBData.mdb in the program's folder.
QString defaultInventoryPath();

// Opens the inventory at path as the program does: the engine refuses a missing, foreign,
// locked or damaged file with its own numbered error, and the table must have the
// program's columns in their order.
std::unique_ptr<records::Database> openInventory(const QString& path, bool readOnly);

// The store's ordered reading and its stop, under the names the companion's code uses.
using store::placeMatches;
using store::Record;
using store::RecordStream;
using store::requestStop;
using store::TextOrder;
using store::throwIfStopped;

} // namespace datatool
