#pragma once

#include <QString>

namespace records {

// The type of a network file system (nfs, cifs, fuse.sshfs, ...) that holds path, as the
// mount table says; empty for a local one or when it cannot be told. SQLite's locking is
// unreliable on such file systems, so several desks sharing one file there can damage it.
// mountInfo is the mount table in /proc/<pid>/mountinfo's form.
QString networkFileSystem(const QString& path,
                          const QString& mountInfo = QStringLiteral("/proc/self/mountinfo"));

} // namespace records
