#include "platform/registry/libraries.h"

#include <QFileInfo>

#include <cstring>

namespace registry {

SharedLibrary::SharedLibrary(const QString& fileName) : name_(fileName), library_(fileName)
{
    loaded_ = library_.load();
}

QFunctionPointer SharedLibrary::resolve(const char* function)
{
    return loaded_ ? library_.resolve(function) : nullptr;
}

namespace {

// The registry the stand-in calls read: the one whose calls were bound last.
MemoryRegistry* g_active = nullptr;

LONG QB_REGISTRY_API standInOpen(HKEY key, const char* subKey, DWORD, DWORD access, HKEY* result)
{
    if (!g_active) {
        if (result)
            *result = 0;
        return ERROR_FILE_NOT_FOUND;
    }
    return g_active->open(key, subKey, access, result);
}

LONG QB_REGISTRY_API standInQuery(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data,
                                  DWORD* size)
{
    return g_active ? g_active->query(key, valueName, reserved, type, data, size) : ERROR_INVALID_HANDLE;
}

LONG QB_REGISTRY_API standInClose(HKEY key)
{
    return g_active ? g_active->close(key) : ERROR_INVALID_HANDLE;
}

bool isRoot(HKEY key)
{
    return (static_cast<std::uint32_t>(key) & 0x80000000u) != 0;
}

// "A\\B\" and "a\b" name the same key.
QString normalKey(const QString& key)
{
    const QStringList parts = key.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return parts.join(QLatin1Char('\\')).toLower();
}

} // namespace

MemoryRegistry::~MemoryRegistry()
{
    if (g_active == this)
        g_active = nullptr;
}

QFunctionPointer MemoryRegistry::resolve(const char* function)
{
    g_active = this;
    if (std::strcmp(function, "RegOpenKeyExA") == 0)
        return reinterpret_cast<QFunctionPointer>(&standInOpen);
    if (std::strcmp(function, "RegQueryValueExA") == 0)
        return reinterpret_cast<QFunctionPointer>(&standInQuery);
    if (std::strcmp(function, "RegCloseKey") == 0)
        return reinterpret_cast<QFunctionPointer>(&standInClose);
    return nullptr;
}

QString MemoryRegistry::fullPath(HKEY root, const QString& key)
{
    const QString rest = normalKey(key);
    const QString top = QString::number(static_cast<std::uint32_t>(root), 16);
    return rest.isEmpty() ? top : top + QLatin1Char('\\') + rest;
}

void MemoryRegistry::setValue(HKEY root, const QString& key, const QString& valueName, DWORD type,
                              const QByteArray& data)
{
    keys_[fullPath(root, key)][valueName.toLower()] = Value{type, data};
}

void MemoryRegistry::setString(HKEY root, const QString& key, const QString& valueName, const QString& text,
                               bool withNul)
{
    QByteArray bytes = text.toLocal8Bit();
    if (withNul)
        bytes.append('\0');
    setValue(root, key, valueName, REG_SZ, bytes);
}

void MemoryRegistry::setDword(HKEY root, const QString& key, const QString& valueName, quint32 number)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xff);
    setValue(root, key, valueName, REG_DWORD, bytes);
}

void MemoryRegistry::addKey(HKEY root, const QString& key)
{
    keys_[fullPath(root, key)];
}

bool MemoryRegistry::keyExists(const QString& path) const
{
    // Every key's parents exist, as in a tree.
    const QString prefix = path + QLatin1Char('\\');
    for (auto it = keys_.cbegin(); it != keys_.cend(); ++it)
        if (it.key() == path || it.key().startsWith(prefix))
            return true;
    return false;
}

bool MemoryRegistry::pathOf(HKEY key, QString* path) const
{
    const auto it = handles_.constFind(key);
    if (it != handles_.cend()) {
        *path = it.value();
        return true;
    }
    if (isRoot(key)) {
        *path = fullPath(key, {});
        return true;
    }
    return false;
}

LONG MemoryRegistry::open(HKEY key, const char* subKey, DWORD access, HKEY* result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = 0;
    QString base;
    if (!pathOf(key, &base))
        return ERROR_INVALID_HANDLE;
    const QString rest = normalKey(QString::fromLocal8Bit(subKey ? subKey : ""));
    const QString path = rest.isEmpty() ? base : base + QLatin1Char('\\') + rest;
    if (!keyExists(path))
        return ERROR_FILE_NOT_FOUND;
    if (denyWrite_ && (access & KEY_WRITE_RIGHTS) != 0)
        return ERROR_ACCESS_DENIED;
    const HKEY handle = nextHandle_++;
    handles_.insert(handle, path);
    ++opened_;
    *result = handle;
    return ERROR_SUCCESS;
}

LONG MemoryRegistry::query(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data,
                           DWORD* size)
{
    if (reserved || (data && !size))
        return ERROR_INVALID_PARAMETER;
    QString path;
    if (!pathOf(key, &path))
        return ERROR_INVALID_HANDLE;
    const QString name = QString::fromLocal8Bit(valueName ? valueName : "");
    queries_.append(path + QLatin1Char('|') + name);
    const auto k = keys_.constFind(path);
    if (k == keys_.cend())
        return ERROR_FILE_NOT_FOUND;
    const auto v = k.value().constFind(name.toLower());
    if (v == k.value().cend())
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = v->type;
    const auto length = static_cast<DWORD>(v->data.size());
    if (!data) {
        if (size)
            *size = length;
        return ERROR_SUCCESS;
    }
    if (*size < length) {
        *size = length;
        return ERROR_MORE_DATA;
    }
    if (length > 0)
        std::memcpy(data, v->data.constData(), length);
    *size = length;
    return ERROR_SUCCESS;
}

LONG MemoryRegistry::close(HKEY key)
{
    if (handles_.remove(key) == 0)
        return ERROR_INVALID_HANDLE;
    ++closed_;
    return ERROR_SUCCESS;
}

QStringList systemInformationPrograms()
{
    return {QStringLiteral("hardinfo"),
            QStringLiteral("hardinfo2"),
            QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"),
            QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager")};
}

std::unique_ptr<MemoryRegistry> hostStandIn(const QStringList& folders)
{
    auto standIn = std::make_unique<MemoryRegistry>();
    const QStringList programs = systemInformationPrograms();
    for (const QString& program : programs) {
        for (const QString& folder : folders) {
            const QFileInfo file(folder + QLatin1Char('/') + program);
            if (file.isAbsolute() && file.isFile() && file.isExecutable()) {
                standIn->setString(HKEY_LOCAL_MACHINE,
                                   QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                   QStringLiteral("PATH"), file.absoluteFilePath());
                return standIn;
            }
        }
    }
    return standIn;
}

std::unique_ptr<Library> defaultLibrary()
{
#ifdef _WIN32
    return std::make_unique<SharedLibrary>(QStringLiteral("advapi32"));
#else
    return hostStandIn();
#endif
}

} // namespace registry
