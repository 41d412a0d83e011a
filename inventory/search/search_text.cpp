#include "inventory/search/search_text.h"

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

namespace {

// Whether any of the eight places from h holds a or b, followed by second when checked.
bool anyCandidatePortable(const char16_t* h, char16_t a, char16_t b, char16_t second, bool checkSecond)
{
    for (int k = 0; k < 8; ++k)
        if ((h[k] == a || h[k] == b) && (!checkSecond || h[k + 1] == second))
            return true;
    return false;
}

#if defined(__GNUC__)
bool anyCandidateVector(const char16_t* h, char16_t a, char16_t b, char16_t second, bool checkSecond)
{
    using Lanes = std::uint16_t __attribute__((vector_size(16)));
    const Lanes va = {a, a, a, a, a, a, a, a};
    const Lanes vb = {b, b, b, b, b, b, b, b};
    Lanes v;
    std::memcpy(&v, h, sizeof v);
    Lanes hit = (v == va) | (v == vb);
    if (checkSecond) {
        const Lanes vs = {second, second, second, second, second, second, second, second};
        Lanes next;
        std::memcpy(&next, h + 1, sizeof next);
        hit &= (next == vs);
    }
    std::uint64_t any[2];
    std::memcpy(any, &hit, sizeof any);
    return (any[0] | any[1]) != 0;
}
constexpr bool kHaveVectors = true;
#else
bool anyCandidateVector(const char16_t* h, char16_t a, char16_t b, char16_t second, bool checkSecond)
{
    return anyCandidatePortable(h, a, b, second, checkSecond);
}
constexpr bool kHaveVectors = false;
#endif

} // namespace

Matcher::Matcher(const QString& s, const QString& t, Scan scan)
    : s_(s), t_(t), oneScan_(!s.isEmpty() && s.size() == t.size() && !s.at(0).isSurrogate() &&
                             !t.at(0).isSurrogate() && QStringView(s).mid(1) == QStringView(t).mid(1)),
      vector_(kHaveVectors && scan == Scan::Best)
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
    auto candidate = [&](qsizetype k) {
        return (h[k] == a || h[k] == b) && std::equal(rest, rest + (n - 1), h + k + 1);
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
    // place, overlapping the one before it. The second character of a place lies within
    // the text, as the match would need it there.
    const bool checkSecond = n > 1;
    const char16_t second = checkSecond ? rest[0] : 0;
    for (qsizetype i = 0;; i += 8) {
        if (i > last - 7)
            i = last - 7;
        const bool any = vector_ ? anyCandidateVector(h + i, a, b, second, checkSecond)
                                 : anyCandidatePortable(h + i, a, b, second, checkSecond);
        if (any)
            for (qsizetype k = i; k < i + 8; ++k)
                if (candidate(k))
                    return true;
        if (i == last - 7)
            break;
    }
    return false;
}

} // namespace search
