#include "platform/registry/libraries.h"
#include "platform/registry/registry.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace registry;

namespace {

const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");

// A library that hands out another's calls and counts what it was asked for.
class CountingLibrary final : public Library
{
public:
    explicit CountingLibrary(std::unique_ptr<MemoryRegistry> inner, QStringList missing = {})
        : inner_(std::move(inner)), missing_(std::move(missing))
    {}
    QString name() const override { return QStringLiteral("counting"); }
    QFunctionPointer resolve(const char* function) override
    {
        resolved.append(QString::fromLatin1(function));
        if (missing_.contains(QString::fromLatin1(function)))
            return nullptr;
        return inner_->resolve(function);
    }
    MemoryRegistry* registry() const { return inner_.get(); }
    QStringList resolved;

private:
    std::unique_ptr<MemoryRegistry> inner_;
    QStringList missing_;
};

class UnloadableLibrary final : public Library
{
public:
    QString name() const override { return QStringLiteral("advapi32"); }
    bool isLoaded() const override { return false; }
    QFunctionPointer resolve(const char*) override { return nullptr; }
};

void makeProgram(const QString& path, bool executable = true)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\nexit 0\n");
    f.close();
    QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        p |= QFile::ExeOwner;
    QVERIFY(f.setPermissions(p));
}

// Reads a text value with the calls as a caller uses them; empty when it is not there.
QString readText(const QString& key, const QString& value)
{
    HKEY h = 0;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.toLocal8Bit().constData(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return {};
    QByteArray buffer(1024, '\0');
    DWORD size = 1024;
    DWORD type = 0;
    const LONG rc = RegQueryValueExA(h, value.toLocal8Bit().constData(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(h);
    if (rc != ERROR_SUCCESS || type != REG_SZ)
        return {};
    return QString::fromLocal8Bit(buffer.left(static_cast<qsizetype>(size)).chopped(1));
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setLibrary(nullptr); }

    // The calls are looked up when first used, each once, and again after a new library.
    void bindsEachCallByNameAtFirstUse()
    {
        auto inner = std::make_unique<MemoryRegistry>();
        inner->setString(HKEY_LOCAL_MACHINE, kToolKey, QStringLiteral("PATH"),
                         QStringLiteral("/usr/bin/tool"));
        auto counting = std::make_unique<CountingLibrary>(std::move(inner));
        CountingLibrary* lib = counting.get();
        setLibrary(std::move(counting));
        QVERIFY(lib->resolved.isEmpty());

        QCOMPARE(readText(kToolKey, QStringLiteral("PATH")), QStringLiteral("/usr/bin/tool"));
        QCOMPARE(readText(kToolKey, QStringLiteral("PATH")), QStringLiteral("/usr/bin/tool"));
        QCOMPARE(lib->resolved,
                 (QStringList{QStringLiteral("RegOpenKeyExA"), QStringLiteral("RegQueryValueExA"),
                              QStringLiteral("RegCloseKey")}));

        auto other = std::make_unique<MemoryRegistry>();
        other->setString(HKEY_LOCAL_MACHINE, kToolKey, QStringLiteral("PATH"), QStringLiteral("/opt/other"));
        setLibrary(std::move(other));
        QCOMPARE(readText(kToolKey, QStringLiteral("PATH")), QStringLiteral("/opt/other"));
    }

    // A system without the library, or without one of the calls, fails when the call is
    // made, with a numbered error that names what is missing; nothing fails before.
    void missingLibraryOrCallIsANumberedError()
    {
        setLibrary(std::make_unique<UnloadableLibrary>());
        HKEY h = 0;
        try {
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &h);
            QFAIL("the call ran without its library");
        } catch (const Error& e) {
            QCOMPARE(e.number(), int(ErrLibraryNotLoaded));
            QVERIFY(e.text().contains(QStringLiteral("advapi32")));
        }

        auto inner = std::make_unique<MemoryRegistry>();
        inner->setString(HKEY_LOCAL_MACHINE, kToolKey, QStringLiteral("PATH"),
                         QStringLiteral("/usr/bin/tool"));
        setLibrary(std::make_unique<CountingLibrary>(std::move(inner),
                                                     QStringList{QStringLiteral("RegQueryValueExA")}));
        QCOMPARE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kToolKey.toLatin1().constData(), 0, KEY_READ, &h),
                 ERROR_SUCCESS);
        DWORD size = 0;
        try {
            RegQueryValueExA(h, "PATH", nullptr, nullptr, nullptr, &size);
            QFAIL("the call ran without being found");
        } catch (const Error& e) {
            QCOMPARE(e.number(), int(ErrEntryNotFound));
            QVERIFY(e.text().contains(QStringLiteral("RegQueryValueExA")));
        }
        QCOMPARE(RegCloseKey(h), ERROR_SUCCESS);
    }

    // The stand-in answers as the system's registry does: keys and names in any case,
    // parents of a key exist, a short buffer is told the size it needs and left alone.
    void memoryRegistryAnswersAsTheSystemDoes()
    {
        auto owned = std::make_unique<MemoryRegistry>();
        MemoryRegistry* reg = owned.get();
        reg->setString(HKEY_LOCAL_MACHINE, kToolKey, QStringLiteral("Path"), QStringLiteral("/usr/bin/tool"));
        setLibrary(std::move(owned));

        QCOMPARE(
            readText(QStringLiteral("software\\microsoft\\SHARED TOOLS\\msinfo\\"), QStringLiteral("PATH")),
            QStringLiteral("/usr/bin/tool"));

        HKEY parent = 0;
        QCOMPARE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft", 0, KEY_READ, &parent),
                 ERROR_SUCCESS);
        HKEY missing = 12345;
        QCOMPARE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nowhere", 0, KEY_READ, &missing),
                 ERROR_FILE_NOT_FOUND);
        QCOMPARE(missing, HKEY(0));

        HKEY child = 0;
        QCOMPARE(RegOpenKeyExA(parent, "Shared Tools\\MSINFO", 0, KEY_READ, &child), ERROR_SUCCESS);
        QByteArray small(4, 'x');
        DWORD size = 4;
        DWORD type = 0;
        QCOMPARE(
            RegQueryValueExA(child, "path", nullptr, &type, reinterpret_cast<BYTE*>(small.data()), &size),
            ERROR_MORE_DATA);
        QCOMPARE(size, DWORD(QByteArray("/usr/bin/tool").size() + 1));
        QCOMPARE(small, QByteArray("xxxx"));

        QCOMPARE(RegCloseKey(child), ERROR_SUCCESS);
        QCOMPARE(RegCloseKey(parent), ERROR_SUCCESS);
        QCOMPARE(RegCloseKey(parent), ERROR_INVALID_HANDLE);
        QCOMPARE(reg->openHandles(), 0);

        reg->denyWriteAccess(true);
        HKEY h = 0;
        QCOMPARE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kToolKey.toLatin1().constData(), 0, KEY_ALL_ACCESS, &h),
                 ERROR_ACCESS_DENIED);
        QCOMPARE(readText(kToolKey, QStringLiteral("PATH")), QStringLiteral("/usr/bin/tool"));
    }

    // Here the stand-in names the first system-information program it finds, by its
    // absolute path, and knows nothing else.
    void hostStandInNamesAnInstalledTool()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        QVERIFY(first.isValid() && second.isValid());
        const QStringList programs = systemInformationPrograms();
        QVERIFY(programs.size() >= 3);

        // Not executable, so not a program; the later name in a later folder is taken.
        makeProgram(first.filePath(programs.at(0)), false);
        makeProgram(second.filePath(programs.at(2)));
        setLibrary(hostStandIn({first.path(), second.path()}));
        QCOMPARE(readText(kToolKey, QStringLiteral("PATH")), second.filePath(programs.at(2)));
        QCOMPARE(
            readText(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO")),
            QString());
        QCOMPARE(readText(kToolKey, QStringLiteral("OTHER")), QString());

        // The order of the list decides, not the order of the folders.
        makeProgram(second.filePath(programs.at(1)));
        setLibrary(hostStandIn({first.path(), second.path()}));
        QCOMPARE(readText(kToolKey, QStringLiteral("PATH")), second.filePath(programs.at(1)));

        // No tool installed: the lookup fails.
        QTemporaryDir empty;
        setLibrary(hostStandIn({empty.path()}));
        QCOMPARE(readText(kToolKey, QStringLiteral("PATH")), QString());
    }

    // A folder given relatively is never searched: a same-named program in the current
    // folder must not be taken for the system's tool.
    void hostStandInIgnoresTheCurrentFolder()
    {
        QTemporaryDir here;
        QVERIFY(here.isValid());
        makeProgram(here.filePath(systemInformationPrograms().at(0)));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(here.path()));
        setLibrary(hostStandIn({QStringLiteral("."), QString()}));
        const QString answer = readText(kToolKey, QStringLiteral("PATH"));
        QDir::setCurrent(before);
        QCOMPARE(answer, QString());
    }
};

QB_TEST_MAIN(TestRegistry)
#include "tst_registry.moc"
