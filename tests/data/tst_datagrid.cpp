#include "platform/data/datacontrol.h"
#include "platform/data/datagrid.h"
#include "platform/data/errors.h"
#include "platform/testing/messageboxes.h"
#include "tests/data/items_table.h"
#include "tests/support/error_number.h"
#include "tests/support/test_main.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>

using namespace testsupport;
using namespace items;
using records::DataControl;
using records::DataGrid;

namespace {

// A window with a data control and a grid of two columns bound to it.
struct GridWindow
{
    explicit GridWindow(const QStringList& fields = {QStringLiteral("Name"), QStringLiteral("code")})
    {
        auto* layout = new QVBoxLayout(&top);
        data = new DataControl(&top);
        data->setObjectName(QStringLiteral("Data1"));
        layout->addWidget(data);
        grid = new DataGrid(&top);
        grid->setDataSource(QStringLiteral("Data1"));
        grid->setDataFields(fields);
        grid->setCaptions({QStringLiteral("Item Name"), QStringLiteral("Code")});
        layout->addWidget(grid);
        top.resize(420, 300);
    }
    void open(const QString& path)
    {
        data->setDatabaseName(path);
        data->setRecordSource(items::recordSource());
        data->Refresh();
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
    }
    QString cell(int row, int column) const { return grid->model()->index(row, column).data().toString(); }
    records::Recordset& rs() { return *data->Recordset(); }

    QWidget top;
    DataControl* data;
    DataGrid* grid;
};

std::vector<Row> rows(int n)
{
    std::vector<Row> out;
    for (int i = 0; i < n; ++i)
        out.push_back(item(QStringLiteral("Item %1").arg(i, 3, 10, QLatin1Char('0')), {},
                           QStringLiteral("C%1").arg(i)));
    return out;
}

} // namespace

class TestDataGrid : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup() { boxes.reset(); }

    void showsTheRecordsetUnderItsCaptions();
    void theCursorAndTheCurrentRowAreOne();
    void nothingCanBeTypedIntoIt();
    void aRowDeletedElsewhereShowsEmpty();
    void aColumnTheTableLacksIsRefused();

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestDataGrid::showsTheRecordsetUnderItsCaptions()
{
    TempTable inv({item(QStringLiteral("Tolueno"), {}, QStringLiteral("C7H8")),
                   item(QStringLiteral("Acetona"), {}, QStringLiteral("C3H6O")),
                   item(QStringLiteral("Benzeno"))});
    GridWindow w;
    QAbstractItemModelTester tester(w.grid->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    w.open(inv.path());

    // Columns bound by name whatever its case, rows in the record set's order; Null is empty.
    QCOMPARE(w.grid->model()->rowCount(), 3);
    QCOMPARE(w.grid->model()->columnCount(), 2);
    QCOMPARE(w.grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Item Name"));
    QCOMPARE(w.grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Code"));
    QCOMPARE(w.cell(0, 0), QStringLiteral("Acetona"));
    QCOMPARE(w.cell(0, 1), QStringLiteral("C3H6O"));
    QCOMPARE(w.cell(1, 1), QString());
    QCOMPARE(w.cell(2, 0), QStringLiteral("Tolueno"));
    QVERIFY(w.grid->horizontalHeader()->isVisible());
    QVERIFY(w.grid->verticalHeader()->isVisible());
    QCOMPARE(w.grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(w.grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    // Opened again after rows were added elsewhere: the grid shows them.
    inv.insert({item(QStringLiteral("Água"))});
    w.data->Refresh();
    QCOMPARE(w.grid->model()->rowCount(), 4);
    QCOMPARE(w.cell(1, 0), QStringLiteral("Água"));
}

void TestDataGrid::theCursorAndTheCurrentRowAreOne()
{
    TempTable inv(rows(300));
    GridWindow w;
    w.open(inv.path());
    QSignalSpy reposition(w.data, &DataControl::Reposition);
    QCoreApplication::processEvents();
    // The record selector marks the current row.
    QCOMPARE(w.grid->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("\u25B6"));
    QCOMPARE(w.grid->model()->headerData(1, Qt::Vertical).toString(), QString());

    // A move in code selects the row and scrolls to it.
    w.rs().setAbsolutePosition(250);
    QCoreApplication::processEvents();
    QCOMPARE(w.grid->currentIndex().row(), 250);
    QVERIFY(w.grid->viewport()->rect().intersects(w.grid->visualRect(w.grid->currentIndex())));
    QCOMPARE(w.grid->model()->headerData(250, Qt::Vertical).toString(), QStringLiteral("\u25B6"));
    QCOMPARE(w.grid->model()->headerData(0, Qt::Vertical).toString(), QString());

    // A click on a row moves the cursor, once.
    reposition.clear();
    const QModelIndex target = w.grid->model()->index(252, 1);
    QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {}, w.grid->visualRect(target).center());
    QCOMPARE(w.rs().AbsolutePosition(), 252);
    QCOMPARE(reposition.count(), 1);

    // The arrow keys move between cells, and up and down move the cursor.
    QTest::keyClick(w.grid, Qt::Key_Down);
    QCOMPARE(w.rs().AbsolutePosition(), 253);
    QTest::keyClick(w.grid, Qt::Key_Left);
    QCOMPARE(w.grid->currentIndex().column(), 0);
    QCOMPARE(w.rs().AbsolutePosition(), 253);
    QTest::keyClick(w.grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(w.rs().AbsolutePosition(), 299);
    QCOMPARE(w.rs().Fields(items::NAME).Value().toString(), QStringLiteral("Item 299"));

    // A loop of moves in code reaches the grid once it is over, at the record it ended on.
    for (int p = 0; p <= 150; ++p)
        w.rs().setAbsolutePosition(p);
    QCOMPARE(w.grid->currentIndex().row(), 299);
    QCoreApplication::processEvents();
    QCOMPARE(w.grid->currentIndex().row(), 150);
    w.rs().setAbsolutePosition(10);
    w.data->syncBound();
    QCOMPARE(w.grid->currentIndex().row(), 10);
    QCOMPARE((*boxes)->shown().size(), 0);
}

void TestDataGrid::nothingCanBeTypedIntoIt()
{
    TempTable inv(rows(3));
    GridWindow w;
    w.open(inv.path());
    QVERIFY(!w.grid->AllowAddNew() && !w.grid->AllowDelete() && !w.grid->AllowUpdate());
    const QModelIndex cell = w.grid->model()->index(1, 0);
    QVERIFY(!(w.grid->model()->flags(cell) & Qt::ItemIsEditable));
    w.grid->setCurrentIndex(cell);
    QTest::keyClick(w.grid, Qt::Key_F2);
    QTest::keyClicks(w.grid, QStringLiteral("xyz"));
    QTest::keyClick(w.grid, Qt::Key_Return);
    QTest::keyClick(w.grid, Qt::Key_Delete);
    QTest::mouseDClick(w.grid->viewport(), Qt::LeftButton, {}, w.grid->visualRect(cell).center());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
    QCoreApplication::processEvents();
    QCOMPARE(inv.column(items::NAME), QStringList({QStringLiteral("Item 000"), QStringLiteral("Item 001"),
                                                   QStringLiteral("Item 002")}));
    QCOMPARE(w.cell(1, 0), QStringLiteral("Item 001"));
}

void TestDataGrid::aRowDeletedElsewhereShowsEmpty()
{
    TempTable inv(rows(40));
    GridWindow w;
    w.open(inv.path());
    QCOMPARE(w.cell(5, 0), QStringLiteral("Item 005"));
    {
        auto other = records::Database::open(inv.path());
        records::Recordset elsewhere(*other, items::recordSource());
        elsewhere.setAbsolutePosition(5);
        elsewhere.Delete();
    }
    QCoreApplication::processEvents();
    // Never another row's data, never a crash; the tooltip says why the row is empty.
    QCOMPARE(w.cell(5, 0), QString());
    QCOMPARE(w.cell(5, 1), QString());
    QVERIFY(
        w.grid->model()->index(5, 0).data(Qt::ToolTipRole).toString().contains(QStringLiteral("deleted")));
    QCOMPARE(w.cell(4, 0), QStringLiteral("Item 004"));
    QCOMPARE(w.cell(6, 0), QStringLiteral("Item 006"));
    w.grid->update();
    QTest::qWait(20);
    QCOMPARE((*boxes)->shown().size(), 0);
}

void TestDataGrid::aColumnTheTableLacksIsRefused()
{
    TempTable inv(rows(2));
    GridWindow good;
    good.open(inv.path());

    GridWindow w({QStringLiteral("Name"), QStringLiteral("PESO")});
    w.data->setDatabaseName(inv.path());
    w.data->setRecordSource(items::recordSource());
    QString text;
    QCOMPARE(errorNumber([&] { w.data->Refresh(); }, &text), int(records::ColumnNotFound));
    QVERIFY2(text.contains(QStringLiteral("PESO")), qPrintable(text));
    QVERIFY(!w.data->isOpen());
    QCOMPARE(w.grid->model()->rowCount(), 0);
}

QB_TEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"
