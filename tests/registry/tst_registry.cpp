#include "platform/registry/libraries.h"
#include "platform/registry/registry.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace registry;

namespace {

const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");

void makeProgram(const QString& path, bool executable = true)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                             (executable ? QFile::ExeOwner : QFile::Permissions())));
}

// Reads a text value as a caller does; empty when it is not there.
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
    if (rc != ERROR_SUCCESS || type != REG_SZ || size == 0)
        return {};
    return QString::fromLocal8Bit(buffer.left(static_cast<qsizetype>(size) - 1));
}

class UnloadableLibrary final : public Library
{
public:
    QString name() const override { return QStringLiteral("advapi32"); }
    bool isLoaded() const override { return false; }
    QFunctionPointer resolve(const char*) override { return nullptr; }
};

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setLibrary(nullptr); }

    // Without the library nothing fails until a call is made; the call then fails with a
    // numbered error that names the library.
    void missingLibraryFailsAtTheCall()
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
    }

    // The stand-in names the first system-information program of its list that is an
    // executable file, by its absolute path, and knows nothing else. A folder given
    // relatively is never searched: a same-named program in the current folder is not
    // the system's tool.
    void hostStandInNamesAnInstalledTool()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        const QStringList programs = systemInformationPrograms();
        QVERIFY(programs.size() >= 3);

        makeProgram(first.filePath(programs.at(0)), false);
        makeProgram(second.filePath(programs.at(2)));
        setLibrary(hostStandIn({first.path(), second.path()}));
        QCOMPARE(readText(kToolKey, QStringLiteral("PATH")), second.filePath(programs.at(2)));
        QCOMPARE(
            readText(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO")),
            QString());

        // The order of the list decides, not the order of the folders.
        makeProgram(second.filePath(programs.at(1)));
        setLibrary(hostStandIn({first.path(), second.path()}));
        QCOMPARE(readText(kToolKey, QStringLiteral("PATH")), second.filePath(programs.at(1)));

        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(second.path()));
        setLibrary(hostStandIn({QStringLiteral("."), first.path()}));
        const QString answer = readText(kToolKey, QStringLiteral("PATH"));
        QDir::setCurrent(before);
        QCOMPARE(answer, QString());
    }
};

QB_TEST_MAIN(TestRegistry)
#include "tst_registry.moc"
