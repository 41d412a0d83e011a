// The Storage Check window as a person meets it: from the View menu, read with the
// keyboard, and a chosen chemical shown in the main window.
#include "inventory/main_window/tamsel.h"
#include "inventory/storage_window/storagecheckwindow.h"
#include "inventory/storage_window/storagereportmodel.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/forms/identity.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeView>

using namespace testsupport;

namespace {

Row at(const QString& nome, const QString& formula, const QString& place, const QString& hazards)
{
    Row row(store::kColumnCount);
    row[store::NOME] = nome;
    row[store::FORMULA] = formula;
    row[store::LOCAL] = place;
    row[store::HAZARDS] = hazards;
    return row;
}

const QString kAcids = QStringLiteral("Armário de ácidos, prateleira 3");

// The line of the model whose first column reads text, searched through the tree.
QModelIndex find(const QAbstractItemModel& model, const QString& text, const QModelIndex& parent = {})
{
    for (int r = 0; r < model.rowCount(parent); ++r) {
        const QModelIndex i = model.index(r, 0, parent);
        if (i.data().toString() == text)
            return i;
        if (const QModelIndex below = find(model, text, i); below.isValid())
            return below;
    }
    return {};
}

} // namespace

class TestStorageWindow : public QObject
{
    Q_OBJECT
private slots:
    void theViewMenuOpensItBelowTheList();
    void enterOnAChemicalShowsItInTheMainWindow();
};

void TestStorageWindow::theViewMenuOpensItBelowTheList()
{
    TempInventory inv({at(QStringLiteral("Ácido nítrico 65%"), QStringLiteral("HNO3"), kAcids,
                          QStringLiteral("H272 H290 H314 H331")),
                       at(QStringLiteral("Anidrido acético"), QStringLiteral("C4H6O3"), kAcids,
                          QStringLiteral("H226 H302 H314 H330")),
                       at(QStringLiteral("Sal"), QStringLiteral("NaCl"), QStringLiteral("Estante"),
                          QStringLiteral("Not classified as hazardous under GHS.")),
                       at(QStringLiteral("Amostra 7"), QString(), QStringLiteral("Estante"), QString())});
    forms::setPath(inv.folder());
    std::unique_ptr<Tamsel> main(Tamsel::Load());
    main->setAttribute(Qt::WA_DeleteOnClose, false);
    main->show();

    auto* view = main->findChild<QMenu*>(QStringLiteral("mnuview"));
    QVERIFY(view);
    QStringList items;
    for (QAction* a : view->actions())
        items.append(a->text());
    QCOMPARE(items, QStringList({QStringLiteral("&List Chemicals"), QStringLiteral("&Storage Check")}));
    view->actions().at(1)->trigger();

    storage_window::StorageCheckWindow* w = main->storageCheck();
    QVERIFY(w && w->isVisible());
    QAbstractItemModelTester tester(w->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    // The acids' shelf, with its pair; the shelf of the salt, for its unknown sample only.
    QCOMPARE(w->model()->rowCount(), 2);
    QCOMPARE(w->model()->index(0, 0).data().toString(), kAcids);
    const QModelIndex pair = w->model()->index(0, 0, w->model()->index(0, 0));
    QCOMPARE(pair.data().toString(), QStringLiteral("Keep apart: organic acid (D) with oxidizer (E)"));
    QCOMPARE(w->model()->rowCount(pair), 2);
    const QModelIndex unknown = find(*w->model(), QStringLiteral("Amostra 7"));
    QVERIFY(unknown.isValid());
    QCOMPARE(unknown.siblingAtColumn(2).data().toString(), QStringLiteral("the hazards text is empty"));
    QVERIFY(!find(*w->model(), QStringLiteral("Sal")).isValid());
    QVERIFY(w->summary()->text().contains(QStringLiteral("1 storing place holds")));
}

void TestStorageWindow::enterOnAChemicalShowsItInTheMainWindow()
{
    TempInventory inv({at(QStringLiteral("Ácido nítrico 65%"), QStringLiteral("HNO3"), kAcids,
                          QStringLiteral("H272 H290 H314 H331")),
                       at(QStringLiteral("Acetona"), QStringLiteral("C3H6O"), QStringLiteral("Armário A"),
                          QStringLiteral("H225"))});
    forms::setPath(inv.folder());
    std::unique_ptr<Tamsel> main(Tamsel::Load());
    main->setAttribute(Qt::WA_DeleteOnClose, false);
    main->show();
    main->mnustoragecheck_Click();
    storage_window::StorageCheckWindow* w = main->storageCheck();
    QVERIFY(w);
    QCOMPARE(w->model()->rowCount(), 0);
    QVERIFY(!w->showButton()->isEnabled());

    // Put there by another program after the main window read the inventory.
    inv.insert({at(QStringLiteral("Anidrido acético"), QStringLiteral("C4H6O3"), kAcids,
                   QStringLiteral("H226 H302 H314 H330"))});
    QTest::mouseClick(w->refreshButton(), Qt::LeftButton);
    const QModelIndex anhydride = find(*w->model(), QStringLiteral("Anidrido acético"));
    QVERIFY(anhydride.isValid());
    w->tree()->setFocus();
    w->tree()->setCurrentIndex(anhydride);
    QVERIFY(w->showButton()->isEnabled());
    QTest::keyClick(w->tree(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(main->txtfields(store::NOME)->Text(), QStringLiteral("Anidrido acético"));

    const QModelIndex nitric = find(*w->model(), QStringLiteral("Ácido nítrico 65%"));
    w->tree()->setCurrentIndex(nitric);
    QTest::mouseClick(w->showButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(main->txtfields(store::NOME)->Text(), QStringLiteral("Ácido nítrico 65%"));
}

QB_TEST_MAIN(TestStorageWindow)
#include "tst_storage_window.moc"
