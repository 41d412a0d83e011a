// The registration file of the control run-time, as a host looks a control up in it:
// any bytes in the file.
#include "platform/controls/errors.h"
#include "platform/controls/registry.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("controls.reg"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    controls::ControlRegistry::setFile(path);
    try {
        // As the main window creates its link: by name, then by class id, then its parts.
        const QUuid clsid = controls::classIdFromProgId(QStringLiteral("Zorbel.link"));
        const controls::ClassRegistration c = controls::ControlRegistry::classFor(clsid);
        controls::ControlRegistry::interfaceName(c.interfaceId);
        controls::ControlRegistry::interfaceName(c.eventInterfaceId);
        controls::ControlRegistry::findTypeLibrary(c.typeLibrary);
        for (const QUuid& page : c.propertyPages)
            controls::ControlRegistry::findClass(page);
    } catch (const controls::ControlError&) {
    }
    try {
        controls::ControlRegistry::findClass(QUuid::fromString(u"{05212b15-d49b-4e58-9b64-bd71dba2d04e}"));
    } catch (const controls::ControlError&) {
    }
    return 0;
}
