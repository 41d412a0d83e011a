#include "inventory/store/inventory.h"
#include "platform/controls/host.h"
#include "platform/controls/hyperlink.h"
#include "platform/data/database.h"
#include "platform/data/errors.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/twips.h"
#include "platform/testing/hyperlink.h"
#include "platform/testing/messageboxes.h"
#include "platform/testing/registrationfile.h"
#include "tamsel_fixture.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QLabel>
#include <QProcess>

using namespace testsupport;

class TestTamselLink : public QObject
{
    Q_OBJECT
private slots:
    void linkShowsTheSiteAsAnUnderlinedLabel();
    void clickOpensTheSiteAndLeavesTheRecordAlone();
    void theKeyboardReachesAndOpensTheLink();
    void windowGoesOnWithoutTheLibrary();
    void theLabSetsItsOwnAddress();
};

void TestTamselLink::linkShowsTheSiteAsAnUnderlinedLabel()
{
    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    auto w = openTamsel(inv);
    w->show();
    controls::ControlInstance* link = w->link1();
    QVERIFY(link);
    QCOMPARE(link->widget()->geometry(), forms::twipsRect(7680, 480, 4170, 495));
    auto* label = link->widget()->findChild<QLabel*>(QStringLiteral("Label1"));
    auto* button = link->widget()->findChild<QPushButton*>(QStringLiteral("Command1"));
    QVERIFY(label->isVisible());
    QVERIFY(!button->isVisible());
    QVERIFY(label->text().startsWith(QStringLiteral("WebSite: https://")));
    QVERIFY(label->font().underline());
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pointSize(), 10);
    QCOMPARE(link->get(QStringLiteral("Color")).toLongLong(), 0x00C0FFFF);
    // The link takes its place in the keyboard order, between the hidden buttons and the list.
    QCOMPARE(w->findChild<QWidget*>(QStringLiteral("BtnProximo"))->nextInFocusChain(),
             static_cast<QWidget*>(button));
    QCOMPARE(button->nextInFocusChain(), static_cast<QWidget*>(label));
    QCOMPARE(label->nextInFocusChain(), static_cast<QWidget*>(w->List1()));
}

void TestTamselLink::theKeyboardReachesAndOpensTheLink()
{
    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    auto w = openTamsel(inv);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto* label = w->link1()->widget()->findChild<QLabel*>(QStringLiteral("Label1"));
    // Tab from the magnifier: the hidden button look is passed over.
    w->findChild<QWidget*>(QStringLiteral("BtnBusca"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(label));

    controls::ScopedRecordingHyperlink opened;
    QTest::keyClick(label, Qt::Key_Return);
    QTRY_COMPARE(opened->targets(), QStringList({w->link1()->get(QStringLiteral("url")).toString()}));
    // A key with a modifier is not a click: the label does not even flash.
    const QColor still = label->palette().color(QPalette::Active, QPalette::WindowText);
    QTest::keyClick(label, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), still);
    QTest::keyClick(label, Qt::Key_Space);
    QVERIFY(label->palette().color(QPalette::Active, QPalette::WindowText) != still);
    QTRY_COMPARE(opened->targets().size(), 2);
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Acetona"));
}

void TestTamselLink::clickOpensTheSiteAndLeavesTheRecordAlone()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno")), chemical(QStringLiteral("Tolueno"))});
    auto w = openTamsel(inv);
    w->show();
    seek(*w, QStringLiteral("eno"));
    QVERIFY(waitForSearch(*w));
    w->List1()->setCurrentRow(1);
    const QString searchText = w->Text2()->text();

    controls::ScopedRecordingHyperlink opened;
    auto* label = w->link1()->widget()->findChild<QLabel*>(QStringLiteral("Label1"));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    // Nothing opens before the flash is over.
    QCOMPARE(opened->targets().size(), 0);
    QTRY_COMPARE(opened->targets(), QStringList({w->link1()->get(QStringLiteral("url")).toString()}));
    QVERIFY(opened->targets().first().startsWith(QStringLiteral("https://")));

    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Tolueno"));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Benzeno"), QStringLiteral("Tolueno")}));
    QCOMPARE(w->List1()->currentRow(), 1);
    QCOMPARE(w->Text2()->text(), searchText);
}

void TestTamselLink::windowGoesOnWithoutTheLibrary()
{
    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    QTemporaryDir empty;
    controls::ScopedRegistrationFile none(empty.filePath(QStringLiteral("controls.reg")));
    forms::ScopedScriptedMessageBoxes boxes;
    auto w = openTamsel(inv);
    QVERIFY(!w->link1());
    QCOMPARE(boxes->shown().size(), 1);
    QVERIFY2(boxes->shown()[0].prompt.contains(QStringLiteral("Zorbel.link")),
             qPrintable(boxes->shown()[0].prompt));
    // The rest of the window works.
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Acetona"));
}

namespace {

// quillarbon-data as the lab runs it: the exit code and the standard error.
std::pair<int, QString> runCompanion(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(QB_DATATOOL), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

QString linkTarget(const TempInventory& inv)
{
    forms::ScopedScriptedMessageBoxes boxes; // the read-only notice
    auto w = openTamsel(inv);
    auto* label = w->link1()->widget()->findChild<QLabel*>(QStringLiteral("Label1"));
    controls::ScopedRecordingHyperlink opened;
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, 4));
    if (!QTest::qWaitFor([&] { return !opened->targets().isEmpty(); }))
        return {};
    return label->text() == QStringLiteral("WebSite: ") + opened->targets().first()
               ? opened->targets().first()
               : label->text();
}

} // namespace

void TestTamselLink::theLabSetsItsOwnAddress()
{
    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    const QString site = QStringLiteral("https://quimica.example.edu.br/lab?sala=2");
    QCOMPARE(runCompanion({QStringLiteral("--file"), inv.path(), QStringLiteral("set-website"), site}).first,
             0);
    QCOMPARE(linkTarget(inv), site);

    // Only a whole web address is taken; the one set stays.
    for (const QString& bad : {QStringLiteral("ftp://example.org/lab"), QStringLiteral("example.org/lab"),
                               QStringLiteral("https://"), QStringLiteral("javascript:alert(1)")}) {
        const auto [code, err] =
            runCompanion({QStringLiteral("--file"), inv.path(), QStringLiteral("set-website"), bad});
        QCOMPARE(code, 1);
        QVERIFY2(err.startsWith(QStringLiteral("Error 750: ")), qPrintable(err));
    }
    QCOMPARE(linkTarget(inv), site);

    // A file that takes no changes says so as every write to it does.
    QFile::setPermissions(inv.path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const auto [code, err] =
        runCompanion({QStringLiteral("--file"), inv.path(), QStringLiteral("set-website"),
                      QStringLiteral("https://example.net/")});
    QCOMPARE(code, 1);
    QVERIFY2(err.startsWith(QStringLiteral("Error %1: ").arg(int(records::ReadOnlyFile))), qPrintable(err));
    QCOMPARE(linkTarget(inv), site);

    // Another program may write anything there: the link opens only a web address.
    QFile::setPermissions(inv.path(), QFile::ReadOwner | QFile::WriteOwner);
    {
        auto db = records::Database::open(inv.path());
        db->write([&] {
            store::run(*db, QStringLiteral(
                                "UPDATE QB_STATE SET VALUE = 'file:///etc/passwd' WHERE NAME = 'website'"));
        });
    }
    QCOMPARE(linkTarget(inv), store::defaultWebsite());
}

QB_TEST_MAIN(TestTamselLink)
#include "tst_tamsel_link.moc"
