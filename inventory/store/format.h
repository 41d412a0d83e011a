#pragma once

#include "platform/data/database.h"

#include <QString>

#include <cstdint>
#include <memory>

// The inventory's file format: what the engine asks of every file the program opens or
// makes as an inventory. A new column or a new format version changes this room: the
// version and its step here, the schema beside it (schema.sql), the columns in
// chemical_table.
namespace store {

// An inventory carries this application id and its format version in the header, so any
// SQLite tool can tell what it is. Version 2 keeps the file's state (the largest row id
// ever deleted, the lab's web address) in the table QB_STATE; files from before carry no
// id and keep that row id in the header's user version, and their first write brings them
// to version 2.
inline constexpr std::int32_t kApplicationId = 0x51424152; // "QBAR"
inline constexpr int kFormatVersion = 2;

// Refuses a file of a newer format at opening; brings an older one up to date, and marks
// it as ours, in the first write that changes it. Another program's file keeps its header.
const records::FileFormat& format();

// How every reader of an inventory file opens it: in the inventory's format.
records::OpenOptions openOptions(bool readOnly = false);
// Opens the inventory file at path in its format (the options' format is set here).
std::unique_ptr<records::Database> openInventory(const QString& path, records::OpenOptions options = {});
// Makes a new inventory at path from the empty schema and then the statements given, in
// the current format; refuses to overwrite a file.
void createInventory(const QString& path, const QString& rows);

} // namespace store
