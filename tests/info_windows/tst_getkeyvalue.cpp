#include "inventory/info_windows/sysinfo.h"
#include "tests/info_windows/fake_system.h"
#include "tests/support/test_main.h"

using testsupport::FakeSystem;

class TestGetKeyValue : public QObject
{
    Q_OBJECT

private slots:
    // Values as writers store them, read by an ordinary user, who may not open the
    // machine's keys for writing. No key is left open however the read ends.
    void readsValues_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("stored"); // null: no such value
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("text");
        const uint sz = registry::REG_SZ;
        const uint dword = registry::REG_DWORD;

        QTest::newRow("text with its NUL")
            << sz << QByteArray("C:\\info.exe", 11).append('\0') << true << QStringLiteral("C:\\info.exe");
        QTest::newRow("text without NUL")
            << sz << QByteArray("C:\\info.exe") << true << QStringLiteral("C:\\info.exe");
        QTest::newRow("accented text") << sz << QStringLiteral("/opt/Système").toLocal8Bit().append('\0')
                                       << true << QStringLiteral("/opt/Système");
        QTest::newRow("empty text") << sz << QByteArray(1, '\0') << true << QString();
        QTest::newRow("fills the buffer")
            << sz << QByteArray(1024, 'a') << true << QString(1024, QLatin1Char('a'));
        QTest::newRow("longer than the buffer") << sz << QByteArray(1025, 'a') << false << QString();
        QTest::newRow("no such value") << sz << QByteArray() << false << QString();
        QTest::newRow("number") << dword << QByteArray::fromHex("0a010000") << true << QStringLiteral("266");
        QTest::newRow("largest number")
            << dword << QByteArray::fromHex("ffffffff") << true << QStringLiteral("4294967295");
        QTest::newRow("other type") << 3u << QByteArray::fromHex("deadbeef") << true
                                    << QStringLiteral("as passed");
    }
    void readsValues()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, stored);
        QFETCH(bool, found);
        QFETCH(QString, text);
        FakeSystem sys;
        sys.registry().denyWriteAccess(true);
        const QString key = QStringLiteral("SOFTWARE\\Quillarbon Test");
        sys.registry().setValue(registry::HKEY_LOCAL_MACHINE, key, QStringLiteral("Other"), registry::REG_SZ,
                                "x");
        if (!stored.isNull())
            sys.registry().setValue(registry::HKEY_LOCAL_MACHINE, key, QStringLiteral("Value"), type, stored);

        QString value = QStringLiteral("as passed");
        QCOMPARE(info::GetKeyValue(0x80000002u, key, QStringLiteral("Value"), value), found);
        QCOMPARE(value, text);
        QCOMPARE(sys.registry().openHandles(), 0);
    }
};

QB_TEST_MAIN(TestGetKeyValue)
#include "tst_getkeyvalue.moc"
