#include "platform/controls/errors.h"

namespace controls {

QString quoted(const QString& text)
{
    constexpr qsizetype kMax = 200;
    QString shown = text.size() > kMax ? text.left(kMax) + QChar(0x2026) : text;
    // One line: a text with line breaks would make the message hard to read.
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

} // namespace controls
