#include "platform/data/sortkeys.h"

#include "platform/data/errors.h"

#include <unicode/ucol.h>
#include <unicode/uset.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

namespace records {

namespace {

UCollator* openCollator()
{
    UErrorCode status = U_ZERO_ERROR;
    // Portuguese is the laboratory's language; its order is the common one.
    UCollator* collator = ucol_open("pt_BR", &status);
    if (U_FAILURE(status))
        throw DataError(DatabaseError, QStringLiteral("The text order cannot be prepared (%1).")
                                           .arg(QString::fromLatin1(u_errorName(status))));
    // Case and accents do not separate names; the exact text breaks their ties later.
    ucol_setStrength(collator, UCOL_PRIMARY);
    return collator;
}

std::string collatorKey(UCollator* collator, std::u16string_view text)
{
    std::string key(64, '\0');
    for (;;) {
        const int32_t needed = ucol_getSortKey(
            collator, reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size()),
            reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
        if (needed <= static_cast<int32_t>(key.size())) {
            // The key ends in a NUL that memcmp need not see.
            key.resize(needed > 0 ? static_cast<std::size_t>(needed - 1) : 0);
            return key;
        }
        key.resize(static_cast<std::size_t>(needed));
    }
}

// Most names are written in the Latin letters below U+0250. The collator's key of such a
// text is the keys of its characters one after the other, as the collator makes each
// alone, so those keys are looked up instead of asking the collator for every name (about
// ten times the cost). Below U+0250 every character is a starter: nothing is normalized or
// reordered, and the weights are the characters' weights in turn. Only two things join
// neighbours. A run weighed as one unit (a contraction, "·" after "l"): the last character
// of every such run is left out. A weight whose first byte is left out when it repeats the
// one before, in the few scripts the collator compresses ("µ"), and whose run ends in a
// closing byte: a character after which "a" does not begin afresh is left out. A text
// holding a character left out goes to the collator.
class LatinKeys final
{
public:
    static constexpr char16_t kEnd = 0x250;

    LatinKeys()
    {
        UCollator* collator = openCollator();
        std::array<std::string, kEnd> alone;
        for (char16_t c = 0; c < kEnd; ++c)
            alone[c] = collatorKey(collator, std::u16string_view(&c, 1));
        usable_.fill(true);
        if (!markUnits(collator))
            usable_.fill(false); // unknown units: every text goes to the collator
        for (char16_t c = 0; c < kEnd; ++c) {
            const std::u16string ca{c, u'a'};
            if (!usable_[c] || alone[c].size() > sizeof(std::uint64_t) ||
                collatorKey(collator, ca) != alone[c] + alone[u'a']) {
                usable_[c] = false;
                continue;
            }
            std::memcpy(&keys_[c], alone[c].data(), alone[c].size());
            sizes_[c] = static_cast<std::uint8_t>(alone[c].size());
            longest_ = std::max(longest_, alone[c].size());
        }
        ucol_close(collator);
    }

    // Appends the key of the text to the arena, or returns false (the arena unchanged)
    // when the text holds anything but usable characters in valid UTF-8.
    bool append(std::string& arena, std::string_view utf8) const
    {
        const std::size_t before = arena.size();
        // Room for the longest key of every byte and one whole word more, as each key is
        // written as a word; what is not used is given back at the end.
        arena.resize(before + utf8.size() * longest_ + sizeof(std::uint64_t));
        char* out = arena.data() + before;
        const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
        const auto* const end = p + utf8.size();
        while (p < end) {
            char16_t c = *p++;
            if (c >= 0x80) {
                // Two bytes up to U+024F: a lead byte of C2 to C9 and one continuation byte.
                if (c < 0xC2 || c > 0xC9 || p == end || (*p & 0xC0) != 0x80) {
                    arena.resize(before);
                    return false;
                }
                c = static_cast<char16_t>(((c & 0x1F) << 6) | (*p++ & 0x3F));
            }
            if (c >= kEnd || !usable_[c]) {
                arena.resize(before);
                return false;
            }
            std::memcpy(out, &keys_[c], sizeof(std::uint64_t));
            out += sizes_[c];
        }
        arena.resize(static_cast<std::size_t>(out - arena.data()));
        return true;
    }

private:
    // Leaves out the last character of every run of characters the collator weighs as one.
    bool markUnits(const UCollator* collator)
    {
        UErrorCode status = U_ZERO_ERROR;
        USet* units = uset_openEmpty();
        ucol_getContractionsAndExpansions(collator, units, nullptr, true, &status);
        std::vector<UChar> text(64);
        for (int32_t i = 0; U_SUCCESS(status) && i < uset_getItemCount(units); ++i) {
            UChar32 from = 0, to = 0;
            int32_t length =
                uset_getItem(units, i, &from, &to, text.data(), static_cast<int32_t>(text.size()), &status);
            if (status == U_BUFFER_OVERFLOW_ERROR) {
                text.resize(static_cast<std::size_t>(length));
                status = U_ZERO_ERROR;
                length = uset_getItem(units, i, &from, &to, text.data(), length, &status);
            }
            if (U_FAILURE(status) || length <= 0)
                continue;
            // A unit holding a character from beyond the table sends its texts to the
            // collator anyway (the boundaries of an alphabetic index end in "4", "L").
            const auto last = text.begin() + length;
            if (std::all_of(text.begin(), last, [](UChar c) { return c < kEnd; }))
                usable_[*(last - 1)] = false;
        }
        uset_close(units);
        return U_SUCCESS(status);
    }

    std::array<bool, kEnd> usable_{};
    std::array<std::uint64_t, kEnd> keys_{}; // each usable character's key, padded with zeros
    std::array<std::uint8_t, kEnd> sizes_{};
    std::size_t longest_ = 0; // the longest key of a usable character
};

const LatinKeys& latinKeys()
{
    static const LatinKeys keys;
    return keys;
}

} // namespace

struct SortKeys::Impl
{
    UCollator* collator = nullptr;
    const LatinKeys* latin = nullptr;
    std::vector<UChar> text;
    std::vector<uint8_t> key;
};

SortKeys::SortKeys() : d(std::make_unique<Impl>())
{
    d->collator = openCollator();
    d->latin = &latinKeys();
    d->text.resize(256);
    d->key.resize(512);
}

SortKeys::~SortKeys()
{
    ucol_close(d->collator);
}

std::size_t SortKeys::append(std::string& arena, const char* utf8, int size)
{
    const std::size_t before = arena.size();
    if (size >= 0 && d->latin->append(arena, std::string_view(utf8, static_cast<std::size_t>(size))))
        return arena.size() - before;

    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8Lenient(d->text.data(), static_cast<int32_t>(d->text.size()), &length, utf8, size, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR || length > static_cast<int32_t>(d->text.size())) {
        d->text.resize(static_cast<std::size_t>(length) + 1);
        status = U_ZERO_ERROR;
        u_strFromUTF8Lenient(d->text.data(), static_cast<int32_t>(d->text.size()), &length, utf8, size,
                             &status);
    }
    if (U_FAILURE(status))
        length = 0;

    int32_t needed = ucol_getSortKey(d->collator, d->text.data(), length, d->key.data(),
                                     static_cast<int32_t>(d->key.size()));
    if (needed > static_cast<int32_t>(d->key.size())) {
        d->key.resize(static_cast<std::size_t>(needed));
        needed = ucol_getSortKey(d->collator, d->text.data(), length, d->key.data(), needed);
    }
    // The key ends in a NUL that memcmp need not see.
    const std::size_t keyLength = needed > 0 ? static_cast<std::size_t>(needed - 1) : 0;
    arena.append(reinterpret_cast<const char*>(d->key.data()), keyLength);
    return keyLength;
}

} // namespace records
