#include "platform/registry/registry.h"

#include "platform/registry/libraries.h"

namespace registry {

namespace {

struct Binding
{
    std::unique_ptr<Library> library;
    RegOpenKeyExA_t open = nullptr;
    RegQueryValueExA_t query = nullptr;
    RegCloseKey_t close = nullptr;
};

Binding& binding()
{
    static Binding instance;
    return instance;
}

Library& library()
{
    Binding& b = binding();
    if (!b.library)
        b.library = defaultLibrary();
    return *b.library;
}

// Resolves one call by name the first time it is needed.
template <class F> F bound(F& slot, const char* function)
{
    if (slot)
        return slot;
    Library& lib = library();
    if (!lib.isLoaded())
        throw Error(ErrLibraryNotLoaded,
                    QStringLiteral("The system library \"%1\" could not be loaded, so the "
                                   "registry cannot be read on this computer.")
                        .arg(lib.name()));
    slot = reinterpret_cast<F>(lib.resolve(function));
    if (!slot)
        throw Error(ErrEntryNotFound,
                    QStringLiteral("The system library \"%1\" has no call %2, so the registry "
                                   "cannot be read on this computer.")
                        .arg(lib.name(), QString::fromLatin1(function)));
    return slot;
}

} // namespace

std::unique_ptr<Library> setLibrary(std::unique_ptr<Library> next)
{
    Binding& b = binding();
    b.open = nullptr;
    b.query = nullptr;
    b.close = nullptr;
    std::swap(b.library, next);
    return next;
}

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, DWORD access, HKEY* result)
{
    return bound(binding().open, "RegOpenKeyExA")(key, subKey, options, access, result);
}

LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size)
{
    return bound(binding().query, "RegQueryValueExA")(key, valueName, reserved, type, data, size);
}

LONG RegCloseKey(HKEY key)
{
    return bound(binding().close, "RegCloseKey")(key);
}

} // namespace registry
