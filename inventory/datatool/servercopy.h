#pragma once

#include <QString>

#include <cstdint>

// Moving a lab's inventory between its file and a server.
namespace datatool {

struct ServerCopy
{
    std::int64_t records = 0;
    QString serverFile; // the QBData.server written, empty when not asked
};

// copy-to-server: the records of the inventory file at path onto the empty database the
// connection string names, in one transaction, read back and compared before it commits.
// With use, then writes QBData.server beside the file so the windows open the server. A
// connection string holding a password is refused before anything is sent.
ServerCopy copyFileToServer(const QString& path, const QString& conninfo, bool use);

// copy-from-server: the records of the inventory on the server into a new inventory file
// at path, in id order, read from one snapshot. Refuses a path where a file exists; a
// failed copy leaves no file there. Returns the number of records copied.
std::int64_t copyServerToFile(const QString& conninfo, const QString& path);

} // namespace datatool
