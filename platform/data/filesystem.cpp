#include "platform/data/filesystem.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace records {
namespace {

// A mount point as the table writes it: space, tab, newline and backslash as \ooo.
QByteArray unescaped(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && value < 256) {
                out.append(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return out;
}

bool isNetworkType(const QByteArray& type)
{
    static constexpr std::array<const char*, 16> kNetwork = {
        "nfs",  "nfs4",      "cifs",   "smb3",  "smbfs",      "ncpfs",          "9p",         "ceph", "afs",
        "coda", "glusterfs", "lustre", "davfs", "fuse.sshfs", "fuse.glusterfs", "fuse.rclone"};
    for (const char* known : kNetwork)
        if (type == known)
            return true;
    return false;
}

bool under(const QByteArray& path, const QByteArray& mountPoint)
{
    if (mountPoint == "/")
        return true;
    return path == mountPoint || (path.startsWith(mountPoint) && path.at(mountPoint.size()) == '/');
}

} // namespace

QString networkFileSystem(const QString& path, const QString& mountInfo)
{
    // The folder the file lies in, links followed: that is where the file and its journal are.
    const QFileInfo info(path);
    QString real = info.canonicalFilePath();
    if (real.isEmpty())
        real = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (real.isEmpty())
        return {};
    const QByteArray target = QFile::encodeName(real);

    QFile table(mountInfo);
    if (!table.open(QIODevice::ReadOnly))
        return {};
    // The longest mount point that holds the file; of equal ones the last, mounted on top.
    QByteArray best;
    QByteArray bestType;
    bool found = false;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 6 || dash + 1 >= fields.size())
            continue;
        const QByteArray mountPoint = unescaped(fields.at(4));
        if (!under(target, mountPoint) || (found && mountPoint.size() < best.size()))
            continue;
        best = mountPoint;
        bestType = fields.at(dash + 1);
        found = true;
    }
    return found && isNetworkType(bestType) ? QString::fromLatin1(bestType) : QString();
}

} // namespace records
