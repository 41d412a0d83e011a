#pragma once

#include "tests/support/error_number.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

namespace testsupport {

// Every file of a folder with a digest of its bytes, to show that nothing on disk changed.
inline QMap<QString, QByteArray> folderState(const QString& folder)
{
    QMap<QString, QByteArray> state;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile f(dir.filePath(name));
        QByteArray digest = "unreadable";
        if (f.open(QIODevice::ReadOnly))
            digest = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
        state.insert(name, digest);
    }
    return state;
}

} // namespace testsupport
