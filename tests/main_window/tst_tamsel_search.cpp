#include "platform/forms/msgbox.h"
#include "platform/forms/screen.h"
#include "platform/forms/twips.h"
#include "platform/testing/messageboxes.h"
#include "tamsel_fixture.h"

#include "tests/support/test_main.h"
#include <QLabel>

using namespace testsupport;

class TestTamselSearch : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup() { boxes.reset(); }

    void searchMatchesTextAndTwinOnly();
    void hitsListTheFirstColumnThatMatched();
    void listHeightAndCountFollowTheHits();
    void enterSearchesLikeTheButtonAfterTheTick();
    void emptyBoxHidesTheListAndAsksNothing();
    void noHitShowsOneMessageWithTheHourglassUnderIt();
    void oneArmingGivesOneSearch();
    void scanStopsAtTheEndOfTheArrays();
    void accentsStoredApartAreFoundAsTyped();

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestTamselSearch::searchMatchesTextAndTwinOnly()
{
    TempInventory inv({chemical(QStringLiteral("Benzene")), chemical(QStringLiteral("Chlorobenzene")),
                       chemical(QStringLiteral("BENZENE SULFONIC ACID")),
                       chemical(QStringLiteral("2-Propanol")), chemical(QStringLiteral("2-propanol técnico")),
                       chemical(QStringLiteral("Ácido acético"))});
    auto w = openTamsel(inv);
    w->show();
    const QStringList benzenes{QStringLiteral("Benzene"), QStringLiteral("Chlorobenzene")};
    for (const QString& text : {QStringLiteral("benzene"), QStringLiteral("Benzene")}) {
        seek(*w, text);
        QVERIFY(waitForSearch(*w));
        QCOMPARE(listEntries(*w), benzenes);
    }
    // A digit has no case: the text is compared as typed only.
    seek(*w, QStringLiteral("2-propanol"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("2-propanol técnico")}));
    // Accented first letters swap case too.
    seek(*w, QStringLiteral("ácido"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Ácido acético")}));
    QCOMPARE((*boxes)->shown().size(), 0);
}

void TestTamselSearch::hitsListTheFirstColumnThatMatched()
{
    TempInventory inv(
        {chemical(QStringLiteral("Sulfato de cobre(II) pentaidratado"),
                  QStringLiteral("Copper(II) sulfate pentahydrate"), QStringLiteral("CuSO4.5H2O")),
         chemical(QStringLiteral("Acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O")),
         chemical(QStringLiteral("Etanol"), QStringLiteral("Ethanol"), QStringLiteral("C2H5OH"))});
    auto w = openTamsel(inv);
    w->show();
    seek(*w, QStringLiteral("H2O"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("CuSO4.5H2O")}));
    // One hit: shown at once.
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Sulfato de cobre(II) pentaidratado"));
    QCOMPARE(w->findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Found: 1 Record(s)"));

    // A match in the Aldrich name lists that name, in name order whichever column matched.
    seek(*w, QStringLiteral("Eth"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Ethanol")}));
    seek(*w, QStringLiteral("e"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Acetona"), QStringLiteral("Etanol"),
                                           QStringLiteral("Sulfato de cobre(II) pentaidratado")}));
    QCOMPARE(QApplication::focusWidget() == w->List1() || !w->isActiveWindow(), true);
}

void TestTamselSearch::listHeightAndCountFollowTheHits()
{
    std::vector<Row> rows;
    for (int i = 0; i < 25; ++i)
        rows.push_back(chemical(QStringLiteral("Sal %1").arg(i, 2, 10, QLatin1Char('0'))));
    rows.push_back(chemical(QStringLiteral("Acetona")));
    TempInventory inv(rows);
    auto w = openTamsel(inv);
    w->show();
    auto* label3 = w->findChild<QLabel*>(QStringLiteral("Label3"));

    seek(*w, QStringLiteral("Sal"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(w->hitCount, 25);
    QCOMPARE(w->List1()->height(), forms::px(4486.747));
    QCOMPARE(label3->text(), QStringLiteral("Found: 25 Record(s)"));
    QVERIFY(label3->isVisible());
    QVERIFY(w->List1()->isVisible());
    // The first hit is current.
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Sal 00"));

    seek(*w, QStringLiteral("Sal 0"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(w->hitCount, 10);
    QCOMPARE(w->List1()->height(), forms::px(210.0 * 10 + 286.747));
    QCOMPARE(label3->text(), QStringLiteral("Found: 10 Record(s)"));
}

void TestTamselSearch::enterSearchesLikeTheButtonAfterTheTick()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno")), chemical(QStringLiteral("Tolueno"))});
    auto w = openTamsel(inv);
    w->show();
    QTest::keyClicks(w->Text2(), QStringLiteral("Tol"));
    QTest::keyClick(w->Text2(), Qt::Key_Return);
    // Armed, not yet run: the list waits for the tick.
    QVERIFY(w->Timer1()->isActive());
    QCOMPARE(w->List1()->count(), 0);
    QVERIFY(waitForSearch(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Tolueno")}));
    QCOMPARE(w->Text2()->text(), QStringLiteral("Tol"));
}

void TestTamselSearch::emptyBoxHidesTheListAndAsksNothing()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno")), chemical(QStringLiteral("Tolueno"))});
    auto w = openTamsel(inv);
    w->show();
    seek(*w, QStringLiteral("eno"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(w->hitCount, 2);

    seek(*w, QString());
    QVERIFY(w->List1()->isHidden());
    QVERIFY(w->findChild<QLabel*>(QStringLiteral("Label3"))->isHidden());
    QVERIFY(!w->Timer1()->isActive());
    QCOMPARE(w->hitCount, 2);
    QCOMPARE((*boxes)->shown().size(), 0);
}

namespace {
// Notes the pointer while the box is up.
class PointerWatchingBoxes final : public forms::MessageBoxBackend
{
public:
    int show(const forms::MessageBoxRequest& request) override
    {
        requests.append(request);
        pointers.append(forms::MousePointer());
        return forms::Ok;
    }
    QList<forms::MessageBoxRequest> requests;
    QList<int> pointers;
};
} // namespace

void TestTamselSearch::noHitShowsOneMessageWithTheHourglassUnderIt()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno"))});
    auto w = openTamsel(inv);
    w->show();
    auto watch = std::make_unique<PointerWatchingBoxes>();
    PointerWatchingBoxes* watching = watch.get();
    auto previous = forms::setMessageBoxBackend(std::move(watch));

    seek(*w, QStringLiteral("xyz"));
    const bool done = waitForSearch(*w);
    const auto requests = watching->requests;
    const auto pointers = watching->pointers;
    forms::setMessageBoxBackend(std::move(previous));
    QVERIFY(done);

    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].prompt, QStringLiteral("No Chemical Found!\r\nTry Another Name"));
    QCOMPARE(requests[0].style, int(forms::Critical));
    QCOMPARE(requests[0].title, QStringLiteral("Quillarbon"));
    QCOMPARE(pointers[0], int(forms::Pointer::Hourglass));
    QCOMPARE(forms::MousePointer(), int(forms::Pointer::Default));
    QVERIFY(w->List1()->isHidden());
    QCOMPARE(w->hitCount, 0);
}

void TestTamselSearch::oneArmingGivesOneSearch()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno"))});
    auto w = openTamsel(inv);
    w->show();
    // The box stays up for several ticks of the still running timer.
    (*boxes)->setNestedLoopMs(450);
    seek(*w, QStringLiteral("xyz"));
    QVERIFY(waitForSearch(*w));
    QTest::qWait(250);
    QCOMPARE((*boxes)->shown().size(), 1);

    // Arming again while armed keeps the wait that runs.
    (*boxes)->setNestedLoopMs(0);
    seek(*w, QStringLiteral("Benz"));
    QTest::qWait(60);
    seek(*w, QStringLiteral("Benz"));
    QVERIFY(w->Timer1()->remainingTime() <= 50);
    QVERIFY(waitForSearch(*w));
    QCOMPARE(w->hitCount, 1);
    QCOMPARE((*boxes)->shown().size(), 1);
}

void TestTamselSearch::scanStopsAtTheEndOfTheArrays()
{
    TempInventory inv({chemical(QStringLiteral("Benzeno"))});
    auto w = openTamsel(inv);
    w->show();
    // Two records added through the window itself grow the record set past the arrays.
    for (const QString& name : {QStringLiteral("Xileno"), QStringLiteral("Xilol")}) {
        w->Data1()->Recordset()->AddNew();
        QTest::keyClicks(w->txtfields(store::NOME)->widget(), name);
        w->Data1()->UpdateRecord();
    }
    QCOMPARE(w->Data1()->Recordset()->RecordCount(), 3);
    QCOMPARE(w->chemNames.size(), std::size_t(2));
    seek(*w, QStringLiteral("Xil"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(w->hitCount, 0);
    QCOMPARE((*boxes)->shown().size(), 1);
    QCOMPARE(inv.column(store::NOME),
             QStringList({QStringLiteral("Benzeno"), QStringLiteral("Xileno"), QStringLiteral("Xilol")}));
}

// A name another program stored with its accent apart from the letter ("i" and a combining
// acute) looks the same as the one typed whole; the search finds it either way round.
void TestTamselSearch::accentsStoredApartAreFoundAsTyped()
{
    const QString apart = QStringLiteral("Cafei\u0301na anidra");
    TempInventory inv(
        {chemical(apart), chemical(QStringLiteral("Anilina")), chemical(QStringLiteral("Ácido cítrico"))});
    auto w = openTamsel(inv);
    w->show();
    for (const QString& typed : {QStringLiteral("Cafe\u00edna"), QStringLiteral("\u00edna")}) {
        seek(*w, typed);
        QVERIFY(waitForSearch(*w));
        QCOMPARE(listEntries(*w), QStringList({apart}));
    }
    seek(*w, QStringLiteral("ci\u0301trico"));
    QVERIFY(waitForSearch(*w));
    QCOMPARE(listEntries(*w), QStringList({QStringLiteral("Ácido cítrico")}));
    QCOMPARE((*boxes)->shown().size(), 0);
}

QB_TEST_MAIN(TestTamselSearch)
#include "tst_tamsel_search.moc"
