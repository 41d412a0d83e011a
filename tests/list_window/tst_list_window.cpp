#include "inventory/main_window/tamsel.h"
#include "list_fixture.h"
#include "platform/data/errors.h"
#include "platform/forms/twips.h"
#include "platform/testing/messageboxes.h"
#include "tests/support/test_main.h"
#include "tests/support/typing.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include <sqlite3.h>

#include <algorithm>

using namespace testsupport;
using list_window::frmDataGrid;

namespace {

std::vector<Row> threeRows()
{
    return {chemical(QStringLiteral("Tolueno"), QStringLiteral("Toluene"), QStringLiteral("C7H8")),
            chemical(QStringLiteral("Acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O")),
            chemical(QStringLiteral("Benzeno"), QStringLiteral("Benzene"), QStringLiteral("C6H6"))};
}

int outerHeightTwips(QWidget* w)
{
    const QMargins frame = forms::frameEstimate(w);
    return forms::twips(w->height() + frame.top() + frame.bottom());
}

} // namespace

class TestListWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup()
    {
        boxes.reset();
        forms::setPath({});
    }

    void opensAsDesignedOnTheFirstRecord();
    void emptyTableAndEmptyColumns();
    void refreshSeesOtherChangesAndKeepsTheHits();
    void aFailedRefreshIsReportedAndTheWindowGoesOn();
    void theGridFollowsTheWindowsHeightOnly();
    void withoutAFrameTheGridEndsInsideTheWindow();
    void tabWalksEveryControlAndLeavesTheGrid();
    void oneWindowLoadedAfreshIndependentOfTheMainWindow();
    void theMenuShowsTheListWhenReadWhileTheMainWindowGoesOn();

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestListWindow::opensAsDesignedOnTheFirstRecord()
{
    TempInventory inv(threeRows());
    auto w = openList(inv);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));

    QCOMPARE(w->windowTitle(), QStringLiteral("List Chemicals"));
    QCOMPARE(w->picButtons()->geometry(), forms::twipsRect(0, 0, 6150, 495));
    QCOMPARE(w->Text1()->geometry(), forms::twipsRect(0, 0, 1815, 388));
    QCOMPARE(w->Command1()->geometry(), forms::twipsRect(1680, 0, 975, 388));
    QCOMPARE(w->cmdClose()->geometry(), forms::twipsRect(4440, 0, 840, 388));
    QCOMPARE(w->cmdrefresh()->geometry(), forms::twipsRect(5280, 0, 840, 388));
    QCOMPARE(w->List1()->geometry().topLeft(), forms::twipsRect(120, 2520, 3615, 255).topLeft());
    QCOMPARE(w->Command2()->geometry(), forms::twipsRect(0, 480, 1020, 375));
    QCOMPARE(w->Command3()->geometry(), forms::twipsRect(1080, 480, 1020, 375));
    QCOMPARE(w->Data1()->geometry(), forms::twipsRect(2760, 0, 1650, 435));
    QCOMPARE(w->grdDataGrid()->geometry().topLeft(), forms::twipsRect(0, 840, 6150, 3045).topLeft());
    QCOMPARE(w->grdDataGrid()->width(), forms::px(6150));
    QCOMPARE(w->Command1()->text(), QStringLiteral("Seek"));
    QCOMPARE(w->cmdClose()->text(), QStringLiteral("&Close"));
    QCOMPARE(w->cmdrefresh()->text(), QStringLiteral("Refresh"));
    QCOMPARE(w->Command2()->text(), QStringLiteral("<< Previous"));
    QCOMPARE(w->Command3()->text(), QStringLiteral("Next >>"));

    // The load's state: the seek box empty, the seek's list and buttons hidden, the
    // timer armed by the design, the first record current.
    QCOMPARE(w->Text1()->text(), QString());
    QVERIFY(w->List1()->isHidden());
    QVERIFY(w->Command2()->isHidden());
    QVERIFY(w->Command3()->isHidden());
    QVERIFY(w->Timer1()->isActive());
    QCOMPARE(w->Timer1()->interval(), 1000);
    QVERIFY(!w->searchReady);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("1"));
    QCOMPARE(w->focusWidget(), w->grdDataGrid());

    // The grid: name and formula in name order, under their captions.
    auto* model = w->grdDataGrid()->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Chemical Name"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Formula"));
    QCOMPARE(cell(*w, 0, 0), QStringLiteral("Acetona"));
    QCOMPARE(cell(*w, 2, 1), QStringLiteral("C7H8"));
    QCOMPARE(w->chemNames.toVector(),
             std::vector<QString>({QStringLiteral("Acetona"), QStringLiteral("Benzeno"),
                                   QStringLiteral("Tolueno"), QString()}));
    QCOMPARE(w->formulas.toVector(), std::vector<QString>({QStringLiteral("C3H6O"), QStringLiteral("C6H6"),
                                                           QStringLiteral("C7H8"), QString()}));

    // Moving in the grid moves the cursor, and the caption shows the position.
    QTest::keyClick(w->grdDataGrid(), Qt::Key_Down);
    QCOMPARE(w->Data1()->Recordset()->AbsolutePosition(), 1);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("2"));

    // A screen reader names each control by what it does.
    QCOMPARE(w->Command2()->accessibleName(), QStringLiteral("Previous"));
    QCOMPARE(w->Command3()->accessibleName(), QStringLiteral("Next"));
    QVERIFY(!w->Text1()->accessibleName().isEmpty());
    QVERIFY(!w->grdDataGrid()->accessibleName().isEmpty());
    QVERIFY(!w->List1()->accessibleName().isEmpty());
}

void TestListWindow::emptyTableAndEmptyColumns()
{
    TempInventory empty;
    auto w = openList(empty);
    QCOMPARE(w->chemNames.toVector(), std::vector<QString>({QString()}));
    QCOMPARE(w->formulas.toVector(), std::vector<QString>({QString()}));
    QCOMPARE(w->grdDataGrid()->model()->rowCount(), 0);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("0"));

    Row nullName = chemical(QString(), {}, QStringLiteral("H2O"));
    nullName[store::NOME] = QVariant();
    TempInventory inv({nullName, chemical(QString(QLatin1String("")), {}, QString(QLatin1String(""))),
                       chemical(QStringLiteral("Acetona"))});
    auto v = openList(inv);
    QCOMPARE(v->chemNames.toVector(),
             std::vector<QString>({QString(), QString(), QStringLiteral("Acetona"), QString()}));
    QCOMPARE(v->formulas.toVector(),
             std::vector<QString>({QStringLiteral("H2O"), QString(), QString(), QString()}));
    QCOMPARE(cell(*v, 0, 0), QString());
    QCOMPARE(cell(*v, 0, 1), QStringLiteral("H2O"));
}

void TestListWindow::refreshSeesOtherChangesAndKeepsTheHits()
{
    TempInventory inv(threeRows());
    auto w = openList(inv);
    w->show();
    QVERIFY(waitForTick(*w));
    seek(*w, QStringLiteral("eno"));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Benzeno"), QStringLiteral("Tolueno")}));

    // Added by the main window: neither in the grid nor found until Refresh.
    inv.insert({chemical(QStringLiteral("Antraceno"), {}, QStringLiteral("C14H10"))});
    QCOMPARE(w->grdDataGrid()->model()->rowCount(), 3);
    QCOMPARE(w->chemNames.size(), std::size_t(4));

    QTest::mouseClick(w->cmdrefresh(), Qt::LeftButton);
    QCOMPARE(w->grdDataGrid()->model()->rowCount(), 4);
    QCOMPARE(cell(*w, 1, 0), QStringLiteral("Antraceno"));
    QCOMPARE(w->chemNames.at(1), QStringLiteral("Antraceno"));
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("1"));
    // The hits and the buttons stay as the last seek left them, positions included.
    QVERIFY(w->List1()->isVisible());
    QVERIFY(w->Command2()->isVisible() && w->Command3()->isVisible());
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Benzeno"), QStringLiteral("Tolueno")}));
    QCOMPARE(w->hitPositions.at(2), 2);
    QTest::mouseClick(w->Command3(), Qt::LeftButton);
    QCOMPARE(w->Data1()->Recordset()->AbsolutePosition(), 2);

    // The next seek finds it.
    seek(*w, QStringLiteral("eno"));
    QVERIFY(waitForTick(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Antraceno"), QStringLiteral("Benzeno"),
                                           QStringLiteral("Tolueno")}));
    QCOMPARE((*boxes)->shown().size(), 0);
}

void TestListWindow::aFailedRefreshIsReportedAndTheWindowGoesOn()
{
    TempInventory inv(threeRows());
    auto w = openList(inv);
    // Another program renames the table away for a while.
    auto rename = [&](const QString& sql) {
        auto other = records::Database::open(inv.path());
        other->write([&] {
            records::Statement change(*other, sql);
            records::Statement::Reset done(change);
            change.step();
        });
    };
    rename(QStringLiteral("ALTER TABLE TOLMIREKS RENAME TO REAGENTES"));
    QTest::mouseClick(w->cmdrefresh(), Qt::LeftButton);
    QCOMPARE((*boxes)->shown().size(), 1);
    const auto& box = (*boxes)->shown().first();
    QVERIFY2(box.prompt.startsWith(QStringLiteral("Error:%1 ").arg(int(records::TableNotFound))),
             qPrintable(box.prompt));
    QVERIFY(box.prompt.contains(QStringLiteral("TOLMIREKS")));
    QCOMPARE(box.style, int(forms::OkOnly));
    QCOMPARE(box.title, QStringLiteral("Quillarbon"));
    // The window keeps its cursor and goes on: with the table back, it reads again.
    QCOMPARE(w->grdDataGrid()->model()->rowCount(), 3);
    rename(QStringLiteral("ALTER TABLE REAGENTES RENAME TO TOLMIREKS"));
    QCOMPARE(cell(*w, 0, 0), QStringLiteral("Acetona"));
    QTest::keyClick(w->grdDataGrid(), Qt::Key_Down);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("2"));
    QTest::mouseClick(w->cmdrefresh(), Qt::LeftButton);
    QCOMPARE((*boxes)->shown().size(), 1);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("1"));
}

void TestListWindow::theGridFollowsTheWindowsHeightOnly()
{
    TempInventory inv(threeRows());
    auto w = openList(inv);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    auto* grid = w->grdDataGrid();
    const int width = grid->width();
    auto expected = [&] {
        return forms::px(static_cast<float>(outerHeightTwips(w.get())) - (495.0f + 425.0f));
    };
    QCOMPARE(grid->height(), expected());

    w->resize(w->width(), 500);
    QCOMPARE(grid->height(), expected());
    QCOMPARE(grid->y(), forms::px(840));
    // Wider: the grid keeps its width.
    w->resize(900, 500);
    QCOMPARE(grid->width(), width);
    const int tall = grid->height();

    // So low that the height would be nothing: the grid keeps the height it had.
    w->resize(900, 20);
    QCOMPARE(grid->height(), tall);
    QCOMPARE((*boxes)->shown().size(), 0);

    // Minimised, nothing changes; restored, the height follows the window again.
    w->resize(900, 400);
    const int before = grid->height();
    w->showMinimized();
    QCoreApplication::processEvents();
    QCOMPARE(grid->height(), before);
    w->showNormal();
    w->resize(900, 450);
    QCOMPARE(grid->height(), expected());
}

// A window with no frame (none drawn, as on a display without a window manager): the outer
// height is the window's own, and the grid's scroll bar stays in sight.
void TestListWindow::withoutAFrameTheGridEndsInsideTheWindow()
{
    TempInventory inv(threeRows());
    auto w = openList(inv);
    w->setWindowFlag(Qt::FramelessWindowHint);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->frameGeometry().size(), w->size());
    for (int height : {w->height(), 500, 300}) {
        w->resize(w->width(), height);
        const QRect grid = w->grdDataGrid()->geometry();
        QCOMPARE(grid.height(), forms::px(static_cast<float>(forms::twips(height)) - (495.0f + 425.0f)));
        QVERIFY2(grid.bottom() < w->height(),
                 qPrintable(QStringLiteral("%1 of %2").arg(grid.bottom()).arg(height)));
        QScrollBar* bar = w->grdDataGrid()->horizontalScrollBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->mapTo(w.get(), QPoint(0, bar->height() - 1)).y() < w->height());
    }
}

// From the grid, Tab walks the design's order through every control shown and comes back;
// Shift+Tab walks it back. Ctrl+Tab moves between the grid's cells.
void TestListWindow::tabWalksEveryControlAndLeavesTheGrid()
{
    TempInventory inv(threeRows());
    auto w = openList(inv);
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QVERIFY(waitForTick(*w));
    // A seek's hits and its Previous and Next buttons are shown.
    seek(*w, QStringLiteral("eno"));
    QVERIFY(w->Command3()->isVisible());
    auto* grid = w->grdDataGrid();
    grid->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid));
    auto name = [](QWidget* f) {
        return f ? f->objectName() : QStringLiteral("(none)");
    };
    const QStringList around{QStringLiteral("cmdClose"), QStringLiteral("cmdrefresh"),
                             QStringLiteral("Text1"),    QStringLiteral("Command1"),
                             QStringLiteral("List1"),    QStringLiteral("Command2"),
                             QStringLiteral("Command3"), QStringLiteral("grdDataGrid")};
    QCOMPARE(walkFocus(Qt::Key_Tab, name), around);
    QStringList back = around.mid(0, around.size() - 1);
    std::reverse(back.begin(), back.end());
    back.append(QStringLiteral("grdDataGrid"));
    QCOMPARE(walkFocus(Qt::Key_Backtab, name), back);

    const int row = grid->currentIndex().row();
    const int column = grid->currentIndex().column();
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid));
    QCOMPARE(grid->currentIndex().column(), column + 1);
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(grid->currentIndex(), grid->model()->index(row, column));
}

void TestListWindow::oneWindowLoadedAfreshIndependentOfTheMainWindow()
{
    TempInventory inv(threeRows());
    forms::setPath(inv.folder());
    auto* main = Tamsel::Load();
    main->show();
    main->findChild<QAction*>(QStringLiteral("mnudbgrid"))->trigger();
    QPointer<frmDataGrid> first = list_window::showDataGrid();
    QVERIFY(first && first->isVisible());
    // Opening it again only brings it forward.
    main->findChild<QAction*>(QStringLiteral("mnudbgrid"))->trigger();
    QCOMPARE(list_window::showDataGrid(), first.data());

    // The main window closes; the list goes on, and its commands still work.
    QVERIFY(main->close());
    QCoreApplication::processEvents();
    QVERIFY(first->isVisible());
    inv.insert({chemical(QStringLiteral("Antraceno"))});
    QTest::mouseClick(first->cmdrefresh(), Qt::LeftButton);
    QCOMPARE(first->grdDataGrid()->model()->rowCount(), 4);

    // Closed, it goes; the next opening starts from the design, the timer armed again.
    QVERIFY(waitForTick(*first));
    QVERIFY(first->searchReady);
    QTest::mouseClick(first->cmdClose(), Qt::LeftButton);
    QTRY_VERIFY(first.isNull());
    QPointer<frmDataGrid> second = list_window::showDataGrid();
    QVERIFY(second);
    QVERIFY(!second->searchReady);
    QVERIFY(second->Timer1()->isActive());
    QVERIFY(second->Command2()->isHidden());
    second->close();
    QTRY_VERIFY(second.isNull());
    QCOMPARE((*boxes)->shown().size(), 0);
}

void TestListWindow::theMenuShowsTheListWhenReadWhileTheMainWindowGoesOn()
{
    // A million records take a second to read: the menu's click returns at once and the main
    // window goes on. Here another program holds the file while it adds a record, and the
    // main window is closed before the list is up; the list still comes, loaded as designed
    // over the file as it is then, and the program runs until it is closed.
    TempInventory inv(threeRows());
    forms::setPath(inv.folder());
    QPointer<Tamsel> main = Tamsel::Load();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main.data()));
    sqlite3* other = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(inv.path()).constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE; INSERT INTO TOLMIREKS (NOME) VALUES ('Anilina')", nullptr,
                          nullptr, nullptr),
             SQLITE_OK);
    QAction* menu = main->findChild<QAction*>(QStringLiteral("mnudbgrid"));
    menu->trigger();
    QVERIFY(list_window::dataGridOnItsWay());
    menu->trigger(); // the same window is on its way

    QStringList seen;
    QTimer look;
    connect(&look, &QTimer::timeout, this, [&] {
        for (QWidget* t : QApplication::topLevelWidgets()) {
            auto* list = qobject_cast<frmDataGrid*>(t);
            if (!list || !list->isVisible() || !seen.isEmpty())
                continue;
            seen = {QString::number(list->grdDataGrid()->model()->rowCount()), cell(*list, 0, 0),
                    list->Command2()->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"),
                    list->Timer1()->isActive() ? QStringLiteral("armed") : QStringLiteral("idle"),
                    main ? QStringLiteral("main open") : QStringLiteral("main closed")};
            list->close();
        }
    });
    look.start(5);
    QTimer::singleShot(0, main, [&main] { main->close(); });
    QTimer::singleShot(300, this, [&other] {
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        other = nullptr;
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    deadline.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    sqlite3_close(other);
    QCOMPARE(seen, QStringList({QStringLiteral("4"), QStringLiteral("Acetona"), QStringLiteral("hidden"),
                                QStringLiteral("armed"), QStringLiteral("main closed")}));
    QVERIFY(!list_window::dataGridOnItsWay());
}

QB_TEST_MAIN(TestListWindow)
#include "tst_list_window.moc"
