#include "inventory/list_window/frmdatagrid.h"
#include "platform/data/database.h"
#include "platform/data/datagrid.h"
#include "platform/data/errors.h"
#include "platform/forms/msgbox.h"
#include "platform/testing/messageboxes.h"
#include "tamsel_fixture.h"
#include "tests/support/test_main.h"
#include "tests/support/typing.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

using namespace testsupport;

namespace {

const QString kRemove = QStringLiteral("Do you really want to REMOVE this  Record?!");
const QString kName = QStringLiteral("The CHEMICAL NAME Field must be filled!");

void run(Tamsel& w, const char* action)
{
    w.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

void pressToolbar(Tamsel& w, const char* action)
{
    auto* toolbar = w.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QTest::mouseClick(toolbar->widgetForAction(w.findChild<QAction*>(QString::fromLatin1(action))),
                      Qt::LeftButton);
}

std::vector<Row> fourRows()
{
    return {
        chemical(QStringLiteral("Tolueno"), QStringLiteral("Toluene"), QStringLiteral("C7H8")),
        chemical(QStringLiteral("Acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O")),
        chemical(QStringLiteral("Benzeno"), QStringLiteral("Benzene"), QStringLiteral("C6H6")),
        chemical(QStringLiteral("Clorobenzeno"), QStringLiteral("Chlorobenzene"), QStringLiteral("C6H5Cl"))};
}

QStringList names(const Tamsel& w)
{
    QStringList out;
    for (const QString& n : w.chemNames.toVector())
        out.append(n);
    return out;
}

} // namespace

class TestTamselCommands : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup()
    {
        boxes.reset();
        forms::setPath({});
    }

    void saveRefusesAnEmptyNameAndTouchesNothing();
    void saveWritesRereadsAndRepeatsTheSearch();
    void deleteAsksAndRemovesOnlyOnOk();
    void deleteAtTheEndsOfTheTable();
    void deleteOfANewRecordDropsIt();
    void refreshRereadsAndKeepsTheList();
    void aRefusedWriteKeepsTheEditsAndTheWindow();
    void theToolbarRunsTheCommandsByTheirKeys();
    void menuExitUnloadsOnlyTheMainWindow();
    void toolbarExitEndsAtOnceWritingNothing();
    void theRecordNumberIsShownInFull();
    void aLongValueIsShownAndSavedWhole();
    void newRecordPutsTheFocusInTheNameBox();

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestTamselCommands::saveRefusesAnEmptyNameAndTouchesNothing()
{
    TempInventory inv(fourRows());
    auto w = openTamsel(inv);
    w->show();
    const auto before = inv.rows();
    typeInto(*w, store::LOCAL, QStringLiteral(" (alto)"));
    clearBox(*w, store::NOME);
    run(*w, "mnusave");
    QCOMPARE((*boxes)->shown().size(), 1);
    QCOMPARE((*boxes)->shown()[0].prompt, kName);
    QCOMPARE((*boxes)->shown()[0].style, int(forms::Critical));
    QCOMPARE((*boxes)->shown()[0].title, QStringLiteral("Quillarbon"));
    // Nothing written, nothing re-read, the screen as the user left it.
    QCOMPARE(inv.rows(), before);
    QCOMPARE(shown(*w, store::NOME), QString());
    QCOMPARE(shown(*w, store::LOCAL), QStringLiteral("Cabinet 1 (alto)"));
    QVERIFY(w->txtfields(store::LOCAL)->DataChanged());
    QVERIFY(!w->Timer1()->isActive());
}

void TestTamselCommands::saveWritesRereadsAndRepeatsTheSearch()
{
    TempInventory inv(fourRows());
    auto w = openTamsel(inv);
    w->show();
    // A new record is added, with the search text still in the box.
    seek(*w, QStringLiteral("eno"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Benzeno"), QStringLiteral("Clorobenzeno"),
                                           QStringLiteral("Tolueno")}));
    run(*w, "nmunew");
    QCOMPARE(shown(*w, store::NOME), QString());
    QCOMPARE(names(*w).size(), 5); // New re-reads nothing
    typeInto(*w, store::NOME, QStringLiteral("Antraceno"));
    typeInto(*w, store::FORMULA, QStringLiteral("C14H10"));
    run(*w, "mnusave");
    QCOMPARE(inv.rows().size(), std::size_t(5));
    QCOMPARE(inv.rows().back()[store::NOME].toString(), QStringLiteral("Antraceno"));
    QCOMPARE(inv.rows().back()[store::FORMULA].toString(), QStringLiteral("C14H10"));
    // Re-read: the arrays follow the table, and the cursor is back on the first record...
    QCOMPARE(names(*w),
             QStringList({QStringLiteral("Acetona"), QStringLiteral("Antraceno"), QStringLiteral("Benzeno"),
                          QStringLiteral("Clorobenzeno"), QStringLiteral("Tolueno"), QString()}));
    QCOMPARE(w->Data1()->Recordset()->AbsolutePosition(), 0);
    // ...until the repeated search, one tick later, shows its first hit.
    QVERIFY(w->Timer1()->isActive());
    QVERIFY(waitForSearch(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Antraceno"), QStringLiteral("Benzeno"),
                                           QStringLiteral("Clorobenzeno"), QStringLiteral("Tolueno")}));
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Antraceno"));

    // A name that now sorts elsewhere: the arrays and the list take the new order.
    w->List1()->setCurrentRow(3);
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Tolueno"));
    clearBox(*w, store::NOME);
    typeInto(*w, store::NOME, QStringLiteral("Benzeno, metil-"));
    run(*w, "mnusave");
    QVERIFY(waitForSearch(*w));
    QCOMPARE(names(*w).mid(2, 2),
             QStringList({QStringLiteral("Benzeno"), QStringLiteral("Benzeno, metil-")}));
    QCOMPARE(listEntries(*w),
             QStringList({QStringLiteral("Antraceno"), QStringLiteral("Benzeno"),
                          QStringLiteral("Benzeno, metil-"), QStringLiteral("Clorobenzeno")}));
    QCOMPARE(inv.column(store::NOME).first(), QStringLiteral("Benzeno, metil-"));

    // With the search box empty, the repeated search only hides the list.
    w->Text2()->clear();
    typeInto(*w, store::LOCAL, QStringLiteral("!"));
    run(*w, "mnusave");
    QVERIFY(w->List1()->isHidden());
    QVERIFY(!w->Timer1()->isActive());
    QCOMPARE((*boxes)->shown().size(), 0);
}

void TestTamselCommands::deleteAsksAndRemovesOnlyOnOk()
{
    TempInventory inv(fourRows());
    auto w = openTamsel(inv);
    w->show();
    w->Data1()->Recordset()->setAbsolutePosition(2);
    const auto before = inv.rows();

    // Cancel, or the box closed (which answers Cancel): nothing changes.
    (*boxes)->answer({forms::Cancel});
    run(*w, "mnudel");
    QCOMPARE((*boxes)->shown().size(), 1);
    const auto& ask = (*boxes)->shown()[0];
    QCOMPARE(ask.prompt, kRemove);
    QCOMPARE(ask.style, int(forms::OkCancel));
    QCOMPARE(ask.title, QStringLiteral("Remove"));
    QCOMPARE(inv.rows(), before);
    QCOMPARE(w->Data1()->Recordset()->AbsolutePosition(), 2);
    QCOMPARE(names(*w).size(), 5);

    // OK: the record goes, the arrays are read again, the first record is shown.
    (*boxes)->answer({forms::Ok});
    run(*w, "mnudel");
    QCOMPARE(inv.rows().size(), std::size_t(3));
    QVERIFY(!inv.column(store::NOME).contains(QStringLiteral("Clorobenzeno")));
    QCOMPARE(names(*w), QStringList({QStringLiteral("Acetona"), QStringLiteral("Benzeno"),
                                     QStringLiteral("Tolueno"), QString()}));
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Acetona"));
}

void TestTamselCommands::deleteAtTheEndsOfTheTable()
{
    TempInventory inv(fourRows());
    auto w = openTamsel(inv);
    w->show();
    // The last record in name order: it goes, and the first record is shown.
    w->Data1()->Recordset()->setAbsolutePosition(3);
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Tolueno"));
    (*boxes)->answer({forms::Ok});
    run(*w, "mnudel");
    QCOMPARE(inv.rows().size(), std::size_t(3));
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Acetona"));

    // The only hit of the search deleted: the repeated search finds nothing and says so.
    seek(*w, QStringLiteral("Clor"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Clorobenzeno"));
    (*boxes)->answer({forms::Ok});
    run(*w, "mnudel");
    QVERIFY(waitForSearch(*w));
    QCOMPARE((*boxes)->shown().size(), 3);
    QCOMPARE((*boxes)->shown().last().prompt, QStringLiteral("No Chemical Found!\r\nTry Another Name"));
    QVERIFY(w->List1()->isHidden());

    // An empty table: "Last Record", nothing deleted, and the arrays still read again.
    TempInventory empty;
    auto e = openTamsel(empty);
    e->show();
    e->chemNames.reset(3);
    e->chemNames.set(0, QStringLiteral("stale"));
    (*boxes)->clear();
    (*boxes)->answer({forms::Ok});
    run(*e, "mnudel");
    QCOMPARE((*boxes)->shown().size(), 2);
    QCOMPARE((*boxes)->shown()[1].prompt, QStringLiteral("Last Record"));
    QCOMPARE((*boxes)->shown()[1].title, QStringLiteral("Quillarbon"));
    QCOMPARE((*boxes)->shown()[1].style, int(forms::OkOnly));
    QCOMPARE(e->chemNames.toVector(), std::vector<QString>({QString()}));
}

void TestTamselCommands::deleteOfANewRecordDropsIt()
{
    TempInventory inv(fourRows());
    auto w = openTamsel(inv);
    w->show();
    const auto before = inv.rows();
    run(*w, "nmunew");
    typeInto(*w, store::NOME, QStringLiteral("Antraceno"));
    (*boxes)->answer({forms::Ok});
    run(*w, "mnudel");
    // The same question; nothing written and nothing else deleted; re-read as after any OK.
    QCOMPARE((*boxes)->shown().size(), 1);
    QCOMPARE((*boxes)->shown()[0].prompt, kRemove);
    QCOMPARE(inv.rows(), before);
    QCOMPARE(names(*w).size(), 5);
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Acetona"));
    QVERIFY(!w->txtfields(store::NOME)->DataChanged());
    // Leaving the record afterwards writes nothing either.
    QTest::mouseClick(w->Data1()->button(records::ActionMoveNext), Qt::LeftButton);
    QCOMPARE(inv.rows(), before);
}

void TestTamselCommands::refreshRereadsAndKeepsTheList()
{
    TempInventory inv(fourRows());
    auto w = openTamsel(inv);
    w->show();
    seek(*w, QStringLiteral("eno"));
    QVERIFY(waitForSearch(*w));
    const QStringList hits = listEntries(*w);
    const auto positions = w->hitPositions;

    // Another program adds a record that sorts first.
    inv.insert({chemical(QStringLiteral("Acetaldeído"))});
    run(*w, "mnurefresh");
    QCOMPARE(names(*w).first(), QStringLiteral("Acetaldeído"));
    QCOMPARE(names(*w).size(), 6);
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Acetaldeído"));
    // The list keeps its entries and their positions until the next search.
    QCOMPARE(listEntries(*w), hits);
    QCOMPARE(w->hitPositions, positions);
    QVERIFY(!w->Timer1()->isActive());
    QCOMPARE((*boxes)->shown().size(), 0);
}

void TestTamselCommands::aRefusedWriteKeepsTheEditsAndTheWindow()
{
    TempInventory inv(fourRows());
    forms::setPath(inv.folder());
    Tamsel w;
    w.Data1()->setBusyTimeout(100);
    w.Form_Load();
    w.show();
    const auto before = inv.rows();
    typeInto(w, store::LOCAL, QStringLiteral(" (alto)"));

    // Another program holds the file's write lock: one message with the store's number.
    sqlite3* other = nullptr;
    sqlite3_open_v2(QFile::encodeName(inv.path()).constData(), &other, SQLITE_OPEN_READWRITE, nullptr);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    run(w, "mnusave");
    QCOMPARE((*boxes)->shown().size(), 1);
    QVERIFY2((*boxes)->shown()[0].prompt.contains(QStringLiteral("locked")),
             qPrintable((*boxes)->shown()[0].prompt));
    QCOMPARE(inv.rows(), before);
    QCOMPARE(shown(w, store::LOCAL), QStringLiteral("Cabinet 1 (alto)"));
    QVERIFY(w.txtfields(store::LOCAL)->DataChanged());

    // A re-read refused: a message, and the window keeps what it showed.
    QCOMPARE(sqlite3_exec(other, "ALTER TABLE TOLMIREKS RENAME TO OUTRA", nullptr, nullptr, nullptr),
             SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    const auto arrays = w.chemNames.toVector();
    w.txtfields(store::LOCAL)->setDataChanged(false);
    run(w, "mnurefresh");
    QCOMPARE((*boxes)->shown().size(), 2);
    QVERIFY((*boxes)->shown()[1].prompt.contains(QStringLiteral("TOLMIREKS")));
    QCOMPARE(w.chemNames.toVector(), arrays);
    QCOMPARE(sqlite3_exec(other, "ALTER TABLE OUTRA RENAME TO TOLMIREKS", nullptr, nullptr, nullptr),
             SQLITE_OK);
    sqlite3_close(other);

    // Once the lock is gone the same save goes through.
    typeInto(w, store::LOCAL, QStringLiteral("!"));
    run(w, "mnusave");
    QCOMPARE(inv.column(store::LOCAL).at(1), QStringLiteral("Cabinet 1 (alto)!"));
}

void TestTamselCommands::theToolbarRunsTheCommandsByTheirKeys()
{
    TempInventory inv(fourRows());
    auto w = openTamsel(inv);
    w->show();
    auto* toolbar = w->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    // Each button is named by its tooltip for a screen reader.
    const auto actions = toolbar->actions();
    QCOMPARE(actions.size(), 6);
    for (QAction* a : actions)
        QCOMPARE(toolbar->widgetForAction(a)->accessibleName(), a->toolTip());

    pressToolbar(*w, "Toolbar1_New");
    QVERIFY(w->Data1()->Recordset()->isNewRecord());
    typeInto(*w, store::NOME, QStringLiteral("Antraceno"));
    pressToolbar(*w, "Toolbar1_Save");
    QCOMPARE(inv.rows().size(), std::size_t(5));
    pressToolbar(*w, "Toolbar1_List");
    QPointer<list_window::frmDataGrid> list = list_window::showDataGrid();
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->grdDataGrid()->model()->rowCount(), 5);
    list->close();
    inv.insert({chemical(QStringLiteral("Acetaldeído"))});
    pressToolbar(*w, "Toolbar1_Refresh");
    QCOMPARE(names(*w).first(), QStringLiteral("Acetaldeído"));
    (*boxes)->answer({forms::Ok});
    pressToolbar(*w, "Toolbar1_Remove");
    QCOMPARE(inv.rows().size(), std::size_t(5));
    QVERIFY(!inv.column(store::NOME).contains(QStringLiteral("Acetaldeído")));

    // Keys are compared exactly; a key of no command does nothing.
    const auto before = inv.rows();
    for (const char* key : {"save", "Delete", "Unknown", ""}) {
        QAction odd(QString::fromLatin1(key));
        odd.setProperty("Key", QString::fromLatin1(key));
        w->Toolbar1_ButtonClick(&odd);
    }
    QCOMPARE(inv.rows(), before);
    QCOMPARE((*boxes)->shown().size(), 1);
}

void TestTamselCommands::menuExitUnloadsOnlyTheMainWindow()
{
    TempInventory inv(fourRows());
    forms::setPath(inv.folder());
    QPointer<Tamsel> w = Tamsel::Load();
    w->show();
    QPointer<list_window::frmDataGrid> list = list_window::showDataGrid();
    // Unsaved edits: no question, and the store writes them on the way out.
    typeInto(*w, store::QUANTIDADE, QStringLiteral("500 mL"));
    run(*w, "mnuexit");
    QTRY_VERIFY(w.isNull());
    QCOMPARE((*boxes)->shown().size(), 0);
    QCOMPARE(inv.column(store::QUANTIDADE).at(1), QStringLiteral("500 mL"));
    // The list window goes on by itself.
    QVERIFY(list && list->isVisible());
    QTest::mouseClick(list->cmdrefresh(), Qt::LeftButton);
    QCOMPARE(list->grdDataGrid()->model()->rowCount(), 4);
    list->close();
    QTRY_VERIFY(list.isNull());
}

void TestTamselCommands::toolbarExitEndsAtOnceWritingNothing()
{
    TempInventory inv(fourRows());
    const auto before = inv.rows();
    // A real program: it types an edit, opens the list window, and presses the toolbar's Exit.
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/qb_toolbar_exit_program"),
                  {inv.folder()});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());
    QVERIFY(program.readAllStandardOutput().contains("edited"));
    // The edit is not in the file, and no journal is left for the next start to repair.
    QCOMPARE(inv.rows(), before);
    QCOMPARE(QDir(inv.folder()).entryList(QDir::Files), QStringList({QStringLiteral("QBData.mdb")}));
}

void TestTamselCommands::theRecordNumberIsShownInFull()
{
    TempInventory inv(fourRows());
    auto w = openTamsel(inv);
    w->show();
    // The bold caption keeps room for six digits between the four buttons.
    const QFontMetrics metrics(w->Data1()->font());
    QVERIFY(metrics.horizontalAdvance(QStringLiteral("Chemical #: 999999")) <=
            w->Data1()->captionRect().width());
    for (int action = records::ActionMoveFirst; action <= records::ActionMoveLast; ++action) {
        QVERIFY(!w->Data1()->button(action)->geometry().intersects(w->Data1()->captionRect()));
        QVERIFY(w->Data1()->button(action)->width() >= 12);
        QVERIFY(!w->Data1()->button(action)->accessibleName().isEmpty());
    }
    // The list window's position, seven digits.
    auto list = std::unique_ptr<list_window::frmDataGrid>(list_window::frmDataGrid::Load());
    const QFontMetrics small(list->Data1()->font());
    QVERIFY(small.horizontalAdvance(QStringLiteral("1000000")) <= list->Data1()->captionRect().width());
}

// Far beyond a single-line box's usual limit of 32,767 characters.
void TestTamselCommands::aLongValueIsShownAndSavedWhole()
{
    QString name;
    for (int i = 0; name.size() < 100000; ++i)
        name += QStringLiteral("Ácido %1, ").arg(i);
    name.truncate(100000);
    TempInventory inv({chemical(name, QStringLiteral("Acid"))});
    auto w = openTamsel(inv);
    w->show();
    QCOMPARE(shown(*w, store::NOME), name);
    typeInto(*w, store::NOME, QStringLiteral("!"));
    run(*w, "mnusave");
    QCOMPARE(inv.column(store::NOME), QStringList({name + QStringLiteral("!")}));
    QCOMPARE(shown(*w, store::NOME), name + QStringLiteral("!"));
    QCOMPARE((*boxes)->shown().size(), 0);
}

// At the window's first size, from the search box and from another tab, by the menu and by
// the toolbar: the new record's name is typed at once.
void TestTamselCommands::newRecordPutsTheFocusInTheNameBox()
{
    TempInventory inv(fourRows());
    auto w = openTamsel(inv);
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(w->size(), QSize(825, 430));
    auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    QWidget* nameBox = w->txtfields(store::NOME)->widget();

    w->Text2()->setFocus();
    run(*w, "nmunew");
    QCOMPARE(QApplication::focusWidget(), nameBox);
    testsupport::typeText(QApplication::focusWidget(), QStringLiteral("Antraceno"));
    pressToolbar(*w, "Toolbar1_Save");
    QCOMPARE(inv.column(store::NOME).last(), QStringLiteral("Antraceno"));

    tabs->setCurrentIndex(2);
    w->txtfields(store::HAZARDS)->widget()->setFocus();
    pressToolbar(*w, "Toolbar1_New");
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), nameBox);
    testsupport::typeText(QApplication::focusWidget(), QStringLiteral("Benzila"));
    run(*w, "mnusave");
    QCOMPARE(inv.column(store::NOME).last(), QStringLiteral("Benzila"));
    QCOMPARE((*boxes)->shown().size(), 0);
}

QB_TEST_MAIN(TestTamselCommands)
#include "tst_tamsel_commands.moc"
