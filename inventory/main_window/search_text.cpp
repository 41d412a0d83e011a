#include "inventory/main_window/search_text.h"

#include <QLocale>

namespace search {

QString twin(const QString& text)
{
    if (text.isEmpty())
        return text;
    const qsizetype firstSize = text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
    const QString first = text.left(firstSize);
    const QLocale locale;
    const QString upper = locale.toUpper(first);
    const QString swapped = first == upper ? locale.toLower(first) : upper;
    return swapped + text.mid(firstSize);
}

Matcher::Matcher(const QString& s, const QString& t)
    : s_(s), t_(t),
      oneScan_(!s.isEmpty() && s.size() == t.size() && !s.at(0).isSurrogate() && !t.at(0).isSurrogate() &&
               QStringView(s).mid(1) == QStringView(t).mid(1))
{
}

bool Matcher::matches(const QString& hay) const
{
    if (!oneScan_)
        return hay.contains(s_) || (t_ != s_ && hay.contains(t_));
    // One pass: a place where either first character stands and the rest follows.
    const qsizetype n = s_.size();
    const qsizetype last = hay.size() - n;
    if (last < 0)
        return false;
    const char16_t a = s_.at(0).unicode();
    const char16_t b = t_.at(0).unicode();
    const char16_t* h = reinterpret_cast<const char16_t*>(hay.constData());
    const char16_t* rest = reinterpret_cast<const char16_t*>(s_.constData()) + 1;
    for (qsizetype i = 0; i <= last; ++i) {
        const char16_t c = h[i];
        if (c != a && c != b)
            continue;
        qsizetype j = 0;
        while (j < n - 1 && h[i + 1 + j] == rest[j])
            ++j;
        if (j == n - 1)
            return true;
    }
    return false;
}

} // namespace search
