// Every old Access-format test file cut at every 512 bytes, taken both roads: the
// companion's import-access as a process, and the conversion at start. A cut file either
// gives every value of the whole one, or is refused with a numbered error, alone on the
// standard error, that leaves the inventory and the old file as they were.
#include "inventory/legacy/conversion.h"
#include "tests/legacy/legacy_fixture.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QProcess>
#include <QRegularExpression>

using namespace legacytest;

class TestCutAccessFiles : public QObject
{
    Q_OBJECT
private slots:
    void everyCutIsReadWholeOrRefused_data();
    void everyCutIsReadWholeOrRefused();
};

void TestCutAccessFiles::everyCutIsReadWholeOrRefused_data()
{
    QTest::addColumn<QString>("fixture");
    const QStringList files =
        QDir(QStringLiteral(QB_LEGACY_DATA)).entryList({QStringLiteral("*.mdb")}, QDir::Files);
    QVERIFY(files.size() >= 15);
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << file;
}

void TestCutAccessFiles::everyCutIsReadWholeOrRefused()
{
    QFETCH(QString, fixture);
    const QByteArray whole = fileBytes(dataFile(fixture));
    // Files that are refused whole (protected, or not an inventory) have no rows to give.
    QString json = fixture;
    json.replace(QStringLiteral(".mdb"), QStringLiteral(".json"));
    const bool readable = QFile::exists(dataFile(json)) && !fixture.startsWith(QStringLiteral("other-table"));
    const std::vector<Row> expected = readable ? expectedRows(json) : std::vector<Row>();

    testsupport::TempInventory target({testsupport::chemical(QStringLiteral("Benzeno"))});
    const QByteArray inventory = fileBytes(target.path());
    std::vector<Row> withOld = inventoryRows(target.path());
    withOld.insert(withOld.end(), expected.begin(), expected.end());

    QStringList wrong;
    int read = 0, refused = 0;
    for (qint64 at = 0; at <= whole.size(); at += 512) {
        const QString where = QStringLiteral("%1 cut at %2").arg(fixture).arg(at);
        OldInventory old(fixture);
        old.cut(at);
        QString why;

        QProcess companion;
        companion.start(QStringLiteral(QB_DATATOOL), {QStringLiteral("--file"), target.path(),
                                                      QStringLiteral("import-access"), old.path()});
        QVERIFY(companion.waitForFinished(60000));
        const QString err = QString::fromUtf8(companion.readAllStandardError());
        if (companion.exitStatus() == QProcess::NormalExit && companion.exitCode() == 0) {
            ++read;
            if (!readable || !sameRows(inventoryRows(target.path()), withOld, &why))
                wrong << where + QStringLiteral(", import-access: ") + why;
        } else {
            ++refused;
            if (companion.exitCode() != 1 ||
                !QRegularExpression(QStringLiteral("\\AError \\d+: [^\\n]*\\n\\z")).match(err).hasMatch())
                wrong << where + QStringLiteral(", import-access said: ") + err;
        }
        if (fileBytes(target.path()) != inventory) {
            if (companion.exitCode() != 0)
                wrong << where + QStringLiteral(": a refused import changed the inventory");
            // Back as it was for the next cut.
            QFile f(target.path());
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(inventory);
        }
        if (fileBytes(old.path()) != old.original())
            wrong << where + QStringLiteral(": import-access changed the old file");

        try {
            legacy::convertInventory(old.path());
            ++read;
            if (!readable || !sameRows(inventoryRows(old.path()), expected, &why))
                wrong << where + QStringLiteral(", conversion: ") + why;
        } catch (const base::RuntimeError&) {
            ++refused;
            if (fileBytes(old.path()) != old.original() ||
                old.files() != QStringList({QStringLiteral("QBData.mdb")}))
                wrong << where + QStringLiteral(": a refused conversion changed the folder");
        }
    }
    qInfo("%s: %d read whole, %d refused", qPrintable(fixture), read, refused);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    // Only the whole file is read, on both roads (or refused on both).
    QCOMPARE(read, readable ? 2 : 0);
}

QB_TEST_MAIN(TestCutAccessFiles)
#include "tst_cut_access_files.moc"
