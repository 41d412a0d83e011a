#pragma once

#include "platform/forms/errors.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

namespace testsupport {

// The number of the error that f throws, 0 when it throws none.
template <class F> int errorNumber(F&& f, QString* text = nullptr)
{
    try {
        f();
    } catch (const forms::RuntimeError& e) {
        if (text)
            *text = e.text();
        return e.number();
    }
    return 0;
}

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
