#include "inventory/main_window/search_text.h"

#include <QLocale>

#include <algorithm>
#include <cstdint>
#include <cstring>

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
    : s_(s), t_(t), oneScan_(!s.isEmpty() && s.size() == t.size() && !s.at(0).isSurrogate() &&
                             !t.at(0).isSurrogate() && QStringView(s).mid(1) == QStringView(t).mid(1))
{}

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
    auto restFollows = [&](qsizetype i) {
        return std::equal(rest, rest + (n - 1), h + i + 1);
    };
    auto candidate = [&](qsizetype k) {
        return (h[k] == a || h[k] == b) && restFollows(k);
    };
    // Few places to look at: one by one.
    if (last < 8) {
        for (qsizetype k = 0; k <= last; ++k)
            if (candidate(k))
                return true;
        return false;
    }
    // Otherwise eight places a step look for either first character followed by the
    // second at once (a pair is much rarer than a letter); the last step ends at the last
    // place, overlapping the one before it.
    using Lanes = std::uint16_t __attribute__((vector_size(16)));
    const Lanes va = {a, a, a, a, a, a, a, a};
    const Lanes vb = {b, b, b, b, b, b, b, b};
    const char16_t second = n > 1 ? rest[0] : 0;
    const Lanes vs = {second, second, second, second, second, second, second, second};
    for (qsizetype i = 0;; i += 8) {
        if (i > last - 7)
            i = last - 7;
        Lanes v;
        std::memcpy(&v, h + i, sizeof v);
        Lanes hit = (v == va) | (v == vb);
        if (n > 1) {
            Lanes next;
            std::memcpy(&next, h + i + 1, sizeof next);
            hit &= (next == vs);
        }
        std::uint64_t any[2];
        std::memcpy(any, &hit, sizeof any);
        if ((any[0] | any[1]) != 0)
            for (qsizetype k = i; k < i + 8; ++k)
                if (candidate(k))
                    return true;
        if (i == last - 7)
            break;
    }
    return false;
}

} // namespace search
