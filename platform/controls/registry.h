#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QUuid>

#include <optional>

namespace controls {

struct ProjectHeader;

// One registered class, as a container finds it by class id.
struct ClassRegistration
{
    QUuid clsid;
    QString name;
    QString progId;  // empty for a class that is no control
    QString library; // absolute path of the library that serves it, as read
    QUuid typeLibrary;
    QString typeLibraryVersion;
    QUuid interfaceId;
    QUuid eventInterfaceId;
    bool control = false;
    quint32 miscStatus = 0;
    int toolboxBitmap = 0;
    QList<QUuid> propertyPages;
};

struct TypeLibraryRegistration
{
    QUuid libid;
    QString name;
    QString version;
    QString description;
    QString library;
    QList<QPair<QString, QString>> versionInfo;
};

// Where registrations live: one JSON file, by default "controls.reg" beside the running
// executable, which the build writes when it registers the libraries beside the program.
// A library in the file's folder (or below) is named relative to it, so the program's
// folder keeps working when it is copied or installed elsewhere; any other library is
// named by its absolute path. Reads hand out absolute paths either way.
class ControlRegistry
{
public:
    static QString file();
    // Another file, as a test or a tool uses; an empty path restores the default.
    static void setFile(const QString& path);

    static std::optional<ClassRegistration> findClass(const QUuid& clsid);
    static std::optional<TypeLibraryRegistration> findTypeLibrary(const QUuid& libid);
    // The interface's name, or an empty text when it is not registered.
    static QString interfaceName(const QUuid& iid);
    // Matched without regard to case; throws ProgIdNotRegistered.
    static QUuid classIdFromProgId(const QString& progId);
    // Throws ClassNotRegistered.
    static ClassRegistration classFor(const QUuid& clsid);

    // The entries of one library's table: written by its registration, and exactly
    // these removed by its unregistration. Throw RegistrationUnreadable / NotWritten.
    static void add(const ProjectHeader& header, const QString& libraryPath);
    static void remove(const ProjectHeader& header);
};

inline QUuid classIdFromProgId(const QString& progId)
{
    return ControlRegistry::classIdFromProgId(progId);
}

// Loads the library and calls its DllRegisterServer or DllUnregisterServer; throws
// LibraryMissing, LibraryNotLoadable, NotAControlLibrary or RegistrationRefused.
void registerLibrary(const QString& path);
void unregisterLibrary(const QString& path);

} // namespace controls
