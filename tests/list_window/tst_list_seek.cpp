#include "list_fixture.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/screen.h"
#include "platform/forms/twips.h"
#include "platform/testing/messageboxes.h"
#include "tests/support/test_main.h"

#include <QElapsedTimer>

using namespace testsupport;

namespace {

// The list window after its first tick, with the seek box left empty: the next Seek
// searches at once.
std::unique_ptr<list_window::frmDataGrid> readyList(const TempInventory& inv)
{
    auto w = openList(inv);
    w->show();
    if (!waitForTick(*w))
        return nullptr;
    return w;
}

int position(list_window::frmDataGrid& w)
{
    return w.Data1()->Recordset()->AbsolutePosition();
}

} // namespace

class TestListSeek : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup()
    {
        boxes.reset();
        forms::setPath({});
    }

    void theFirstSeekRunsAtOnceTheNextAfterATick();
    void namesThenFormulasInEitherCaseOfTheFirstLetter();
    void listHeightFollowsTheHits();
    void noHitAndEmptyBox();
    void previousAndNextStopAtTheEnds();
    void oneArmingGivesOneSearch();
    void theSeekNeverReadsPastItsArrays();
    void accentsStoredApartAreFoundAsTyped();

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestListSeek::theFirstSeekRunsAtOnceTheNextAfterATick()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno")), chemical(QStringLiteral("Tolueno")),
                       chemical(QStringLiteral("Acetona"))});
    auto w = openList(inv);
    w->show();
    // Before the first tick a press only arms: it shows the buttons and hides the list.
    seek(*w, QStringLiteral("Tol"));
    QVERIFY(w->Timer1()->isActive());
    QVERIFY(w->Command2()->isVisible() && w->Command3()->isVisible());
    QCOMPARE(w->List1()->count(), 0);
    // The tick searches for what the box holds.
    QVERIFY(waitForTick(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Tolueno")}));
    QCOMPARE(position(*w), 2);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("3"));

    // A window whose first tick found the box empty searches at the first press.
    auto ready = readyList(inv);
    QVERIFY(ready);
    QVERIFY(ready->searchReady);
    QVERIFY(ready->Command2()->isHidden());
    seek(*ready, QStringLiteral("Benz"));
    QVERIFY(!ready->Timer1()->isActive());
    QCOMPARE(listEntries(*ready), QStringList({QStringLiteral("Benzeno")}));
    QVERIFY(ready->List1()->isVisible());
    QCOMPARE(ready->focusWidget(), ready->List1());
    QCOMPARE(position(*ready), 1);
    // The next one waits for a tick; Enter in the box presses Seek too.
    ready->Text1()->clear();
    QTest::keyClicks(ready->Text1(), QStringLiteral("eno"));
    QTest::keyClick(ready->Text1(), Qt::Key_Return);
    QVERIFY(ready->Timer1()->isActive());
    QCOMPARE(ready->Text1()->text(), QStringLiteral("eno"));
    QVERIFY(waitForTick(*ready));
    QCOMPARE(listEntries(*ready), QStringList({QStringLiteral("Benzeno"), QStringLiteral("Tolueno")}));
}

void TestListSeek::namesThenFormulasInEitherCaseOfTheFirstLetter()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno"), {}, QStringLiteral("C6H6")),
                       chemical(QStringLiteral("Clorobenzeno"), {}, QStringLiteral("C6H5Cl")),
                       chemical(QStringLiteral("BENZENO TÉCNICO")),
                       chemical(QStringLiteral("Água"), {}, QStringLiteral("H2O")),
                       chemical(QStringLiteral("Sulfato de cobre"), QStringLiteral("Copper sulfate"),
                                QStringLiteral("CuSO4 5H2O")),
                       chemical(QStringLiteral("2-propanol  técnico")),
                       chemical(QStringLiteral("2-Propanol"))});
    auto w = readyList(inv);
    QVERIFY(w);
    auto search = [&](const QString& text) {
        seek(*w, text);
        if (w->Timer1()->isActive())
            waitForTick(*w);
        return listEntries(*w);
    };
    // Both forms of the first letter; a name in capitals throughout is not found.
    const QStringList benzenes{QStringLiteral("Benzeno"), QStringLiteral("Clorobenzeno")};
    QCOMPARE(search(QStringLiteral("benzeno")), benzenes);
    QCOMPARE(search(QStringLiteral("Benzeno")), benzenes);
    QCOMPARE(search(QStringLiteral("BENZENO")), QStringList({QStringLiteral("BENZENO TÉCNICO")}));
    // A text only in a formula lists the formula; the Aldrich name is not searched here.
    QCOMPARE(search(QStringLiteral("H2O")),
             QStringList({QStringLiteral("H2O"), QStringLiteral("CuSO4 5H2O")}));
    QCOMPARE(search(QStringLiteral("Copper")), QStringList());
    (*boxes)->clear();
    // A first digit is searched as typed; spaces are text like any other.
    QCOMPARE(search(QStringLiteral("2-p")), QStringList({QStringLiteral("2-propanol  técnico")}));
    QCOMPARE(search(QStringLiteral("  ")), QStringList({QStringLiteral("2-propanol  técnico")}));
    // Picking a hit moves the grid's cursor there.
    w->List1()->setCurrentRow(0);
    QCOMPARE(position(*w), w->hitPositions.at(1));
    QCOMPARE(w->Data1()->Caption(), QString::number(w->hitPositions.at(1) + 1));
    QCOMPARE((*boxes)->shown().size(), 0);
}

void TestListSeek::listHeightFollowsTheHits()
{
    std::vector<Row> rows;
    for (int i = 0; i < 21; ++i)
        rows.push_back(chemical(QStringLiteral("Sal %1").arg(i, 2, 10, QLatin1Char('0'))));
    TempInventory inv(rows);
    auto w = readyList(inv);
    QVERIFY(w);
    seek(*w, QStringLiteral("Sal 0"));
    QCOMPARE(w->hitCount, 10);
    QCOMPARE(w->List1()->height(), forms::px(static_cast<float>(10 * 210.0 + 286.747)));
    QCOMPARE(w->List1()->y(), forms::px(2520));

    seek(*w, QStringLiteral("Sal"));
    QVERIFY(waitForTick(*w));
    QCOMPARE(w->hitCount, 21);
    QCOMPARE(w->List1()->count(), 21);
    QCOMPARE(w->List1()->height(), forms::px(4486.747f));
    // Twenty hits are as high as the cap.
    w->Text1()->setText(QStringLiteral("Sal"));
    w->chemNames.set(20, QStringLiteral("Outro"));
    seek(*w, QStringLiteral("Sal"));
    QVERIFY(waitForTick(*w));
    QCOMPARE(w->hitCount, 20);
    QCOMPARE(w->List1()->height(), forms::px(4486.747f));
}

void TestListSeek::noHitAndEmptyBox()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno"))});
    auto w = readyList(inv);
    QVERIFY(w);
    seek(*w, QStringLiteral("xyz"));
    QCOMPARE((*boxes)->shown().size(), 1);
    const auto& box = (*boxes)->shown().first();
    QCOMPARE(box.prompt, QStringLiteral("No Chemical Found!\r\nTry Another Name"));
    QCOMPARE(box.style, int(forms::Critical));
    QVERIFY(w->List1()->isHidden());
    QVERIFY(w->Command2()->isHidden() && w->Command3()->isHidden());
    QCOMPARE(w->hitCount, 0);
    QCOMPARE(forms::MousePointer(), int(forms::Pointer::Default));

    // An empty box hides the list and the buttons at once, arms nothing, says nothing.
    seek(*w, QStringLiteral("Benz"));
    QVERIFY(waitForTick(*w));
    QVERIFY(w->List1()->isVisible());
    seek(*w, QString());
    QVERIFY(w->List1()->isHidden());
    QVERIFY(w->Command2()->isHidden() && w->Command3()->isHidden());
    QVERIFY(!w->Timer1()->isActive());
    QCOMPARE(w->List1()->count(), 1);
    QCOMPARE((*boxes)->shown().size(), 1);
}

void TestListSeek::previousAndNextStopAtTheEnds()
{
    TempInventory inv({chemical(QStringLiteral("Ácido acético")), chemical(QStringLiteral("Ácido bórico")),
                       chemical(QStringLiteral("Ácido cítrico")), chemical(QStringLiteral("Benzeno"))});
    auto w = readyList(inv);
    QVERIFY(w);
    seek(*w, QStringLiteral("ácido"));
    QCOMPARE(w->hitCount, 3);
    QCOMPARE(w->List1()->currentRow(), 0);

    // Previous at the first hit: refused at once, the first hit stays.
    QTest::mouseClick(w->Command2(), Qt::LeftButton);
    QCOMPARE((*boxes)->shown().size(), 1);
    QCOMPARE((*boxes)->shown().last().prompt, QStringLiteral("First record found!"));
    QCOMPARE((*boxes)->shown().last().style, int(forms::Critical));
    QCOMPARE(w->List1()->currentRow(), 0);
    QCOMPARE(position(*w), 0);

    QTest::mouseClick(w->Command3(), Qt::LeftButton);
    QTest::mouseClick(w->Command3(), Qt::LeftButton);
    QCOMPARE(w->List1()->currentRow(), 2);
    QCOMPARE(position(*w), 2);
    // Next at the last hit: refused, the last hit stays.
    QTest::mouseClick(w->Command3(), Qt::LeftButton);
    QCOMPARE((*boxes)->shown().size(), 2);
    QCOMPARE((*boxes)->shown().last().prompt, QStringLiteral("Last record found!"));
    QCOMPARE(w->List1()->currentRow(), 2);
    QCOMPARE(position(*w), 2);
    QTest::mouseClick(w->Command2(), Qt::LeftButton);
    QCOMPARE(position(*w), 1);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("2"));
}

void TestListSeek::oneArmingGivesOneSearch()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno"))});
    auto w = openList(inv);
    w->show();
    // The no-hit box stays up across several ticks of the still running timer.
    (*boxes)->setNestedLoopMs(2300);
    seek(*w, QStringLiteral("xyz"));
    QVERIFY(waitForTick(*w));
    QTest::qWait(300);
    QCOMPARE((*boxes)->shown().size(), 1);
    QVERIFY(!w->Timer1()->isActive());
    // That search cleared the way: the next press arms again.
    (*boxes)->setNestedLoopMs(0);
    seek(*w, QStringLiteral("Benz"));
    QVERIFY(w->Timer1()->isActive());
    QVERIFY(waitForTick(*w));
    QCOMPARE(w->hitCount, 1);
}

void TestListSeek::theSeekNeverReadsPastItsArrays()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno")), chemical(QStringLiteral("Tolueno")),
                       chemical(QStringLiteral("Xileno"))});
    auto w = readyList(inv);
    QVERIFY(w);
    // Arrays that hold fewer records than the record set: the scan stops at their end.
    w->chemNames.truncate(2);
    w->formulas.truncate(1);
    seek(*w, QStringLiteral("eno"));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Benzeno"), QStringLiteral("Tolueno")}));
}

// As in the main window: an accent stored apart from its letter is found by the letter typed
// with it, and the other way round.
void TestListSeek::accentsStoredApartAreFoundAsTyped()
{
    const QString apart = QStringLiteral("Cafei\u0301na");
    TempInventory inv(
        {chemical(apart), chemical(QStringLiteral("Ácido cítrico"), {}, QStringLiteral("C6H8O7"))});
    auto w = readyList(inv);
    QVERIFY(w);
    auto search = [&](const QString& text) {
        seek(*w, text);
        if (w->Timer1()->isActive())
            waitForTick(*w);
        return listEntries(*w);
    };
    QCOMPARE(search(QStringLiteral("\u00edna")), QStringList({apart}));
    QCOMPARE(search(QStringLiteral("ci\u0301trico")), QStringList({QStringLiteral("Ácido cítrico")}));
    QCOMPARE((*boxes)->shown().size(), 0);
}

QB_TEST_MAIN(TestListSeek)
#include "tst_list_seek.moc"
