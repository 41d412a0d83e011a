#pragma once

#include <QString>

#include <vector>

// The search compares exactly, case distinguished, but also tries the text with its
// first character's case swapped, so "benzene" finds "Benzene" at the start of a name.
namespace search {

// The twin of a search text: its first character in the other case (by the locale's
// rules); the same text when that character has no case.
QString twin(const QString& text);

// Whether hay contains s or t, compared code unit by code unit.
class Matcher final
{
public:
    // How a long text is scanned: eight places a step with the compiler's vector types
    // where it has them, or the plain loop that every compiler builds.
    enum class Scan
    {
        Best,
        Portable,
    };

    Matcher(const QString& s, const QString& t, Scan scan = Scan::Best);
    bool matches(const QString& hay) const;

private:
    QString s_;
    QString t_;
    bool oneScan_; // s and t differ only in their first code unit
    bool vector_;
};

} // namespace search
