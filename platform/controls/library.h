#pragma once

#include "platform/controls/server.h"

#include <QString>

// In-process loading of control libraries, for the run-time's own use.
namespace controls::detail {

struct LoadedLibrary
{
    QString path;
    CanUnloadNowFn canUnloadNow = nullptr;
    GetClassObjectFn getClassObject = nullptr;
    RegisterServerFn registerServer = nullptr;
    RegisterServerFn unregisterServer = nullptr;
};

// Loads the library once per process and keeps it loaded; throws LibraryMissing,
// LibraryNotLoadable or NotAControlLibrary.
const LoadedLibrary& loadLibrary(const QString& path);

} // namespace controls::detail
