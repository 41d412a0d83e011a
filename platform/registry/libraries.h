#pragma once

#include "platform/registry/registry.h"

#include <QLibrary>
#include <QList>
#include <QMap>
#include <QStringList>

#include <memory>

namespace registry {

// A shared library of the system, loaded by name ("advapi32" on Windows).
class SharedLibrary final : public Library
{
public:
    explicit SharedLibrary(const QString& fileName);

    QString name() const override { return name_; }
    bool isLoaded() const override { return loaded_; }
    QFunctionPointer resolve(const char* function) override;

private:
    QString name_;
    QLibrary library_;
    bool loaded_ = false;
};

// A registry kept in memory: the stand-in where the system has none, and the registry of
// tests. Key paths and value names are matched without regard to case. While installed
// (from the moment its calls are bound), the three calls read this object.
class MemoryRegistry final : public Library
{
public:
    MemoryRegistry() = default;
    ~MemoryRegistry() override;
    MemoryRegistry(const MemoryRegistry&) = delete;
    MemoryRegistry& operator=(const MemoryRegistry&) = delete;

    QString name() const override { return QStringLiteral("registry stand-in"); }
    QFunctionPointer resolve(const char* function) override;

    // Values hold the bytes as the writer gave them: a text with or without its NUL.
    void setValue(HKEY root, const QString& key, const QString& valueName, DWORD type,
                  const QByteArray& data);
    void setString(HKEY root, const QString& key, const QString& valueName, const QString& text,
                   bool withNul = true);
    void setDword(HKEY root, const QString& key, const QString& valueName, quint32 number);
    // A key with no values of its own.
    void addKey(HKEY root, const QString& key);
    // As for an ordinary user on the machine's keys: an open that asks to write is refused.
    void denyWriteAccess(bool deny) { denyWrite_ = deny; }

    // What the calls were asked, for tests: each query as "key path|value name".
    const QStringList& queries() const { return queries_; }
    int opened() const { return opened_; }
    int closed() const { return closed_; }
    int openHandles() const { return static_cast<int>(handles_.size()); }

    LONG open(HKEY key, const char* subKey, DWORD access, HKEY* result);
    LONG query(HKEY key, const char* valueName, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
    LONG close(HKEY key);

private:
    struct Value
    {
        DWORD type = 0;
        QByteArray data;
    };

    static QString fullPath(HKEY root, const QString& key);
    bool keyExists(const QString& path) const;
    bool pathOf(HKEY key, QString* path) const;

    QMap<QString, QMap<QString, Value>> keys_; // lower-case path -> lower-case name -> value
    QMap<HKEY, QString> handles_;
    HKEY nextHandle_ = 0x1000;
    QStringList queries_;
    int opened_ = 0;
    int closed_ = 0;
    bool denyWrite_ = false;
};

// The programs that show this system's information, first found first used.
QStringList systemInformationPrograms();

// The stand-in of a system without a registry: it answers where the system-information
// tool is, with the absolute path of the first of systemInformationPrograms() found as an
// executable file in one of the folders, and fails every other lookup.
std::unique_ptr<MemoryRegistry> hostStandIn(const QStringList& folders = {QStringLiteral("/usr/local/bin"),
                                                                          QStringLiteral("/usr/bin"),
                                                                          QStringLiteral("/bin")});

// "advapi32" on Windows, hostStandIn() elsewhere.
std::unique_ptr<Library> defaultLibrary();

} // namespace registry
