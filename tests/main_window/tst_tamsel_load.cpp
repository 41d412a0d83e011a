#include "inventory/info_windows/frmabout.h"
#include "platform/controls/host.h"
#include "platform/data/errors.h"
#include "platform/data/readahead.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/twips.h"
#include "tamsel_fixture.h"
#include "tests/support/test_main.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

using namespace testsupport;

class TestTamselLoad : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheFirstNameWithTheSearchAreaClear();
    void designKeepsItsPlacesAndCaptions();
    void tabFromTheSearchBoxWalksTheIdentityTab();
    void tabWalksEveryControlAroundAndBack();
    void searchArraysFollowTheNameOrder();
    void emptyTableLoadsWithNoCurrentRecord();
    void pickingAnEntryBringsUpItsRecord();
    void missingFileFailsTheLoadAndMakesNothing();
    void theLoadTakesWhatWasReadBehindTheSplashAsItIsNow();
    void aboutOpensOnceBesideTheWindow();
};

void TestTamselLoad::opensOnTheFirstNameWithTheSearchAreaClear()
{
    TempInventory inv(
        {chemical(QStringLiteral("Tolueno"), QStringLiteral("Toluene"), QStringLiteral("C7H8")),
         chemical(QStringLiteral("acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O")),
         chemical(QStringLiteral("Benzeno"), QStringLiteral("Benzene"), QStringLiteral("C6H6"))});
    auto w = openTamsel(inv);
    w->show();
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("acetona"));
    QCOMPARE(shown(*w, store::ALDRICH), QStringLiteral("Acetone"));
    QCOMPARE(shown(*w, store::FORMULA), QStringLiteral("C3H6O"));
    QCOMPARE(w->Text2()->text(), QString());
    QVERIFY(w->List1()->isHidden());
    QVERIFY(w->findChild<QLabel*>(QStringLiteral("Label3"))->isHidden());
    QCOMPARE(w->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->currentIndex(), 0);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("Chemical #: 1"));
    QVERIFY(!w->Timer1()->isActive());
    QCOMPARE(w->List1()->count(), 0);
}

void TestTamselLoad::designKeepsItsPlacesAndCaptions()
{
    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    auto w = openTamsel(inv);
    // The load gives the outer size; what is left for the client area hides the lowest controls.
    const QMargins frame = forms::frameEstimate(w.get());
    QCOMPARE(w->width() + frame.left() + frame.right(), forms::px(12500));
    QCOMPARE(w->height() + frame.top() + frame.bottom(), forms::px(6849));
    auto* data = w->Data1();
    QVERIFY(data->mapTo(w.get(), QPoint(0, 0)).y() >= w->height());
    auto* busca = w->findChild<QWidget*>(QStringLiteral("BtnBusca"));
    QVERIFY(busca->mapTo(w.get(), QPoint(0, 0)).x() >= w->width());
    QCOMPARE(w->List1()->geometry(), forms::twipsRect(120, 2760, 3615, 300));

    auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("Identily"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("&Physical Properties"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Hazards"));
    QCOMPARE(w->findChild<QGroupBox*>(QStringLiteral("Frame6"))->title(),
             QStringLiteral("caracteristic/solubility"));
    QCOMPARE(w->findChild<QPushButton*>(QStringLiteral("BtnProximo"))->text(), QStringLiteral("Próximo"));
    // Each box shows the column whose ordinal is its index.
    for (int i = 0; i < store::kColumnCount; ++i)
        QCOMPARE(w->txtfields(i)->DataField(),
                 QString::fromLatin1(store::kColumns[static_cast<std::size_t>(i)].name));

    // The design's fonts keep their fractions of a point, and its colours their values.
    QCOMPARE(data->font().pointSizeF(), 13.5);
    QVERIFY(data->font().bold());
    QCOMPARE(w->txtfields(store::NOME)->widget()->font().pointSizeF(), 12.0);
    QVERIFY(w->txtfields(store::HAZARDS)->widget()->font().bold());
    QVERIFY(!w->txtfields(store::ALDRICH)->widget()->font().bold());
    auto* title = w->findChild<QLabel*>(QStringLiteral("Label8"));
    QCOMPARE(title->font().pointSizeF(), 29.25);
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(w->List1()->palette().color(QPalette::Text), QColor(0, 0, 0x80));
}

void TestTamselLoad::tabFromTheSearchBoxWalksTheIdentityTab()
{
    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    auto w = openTamsel(inv);
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->Text2()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->Text2()));

    QStringList walked;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* f = QApplication::focusWidget();
        // The tab control takes the focus on its tab bar.
        walked.append(f->parentWidget() && f->parentWidget()->objectName() == QStringLiteral("SSTab1")
                          ? QStringLiteral("SSTab1")
                          : f->objectName());
    }
    QCOMPARE(walked, QStringList({QStringLiteral("Command2"), QStringLiteral("SSTab1"),
                                  QStringLiteral("txtfields_1"), QStringLiteral("txtfields_0"),
                                  QStringLiteral("txtfields_2"), QStringLiteral("txtfields_3"),
                                  QStringLiteral("txtfields_5"), QStringLiteral("txtfields_4")}));
}

// Tab from the design's first control until the focus comes back to it, and Shift+Tab
// the same way back: the link, the search and every box of the shown page on the way.
void TestTamselLoad::tabWalksEveryControlAroundAndBack()
{
    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    auto w = openTamsel(inv);
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QVERIFY(w->link1());
    auto name = [&](QWidget* f) {
        if (!f)
            return QStringLiteral("(none)");
        if (w->link1()->widget()->isAncestorOf(f))
            return QStringLiteral("link1");
        return qobject_cast<QTabBar*>(f) ? QStringLiteral("SSTab1") : f->objectName();
    };
    const QStringList identity{QStringLiteral("txtfields_1"), QStringLiteral("txtfields_0"),
                               QStringLiteral("txtfields_2"), QStringLiteral("txtfields_3"),
                               QStringLiteral("txtfields_5"), QStringLiteral("txtfields_4")};
    const QStringList head{QStringLiteral("link1"), QStringLiteral("Text2"), QStringLiteral("Command2"),
                           QStringLiteral("SSTab1")};
    w->findChild<QWidget*>(QStringLiteral("BtnBusca"))->setFocus();
    QTRY_COMPARE(name(QApplication::focusWidget()), QStringLiteral("BtnBusca"));
    const QStringList around = head + identity + QStringList{QStringLiteral("BtnBusca")};
    QCOMPARE(walkFocus(Qt::Key_Tab, name), around);
    QStringList back = around.mid(0, around.size() - 1);
    std::reverse(back.begin(), back.end());
    back.append(QStringLiteral("BtnBusca"));
    QCOMPARE(walkFocus(Qt::Key_Backtab, name), back);

    // On the second page its boxes take the place of the first page's.
    w->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    const QStringList physical{QStringLiteral("txtfields_6"),  QStringLiteral("txtfields_7"),
                               QStringLiteral("txtfields_8"),  QStringLiteral("txtfields_9"),
                               QStringLiteral("txtfields_11"), QStringLiteral("BtnBusca")};
    QCOMPARE(walkFocus(Qt::Key_Tab, name), head + physical);
}

void TestTamselLoad::searchArraysFollowTheNameOrder()
{
    TempInventory inv({chemical(QStringLiteral("Zinco"), QStringLiteral("Zinc"), QStringLiteral("Zn")),
                       chemical(QStringLiteral("Ácido acético"), QString(), QVariant()),
                       chemical(QStringLiteral("Benzeno"), QVariant(), QStringLiteral(""))});
    auto w = openTamsel(inv);
    QCOMPARE(w->chemNames.size(), std::size_t(4));
    QCOMPARE(w->aldrichNames.size(), std::size_t(4));
    QCOMPARE(w->formulas.size(), std::size_t(4));
    QCOMPARE(w->chemNames[0], QStringLiteral("Ácido acético"));
    QCOMPARE(w->chemNames[1], QStringLiteral("Benzeno"));
    QCOMPARE(w->chemNames[2], QStringLiteral("Zinco"));
    QCOMPARE(w->chemNames[3], QString());
    // Null and empty values both leave their element empty.
    QCOMPARE(w->aldrichNames[0], QString());
    QCOMPARE(w->formulas[0], QString());
    QCOMPARE(w->aldrichNames[1], QString());
    QCOMPARE(w->formulas[1], QString());
    QCOMPARE(w->aldrichNames[2], QStringLiteral("Zinc"));
    QCOMPARE(w->formulas[2], QStringLiteral("Zn"));
    // The load ends on the first record again.
    QCOMPARE(w->Data1()->Recordset()->AbsolutePosition(), 0);
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Ácido acético"));
}

void TestTamselLoad::emptyTableLoadsWithNoCurrentRecord()
{
    TempInventory inv;
    auto w = openTamsel(inv);
    QCOMPARE(w->chemNames.size(), std::size_t(1));
    QCOMPARE(w->aldrichNames.size(), std::size_t(1));
    QCOMPARE(w->formulas.size(), std::size_t(1));
    QCOMPARE(w->Data1()->Recordset()->RecordCount(), 0);
    QCOMPARE(w->Data1()->Recordset()->AbsolutePosition(), -1);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("Chemical #: 0"));
    for (int i = 0; i < store::kColumnCount; ++i)
        QCOMPARE(shown(*w, i), QString());
}

void TestTamselLoad::pickingAnEntryBringsUpItsRecord()
{
    TempInventory inv(
        {chemical(QStringLiteral("Clorobenzeno"), QStringLiteral("Chlorobenzene"), QStringLiteral("C6H5Cl")),
         chemical(QStringLiteral("Acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O")),
         chemical(QStringLiteral("Nitrobenzeno"), QStringLiteral("Nitrobenzene"), QStringLiteral("C6H5NO2")),
         chemical(QStringLiteral("Benzeno"), QStringLiteral("Benzene"), QStringLiteral("C6H6"))});
    auto w = openTamsel(inv);
    w->show();
    seek(*w, QStringLiteral("enzeno"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Benzeno"), QStringLiteral("Clorobenzeno"),
                                           QStringLiteral("Nitrobenzeno")}));
    QCOMPARE(w->hitPositions[3], 3);

    QTest::mouseClick(w->List1()->viewport(), Qt::LeftButton, {}, w->List1()->visualItemRect(2).center());
    QCOMPARE(w->Data1()->Recordset()->AbsolutePosition(), 3);
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Nitrobenzeno"));
    QCOMPARE(shown(*w, store::FORMULA), QStringLiteral("C6H5NO2"));
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("Chemical #: 4"));
}

void TestTamselLoad::missingFileFailsTheLoadAndMakesNothing()
{
    QTemporaryDir empty;
    forms::setPath(empty.path());
    try {
        std::unique_ptr<Tamsel> w(Tamsel::Load());
        QFAIL("the load went on without its file");
    } catch (const records::DataError& e) {
        QCOMPARE(e.number(), int(records::FileNotFound));
        QVERIFY2(e.text().contains(QStringLiteral("QBData.mdb")), qPrintable(e.text()));
    }
    QVERIFY(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
            std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                         [](QWidget* t) { return qobject_cast<Tamsel*>(t) != nullptr; }));
}

void TestTamselLoad::theLoadTakesWhatWasReadBehindTheSplashAsItIsNow()
{
    // The splash is up while the records are read; another program changes them before the
    // hand-over, and then the file goes: the window shows the change, and then the load
    // fails with the words it fails with when nothing was read before.
    TempInventory inv(
        {chemical(QStringLiteral("Benzeno"), QStringLiteral("Benzene"), QStringLiteral("C6H6")),
         chemical(QStringLiteral("Tolueno"), QStringLiteral("Toluene"), QStringLiteral("C7H8"))});
    forms::setPath(inv.folder());
    {
        const auto reading = Tamsel::readAhead();
        QVERIFY(reading);
        reading->wait();
        TempInventory::insertInto(inv.path(), {chemical(QStringLiteral("Acetona"))});
        std::unique_ptr<Tamsel> w(Tamsel::Load());
        w->show();
        QCOMPARE(shown(*w, store::NOME), QStringLiteral("Acetona"));
        QCOMPARE(w->chemNames.toVector(),
                 std::vector<QString>({QStringLiteral("Acetona"), QStringLiteral("Benzeno"),
                                       QStringLiteral("Tolueno"), QString()}));
    }
    QString withoutReading;
    {
        const auto reading = Tamsel::readAhead();
        QVERIFY(reading);
        reading->wait();
        QVERIFY(QFile::rename(inv.path(), inv.path() + QStringLiteral(".away")));
        try {
            std::unique_ptr<Tamsel> w(Tamsel::Load());
            QFAIL("the load went on without its file");
        } catch (const records::DataError& e) {
            QCOMPARE(e.number(), int(records::FileNotFound));
            withoutReading = e.text();
        }
    }
    try {
        std::unique_ptr<Tamsel> w(Tamsel::Load());
        QFAIL("the load went on without its file");
    } catch (const records::DataError& e) {
        QCOMPARE(e.text(), withoutReading);
    }
}

void TestTamselLoad::aboutOpensOnceBesideTheWindow()
{
    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    auto w = openTamsel(inv);
    w->show();
    auto* about = w->findChild<QAction*>(QStringLiteral("mnuabout"));
    auto aboutBoxes = [] {
        int n = 0;
        for (QWidget* t : QApplication::topLevelWidgets())
            n += qobject_cast<info::frmAbout*>(t) && t->isVisible() ? 1 : 0;
        return n;
    };
    about->trigger();
    about->trigger();
    QCOMPARE(aboutBoxes(), 1);
    // The main window stays usable beside it.
    QVERIFY(!QApplication::activeModalWidget());
    for (QWidget* t : QApplication::topLevelWidgets())
        if (qobject_cast<info::frmAbout*>(t))
            t->close();
    QTRY_COMPARE(aboutBoxes(), 0);
}

QB_TEST_MAIN(TestTamselLoad)
#include "tst_tamsel_load.moc"
