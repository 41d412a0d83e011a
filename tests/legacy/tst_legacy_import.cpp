// Adding the records of an old Access-format file to an open inventory: what a dry run
// reports, all of them or none added, and the old file's columns matched by name.
#include "inventory/legacy/conversion.h"
#include "platform/data/errors.h"
#include "platform/data/recordset.h"
#include "tests/legacy/legacy_fixture.h"
#include "tests/support/error_number.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

using namespace legacytest;
using testsupport::errorNumber;

namespace {

// An inventory of ours with two records of its own.
struct Target
{
    Target()
        : inventory({testsupport::chemical(QStringLiteral("Benzeno")),
                     testsupport::chemical(QStringLiteral("Tolueno"))})
    {
        db = records::Database::open(inventory.path());
        before = inventoryRows(*db);
    }
    testsupport::TempInventory inventory;
    std::unique_ptr<records::Database> db;
    std::vector<Row> before;
};

} // namespace

class TestLegacyImport : public QObject
{
    Q_OBJECT
private slots:
    void dryRunReportsAndWritesNothing();
    void applyAddsEveryRecordAfterTheOnesThere();
    void columnsAreMatchedByNameWithoutCase();
    void aDamagedFileAddsNothing();
    void aTableWithoutNamesAddsNothing();
    void onlyAnInventoryTakesRecords();
    void importedRecordsNeverTakeADeletedRecordsId();
};

void TestLegacyImport::dryRunReportsAndWritesNothing()
{
    Target target;
    const QString old = dataFile(QStringLiteral("tolmireks-jet3.mdb"));
    const QByteArray bytes = fileBytes(old);
    const legacy::ImportReport report = legacy::importAccess(*target.db, old, legacy::ImportMode::DryRun);
    QCOMPARE(report.records, 20);
    QCOMPARE(report.source.jetVersion, 3);
    QCOMPARE(report.source.table, QStringLiteral("TOLMIREKS"));
    QVERIFY(report.source.columns.missing.isEmpty());
    QVERIFY(report.source.columns.leftOut.isEmpty());
    QString why;
    QVERIFY2(sameRows(inventoryRows(*target.db), target.before, &why), qPrintable(why));
    QCOMPARE(fileBytes(old), bytes);
}

void TestLegacyImport::applyAddsEveryRecordAfterTheOnesThere()
{
    Target target;
    std::vector<std::int64_t> seen;
    const auto progress = [&](legacy::Phase phase, std::int64_t done, std::int64_t total) {
        QCOMPARE(phase, legacy::Phase::Copying);
        QCOMPARE(total, 20);
        seen.push_back(done);
    };
    const legacy::ImportReport report = legacy::importAccess(
        *target.db, dataFile(QStringLiteral("tolmireks-jet4.mdb")), legacy::ImportMode::Apply, progress);
    QCOMPARE(report.records, 20);
    QCOMPARE(seen, std::vector<std::int64_t>({20}));
    std::vector<Row> want = target.before;
    for (const Row& r : expectedRows(QStringLiteral("tolmireks-jet4.json")))
        want.push_back(r);
    QString why;
    QVERIFY2(sameRows(inventoryRows(*target.db), want, &why), qPrintable(why));
}

void TestLegacyImport::columnsAreMatchedByNameWithoutCase()
{
    Target target;
    const legacy::ImportReport report = legacy::importAccess(
        *target.db, dataFile(QStringLiteral("other-columns-jet4.mdb")), legacy::ImportMode::Apply);
    QCOMPARE(report.source.columns.missing,
             QStringList({QStringLiteral("FORNECEDOR"), QStringLiteral("CARACTERISTIC")}));
    QCOMPARE(report.source.columns.leftOut,
             QStringList({QStringLiteral("OBSERVACAO"), QStringLiteral("DATA_COMPRA")}));
    std::vector<Row> want = target.before;
    for (const Row& r : expectedRows(QStringLiteral("other-columns-jet4.json")))
        want.push_back(r);
    QString why;
    QVERIFY2(sameRows(inventoryRows(*target.db), want, &why), qPrintable(why));

    // The note after a conversion names both lists.
    legacy::Conversion done;
    done.source = report.source;
    done.records = report.records;
    done.backupPath = QStringLiteral("/lab/QBData (old Access format).mdb");
    const QString note = legacy::conversionNote(done);
    QVERIFY2(note.contains(QStringLiteral("left out: OBSERVACAO, DATA_COMPRA.")), qPrintable(note));
    QVERIFY2(note.contains(QStringLiteral("no column FORNECEDOR, CARACTERISTIC")), qPrintable(note));
}

void TestLegacyImport::aDamagedFileAddsNothing()
{
    // The last data page is gone: the rows before it are read, then the count falls short.
    OldInventory old(QStringLiteral("tolmireks-jet4.mdb"));
    old.cut(9 * 4096);
    Target target;
    for (legacy::ImportMode mode : {legacy::ImportMode::DryRun, legacy::ImportMode::Apply}) {
        QString text;
        QCOMPARE(testsupport::errorNumber([&] { legacy::importAccess(*target.db, old.path(), mode); }, &text),
                 int(legacy::DamagedOldFile));
        QVERIFY2(text.contains(QDir::toNativeSeparators(old.path())), qPrintable(text));
        QString why;
        QVERIFY2(sameRows(inventoryRows(*target.db), target.before, &why), qPrintable(why));
    }
}

void TestLegacyImport::aTableWithoutNamesAddsNothing()
{
    // The names are in a column PRODUTO: refused as a CSV without NOME is, not brought in
    // as nameless records.
    Target target;
    for (legacy::ImportMode mode : {legacy::ImportMode::DryRun, legacy::ImportMode::Apply}) {
        QString text;
        QCOMPARE(testsupport::errorNumber(
                     [&] {
                         legacy::importAccess(*target.db, dataFile(QStringLiteral("no-name-column-jet4.mdb")),
                                              mode);
                     },
                     &text),
                 int(legacy::NoNameColumn));
        QVERIFY2(text.contains(QStringLiteral("no-name-column-jet4.mdb")), qPrintable(text));
        QString why;
        QVERIFY2(sameRows(inventoryRows(*target.db), target.before, &why), qPrintable(why));
    }
}

void TestLegacyImport::onlyAnInventoryTakesRecords()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/other.db");
    records::Database::create(path, QStringLiteral("CREATE TABLE TOLMIREKS (NOME TEXT, PRECO REAL);"));
    auto db = records::Database::open(path);
    QString text;
    QCOMPARE(testsupport::errorNumber(
                 [&] {
                     legacy::importAccess(*db, dataFile(QStringLiteral("tolmireks-jet4.mdb")),
                                          legacy::ImportMode::Apply);
                 },
                 &text),
             int(legacy::NotAnInventory));
    QVERIFY2(text.contains(QStringLiteral("other.db")), qPrintable(text));
    records::Statement count(*db, QStringLiteral("SELECT count(*) FROM TOLMIREKS"));
    records::Statement::Reset done(count);
    QVERIFY(count.step());
    QCOMPARE(count.int64(0), 0);
}

void TestLegacyImport::importedRecordsNeverTakeADeletedRecordsId()
{
    Target target;
    // The newest record is deleted while another window still holds it.
    auto list = records::Database::open(target.inventory.path());
    list->setReadBursts([] {});
    records::Recordset held(*list, store::designRecordSource());
    held.setAbsolutePosition(1);
    QCOMPARE(held.Fields(store::NOME).Value().toString(), QStringLiteral("Tolueno"));
    list->endReadBurst();
    {
        records::Recordset rs(*target.db, store::designRecordSource());
        rs.setAbsolutePosition(1);
        rs.Delete();
    }
    legacy::importAccess(*target.db, dataFile(QStringLiteral("tolmireks-jet4.mdb")),
                         legacy::ImportMode::Apply);
    // That window reads the record as deleted, never as one of the records brought in.
    QCOMPARE(errorNumber([&] { held.Fields(store::NOME).Value(); }), int(records::RecordDeleted));
    QCOMPARE(target.inventory.rows().size(), std::size_t(21));
}

QB_TEST_MAIN(TestLegacyImport)
#include "tst_legacy_import.moc"
