#include "platform/controls/registry.h"

#include "platform/controls/errors.h"
#include "platform/controls/library.h"
#include "platform/controls/server.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace controls {

namespace {

QString& fileOverride()
{
    static QString path;
    return path;
}

const QString kClasses = QStringLiteral("classes");
const QString kProgIds = QStringLiteral("progIds");
const QString kTypeLibraries = QStringLiteral("typeLibraries");
const QString kInterfaces = QStringLiteral("interfaces");

QString key(const QUuid& id)
{
    return id.toString(QUuid::WithBraces);
}

QJsonObject readFile()
{
    const QString path = ControlRegistry::file();
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw ControlError(
            RegistrationUnreadable,
            QCoreApplication::translate(
                "controls", "The registration file %1 could not be read: %2. Check its permissions.")
                .arg(quoted(path), file.errorString()));
    const QByteArray data = file.readAll();
    if (data.trimmed().isEmpty())
        return {};
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        throw ControlError(
            RegistrationUnreadable,
            QCoreApplication::translate(
                "controls", "The registration file %1 is damaged (%2). Delete it and register the "
                            "control libraries again, or build the program again.")
                .arg(quoted(path),
                     doc.isObject() ? error.errorString()
                                    : QCoreApplication::translate("controls", "it holds no registrations")));
    return doc.object();
}

void writeFile(const QJsonObject& root)
{
    const QString path = ControlRegistry::file();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(root).toJson(QJsonDocument::Indented)) < 0 || !file.commit())
        throw ControlError(RegistrationNotWritten,
                           QCoreApplication::translate(
                               "controls",
                               "The registration file %1 could not be written: %2. Check that its folder "
                               "is writable.")
                               .arg(quoted(path), file.errorString()));
}

// The registration file's own folder, with links resolved where it exists, so that a
// library's canonical path compares with it.
QDir registrationFolder()
{
    const QFileInfo folder(QFileInfo(ControlRegistry::file()).absolutePath());
    const QString canonical = folder.canonicalFilePath();
    return QDir(canonical.isEmpty() ? folder.absoluteFilePath() : canonical);
}

// A library in the registration file's folder, or below it, is written relative to that
// folder, so the folder can be copied or installed anywhere with its registrations; one
// elsewhere keeps its absolute path.
QString storedLibraryPath(const QString& libraryPath)
{
    const QDir folder = registrationFolder();
    const QString relative = folder.relativeFilePath(libraryPath);
    if (relative.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(relative))
        return QDir::cleanPath(libraryPath);
    return relative;
}

// Files written before relative paths, and by hand, may hold absolute paths; both work.
QString libraryPathFrom(const QJsonObject& o)
{
    const QString stored = o.value(QLatin1String("library")).toString();
    if (stored.isEmpty() || QDir::isAbsolutePath(stored))
        return stored;
    return QDir::cleanPath(registrationFolder().absoluteFilePath(stored));
}

QJsonArray idList(const QList<QUuid>& ids)
{
    QJsonArray out;
    for (const QUuid& id : ids)
        out.append(key(id));
    return out;
}

ClassRegistration classFrom(const QUuid& clsid, const QJsonObject& o)
{
    ClassRegistration r;
    r.clsid = clsid;
    r.name = o.value(QLatin1String("name")).toString();
    r.progId = o.value(QLatin1String("progId")).toString();
    r.library = libraryPathFrom(o);
    r.typeLibrary = QUuid::fromString(o.value(QLatin1String("typeLibrary")).toString());
    r.typeLibraryVersion = o.value(QLatin1String("version")).toString();
    r.interfaceId = QUuid::fromString(o.value(QLatin1String("interface")).toString());
    r.eventInterfaceId = QUuid::fromString(o.value(QLatin1String("events")).toString());
    r.control = o.value(QLatin1String("control")).toBool();
    r.miscStatus = static_cast<quint32>(o.value(QLatin1String("miscStatus")).toInteger());
    r.toolboxBitmap = o.value(QLatin1String("toolboxBitmap")).toInt();
    const QJsonArray pages = o.value(QLatin1String("propertyPages")).toArray();
    for (const QJsonValue& p : pages)
        r.propertyPages.append(QUuid::fromString(p.toString()));
    return r;
}

} // namespace

QString ControlRegistry::file()
{
    if (!fileOverride().isEmpty())
        return fileOverride();
    // Beside the executable, where the build registers the libraries: a program or test
    // that runs its windows over another data folder still finds its controls.
    return QCoreApplication::applicationDirPath() + QStringLiteral("/controls.reg");
}

void ControlRegistry::setFile(const QString& path)
{
    fileOverride() = path;
}

std::optional<ClassRegistration> ControlRegistry::findClass(const QUuid& clsid)
{
    const QJsonObject classes = readFile().value(kClasses).toObject();
    const auto it = classes.constFind(key(clsid));
    if (it == classes.constEnd())
        return std::nullopt;
    return classFrom(clsid, it->toObject());
}

std::optional<TypeLibraryRegistration> ControlRegistry::findTypeLibrary(const QUuid& libid)
{
    const QJsonObject libs = readFile().value(kTypeLibraries).toObject();
    const auto it = libs.constFind(key(libid));
    if (it == libs.constEnd())
        return std::nullopt;
    const QJsonObject o = it->toObject();
    TypeLibraryRegistration r;
    r.libid = libid;
    r.name = o.value(QLatin1String("name")).toString();
    r.version = o.value(QLatin1String("version")).toString();
    r.description = o.value(QLatin1String("description")).toString();
    r.library = libraryPathFrom(o);
    const QJsonObject version = o.value(QLatin1String("versionInfo")).toObject();
    for (auto v = version.constBegin(); v != version.constEnd(); ++v)
        r.versionInfo.append({v.key(), v->toString()});
    return r;
}

QString ControlRegistry::interfaceName(const QUuid& iid)
{
    return readFile()
        .value(kInterfaces)
        .toObject()
        .value(key(iid))
        .toObject()
        .value(QLatin1String("name"))
        .toString();
}

QUuid ControlRegistry::classIdFromProgId(const QString& progId)
{
    const QJsonObject progIds = readFile().value(kProgIds).toObject();
    for (auto it = progIds.constBegin(); it != progIds.constEnd(); ++it)
        if (it.key().compare(progId, Qt::CaseInsensitive) == 0)
            return QUuid::fromString(it->toString());
    throw ControlError(ProgIdNotRegistered,
                       QCoreApplication::translate(
                           "controls",
                           "The control %1 is not registered. Build the program again, or register its "
                           "library with qb_regsvr.")
                           .arg(quoted(progId)));
}

ClassRegistration ControlRegistry::classFor(const QUuid& clsid)
{
    if (auto found = findClass(clsid))
        return *found;
    throw ControlError(ClassNotRegistered,
                       QCoreApplication::translate(
                           "controls",
                           "The control class %1 is not registered. Build the program again, or register "
                           "its library with qb_regsvr.")
                           .arg(key(clsid)));
}

void ControlRegistry::add(const ProjectHeader& header, const QString& libraryPath)
{
    QJsonObject root = readFile();
    QJsonObject classes = root.value(kClasses).toObject();
    QJsonObject progIds = root.value(kProgIds).toObject();
    QJsonObject libs = root.value(kTypeLibraries).toObject();
    QJsonObject interfaces = root.value(kInterfaces).toObject();
    const TypeLibraryInfo& tl = header.typeLibrary;
    const QString stored = storedLibraryPath(libraryPath);

    QJsonObject version;
    for (const auto& [name, value] : header.versionInfo)
        version.insert(name, value);
    libs.insert(key(tl.libid), QJsonObject{{QStringLiteral("name"), tl.name},
                                           {QStringLiteral("version"), tl.version()},
                                           {QStringLiteral("description"), tl.description},
                                           {QStringLiteral("library"), stored},
                                           {QStringLiteral("versionInfo"), version}});
    for (const InterfaceInfo* i : tl.interfaces)
        interfaces.insert(key(i->iid), QJsonObject{{QStringLiteral("name"), i->name},
                                                   {QStringLiteral("typeLibrary"), key(tl.libid)}});

    for (const ClassEntry& c : header.classes) {
        const bool control = c.kind == ClassEntry::Kind::Control;
        QJsonObject o{{QStringLiteral("name"), c.name},
                      {QStringLiteral("library"), stored},
                      {QStringLiteral("typeLibrary"), key(tl.libid)},
                      {QStringLiteral("version"), tl.version()},
                      {QStringLiteral("control"), control}};
        if (c.defaultInterface)
            o.insert(QStringLiteral("interface"), key(c.defaultInterface->iid));
        if (control) {
            o.insert(QStringLiteral("progId"), header.progId(c));
            if (c.eventInterface)
                o.insert(QStringLiteral("events"), key(c.eventInterface->iid));
            o.insert(QStringLiteral("miscStatus"), static_cast<qint64>(c.miscStatus));
            o.insert(QStringLiteral("toolboxBitmap"), c.toolboxBitmap);
            o.insert(QStringLiteral("propertyPages"), idList(c.propertyPages));
            progIds.insert(header.progId(c), key(c.clsid));
        }
        classes.insert(key(c.clsid), o);
    }
    root.insert(kClasses, classes);
    root.insert(kProgIds, progIds);
    root.insert(kTypeLibraries, libs);
    root.insert(kInterfaces, interfaces);
    writeFile(root);
}

void ControlRegistry::remove(const ProjectHeader& header)
{
    QJsonObject root = readFile();
    QJsonObject classes = root.value(kClasses).toObject();
    QJsonObject progIds = root.value(kProgIds).toObject();
    QJsonObject libs = root.value(kTypeLibraries).toObject();
    QJsonObject interfaces = root.value(kInterfaces).toObject();
    for (const ClassEntry& c : header.classes) {
        classes.remove(key(c.clsid));
        if (c.kind == ClassEntry::Kind::Control)
            progIds.remove(header.progId(c));
    }
    for (const InterfaceInfo* i : header.typeLibrary.interfaces)
        interfaces.remove(key(i->iid));
    libs.remove(key(header.typeLibrary.libid));
    root.insert(kClasses, classes);
    root.insert(kProgIds, progIds);
    root.insert(kTypeLibraries, libs);
    root.insert(kInterfaces, interfaces);
    writeFile(root);
}

namespace {

void callServer(const QString& path, bool doRegister)
{
    const detail::LoadedLibrary& lib = detail::loadLibrary(path);
    const ServerResult r = doRegister ? lib.registerServer() : lib.unregisterServer();
    if (r != kOk) {
        const QString why = server::lastError();
        throw ControlError(
            RegistrationRefused,
            QCoreApplication::translate("controls", "The control library %1 could not be %2: %3")
                .arg(quoted(path), doRegister ? QStringLiteral("registered") : QStringLiteral("unregistered"),
                     why.isEmpty() ? QCoreApplication::translate("controls", "it answered 0x%1.")
                                         .arg(static_cast<quint32>(r), 8, 16, QLatin1Char('0'))
                                   : why));
    }
}

} // namespace

void registerLibrary(const QString& path)
{
    callServer(path, true);
}
void unregisterLibrary(const QString& path)
{
    callServer(path, false);
}

} // namespace controls
