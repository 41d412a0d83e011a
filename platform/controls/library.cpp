#include "platform/controls/library.h"

#include "platform/controls/errors.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include <map>
#include <memory>

namespace controls::detail {

namespace {

struct Held
{
    std::unique_ptr<QLibrary> library;
    LoadedLibrary entries;
};

// Libraries stay loaded: their code runs under widgets the host may keep to the end.
std::map<QString, Held>& loaded()
{
    static std::map<QString, Held> libraries;
    return libraries;
}

} // namespace

const LoadedLibrary& loadLibrary(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw ControlError(LibraryMissing,
                           QCoreApplication::translate("controls",
                                                       "The control library %1 is missing. Build the program "
                                                       "again, or register the library where it lies now.")
                               .arg(quoted(path)));
    const QString canonical = info.canonicalFilePath();
    auto found = loaded().find(canonical);
    if (found != loaded().end())
        return found->second.entries;

    auto library = std::make_unique<QLibrary>(canonical);
    if (!library->load())
        throw ControlError(LibraryNotLoadable,
                           QCoreApplication::translate("controls",
                                                       "The control library %1 could not be loaded: %2. "
                                                       "Build the program again.")
                               .arg(quoted(path), library->errorString()));
    LoadedLibrary entries;
    entries.path = canonical;
    entries.canUnloadNow = reinterpret_cast<CanUnloadNowFn>(library->resolve("DllCanUnloadNow"));
    entries.getClassObject = reinterpret_cast<GetClassObjectFn>(library->resolve("DllGetClassObject"));
    entries.registerServer = reinterpret_cast<RegisterServerFn>(library->resolve("DllRegisterServer"));
    entries.unregisterServer = reinterpret_cast<RegisterServerFn>(library->resolve("DllUnregisterServer"));
    if (!entries.canUnloadNow || !entries.getClassObject || !entries.registerServer ||
        !entries.unregisterServer) {
        // Leave a library that is no control library as it was found.
        library->unload();
        throw ControlError(NotAControlLibrary,
                           QCoreApplication::translate(
                               "controls", "%1 is not a control library: it lacks the entry points "
                                           "DllCanUnloadNow, DllGetClassObject, DllRegisterServer and "
                                           "DllUnregisterServer.")
                               .arg(quoted(path)));
    }
    auto [it, inserted] = loaded().emplace(canonical, Held{std::move(library), entries});
    (void)inserted;
    return it->second.entries;
}

} // namespace controls::detail
