#include "inventory/search/search_text.h"

#include "inventory/search/textarray.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// s and t, which differ in their first character only, as UTF-8 to look for in the
// engine's cells: the text after the first character, then what stands before it.
class Utf8Pattern final
{
public:
    Utf8Pattern(const QString& s, const QString& t)
    {
        const qsizetype first = s.at(0).isHighSurrogate() && s.size() > 1 ? 2 : 1;
        const qsizetype firstT = t.at(0).isHighSurrogate() && t.size() > 1 ? 2 : 1;
        heads_.push_back(s.left(first).toStdString());
        if (const std::string other = t.left(firstT).toStdString(); other != heads_.front())
            heads_.push_back(other);
        tail_ = s.mid(first).toStdString();
        // A short tail is common in texts ("2O" of "H2O"): then each form is looked for whole.
        if (tail_.size() < 3) {
            for (const std::string& head : heads_)
                needles_.push_back(head + tail_);
            tail_.clear();
        } else {
            needles_ = {tail_};
        }
    }

    bool matches(std::string_view hay) const
    {
        bool hit = false;
        scan(hay, [&](std::size_t, std::size_t) {
            hit = true;
            return hay.size();
        });
        return hit;
    }

    // Calls found(begin, end) for matches in the bytes, front to back; found returns where
    // to go on looking.
    template <class Found> void scan(std::string_view bytes, Found&& found) const
    {
        for (const std::string& needle : needles_) {
            std::size_t from = 0;
            while (from < bytes.size()) {
                const std::size_t off = findBytes(bytes, from, needle);
                if (off == std::string_view::npos)
                    break;
                std::size_t next = off + 1;
                if (tail_.empty()) {
                    next = found(off, off + needle.size());
                } else {
                    for (const std::string& head : heads_) {
                        if (off >= head.size() && bytes.compare(off - head.size(), head.size(), head) == 0) {
                            next = found(off - head.size(), off + needle.size());
                            break;
                        }
                    }
                }
                from = std::max(next, off + 1);
            }
        }
    }

private:
    std::vector<std::string> heads_;
    std::string tail_;
    std::vector<std::string> needles_;
};

// Texts are compared in Unicode normal form C, so a name stored with its accents apart
// ("i" and a combining acute) is found by the same text typed whole ("í"), and the other way
// round. Nearly every text is in that form already and is compared as it is.
std::string_view inNfc(std::string_view text, std::string& storage)
{
    if (records::isNfc(text))
        return text;
    storage = records::toNfc(text);
    return storage;
}

// The chunk's cells in normal form C, for the rare chunk that holds a text in another form.
records::TextColumn::Chunk nfcChunk(const records::TextColumn::Chunk& chunk)
{
    records::TextColumn::Chunk out;
    out.ends.reserve(chunk.size());
    out.bytes.reserve(chunk.bytes.size());
    for (std::size_t i = 0; i < chunk.size(); ++i) {
        if (!chunk.isNull(i))
            out.bytes += records::toNfc(chunk.text(i));
        out.ends.push_back((static_cast<std::uint32_t>(out.bytes.size()) << 1) | (chunk.isNull(i) ? 1u : 0u));
    }
    return out;
}

// Marks the cells of the column that hold the pattern. A chunk's cells lie end to end, so
// a chunk is searched in one go and a match is kept only when it lies within one cell.
void markColumn(const records::TextColumn& column, const Utf8Pattern& pattern,
                std::vector<std::uint8_t>& marks)
{
    const std::size_t count = marks.size();
    for (std::size_t k = 0; k < column.chunkCount() && column.chunkStart(k) < count; ++k) {
        records::TextColumn::Chunk normalized;
        if (!column.chunk(k).nfc)
            normalized = nfcChunk(column.chunk(k));
        const records::TextColumn::Chunk& chunk = column.chunk(k).nfc ? column.chunk(k) : normalized;
        const std::size_t start = column.chunkStart(k);
        std::size_t i = 0; // matches come front to back: the cell is found walking on
        pattern.scan(chunk.bytes, [&](std::size_t begin, std::size_t end) {
            if (begin < chunk.begin(i))
                i = 0;
            while (i < chunk.size() && chunk.end(i) <= begin)
                ++i;
            if (i >= chunk.size() || start + i >= count)
                return chunk.bytes.size();
            if (end <= chunk.end(i))
                marks[start + i] = 1;
            return chunk.end(i) > begin ? chunk.end(i) : begin + 1;
        });
    }
}

} // namespace

std::size_t findBytesPortable(std::string_view bytes, std::size_t from, std::string_view needle)
{
    if (from > bytes.size())
        return std::string_view::npos;
    if (needle.size() != 1)
        return bytes.find(needle, from);
    const void* at = std::memchr(bytes.data() + from, needle.front(), bytes.size() - from);
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - bytes.data())
              : std::string_view::npos;
}

std::size_t findBytes(std::string_view bytes, std::size_t from, std::string_view needle)
{
#if defined(__SSE2__)
    // The C library's memmem steps a few bytes at a time on short needles; this compares
    // the needle's first and last bytes at 16 places at once and checks only where both
    // match, which in names and formulas is seldom.
    const std::size_t k = needle.size();
    if (k >= 2 && from <= bytes.size()) {
        const __m128i first = _mm_set1_epi8(needle.front());
        const __m128i last = _mm_set1_epi8(needle.back());
        const char* h = bytes.data();
        std::size_t i = from;
        for (; i + k - 1 + 16 <= bytes.size(); i += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + i + k - 1));
            auto mask = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
            for (; mask != 0; mask &= mask - 1) {
                const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(mask));
                if (std::memcmp(h + at + 1, needle.data() + 1, k - 2) == 0)
                    return at;
            }
        }
        return findBytesPortable(bytes, i, needle); // the last places, fewer than 16
    }
#endif
    return findBytesPortable(bytes, from, needle);
}

std::vector<Hit> findHits(std::initializer_list<const TextArray*> arrays, std::size_t end, const QString& s,
                          const QString& t)
{
    std::vector<Hit> hits;
    if (s.isEmpty())
        return hits;
    const Utf8Pattern pattern(s.normalized(QString::NormalizationForm_C),
                              t.normalized(QString::NormalizationForm_C));
    std::string storage;
    auto matches = [&](std::string_view text) {
        return pattern.matches(inNfc(text, storage));
    };
    std::vector<std::vector<std::uint8_t>> marks;
    for (const TextArray* array : arrays) {
        const std::size_t count = std::min(end, array->size());
        std::vector<std::uint8_t>& m = marks.emplace_back(count, 0);
        const std::size_t shared = std::min(count, array->sharedCount());
        if (shared > 0) {
            std::vector<std::uint8_t> cells(array->shared().size(), 0);
            markColumn(array->shared(), pattern, cells);
            for (std::size_t i = 0; i < shared; ++i)
                m[i] = cells[array->sharedCell(i)];
        }
        // Elements of the array's own, and those after the shared ones, one by one.
        for (const std::size_t i : array->ownElements())
            if (i < shared)
                m[i] = matches(array->utf8(i)) ? 1 : 0;
        for (std::size_t i = shared; i < count; ++i)
            m[i] = matches(array->utf8(i)) ? 1 : 0;
    }
    for (std::size_t p = 0; p < end; ++p) {
        for (std::size_t a = 0; a < marks.size(); ++a) {
            if (p < marks[a].size() && marks[a][p]) {
                hits.push_back({static_cast<std::int32_t>(p), static_cast<int>(a)});
                break;
            }
        }
    }
    return hits;
}

std::function<QString(int)> hitTexts(std::initializer_list<TextArray> arrays, std::vector<Hit> hits)
{
    auto kept = std::make_shared<const std::vector<TextArray>>(arrays);
    auto places = std::make_shared<const std::vector<Hit>>(std::move(hits));
    return [kept, places](int row) {
        const Hit& hit = (*places)[static_cast<std::size_t>(row)];
        return (*kept)[static_cast<std::size_t>(hit.array)].at(static_cast<std::size_t>(hit.position));
    };
}

} // namespace search
