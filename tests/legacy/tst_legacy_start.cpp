// The start on an inventory left by the earlier version in the Access format: the one
// question, the conversion it offers, what a refusal says, and a conversion cut off at
// any step.
#include "inventory/legacy/convertdialog.h"
#include "inventory/store/server_inventory.h"
#include "platform/forms/msgbox.h"
#include "platform/testing/messageboxes.h"
#include "tests/legacy/legacy_fixture.h"
#include "tests/support/test_main.h"

#include <QProcess>
#include <QProgressDialog>

#include <functional>

using namespace legacytest;

using Arrange = std::function<void(OldInventory&, legacy::StartOptions&)>;
Q_DECLARE_METATYPE(Arrange)

namespace {

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The converted file is an inventory of ours holding exactly the expected rows.
void checkConverted(const QString& path, const QString& json)
{
    QVERIFY(!legacy::isAccessFile(path));
    QString why;
    QVERIFY2(sameRows(inventoryRows(path), expectedRows(json), &why), qPrintable(why));
}

} // namespace

class TestLegacyStart : public QObject
{
    Q_OBJECT
private slots:
    void yesConvertsEveryValue_data();
    void yesConvertsEveryValue();
    void noChangesNothing_data();
    void noChangesNothing();
    void aLinkedInventoryIsConvertedWhereItLeads();
    void refusalsNameTheFileAndChangeNothing_data();
    void refusalsNameTheFileAndChangeNothing();
    void damageFoundWhileConvertingChangesNothing_data();
    void damageFoundWhileConvertingChangesNothing();
    void progressBarCountsRecords();
    void stoppedAtAnyStepLeavesOneWholeInventory_data();
    void stoppedAtAnyStepLeavesOneWholeInventory();
    void aServerBesideTheProgramLeavesTheFileAlone();
};

void TestLegacyStart::yesConvertsEveryValue_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("records");
    QTest::newRow("Jet 4, compressed text") << QStringLiteral("tolmireks-jet4") << 20;
    QTest::newRow("Jet 4, plain UTF-16") << QStringLiteral("tolmireks-jet4-plain") << 20;
    QTest::newRow("Jet 3, code page 1252") << QStringLiteral("tolmireks-jet3") << 20;
    QTest::newRow("Jet 3, code page 1251") << QStringLiteral("codepage1251-jet3") << 2;
    QTest::newRow("empty table") << QStringLiteral("tolmireks-empty-jet4") << 0;
    QTest::newRow("blank password, masked") << QStringLiteral("masked-blank-password-jet4") << 20;
    QTest::newRow("Jet 4, deleted and moved rows") << QStringLiteral("deleted-moved-jet4") << 18;
    QTest::newRow("Jet 3, deleted and moved rows") << QStringLiteral("deleted-moved-jet3") << 19;
    QTest::newRow("long memo, characters beyond 16 bits") << QStringLiteral("long-memo-jet4") << 2;
    QTest::newRow("columns in other case and order") << QStringLiteral("other-columns-jet4") << 6;
}

void TestLegacyStart::yesConvertsEveryValue()
{
    QFETCH(QString, fixture);
    QFETCH(int, records);
    OldInventory old(fixture + QStringLiteral(".mdb"));
    // Read-only, as a file copied from a CD or an old share may be: it is only read.
    QFile::setPermissions(old.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QVERIFY(legacy::isAccessFile(old.path()));

    forms::ScopedScriptedMessageBoxes boxes;
    boxes->answer({forms::Yes, forms::Ok});
    QVERIFY(legacy::offerConversion(old.path()));

    QCOMPARE(boxes->shown().size(), 2);
    const forms::MessageBoxRequest& question = boxes->shown().at(0);
    QCOMPARE(question.style, forms::YesNo | forms::Question);
    QVERIFY(question.prompt.contains(nativePath(old.path())));
    QVERIFY(question.prompt.contains(QStringLiteral("(%1 records)").arg(records)));
    QVERIFY(question.prompt.contains(QStringLiteral("'QBData (old Access format).mdb'")));
    const QString note = boxes->shown().at(1).prompt;
    QVERIFY2(note.contains(QStringLiteral(": %1 records.").arg(records)), qPrintable(note));
    QCOMPARE(boxes->unscripted(), 0);

    checkConverted(old.path(), fixture + QStringLiteral(".json"));
    // The old file is kept byte for byte under a name that says what it is; nothing else
    // is left in the folder.
    QCOMPARE(fileBytes(old.backup()), old.original());
    QCOMPARE(old.files(),
             QStringList({QStringLiteral("QBData (old Access format).mdb"), QStringLiteral("QBData.mdb")}));
    // The program opens it as it opens any inventory, for writing too.
    auto db = records::Database::open(old.path());
    QCOMPARE(db->columns(QStringLiteral("TOLMIREKS")).size(), store::kColumnCount);
}

void TestLegacyStart::noChangesNothing_data()
{
    yesConvertsEveryValue_data();
}

void TestLegacyStart::noChangesNothing()
{
    QFETCH(QString, fixture);
    OldInventory old(fixture + QStringLiteral(".mdb"));
    const QStringList before = old.files();
    forms::ScopedScriptedMessageBoxes boxes;
    boxes->answer(forms::No);
    QVERIFY(!legacy::offerConversion(old.path()));
    QCOMPARE(boxes->shown().size(), 1);
    QCOMPARE(old.files(), before);
    QCOMPARE(fileBytes(old.path()), old.original());
}

void TestLegacyStart::aLinkedInventoryIsConvertedWhereItLeads()
{
    // As the Debian package lays it out: the program's folder takes no writes, and its
    // QBData.mdb is a link to the inventory in a data folder.
    OldInventory old(QStringLiteral("tolmireks-jet4.mdb"));
    QTemporaryDir program;
    const QString link = program.filePath(QStringLiteral("QBData.mdb"));
    QVERIFY(QFile::link(old.path(), link));
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);

    forms::ScopedScriptedMessageBoxes boxes;
    boxes->answer({forms::Yes, forms::Ok});
    const bool converted = legacy::offerConversion(link);
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(converted, qPrintable(boxes->shown().isEmpty() ? QString() : boxes->shown().last().prompt));
    QCOMPARE(boxes->unscripted(), 0);

    // The link is left as it was; the new inventory and the old file's backup lie where it
    // leads.
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QDir(program.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList(QStringLiteral("QBData.mdb")));
    checkConverted(link, QStringLiteral("tolmireks-jet4.json"));
    QCOMPARE(fileBytes(old.backup()), old.original());
    QCOMPARE(old.files(),
             QStringList({QStringLiteral("QBData (old Access format).mdb"), QStringLiteral("QBData.mdb")}));
}

void TestLegacyStart::refusalsNameTheFileAndChangeNothing_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<Arrange>("arrange");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("says");
    const Arrange asItIs = [](OldInventory&, legacy::StartOptions&) {
    };

    QTest::newRow("no chemical table")
        << QStringLiteral("other-table-jet4.mdb") << asItIs << int(legacy::NoInventoryTable)
        << QStringLiteral("its tables: PRODUTOS");
    QTest::newRow("password, Jet 4") << QStringLiteral("password-jet4.mdb") << asItIs
                                     << int(legacy::PasswordProtected) << QStringLiteral("password");
    QTest::newRow("password, Jet 3") << QStringLiteral("password-jet3.mdb") << asItIs
                                     << int(legacy::PasswordProtected) << QStringLiteral("password");
    QTest::newRow("encrypted") << QStringLiteral("encrypted-jet4.mdb") << asItIs << int(legacy::Encrypted)
                               << QStringLiteral("encrypted");
    QTest::newRow("later Access version")
        << QStringLiteral("tolmireks-jet4.mdb")
        << Arrange([](OldInventory& old, legacy::StartOptions&) { old.patch(0x14, QByteArray(1, '\x03')); })
        << int(legacy::LaterAccessVersion) << QStringLiteral("Access 2007 or later");
    QTest::newRow("table definition overwritten")
        << QStringLiteral("tolmireks-jet4.mdb") << Arrange([](OldInventory& old, legacy::StartOptions&) {
               old.patch(5 * 4096, QByteArray(4096, '\0'));
           })
        << int(legacy::DamagedOldFile) << QStringLiteral("is damaged");
    QTest::newRow("cut short in its first page")
        << QStringLiteral("tolmireks-jet4.mdb")
        << Arrange([](OldInventory& old, legacy::StartOptions&) { old.cut(1000); })
        << int(legacy::DamagedOldFile) << QStringLiteral("cut short");
    // Found before the question, so it never offers a number of records it cannot read.
    QTest::newRow("cut inside a long-value page")
        << QStringLiteral("tolmireks-jet4.mdb")
        << Arrange([](OldInventory& old, legacy::StartOptions&) { old.cut(47104); })
        << int(legacy::DamagedOldFile) << QStringLiteral("cut short");
    QTest::newRow("last data page missing")
        << QStringLiteral("tolmireks-jet4.mdb")
        << Arrange([](OldInventory& old, legacy::StartOptions&) { old.cut(9 * 4096); })
        << int(legacy::DamagedOldFile) << QStringLiteral("page 9, past its end");
    QTest::newRow("record count overwritten")
        << QStringLiteral("tolmireks-jet4.mdb") << Arrange([](OldInventory& old, legacy::StartOptions&) {
               old.patch(5 * 4096 + 16, QByteArray(4, '\xff'));
           })
        << int(legacy::DamagedOldFile) << QStringLiteral("counts 4294967295 records, but its pages hold 20");
    QTest::newRow("no NOME column") << QStringLiteral("no-name-column-jet4.mdb") << asItIs
                                    << int(legacy::NoNameColumn) << QStringLiteral("has no NOME column");
    QTest::newRow("folder not writable")
        << QStringLiteral("tolmireks-jet4.mdb") << Arrange([](OldInventory& old, legacy::StartOptions&) {
               QFile::setPermissions(old.folder(), QFile::ReadOwner | QFile::ExeOwner);
           })
        << int(legacy::FolderNotWritable) << QStringLiteral("read-only");
    QTest::newRow("not enough disk space")
        << QStringLiteral("tolmireks-jet4.mdb") << Arrange([](OldInventory&, legacy::StartOptions& options) {
               options.conversion.freeBytes = [](const QString&) -> std::int64_t {
                   return 3 << 20;
               };
           })
        << int(legacy::NotEnoughSpace) << QStringLiteral("3 MB are free");
}

void TestLegacyStart::refusalsNameTheFileAndChangeNothing()
{
    QFETCH(QString, fixture);
    QFETCH(Arrange, arrange);
    QFETCH(int, number);
    QFETCH(QString, says);
    OldInventory old(fixture);
    legacy::StartOptions options;
    arrange(old, options);
    const QStringList before = old.files();

    forms::ScopedScriptedMessageBoxes boxes;
    boxes->answer(forms::Yes); // would convert, were the question asked
    const bool goesOn = legacy::offerConversion(old.path(), options);
    QFile::setPermissions(old.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!goesOn);
    QCOMPARE(boxes->shown().size(), 1);
    const forms::MessageBoxRequest& box = boxes->shown().at(0);
    QCOMPARE(box.style & forms::Critical, int(forms::Critical));
    QVERIFY2(box.prompt.startsWith(QStringLiteral("Error %1: ").arg(number)), qPrintable(box.prompt));
    QVERIFY2(box.prompt.contains(QStringLiteral("QBData.mdb")), qPrintable(box.prompt));
    QVERIFY2(box.prompt.contains(says), qPrintable(box.prompt));
    QCOMPARE(old.files(), before);
    QCOMPARE(fileBytes(old.path()), old.original());
}

void TestLegacyStart::damageFoundWhileConvertingChangesNothing_data()
{
    QTest::addColumn<qint64>("cutAt");
    // The file's rows lie on pages 7 and 9, the pieces of its longest memo on 10 and 11;
    // a missing page of rows is found before the question (see the refusals).
    QTest::newRow("long-value pages missing") << qint64(10 * 4096);
    QTest::newRow("last long-value page missing") << qint64(11 * 4096);
}

void TestLegacyStart::damageFoundWhileConvertingChangesNothing()
{
    QFETCH(qint64, cutAt);
    OldInventory old(QStringLiteral("tolmireks-jet4.mdb"));
    old.cut(cutAt);
    const QStringList before = old.files();
    forms::ScopedScriptedMessageBoxes boxes;
    boxes->answer(forms::Yes);
    QVERIFY(!legacy::offerConversion(old.path()));
    QCOMPARE(boxes->shown().size(), 2);
    const QString error = boxes->shown().at(1).prompt;
    QVERIFY2(error.startsWith(QStringLiteral("Error %1: ").arg(legacy::DamagedOldFile)), qPrintable(error));
    QVERIFY2(error.contains(nativePath(old.path())), qPrintable(error));
    QCOMPARE(old.files(), before);
    QCOMPARE(fileBytes(old.path()), old.original());
}

void TestLegacyStart::progressBarCountsRecords()
{
    OldInventory old(QStringLiteral("deleted-moved-jet4.mdb"));
    legacy::StartOptions options;
    options.progressDelayMs = 0;
    QStringList labels;
    int maximum = -1, last = -1;
    options.conversion.progress = [&](legacy::Phase, std::int64_t, std::int64_t) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* bar = qobject_cast<QProgressDialog*>(w); bar && bar->isVisible()) {
                labels.append(bar->labelText());
                maximum = bar->maximum();
                last = bar->value();
            }
    };
    forms::ScopedScriptedMessageBoxes boxes;
    boxes->answer(forms::Yes);
    QVERIFY(legacy::offerConversion(old.path(), options));
    QCOMPARE(labels, QStringList({QStringLiteral("Converting record 18 of 18"),
                                  QStringLiteral("Checking record 18 of 18")}));
    QCOMPARE(maximum, 36);
    QCOMPARE(last, 36);
    // Gone once the conversion is done.
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QProgressDialog*>(w) || !w->isVisible());
}

void TestLegacyStart::stoppedAtAnyStepLeavesOneWholeInventory_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("convertedBefore");
    QTest::newRow("after the checks") << QStringLiteral("checked") << false;
    QTest::newRow("while writing") << QStringLiteral("writing") << false;
    QTest::newRow("after writing") << QStringLiteral("written") << false;
    QTest::newRow("while checking the new file") << QStringLiteral("checking") << false;
    QTest::newRow("after checking") << QStringLiteral("verified") << false;
    QTest::newRow("after the backup name") << QStringLiteral("backup") << false;
    QTest::newRow("after the new file took the name") << QStringLiteral("replaced") << true;
}

void TestLegacyStart::stoppedAtAnyStepLeavesOneWholeInventory()
{
    QFETCH(QString, step);
    QFETCH(bool, convertedBefore);
    OldInventory old(QStringLiteral("tolmireks-jet4.mdb"));

    QProcess child;
    child.start(QStringLiteral(QB_CONVERT_CHILD), {old.path(), step});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 77);

    // Whatever the moment, QBData.mdb is one whole inventory: the old file or the new.
    if (convertedBefore) {
        checkConverted(old.path(), QStringLiteral("tolmireks-jet4.json"));
        QCOMPARE(fileBytes(old.backup()), old.original());
    } else {
        QCOMPARE(fileBytes(old.path()), old.original());
    }

    // The next start asks again and ends with the same folder as an uninterrupted one.
    forms::ScopedScriptedMessageBoxes boxes;
    boxes->answer(forms::Yes);
    if (!convertedBefore) {
        QVERIFY(legacy::isAccessFile(old.path()));
        QVERIFY(legacy::offerConversion(old.path()));
        QCOMPARE(boxes->shown().size(), 2);
    }
    checkConverted(old.path(), QStringLiteral("tolmireks-jet4.json"));
    QCOMPARE(fileBytes(old.backup()), old.original());
    QCOMPARE(old.files(),
             QStringList({QStringLiteral("QBData (old Access format).mdb"), QStringLiteral("QBData.mdb")}));
}

// With QBData.server the inventory is on the server: an old file left beside it is not
// offered a conversion, and a missing one is not offered as a new empty inventory.
void TestLegacyStart::aServerBesideTheProgramLeavesTheFileAlone()
{
    OldInventory old(QStringLiteral("tolmireks-jet4.mdb"));
    {
        QFile server(QDir(old.folder()).filePath(store::serverFileName()));
        QVERIFY(server.open(QIODevice::WriteOnly));
        server.write("service=quillarbon\n");
    }
    const QStringList before = old.files();
    forms::ScopedScriptedMessageBoxes boxes;
    QVERIFY(legacy::inventoryReadyAtStart(old.path()));
    QVERIFY(QFile::remove(old.path()));
    QVERIFY(legacy::inventoryReadyAtStart(old.path()));
    QCOMPARE(boxes->shown().size(), 0);
    QCOMPARE(old.files().size(), before.size() - 1);
    QVERIFY(!QFileInfo::exists(old.path()));
}

QB_TEST_MAIN(TestLegacyStart)
#include "tst_legacy_start.moc"
