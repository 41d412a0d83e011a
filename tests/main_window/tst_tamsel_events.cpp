#include "platform/data/database.h"
#include "platform/data/errors.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/screen.h"
#include "platform/testing/messageboxes.h"
#include "tamsel_fixture.h"
#include "tests/support/test_main.h"
#include "tests/support/typing.h"

#include <QToolButton>

using namespace testsupport;

namespace {

const QString kAsk = QStringLiteral("The Record was Changed. Do you want Update this Record?");
const QString kName = QStringLiteral("The CHEMICAL NAME Field must be filled!");

void pressNext(Tamsel& w)
{
    QTest::mouseClick(w.Data1()->button(records::ActionMoveNext), Qt::LeftButton);
}

// Three records in name order: Acetona, Benzeno, Cicloexano.
std::vector<Row> threeRows()
{
    std::vector<Row> rows;
    for (const auto& [nome, aldrich] : {std::pair{"Benzeno", "Benzene"}, std::pair{"Acetona", "Acetone"},
                                        std::pair{"Cicloexano", "Cyclohexane"}}) {
        Row r = chemical(QString::fromUtf8(nome), QString::fromUtf8(aldrich), QStringLiteral("CxHy"));
        r[store::QUANTIDADE] = QStringLiteral("1 L");
        r[store::DENSITY] = QStringLiteral("0.8 g/mL");
        rows.push_back(r);
    }
    return rows;
}

// The stored row whose NOME is nome.
Row stored(const TempInventory& inv, const QString& nome)
{
    for (const Row& r : inv.rows())
        if (r[store::NOME].toString() == nome)
            return r;
    return {};
}

} // namespace

class TestTamselEvents : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup() { boxes.reset(); }

    void uneditedMoveAsksNothingAndNumbersTheRecord();
    void eachEditedBoxIsAskedAboutAndOnlyYesIsWritten();
    void emptiedNameIsRefusedAndTheOtherEditsWritten();
    void emptyNameIsNeverWrittenWhenTheAldrichBoxIsAsked();
    void reopeningWithEditsAsksLikeAMove();
    void programMovesAndUnloadNeverAsk();
    void errorsTheControlMeetsAreShownOnce();

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestTamselEvents::uneditedMoveAsksNothingAndNumbersTheRecord()
{
    TempInventory inv(threeRows());
    auto w = openTamsel(inv);
    w->show();
    pressNext(*w);
    QCOMPARE((*boxes)->shown().size(), 0);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("Chemical #: 2"));
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Benzeno"));
    QCOMPARE(forms::MousePointer(), int(forms::Pointer::Default));
    QTest::mouseClick(w->Data1()->button(records::ActionMoveLast), Qt::LeftButton);
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("Chemical #: 3"));
}

void TestTamselEvents::eachEditedBoxIsAskedAboutAndOnlyYesIsWritten()
{
    TempInventory inv(threeRows());
    auto w = openTamsel(inv);
    w->show();
    typeInto(*w, store::FORNECEDOR, QStringLiteral(" Brasil"));
    typeInto(*w, store::QUANTIDADE, QStringLiteral(" (aberto)"));
    typeInto(*w, store::DENSITY, QStringLiteral(" a 20 °C"));
    (*boxes)->answer({forms::No, forms::Yes, forms::No});
    pressNext(*w);

    QCOMPARE((*boxes)->shown().size(), 3);
    for (const auto& box : (*boxes)->shown()) {
        QCOMPARE(box.prompt, kAsk);
        QCOMPARE(box.title, QStringLiteral("Save"));
        QCOMPARE(box.style, int(forms::YesNo));
    }
    const Row acetona = stored(inv, QStringLiteral("Acetona"));
    QCOMPARE(acetona[store::FORNECEDOR].toString(), QStringLiteral("Sigma-Aldrich"));
    QCOMPARE(acetona[store::QUANTIDADE].toString(), QStringLiteral("1 L (aberto)"));
    QCOMPARE(acetona[store::DENSITY].toString(), QStringLiteral("0.8 g/mL"));
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Benzeno"));

    // Back on the record, the dropped edits are gone from the screen too.
    QTest::mouseClick(w->Data1()->button(records::ActionMovePrevious), Qt::LeftButton);
    QCOMPARE(shown(*w, store::FORNECEDOR), QStringLiteral("Sigma-Aldrich"));
    QCOMPARE(shown(*w, store::QUANTIDADE), QStringLiteral("1 L (aberto)"));
    QCOMPARE((*boxes)->shown().size(), 3);
}

void TestTamselEvents::emptiedNameIsRefusedAndTheOtherEditsWritten()
{
    TempInventory inv(threeRows());
    auto w = openTamsel(inv);
    w->show();
    clearBox(*w, store::NOME);
    typeInto(*w, store::FORMULA, QStringLiteral("O"));
    typeInto(*w, store::DENSITY, QStringLiteral("!"));
    (*boxes)->answer(forms::Yes);
    pressNext(*w);

    QCOMPARE((*boxes)->shown().size(), 2);
    QCOMPARE((*boxes)->shown()[1].prompt, kName);
    QCOMPARE((*boxes)->shown()[1].style, int(forms::Critical));
    QCOMPARE((*boxes)->shown()[1].title, QStringLiteral("Quillarbon"));
    QCOMPARE((*boxes)->unscripted(), 1); // the name message has only its OK
    const Row acetona = stored(inv, QStringLiteral("Acetona"));
    QVERIFY(!acetona.empty());
    QCOMPARE(acetona[store::FORMULA].toString(), QStringLiteral("CxHyO"));
    QCOMPARE(acetona[store::DENSITY].toString(), QStringLiteral("0.8 g/mL!"));
    QCOMPARE(shown(*w, store::NOME), QStringLiteral("Benzeno"));
}

void TestTamselEvents::emptyNameIsNeverWrittenWhenTheAldrichBoxIsAsked()
{
    TempInventory inv(threeRows());
    auto w = openTamsel(inv);
    w->show();
    typeInto(*w, store::ALDRICH, QStringLiteral(" (HPLC)"));
    clearBox(*w, store::NOME);
    (*boxes)->answer(forms::Yes);
    pressNext(*w);
    QCOMPARE((*boxes)->shown().size(), 2);
    QCOMPARE((*boxes)->shown()[1].prompt, kName);
    // Neither the Aldrich edit nor the empty name reached the file.
    const Row acetona = stored(inv, QStringLiteral("Acetona"));
    QVERIFY(!acetona.empty());
    QCOMPARE(acetona[store::ALDRICH].toString(), QStringLiteral("Acetone"));
    QCOMPARE(inv.rows().size(), std::size_t(3));
}

void TestTamselEvents::reopeningWithEditsAsksLikeAMove()
{
    TempInventory inv(threeRows());
    auto w = openTamsel(inv);
    w->show();
    typeInto(*w, store::LOCAL, QStringLiteral(", gaveta 2"));
    (*boxes)->answer(forms::Yes);
    w->LoadSearchArrays();
    QCOMPARE((*boxes)->shown().size(), 1);
    QCOMPARE((*boxes)->shown()[0].prompt, kAsk);
    QCOMPARE(stored(inv, QStringLiteral("Acetona"))[store::LOCAL].toString(),
             QStringLiteral("Cabinet 1, gaveta 2"));
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("Chemical #: 1"));
}

void TestTamselEvents::programMovesAndUnloadNeverAsk()
{
    TempInventory inv(threeRows());
    auto w = openTamsel(inv);
    w->show();
    records::Recordset* rs = w->Data1()->Recordset();

    // A move by position writes the edits without a question.
    typeInto(*w, store::QUANTIDADE, QStringLiteral("+"));
    rs->setAbsolutePosition(2);
    QCOMPARE(stored(inv, QStringLiteral("Acetona"))[store::QUANTIDADE].toString(), QStringLiteral("1 L+"));
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("Chemical #: 3"));

    // Adding and updating ask nothing either.
    typeInto(*w, store::QUANTIDADE, QStringLiteral("-"));
    rs->AddNew();
    QCOMPARE(stored(inv, QStringLiteral("Cicloexano"))[store::QUANTIDADE].toString(), QStringLiteral("1 L-"));
    QCOMPARE(w->Data1()->Caption(), QStringLiteral("Chemical #: 0"));
    typeInto(*w, store::NOME, QStringLiteral("Dicromato de potássio"));
    w->Data1()->UpdateRecord();
    QCOMPARE(inv.rows().size(), std::size_t(4));

    // Closing the window writes what is pending, silently.
    rs->setAbsolutePosition(1);
    typeInto(*w, store::MP, QStringLiteral("5.5 °C"));
    QVERIFY(w->close());
    QCOMPARE(stored(inv, QStringLiteral("Benzeno"))[store::MP].toString(), QStringLiteral("5.5 °C"));
    QCOMPARE((*boxes)->shown().size(), 0);
    w.release(); // it deleted itself on close
    QTest::qWait(0);
}

void TestTamselEvents::errorsTheControlMeetsAreShownOnce()
{
    TempInventory inv(threeRows());
    auto w = openTamsel(inv);
    w->show();
    // Another program deletes the record on the screen, then the user edits and moves on.
    {
        auto other = records::Database::open(inv.path());
        other->write([&] {
            records::Statement del(*other, QStringLiteral("DELETE FROM TOLMIREKS WHERE NOME = 'Acetona'"));
            records::Statement::Reset done(del);
            del.step();
        });
    }
    typeInto(*w, store::LOCAL, QStringLiteral("!"));
    (*boxes)->answer(forms::Yes);
    pressNext(*w);
    QCOMPARE((*boxes)->shown().size(), 2);
    const auto& error = (*boxes)->shown()[1];
    QVERIFY2(error.prompt.startsWith(QStringLiteral("Data error event hit err:Record is deleted")),
             qPrintable(error.prompt));
    QCOMPARE(error.style, int(forms::OkOnly));
    QCOMPARE(error.title, QStringLiteral("Quillarbon"));
    // The record and the edit stay on the screen; nothing else was written.
    QCOMPARE(w->Data1()->Recordset()->AbsolutePosition(), 0);
    QVERIFY(shown(*w, store::LOCAL).endsWith(QLatin1Char('!')));
    QCOMPARE(inv.rows().size(), std::size_t(2));
}

QB_TEST_MAIN(TestTamselEvents)
#include "tst_tamsel_events.moc"
