#pragma once

#include <QString>
#include <QTemporaryDir>

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

// What the commands that read every record once (export, print, labels, the storage check)
// read when --server names the inventory: a private copy of it in a temporary folder, made
// from one snapshot by the copy above and removed with this object. They then run
// unchanged on a file, so the server's records come out in the same order and the same
// bytes as the file's, and memory stays the same for a million records as for a hundred.
class ServerSnapshot final
{
public:
    explicit ServerSnapshot(const QString& conninfo);
    ServerSnapshot(const ServerSnapshot&) = delete;
    ServerSnapshot& operator=(const ServerSnapshot&) = delete;

    // The copy, an inventory file.
    const QString& path() const { return path_; }
    // The server's inventory as messages and printed pages name it (never its password).
    const QString& label() const { return label_; }

private:
    QTemporaryDir dir_;
    QString path_;
    QString label_;
};

} // namespace datatool
