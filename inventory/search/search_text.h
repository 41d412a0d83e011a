#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

// The search compares exactly, case distinguished, but also tries the text with its
// first character's case swapped, so "benzene" finds "Benzene" at the start of a name.
// It runs over the windows' arrays, which share their texts with the engine as UTF-8.
namespace search {

// The twin of a search text: its first character in the other case (by the locale's
// rules); the same text when that character has no case.
QString twin(const QString& text);

class TextArray;

// The first place at or after from where bytes hold a or b, two texts of one length (or a
// alone when b's length differs); npos when there is none. findEither compares many places
// at once where the processor can; findEitherPortable is the plain search, kept beside it so
// that the tests run both.
std::size_t findEither(std::string_view bytes, std::size_t from, std::string_view a, std::string_view b);
std::size_t findEitherPortable(std::string_view bytes, std::size_t from, std::string_view a,
                               std::string_view b);

// A place where the search found its text: a record position and the first of the arrays,
// in the order given, whose element there holds s or t.
struct Hit
{
    std::int32_t position;
    int array;
    bool operator==(const Hit&) const = default;
};

// The hits among positions [0, end) of the arrays, in ascending position; an array shorter
// than end has no hits beyond its end. Texts are compared byte for byte in UTF-8, which
// gives the hits that comparing code unit by code unit gives.
std::vector<Hit> findHits(std::initializer_list<const TextArray*> arrays, std::size_t end, const QString& s,
                          const QString& t);

// The text of each hit, the element of its array, made when asked for. It keeps copies of
// the arrays as they are now, which share their texts with them.
std::function<QString(int)> hitTexts(std::vector<TextArray> arrays, std::vector<Hit> hits);

} // namespace search
