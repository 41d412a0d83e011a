#pragma once

#include "platform/base/runtimeerror.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <memory>

// The three registry calls of the system, in their 8-bit ("A") form, bound by name from a
// library the first time one of them is called. Values are byte buffers, sizes are in
// bytes and 0 means success, as the system's own calls have it.
namespace registry {

#if defined(_WIN32) && !defined(_WIN64)
#define QB_REGISTRY_API __stdcall
#else
#define QB_REGISTRY_API
#endif

using LONG = std::int32_t;
using DWORD = std::uint32_t;
using BYTE = unsigned char;
// A key handle: one of the predefined roots or one handed out by RegOpenKeyExA.
using HKEY = std::uintptr_t;

// The predefined root keys are 32-bit values; as handles they are sign-extended.
constexpr HKEY rootKey(std::uint32_t value)
{
    return static_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}

inline constexpr HKEY HKEY_LOCAL_MACHINE = rootKey(0x80000002u);

inline constexpr DWORD KEY_ALL_ACCESS = 0x2003F;
inline constexpr DWORD KEY_READ = 0x20019;
// Set value, create subkey, create link, delete, write access list, write owner.
inline constexpr DWORD KEY_WRITE_RIGHTS = 0xD0026;

inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;

using RegOpenKeyExA_t = LONG(QB_REGISTRY_API*)(HKEY key, const char* subKey, DWORD options, DWORD access,
                                               HKEY* result);
using RegQueryValueExA_t = LONG(QB_REGISTRY_API*)(HKEY key, const char* valueName, DWORD* reserved,
                                                  DWORD* type, BYTE* data, DWORD* size);
using RegCloseKey_t = LONG(QB_REGISTRY_API*)(HKEY key);

// Errors of the registry layer itself.
enum RegistryError : int
{
    ErrLibraryNotLoaded = 601,
    ErrEntryNotFound = 602,
};

class Error final : public base::RuntimeError
{
public:
    using base::RuntimeError::RuntimeError;
};

// Where the three calls come from: resolves a call by its name, or gives null.
class Library
{
public:
    virtual ~Library() = default;
    // The name shown when the library or one of its calls cannot be found.
    virtual QString name() const = 0;
    // False when the library itself could not be loaded.
    virtual bool isLoaded() const { return true; }
    virtual QFunctionPointer resolve(const char* function) = 0;
};

// Installs the library the calls are bound from; the calls bind again at their next use.
// Null restores the default: "advapi32" on Windows, the host's stand-in elsewhere.
// Returns the library that was installed, or null if none had been used yet.
std::unique_ptr<Library> setLibrary(std::unique_ptr<Library> library);

// The calls. Each binds at its first use and throws registry::Error when the library or
// the named call cannot be found.
LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, DWORD access, HKEY* result);
LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
LONG RegCloseKey(HKEY key);

} // namespace registry
