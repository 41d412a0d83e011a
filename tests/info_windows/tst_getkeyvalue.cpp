#include "inventory/info_windows/sysinfo.h"
#include "tests/info_windows/fake_system.h"
#include "tests/support/test_main.h"

using testsupport::FakeSystem;

namespace {

constexpr std::uint32_t kLocalMachine = 0x80000002u;
const QString kKey = QStringLiteral("SOFTWARE\\Quillarbon Test");

} // namespace

class TestGetKeyValue : public QObject
{
    Q_OBJECT

private slots:
    // Texts as writers store them: with their NUL or without, in the local code page,
    // empty, or as long as the buffer; a longer one cannot be read.
    void readsTexts_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("text");

        QTest::newRow("with its NUL") << QByteArray("C:\\Tools\\info.exe", 17).append('\0') << true
                                      << QStringLiteral("C:\\Tools\\info.exe");
        QTest::newRow("without NUL") << QByteArray("C:\\Tools\\info.exe") << true
                                     << QStringLiteral("C:\\Tools\\info.exe");
        QTest::newRow("accented") << QStringLiteral("/opt/Système/outil").toLocal8Bit().append('\0') << true
                                  << QStringLiteral("/opt/Système/outil");
        QTest::newRow("empty") << QByteArray(1, '\0') << true << QString();
        QTest::newRow("fills the buffer") << QByteArray(1024, 'a') << true << QString(1024, QLatin1Char('a'));
        QTest::newRow("fills it with its NUL")
            << QByteArray(1023, 'b').append('\0') << true << QString(1023, QLatin1Char('b'));
        QTest::newRow("longer than the buffer") << QByteArray(1025, 'a') << false << QString();
    }
    void readsTexts()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, found);
        QFETCH(QString, text);
        FakeSystem sys;
        sys.registry().setValue(registry::HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Value"), registry::REG_SZ,
                                stored);
        QString value = QStringLiteral("before");
        QCOMPARE(info::GetKeyValue(kLocalMachine, kKey, QStringLiteral("Value"), value), found);
        QCOMPARE(value, text);
        QCOMPARE(sys.registry().openHandles(), 0);
    }

    // A 32-bit number reads as its decimal text; a value of another type is found but
    // leaves the caller's text alone.
    void readsNumbersAndLeavesOtherTypes_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("text");

        QTest::newRow("small number")
            << uint(registry::REG_DWORD) << QByteArray::fromHex("0a010000") << QStringLiteral("266");
        QTest::newRow("zero") << uint(registry::REG_DWORD) << QByteArray::fromHex("00000000")
                              << QStringLiteral("0");
        QTest::newRow("high bytes") << uint(registry::REG_DWORD) << QByteArray::fromHex("04030201")
                                    << QStringLiteral("16909060");
        QTest::newRow("largest") << uint(registry::REG_DWORD) << QByteArray::fromHex("ffffffff")
                                 << QStringLiteral("4294967295");
        QTest::newRow("binary") << 3u << QByteArray::fromHex("deadbeef") << QStringLiteral("as passed");
        QTest::newRow("expandable text")
            << 2u << QByteArray("%SystemRoot%\\x.exe").append('\0') << QStringLiteral("as passed");
    }
    void readsNumbersAndLeavesOtherTypes()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, stored);
        QFETCH(QString, text);
        FakeSystem sys;
        sys.registry().setValue(registry::HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Value"), type, stored);
        QString value = QStringLiteral("as passed");
        QVERIFY(info::GetKeyValue(kLocalMachine, kKey, QStringLiteral("Value"), value));
        QCOMPARE(value, text);
    }

    // A key or value that is not there reads as not found, with an empty text, and no
    // key is left open however the read ended.
    void missingKeyOrValue()
    {
        FakeSystem sys;
        sys.registry().setString(registry::HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Other"),
                                 QStringLiteral("x"));
        QString value = QStringLiteral("before");
        QVERIFY(!info::GetKeyValue(kLocalMachine, QStringLiteral("SOFTWARE\\Nowhere"),
                                   QStringLiteral("Value"), value));
        QCOMPARE(value, QString());
        value = QStringLiteral("before");
        QVERIFY(!info::GetKeyValue(kLocalMachine, kKey, QStringLiteral("Value"), value));
        QCOMPARE(value, QString());
        QCOMPARE(sys.registry().opened(), 1);
        QCOMPARE(sys.registry().openHandles(), 0);
    }

    // An ordinary user may read the machine's keys but not open them for writing; the
    // values are only read, so the lookup works for them too.
    void readsWithoutWriteAccess()
    {
        FakeSystem sys;
        sys.registry().denyWriteAccess(true);
        sys.registry().setString(registry::HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Value"),
                                 QStringLiteral("x"));
        QString value;
        QVERIFY(info::GetKeyValue(kLocalMachine, kKey, QStringLiteral("Value"), value));
        QCOMPARE(value, QStringLiteral("x"));
    }
};

QB_TEST_MAIN(TestGetKeyValue)
#include "tst_getkeyvalue.moc"
