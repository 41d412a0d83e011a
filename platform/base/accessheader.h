#pragma once

#include <QByteArrayView>

namespace base {

// Whether a file's first bytes are those of an Access-format database (Jet, or the later
// ACE): the engine refuses such a file by name, and the converter reads it.
inline bool isAccessHeader(QByteArrayView head)
{
    const QByteArrayView mark = head.size() >= 19 ? head.sliced(4, 15) : QByteArrayView();
    return mark == "Standard Jet DB" || mark == "Standard ACE DB";
}

} // namespace base
