#include "platform/data/sortkeys.h"

#include "platform/data/errors.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <vector>

namespace records {

struct SortKeys::Impl
{
    UCollator* collator = nullptr;
    std::vector<UChar> text;
    std::vector<uint8_t> key;
};

SortKeys::SortKeys() : d(std::make_unique<Impl>())
{
    UErrorCode status = U_ZERO_ERROR;
    // Portuguese is the laboratory's language; its order is the common one.
    d->collator = ucol_open("pt_BR", &status);
    if (U_FAILURE(status))
        throw DataError(DatabaseError, QStringLiteral("The text order cannot be prepared (%1).")
                                           .arg(QString::fromLatin1(u_errorName(status))));
    // Case and accents do not separate names; the exact text breaks their ties later.
    ucol_setStrength(d->collator, UCOL_PRIMARY);
    d->text.resize(256);
    d->key.resize(512);
}

SortKeys::~SortKeys()
{
    ucol_close(d->collator);
}

std::size_t SortKeys::append(std::string& arena, const char* utf8, int size)
{
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
