// Old Access-format files cut short, as a copy broken off or a full disk leaves them:
// the companion's import and the conversion at start refuse them whole, with the number
// of a damaged file, and change nothing; the companion says nothing but its numbered error.
#include "inventory/legacy/conversion.h"
#include "tests/legacy/legacy_fixture.h"
#include "tests/support/error_number.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QProcess>
#include <QRegularExpression>

using namespace legacytest;
using testsupport::errorNumber;

namespace {

// Where a cut falls: at the start of each page and inside it, and one byte short.
QList<qint64> cuts(qint64 size, qint64 page)
{
    QList<qint64> at;
    for (qint64 p = page; p < size; p += page)
        at << p << p + page / 2 + 1;
    at << size - 1;
    return at;
}

} // namespace

class TestLegacyDamaged : public QObject
{
    Q_OBJECT
private slots:
    void aCutFileIsRefusedWhole_data();
    void aCutFileIsRefusedWhole();
    void theCompanionSaysOnlyItsNumberedError_data();
    void theCompanionSaysOnlyItsNumberedError();
};

void TestLegacyDamaged::aCutFileIsRefusedWhole_data()
{
    QTest::addColumn<QString>("fixture");
    for (const char* name :
         {"tolmireks-jet4", "tolmireks-jet4-plain", "tolmireks-jet3", "tolmireks-empty-jet4",
          "deleted-moved-jet4", "deleted-moved-jet3", "long-memo-jet4", "codepage1251-jet3"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestLegacyDamaged::aCutFileIsRefusedWhole()
{
    QFETCH(QString, fixture);
    const QByteArray whole = fileBytes(dataFile(fixture + QStringLiteral(".mdb")));
    const qint64 page = whole.at(0x14) == 0 ? 2048 : 4096;
    testsupport::TempInventory target({testsupport::chemical(QStringLiteral("Benzeno"))});
    auto db = records::Database::open(target.path());
    const std::vector<Row> before = inventoryRows(*db);
    std::vector<Row> withOld = before;
    for (const Row& r : expectedRows(fixture + QStringLiteral(".json")))
        withOld.push_back(r);

    for (const qint64 at : cuts(whole.size(), page)) {
        const QString where = QStringLiteral("cut at %1").arg(at);
        // The companion's road: nothing added, whichever the mode.
        OldInventory old(fixture + QStringLiteral(".mdb"));
        old.cut(at);
        for (legacy::ImportMode mode : {legacy::ImportMode::DryRun, legacy::ImportMode::Apply}) {
            QString text;
            const int number = errorNumber([&] { legacy::importAccess(*db, old.path(), mode); }, &text);
            QVERIFY2(number == legacy::DamagedOldFile, qPrintable(where + QStringLiteral(": ") + text));
        }
        QString why;
        QVERIFY2(sameRows(inventoryRows(*db), before, &why), qPrintable(where + QStringLiteral(": ") + why));

        // The window's road: the old file stays the inventory, byte for byte, alone.
        QString text;
        const int number = errorNumber([&] { legacy::convertInventory(old.path()); }, &text);
        QVERIFY2(number == legacy::DamagedOldFile, qPrintable(where + QStringLiteral(": ") + text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(old.path())), qPrintable(text));
        QCOMPARE(old.files(), QStringList({QStringLiteral("QBData.mdb")}));
        QCOMPARE(fileBytes(old.path()), old.original());
    }

    // Whole, the same file is read in full: the cuts, not the reader, made the refusals.
    legacy::importAccess(*db, dataFile(fixture + QStringLiteral(".mdb")), legacy::ImportMode::Apply);
    QString why;
    QVERIFY2(sameRows(inventoryRows(*db), withOld, &why), qPrintable(why));
}

void TestLegacyDamaged::theCompanionSaysOnlyItsNumberedError_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<qint64>("cutAt"); // or -1
    QTest::addColumn<qint64>("patchAt");
    QTest::addColumn<QByteArray>("patch");
    const QByteArray none;
    QTest::newRow("cut inside a page of rows")
        << QStringLiteral("tolmireks-jet3.mdb") << qint64(19456) << qint64(0) << none;
    QTest::newRow("cut inside the table's definition")
        << QStringLiteral("tolmireks-jet3.mdb") << qint64(10241) << qint64(0) << none;
    QTest::newRow("list of tables missing")
        << QStringLiteral("tolmireks-jet4.mdb") << qint64(3 * 4096) << qint64(0) << none;
    QTest::newRow("table definition overwritten")
        << QStringLiteral("tolmireks-jet4.mdb") << qint64(-1) << qint64(5 * 4096) << QByteArray(4096, '\0');
    // libmdb itself notes this one, as it takes the row apart.
    QTest::newRow("a row's place overwritten") << QStringLiteral("tolmireks-jet4.mdb") << qint64(-1)
                                               << qint64(7 * 4096 + 16) << QByteArray(1, '\xff');
}

void TestLegacyDamaged::theCompanionSaysOnlyItsNumberedError()
{
    QFETCH(QString, fixture);
    QFETCH(qint64, cutAt);
    QFETCH(qint64, patchAt);
    QFETCH(QByteArray, patch);
    OldInventory old(fixture);
    if (cutAt >= 0)
        old.cut(cutAt);
    old.patch(patchAt, patch);
    testsupport::TempInventory target({testsupport::chemical(QStringLiteral("Benzeno"))});
    const QByteArray inventory = fileBytes(target.path());

    QProcess companion;
    companion.start(QStringLiteral(QB_DATATOOL),
                    {QStringLiteral("--file"), target.path(), QStringLiteral("import-access"), old.path()});
    QVERIFY(companion.waitForFinished(60000));
    const QString err = QString::fromUtf8(companion.readAllStandardError());
    QCOMPARE(companion.exitCode(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("\\AError 804: [^\\n]*\\n\\z")).match(err).hasMatch(),
             qPrintable(err));
    QVERIFY2(err.contains(QDir::toNativeSeparators(old.path())), qPrintable(err));
    QCOMPARE(fileBytes(target.path()), inventory);
    QCOMPARE(fileBytes(old.path()), old.original());
}

QB_TEST_MAIN(TestLegacyDamaged)
#include "tst_legacy_damaged.moc"
