#include "inventory/search/search_text.h"

#include "inventory/search/textarray.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QB_SEARCH_AVX2 1
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

constexpr std::size_t npos = std::string_view::npos;

// Finds the first of two byte strings of one length, the search text and its twin, which
// differ in their first character only. The bytes at the first and the last place of both
// are compared at 16 places at once where the processor can, and the whole text only where
// those agree, which in names and formulas is seldom. The C library's memmem steps a few
// bytes at a time on short texts, and would look for each of the two apart.
class EitherFinder final
{
    static constexpr std::size_t kShortText = 64;

public:
    EitherFinder(std::string_view a, std::string_view b) : a_(a), b_(b.size() == a.size() ? b : a) {}

    std::size_t size() const { return a_.size(); }

    std::size_t find(const char* h, std::size_t n, std::size_t from) const
    {
        if (a_.empty())
            return from <= n ? from : npos;
        // A short text, one cell's: the C library's search for each form costs less than
        // setting up the comparison of many places.
        if (from <= n && n - from < kShortText) {
            const std::string_view hay(h, n);
            return std::min(hay.find(a_, from), b_ == a_ ? npos : hay.find(b_, from));
        }
        std::size_t found = npos;
        eachMatch(h, n, from, [&](std::size_t at) {
            found = at;
            return n;
        });
        return found;
    }

    // Calls visit(at) at each place at or after from where either text begins, front to
    // back; visit returns where to go on looking, past at, or n to stop.
    template <class Visit> void eachMatch(const char* h, std::size_t n, std::size_t from, Visit&& visit) const
    {
        eachTurn<false>(h, n, from, nullptr, [&](std::size_t i, std::size_t turn, std::uint64_t mask) {
            return visitCandidates(h, n, i, turn, mask, visit);
        });
    }

    // Calls visit(at) at every place where either text begins, front to back, also within
    // an earlier place's text. Where matches are many, a visit that says where to go on costs
    // more, in the guesses of where that is and the wait for it, than the places it skips.
    // The places whose bit is set in skip, unless it is null, are left out (see eachTurn).
    template <class Visit>
    void eachPlace(const char* h, std::size_t n, const std::uint64_t* skip, Visit&& visit) const
    {
        const auto onTurn = [&](std::size_t i, std::size_t turn, std::uint64_t mask) {
            for (; mask != 0; mask &= mask - 1) {
                const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(mask));
                if (holdsAt(h + at))
                    visit(at);
            }
            return i + turn;
        };
        if (skip)
            eachTurn<true>(h, n, 0, skip, onTurn);
        else
            eachTurn<false>(h, n, 0, skip, onTurn);
    }

private:
    // Calls onTurn(i, turn, mask) for the turns of places [i, i + turn) from from on where a
    // place may hold either text, mask's bit j for place i + j, front to back; onTurn returns
    // where the next turn begins, or n to stop. Places whose bit is set in skip (one a byte,
    // and a word more than the bytes need), unless it is null, are no candidates: a turn with
    // none left costs no more than one without any.
    template <bool kSkip, class OnTurn>
    void eachTurn(const char* h, std::size_t n, std::size_t from, const std::uint64_t* skip,
                  const OnTurn& onTurn) const
    {
        const std::size_t k = a_.size();
        if (k == 0 || from > n || k > n - from)
            return;
        std::size_t i = from;
#if defined(QB_SEARCH_AVX2)
        if (hasAvx2())
            i = eachTurnAvx2<kSkip>(h, n, i, skip, onTurn);
#endif
#if defined(__SSE2__)
        if (i < n)
            i = eachTurnSse2<kSkip>(h, n, i, skip, onTurn);
#endif
        // The last places, or every place without the processor's help: turns of one place.
        while (i + k <= n)
            i = (h[i] == a_.front() || h[i] == b_.front()) && !(kSkip && (bitsAt(skip, i) & 1))
                    ? onTurn(i, 1, 1)
                    : i + 1;
    }

    // Visits the candidates of one turn of places [i, i + turn), mask's bits, that hold either
    // text. A visit that goes on past the turn moves the next turn there. Returns where the
    // next turn begins, or n when visit said to stop.
    template <class Visit>
    __attribute__((always_inline)) std::size_t visitCandidates(const char* h, std::size_t n, std::size_t i,
                                                               std::size_t turn, std::uint64_t mask,
                                                               Visit& visit) const
    {
        while (mask != 0) {
            const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(mask));
            mask &= mask - 1;
            if (!holdsAt(h + at))
                continue;
            const std::size_t p = visit(at);
            if (p >= n)
                return n;
            if (p >= i + turn)
                return p;
            mask &= ~((std::uint64_t(1) << (p - i)) - 1);
        }
        return i + turn;
    }

#if defined(__SSE2__)
    // The candidates among 16 places: the first byte of either form there, and the last byte
    // of either form where it would end.
    static unsigned candidates(const char* p, std::size_t lastAt, __m128i first1, __m128i first2,
                               __m128i last1, __m128i last2)
    {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + lastAt));
        const __m128i c = _mm_and_si128(_mm_or_si128(_mm_cmpeq_epi8(x, first1), _mm_cmpeq_epi8(x, first2)),
                                        _mm_or_si128(_mm_cmpeq_epi8(y, last1), _mm_cmpeq_epi8(y, last2)));
        return static_cast<unsigned>(_mm_movemask_epi8(c));
    }

    // 32 places a turn; a turn without a candidate, the most common, costs a few instructions.
    // Returns where it stopped: n when onTurn said so, else the first of the last places, fewer
    // than a turn.
    template <bool kSkip, class OnTurn>
    std::size_t eachTurnSse2(const char* h, std::size_t n, std::size_t i, const std::uint64_t* skip,
                             const OnTurn& onTurn) const
    {
        constexpr std::size_t kTurn = 32;
        const __m128i first1 = _mm_set1_epi8(a_.front()), first2 = _mm_set1_epi8(b_.front());
        const __m128i last1 = _mm_set1_epi8(a_.back()), last2 = _mm_set1_epi8(b_.back());
        const std::size_t lastAt = a_.size() - 1;
        while (i + lastAt + kTurn <= n) {
            std::uint64_t mask =
                candidates(h + i, lastAt, first1, first2, last1, last2) |
                (std::uint64_t(candidates(h + i + 16, lastAt, first1, first2, last1, last2)) << 16);
            if constexpr (kSkip)
                mask &= ~bitsAt(skip, i);
            i = mask == 0 ? i + kTurn : onTurn(i, kTurn, mask);
        }
        return i;
    }
#endif

#if defined(QB_SEARCH_AVX2)
    static bool hasAvx2()
    {
        static const bool has = __builtin_cpu_supports("avx2");
        return has;
    }

    __attribute__((target("avx2"))) static std::uint64_t candidates32(const char* p, std::size_t lastAt,
                                                                      __m256i first1, __m256i first2,
                                                                      __m256i last1, __m256i last2)
    {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + lastAt));
        const __m256i c =
            _mm256_and_si256(_mm256_or_si256(_mm256_cmpeq_epi8(x, first1), _mm256_cmpeq_epi8(x, first2)),
                             _mm256_or_si256(_mm256_cmpeq_epi8(y, last1), _mm256_cmpeq_epi8(y, last2)));
        return static_cast<std::uint32_t>(_mm256_movemask_epi8(c));
    }

    // The same as eachTurnSse2 at 64 places a turn, on processors that compare 32 at once:
    // half the instructions for the turns without a candidate, where the time goes.
    template <bool kSkip, class OnTurn>
    __attribute__((target("avx2"))) std::size_t eachTurnAvx2(const char* h, std::size_t n, std::size_t i,
                                                             const std::uint64_t* skip,
                                                             const OnTurn& onTurn) const
    {
        constexpr std::size_t kTurn = 64;
        const __m256i first1 = _mm256_set1_epi8(a_.front()), first2 = _mm256_set1_epi8(b_.front());
        const __m256i last1 = _mm256_set1_epi8(a_.back()), last2 = _mm256_set1_epi8(b_.back());
        const std::size_t lastAt = a_.size() - 1;
        while (i + lastAt + kTurn <= n) {
            std::uint64_t mask = candidates32(h + i, lastAt, first1, first2, last1, last2) |
                                 (candidates32(h + i + 32, lastAt, first1, first2, last1, last2) << 32);
            if constexpr (kSkip)
                mask &= ~bitsAt(skip, i);
            i = mask == 0 ? i + kTurn : onTurn(i, kTurn, mask);
        }
        return i;
    }
#endif

    // The 64 bits from bit i on.
    static std::uint64_t bitsAt(const std::uint64_t* bits, std::size_t i)
    {
        const std::size_t w = i / 64, shift = i % 64;
        return shift == 0 ? bits[w] : bits[w] >> shift | bits[w + 1] << (64 - shift);
    }

    static bool same(const char* p, const char* text, std::size_t from, std::size_t to)
    {
        for (std::size_t j = from; j < to; ++j)
            if (p[j] != text[j])
                return false;
        return true;
    }
    // Where the first byte is one of the two: the bytes after the first character are the
    // same in both forms and compared once, the first character's against each form only
    // when it is longer than that byte. Which form a place holds is thus no branch to guess.
    bool holdsAt(const char* p) const
    {
        if (!same(p, a_.data(), head_, a_.size()))
            return false;
        return head_ == 1 || same(p, a_.data(), 0, head_) || same(p, b_.data(), 0, head_);
    }

    // The bytes up to the last where the two forms differ, at least one.
    static std::size_t headOf(std::string_view a, std::string_view b)
    {
        std::size_t head = 1;
        for (std::size_t j = 0; j < a.size(); ++j)
            if (a[j] != b[j])
                head = j + 1;
        return head;
    }

    std::string_view a_;
    std::string_view b_;
    std::size_t head_ = headOf(a_, b_);
};

// s and t, which differ in their first character only, as UTF-8 to look for in the
// engine's cells. They are looked for together, unless the first character changes its
// length with its case (a rare letter or two), and then one after the other.
class Utf8Pattern final
{
public:
    Utf8Pattern(const QString& s, const QString& t) : s_(s.toStdString()), t_(t.toStdString())
    {
        if (s_.size() == t_.size()) {
            finders_.emplace_back(s_, t_);
        } else {
            finders_.emplace_back(s_, s_);
            finders_.emplace_back(t_, t_);
        }
    }

    bool matches(std::string_view hay) const
    {
        for (const EitherFinder& f : finders_)
            if (f.find(hay.data(), hay.size(), 0) != npos)
                return true;
        return false;
    }

    // Calls found(begin, end) for matches in the bytes, front to back (for each form in turn
    // when they are looked for apart); found returns where to go on looking, but may be shown
    // places before that. A text of one or two bytes is found several times in most names,
    // and those places are skipped; a longer one seldom twice, and every place is shown but
    // those whose bits skip sets (for a longer text only; see EitherFinder::eachTurn).
    template <class Found> void scan(std::string_view bytes, const std::uint64_t* skip, Found&& found) const
    {
        for (const EitherFinder& f : finders_) {
            if (f.size() > kShort)
                f.eachPlace(bytes.data(), bytes.size(), skip,
                            [&](std::size_t at) { found(at, at + f.size()); });
            else
                f.eachMatch(bytes.data(), bytes.size(), 0,
                            [&](std::size_t at) { return std::max(found(at, at + f.size()), at + 1); });
        }
    }

    // A text of one or two bytes, that most names hold somewhere.
    bool isShort() const
    {
        return std::any_of(finders_.begin(), finders_.end(),
                           [](const EitherFinder& f) { return f.size() <= kShort; });
    }

private:
    static constexpr std::size_t kShort = 2;

    std::string s_;
    std::string t_;
    std::vector<EitherFinder> finders_;
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

// One bit per cell or position.
class Bits final
{
public:
    explicit Bits(std::size_t size) : words_((size + 63) / 64, 0) {}
    void set(std::size_t i) { words_[i / 64] |= std::uint64_t(1) << (i % 64); }
    bool test(std::size_t i) const { return (words_[i / 64] >> (i % 64)) & 1; }
    const std::uint64_t* words() const { return words_.data(); }
    std::uint64_t* words() { return words_.data(); }
    void merge(const Bits& other)
    {
        for (std::size_t w = 0; w < std::min(words_.size(), other.words_.size()); ++w)
            words_[w] |= other.words_[w];
    }
    void remove(const Bits& other)
    {
        for (std::size_t w = 0; w < std::min(words_.size(), other.words_.size()); ++w)
            words_[w] &= ~other.words_[w];
    }
    // The same size with every bit the other way (also those past the end, never tested).
    Bits inverted() const
    {
        Bits out = *this;
        for (std::uint64_t& w : out.words_)
            w = ~w;
        return out;
    }
    std::size_t count() const
    {
        std::size_t n = 0;
        for (const std::uint64_t w : words_)
            n += static_cast<std::size_t>(std::popcount(w));
        return n;
    }
    // Calls f(i) for each i in [from, to) whose bit is not set, in order.
    template <class F> void eachUnset(std::size_t from, std::size_t to, F&& f) const
    {
        for (std::size_t base = from; base < to; base += 64) {
            const std::size_t w = base / 64, shift = base % 64;
            std::uint64_t bits = words_[w] >> shift;
            if (shift != 0 && w + 1 < words_.size())
                bits |= words_[w + 1] << (64 - shift);
            bits = ~bits;
            if (to - base < 64)
                bits &= (std::uint64_t(1) << (to - base)) - 1;
            for (; bits != 0; bits &= bits - 1)
                f(base + static_cast<std::size_t>(std::countr_zero(bits)));
        }
    }
    // How many in [from, to) are set, and not in other.
    std::size_t countInUnlike(const Bits& other, std::size_t from, std::size_t to) const
    {
        std::size_t n = 0;
        for (std::size_t i = from; i < to;) {
            if (i % 64 == 0 && i + 64 <= to) {
                n += static_cast<std::size_t>(std::popcount(words_[i / 64] & ~other.words_[i / 64]));
                i += 64;
            } else {
                n += test(i) && !other.test(i) ? 1 : 0;
                ++i;
            }
        }
        return n;
    }
    // How many are set in [from, to).
    std::size_t countIn(std::size_t from, std::size_t to) const
    {
        std::size_t n = 0;
        for (std::size_t i = from; i < to;) {
            if (i % 64 == 0 && i + 64 <= to) {
                n += static_cast<std::size_t>(std::popcount(words_[i / 64]));
                i += 64;
            } else {
                n += test(i) ? 1 : 0;
                ++i;
            }
        }
        return n;
    }

private:
    std::vector<std::uint64_t> words_;
};

// A chunk is read through whole when at least this share of its cells is wanted.
constexpr std::size_t kWholeChunkShare = 8;
// The places of the hits are found without a branch per place where at least one in this
// many is a hit.
constexpr std::size_t kManyHits = 8;
// A chunk's found cells may be left out of its search where at least one in this many is;
// a match in one costs about this many times what leaving its bytes out does.
constexpr std::size_t kSkipShare = 8;
constexpr std::size_t kMatchCost = 4;
// A column of more text than this is searched in two halves, on two cores, and so are more
// places than the other.
constexpr std::size_t kTwoHalvesBytes = std::size_t(4) << 20;
constexpr std::size_t kTwoHalvesPlaces = 256 * 1024;
// Fewer places than a fourth left open: a later column is looked at in their cells only.
constexpr std::size_t kFewLeft = 4;
// The arrays one search looks through at most in one pass over the columns.
constexpr std::size_t kMostArrays = 8;

// The first cell from i on whose text ends past byte at, by the ends of a chunk's cells (twice
// the end plus the Null bit); count when there is none. One cell at a time, for matches in nearly
// every cell: the next is mostly the one after.
std::uint32_t cellAfterOneByOne(const std::uint32_t* ends, std::uint32_t count, std::uint32_t i,
                                std::size_t at)
{
    while (i < count && ends[i] >> 1 <= at)
        ++i;
    return i;
}

// The same where matches lie a few cells apart: four ends are compared at once, so the walk's
// length is no branch to guess.
std::uint32_t cellAfter(const std::uint32_t* ends, std::uint32_t count, std::uint32_t i, std::size_t at)
{
    // ends[j] holds twice the end plus the Null bit: past at when above twice at plus one.
    const auto key = static_cast<std::uint32_t>(at * 2 + 1);
#if defined(__SSE2__)
    // The processor compares signed numbers: both sides are moved by half the range.
    const __m128i flip = _mm_set1_epi32(static_cast<int>(0x80000000u));
    const __m128i limit = _mm_xor_si128(_mm_set1_epi32(static_cast<int>(key)), flip);
    for (; i + 4 <= count; i += 4) {
        const __m128i e = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(ends + i)), flip);
        const auto past = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(e, limit))));
        if (past != 0)
            return i + static_cast<std::uint32_t>(std::countr_zero(past));
    }
#endif
    return cellAfterOneByOne(ends, count, i, at);
}

// Sets bits [from, to).
void setRange(std::uint64_t* bits, std::size_t from, std::size_t to)
{
    if (from >= to)
        return;
    const std::size_t first = from / 64, last = (to - 1) / 64;
    const std::uint64_t head = ~std::uint64_t(0) << (from % 64);
    const std::uint64_t tail = ~std::uint64_t(0) >> (63 - (to - 1) % 64);
    if (first == last) {
        bits[first] |= head & tail;
        return;
    }
    bits[first] |= head;
    for (std::size_t w = first + 1; w < last; ++w)
        bits[w] = ~std::uint64_t(0);
    bits[last] |= tail;
}

// Marks the wanted cells of chunks [from, to) of the column that hold the pattern (every cell
// when wanted is null). A chunk's cells lie end to end, so a chunk where most cells are
// wanted is searched in one go, a match kept only when it lies within one cell; in a chunk
// where few are, each wanted cell is looked at alone; a chunk where none is, not at all.
void markChunks(const records::TextColumn& column, std::size_t from, std::size_t to,
                const Utf8Pattern& pattern, const Bits* wanted, Bits& marks)
{
    constexpr std::size_t kAhead = 8;
    std::string storage;
    std::vector<std::uint32_t> picks;
    std::vector<std::uint64_t> skipBits;
    // Whether the cells found already are left out of the search of a chunk's bytes. A name
    // and its English name mostly hold the same words: once a chunk showed that the matches
    // in found cells cost more than leaving their bytes out, the rest are searched so.
    bool leaveFoundOut = false;
    for (std::size_t k = from; k < to; ++k) {
        const records::TextColumn::Chunk& stored = column.chunk(k);
        const std::size_t start = column.chunkStart(k);
        const std::size_t cells = stored.size();
        const std::size_t want = wanted ? wanted->countIn(start, start + cells) : cells;
        if (want == 0)
            continue;
        if (want * kWholeChunkShare < cells) {
            // The wanted cells lie apart, each a wait for memory of its own: each is asked
            // for a few cells ahead, so that the waits overlap.
            picks.clear();
            for (std::size_t i = 0; i < cells; ++i)
                if (wanted->test(start + i) && !stored.isNull(i))
                    picks.push_back(static_cast<std::uint32_t>(i));
            for (std::size_t j = 0; j < picks.size(); ++j) {
                if (j + kAhead < picks.size())
                    __builtin_prefetch(stored.bytes.data() + stored.begin(picks[j + kAhead]));
                const std::size_t i = picks[j];
                if (pattern.matches(stored.nfc ? stored.text(i) : inNfc(stored.text(i), storage)))
                    marks.set(start + i);
            }
            continue;
        }
        records::TextColumn::Chunk normalized;
        if (!stored.nfc)
            normalized = nfcChunk(stored);
        const records::TextColumn::Chunk& chunk = stored.nfc ? stored : normalized;
        // Matches come front to back: the cell is found walking on. What the walk reads is
        // copied in: a mark's store could otherwise stand for any of it. A match is kept when
        // it ends within its cell, and the search goes on past the cell; marking a cell again
        // changes nothing.
        const std::uint32_t* ends = chunk.ends.data();
        const auto count = static_cast<std::uint32_t>(cells);
        const std::size_t size = chunk.bytes.size();
        std::uint64_t* words = marks.words();
        std::uint32_t i = 0;
        const bool fourAtOnce = !pattern.isShort();
        const std::size_t found = cells - want;
        const std::uint64_t* skip = nullptr;
        if (leaveFoundOut && fourAtOnce && found * kSkipShare >= cells) {
            skipBits.assign(chunk.bytes.size() / 64 + 2, 0);
            wanted->eachUnset(start, start + cells, [&](std::size_t at) {
                setRange(skipBits.data(), chunk.begin(at - start), chunk.end(at - start));
            });
            skip = skipBits.data();
        }
        pattern.scan(chunk.bytes, skip,
                     [ends, count, size, words, start, fourAtOnce, &i](std::size_t begin, std::size_t end) {
                         if (i > 0 && begin < ends[i - 1] >> 1)
                             i = 0;
                         i = fourAtOnce ? cellAfter(ends, count, i, begin)
                                        : cellAfterOneByOne(ends, count, i, begin);
                         if (i >= count)
                             return size;
                         const std::size_t cellEnd = ends[i] >> 1;
                         const bool within = end <= cellEnd;
                         const std::size_t at = start + i;
                         words[at / 64] |= std::uint64_t(within) << (at % 64);
                         return within ? cellEnd : begin + 1;
                     });
        // The found cells that hold the text too, while those are searched.
        if (wanted && fourAtOnce && !skip &&
            marks.countInUnlike(*wanted, start, start + cells) * kMatchCost >= found)
            leaveFoundOut = true;
    }
}

// Runs work(from, to, second) over [0, n): in two halves at once when n is large and there
// are cores for it, second telling the halves apart.
template <class Work> void inHalves(std::size_t n, Work&& work)
{
    if (n < kTwoHalvesPlaces || std::thread::hardware_concurrency() < 2) {
        work(0, n, false);
        return;
    }
    std::thread second([&] { work(n / 2, n, true); });
    work(0, n / 2, false);
    second.join();
}

// The same over the whole column; a large one in two halves at once, when there are cores
// for it: the scan runs at the speed of memory, and each core has its own way there.
void markColumn(const records::TextColumn& column, const Utf8Pattern& pattern, const Bits* wanted,
                Bits& marks)
{
    const std::size_t chunks = column.chunkCount();
    std::size_t bytes = 0;
    for (std::size_t k = 0; k < chunks; ++k)
        bytes += column.chunk(k).bytes.size();
    if (bytes < kTwoHalvesBytes || std::thread::hardware_concurrency() < 2) {
        markChunks(column, 0, chunks, pattern, wanted, marks);
        return;
    }
    std::size_t half = 0;
    for (std::size_t seen = 0; half < chunks && seen < bytes / 2; ++half)
        seen += column.chunk(half).bytes.size();
    Bits secondMarks(column.size());
    std::thread second([&] { markChunks(column, half, chunks, pattern, wanted, secondMarks); });
    markChunks(column, 0, half, pattern, wanted, marks);
    second.join();
    marks.merge(secondMarks);
}

} // namespace

std::size_t findEitherPortable(std::string_view bytes, std::size_t from, std::string_view a,
                               std::string_view b)
{
    if (from > bytes.size())
        return npos;
    return std::min(bytes.find(a, from), b.size() == a.size() ? bytes.find(b, from) : npos);
}

std::size_t findEither(std::string_view bytes, std::size_t from, std::string_view a, std::string_view b)
{
    return EitherFinder(a, b).find(bytes.data(), bytes.size(), from);
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

    // The arrays of a window share their columns in one order, the cursor's, and hold no texts
    // of their own: then the columns are searched in their own order, cell by cell, and the
    // places are found once at the end, in two halves at once.
    const records::CellOrder* order = nullptr;
    bool oneOrder = true;
    std::size_t sharedAll = end;
    for (const TextArray* array : arrays) {
        sharedAll = std::min(sharedAll, array->sharedCount());
        oneOrder = oneOrder && array->ownElements().empty();
        if (array->sharedCount() > 0) {
            oneOrder = oneOrder && (!order || order->get() == array->sharedOrder().get());
            order = &array->sharedOrder();
        }
    }
    if (order && oneOrder && arrays.size() <= kMostArrays) {
        std::size_t cells = 0;
        for (const TextArray* array : arrays)
            cells = std::max(cells, array->sharedCount() > 0 ? array->shared().size() : 0);
        // Per array the cells where it is the first to hold the text, and all of them.
        std::vector<Bits> firstIn;
        Bits taken(cells);
        std::size_t open = cells;
        for (const TextArray* array : arrays) {
            Bits& mine = firstIn.emplace_back(cells);
            if (array->sharedCount() == 0 || open == 0)
                continue;
            const records::TextColumn& column = array->shared();
            // Where many cells are found, those may be left out; where few are left, only
            // those are looked at.
            std::unique_ptr<Bits> wanted;
            if (open * kFewLeft < cells || (cells - open) * kSkipShare >= cells)
                wanted = std::make_unique<Bits>(taken.inverted());
            markColumn(column, pattern, wanted.get(), mine);
            mine.remove(taken);
            taken.merge(mine);
            open = cells - taken.count();
        }
        // The places, in order: the cell of each, in two halves at once. Room is made for every
        // cell found, which no half exceeds, and one more: where hits are many, each place is
        // written, and kept by counting it, so whether a place is a hit (a third of them for a
        // common text) is no branch to guess. The hits' arrays follow, where a later array
        // holds any first. What the loops read is held in locals: a store of a hit could
        // otherwise stand for any of it, and it would be read again at every place.
        const std::size_t found = taken.count();
        const bool many = found * kManyHits >= sharedAll;
        std::vector<Hit> secondHalf;
        hits.reserve(found + 1);
        const std::uint32_t* cellOf = *order ? (*order)->data() : nullptr;
        const std::uint64_t* takenWords = taken.words();
        inHalves(sharedAll, [&, cellOf, takenWords, many](std::size_t from, std::size_t to, bool second) {
            std::vector<Hit>& mine = second ? secondHalf : hits;
            std::size_t room = std::min(found, to - from);
            mine.resize(room + 1);
            Hit* out = mine.data();
            std::size_t k = 0;
            for (std::size_t p = from; p < to; ++p) {
                const std::size_t c = cellOf ? cellOf[p] : p;
                if (c >= cells)
                    continue;
                const std::uint64_t hit = (takenWords[c / 64] >> (c % 64)) & 1;
                if (!many && hit == 0)
                    continue;
                out[k] = {static_cast<std::int32_t>(p), 0};
                k += hit;
                if (k > room) { // an order that gives a cell to two places
                    room = k + (to - p);
                    mine.resize(room + 1);
                    out = mine.data();
                }
            }
            mine.resize(k);
        });
        hits.insert(hits.end(), secondHalf.begin(), secondHalf.end());
        if (found != firstIn.front().count()) {
            const std::uint64_t* firstWords = firstIn.front().words();
            for (Hit& hit : hits) {
                const auto c = cellOf ? cellOf[hit.position] : static_cast<std::size_t>(hit.position);
                if ((firstWords[c / 64] >> (c % 64)) & 1)
                    continue;
                int a = 1;
                while (!firstIn[static_cast<std::size_t>(a)].test(c))
                    ++a;
                hit.array = a;
            }
        }
        // Places that an array's column does not reach: each array in turn, as a plain loop.
        for (std::size_t p = sharedAll; p < end; ++p) {
            int a = 0;
            for (const TextArray* array : arrays) {
                if (p < array->size() && matches(array->utf8(p))) {
                    hits.push_back({static_cast<std::int32_t>(p), a});
                    break;
                }
                ++a;
            }
        }
        return hits;
    }
    // Per position: 0 while no array holds the text there, else 1 + the first array that does.
    // A later array is looked at only where the earlier ones found nothing.
    std::vector<std::uint8_t> firstArray(end, 0);
    {
        std::size_t left = end;
        int a = 0;
        for (const TextArray* array : arrays) {
            const auto mark = static_cast<std::uint8_t>(++a);
            if (left == 0)
                break;
            const std::size_t count = std::min(end, array->size());
            const std::size_t shared = std::min(count, array->sharedCount());
            if (shared > 0) {
                const records::TextColumn& column = array->shared();
                std::unique_ptr<Bits> wanted;
                if (left * kFewLeft < end) {
                    wanted = std::make_unique<Bits>(column.size());
                    for (std::size_t i = 0; i < shared; ++i)
                        if (firstArray[i] == 0)
                            wanted->set(array->sharedCell(i));
                }
                Bits marks(column.size());
                markColumn(column, pattern, wanted.get(), marks);
                for (std::size_t i = 0; i < shared; ++i)
                    if (firstArray[i] == 0 && marks.test(array->sharedCell(i)))
                        firstArray[i] = mark;
            }
            // Elements of the array's own, and those after the shared ones, one by one.
            for (const std::size_t i : array->ownElements())
                if (i < shared && (firstArray[i] == 0 || firstArray[i] == mark))
                    firstArray[i] = matches(array->utf8(i)) ? mark : 0;
            for (std::size_t i = shared; i < count; ++i)
                if (firstArray[i] == 0 && matches(array->utf8(i)))
                    firstArray[i] = mark;
            left = static_cast<std::size_t>(std::count(firstArray.begin(), firstArray.end(), 0));
        }
    }
    hits.reserve(end - static_cast<std::size_t>(std::count(firstArray.begin(), firstArray.end(), 0)));
    for (std::size_t p = 0; p < end; ++p)
        if (firstArray[p] != 0)
            hits.push_back({static_cast<std::int32_t>(p), firstArray[p] - 1});
    return hits;
}

std::function<QString(int)> hitTexts(std::vector<TextArray> arrays, std::vector<Hit> hits)
{
    auto kept = std::make_shared<const std::vector<TextArray>>(std::move(arrays));
    auto places = std::make_shared<const std::vector<Hit>>(std::move(hits));
    return [kept, places](int row) {
        const Hit& hit = (*places)[static_cast<std::size_t>(row)];
        return (*kept)[static_cast<std::size_t>(hit.array)].at(static_cast<std::size_t>(hit.position));
    };
}

} // namespace search
