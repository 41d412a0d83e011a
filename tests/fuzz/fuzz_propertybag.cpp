// The property bag a host reads from a window's design file: any bytes. A bag that reads
// must save and read back the same.
#include "platform/controls/errors.h"
#include "platform/controls/propertybag.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    controls::PropertyBag bag;
    try {
        bag = controls::PropertyBag::fromJson(json, QStringLiteral("fuzz"));
    } catch (const controls::ControlError&) {
        return 0;
    }
    for (const QString& name : bag.names())
        bag.ReadProperty(name.toUpper());
    if (!(controls::PropertyBag::fromJson(bag.toJson()) == bag))
        std::abort();
    return 0;
}
