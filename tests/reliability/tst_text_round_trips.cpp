// Text that must come back as it went in, through the main window's boxes: astral emoji,
// right-to-left scripts, quotes and SQL, control characters, a megabyte, CRLF lines.
#include "inventory/main_window/tamsel.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/data/recordset.h"
#include "platform/forms/identity.h"
#include "platform/testing/messageboxes.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"
#include "tests/support/typing.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include <memory>

using namespace testsupport;

namespace {

QString withControls()
{
    QString s = QStringLiteral("tab\there, bell\x07, escape\x1b, delete\x7f, nul");
    s.append(QChar(0));
    s.append(QStringLiteral("end"));
    return s;
}

std::unique_ptr<Tamsel> openWindow(const TempInventory& inv)
{
    forms::setPath(inv.folder());
    std::unique_ptr<Tamsel> w(Tamsel::Load());
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
}

void run(Tamsel& w, const char* action)
{
    w.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

void typeAtEnd(Tamsel& w, int box, const QString& text)
{
    QWidget* editor = w.txtfields(box)->widget();
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_End);
    typeText(editor, text);
}

Row storedRow(const TempInventory& inv, const QString& nome)
{
    for (const Row& r : inv.rows())
        if (r[store::NOME].toString() == nome)
            return r;
    return Row(store::kColumnCount);
}

} // namespace

class TestTextRoundTrips : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup()
    {
        boxes.reset();
        forms::setPath({});
    }
    void whatTheUserEntersComesBack();
    void whatIsStoredIsShownAndKept();

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

void TestTextRoundTrips::whatTheUserEntersComesBack()
{
    QString megabyte;
    const QString line =
        QStringLiteral("H225 Líquido e vapor altamente inflamáveis 🔥 «perigo» \"aspas\" 'x'\n");
    while (megabyte.toUtf8().size() < 1024 * 1024)
        megabyte += line;
    const std::vector<std::pair<int, QString>> typed = {
        {store::NOME, QStringLiteral("Frasco 🧪⚗️ 𝛼-Pineno 👩🏽‍🔬")},
        {store::ALDRICH, QStringLiteral("O'Neil's \"reagent\"; DROP TABLE TOLMIREKS; --")},
        {store::FORNECEDOR, QStringLiteral("' OR 1=1 -- %_ \\ ?1 :name")},
        {store::FORMULA, QStringLiteral("حمض الكبريتيك H2SO4 חומצה גופרתית")},
        {store::LOCAL, QStringLiteral("\u200fמדף 3\u200e (shelf)")},
        {store::QUANTIDADE, QStringLiteral("  two  spaces  kept  ")},
        {store::CARACTERISTIC, QStringLiteral("Sólido branco\nsolúvel em água\n\nfim")},
    };
    TempInventory inv({chemical(QStringLiteral("Acetona"))});
    {
        auto w = openWindow(inv);
        run(*w, "nmunew");
        for (const auto& [box, text] : typed) {
            // Line breaks are typed as the Return key.
            const QStringList lines = text.split(QLatin1Char('\n'));
            for (qsizetype i = 0; i < lines.size(); ++i) {
                if (i > 0)
                    QTest::keyClick(w->txtfields(box)->widget(), Qt::Key_Return);
                typeAtEnd(*w, box, lines.at(i));
            }
        }
        QGuiApplication::clipboard()->setText(megabyte);
        QTest::keyClick(w->txtfields(store::HAZARDS)->widget(), Qt::Key_V, Qt::ControlModifier);
        run(*w, "mnusave");
        QCOMPARE((*boxes)->shown().size(), 0);
    }
    const Row row = storedRow(inv, typed.front().second);
    for (const auto& [box, text] : typed)
        QCOMPARE(row[static_cast<std::size_t>(box)].toString(), text);
    QCOMPARE(row[store::HAZARDS].toString(), megabyte);

    // Shown again by a new window, and saved again with one character more in one box:
    // everything else comes back unchanged.
    auto again = openWindow(inv);
    again->Text2()->setText(QStringLiteral("Pineno"));
    again->Command2_Click();
    QVERIFY(QTest::qWaitFor([&] { return again->hitCount == 1; }, 5000));
    again->Data1()->syncBound();
    for (const auto& [box, text] : typed)
        QCOMPARE(again->txtfields(box)->Text(), text);
    QCOMPARE(again->txtfields(store::HAZARDS)->Text(), megabyte);
    typeAtEnd(*again, store::HAZARDS, QStringLiteral("."));
    run(*again, "mnusave");
    const Row back = storedRow(inv, typed.front().second);
    for (const auto& [box, text] : typed)
        QCOMPARE(back[static_cast<std::size_t>(box)].toString(), text);
    QCOMPARE(back[store::HAZARDS].toString(), megabyte + QStringLiteral("."));
}

void TestTextRoundTrips::whatIsStoredIsShownAndKept()
{
    // Values another program or the earlier platform stored: CRLF and mixed line endings,
    // control characters, line separators and no-break spaces.
    Row r = chemical(QStringLiteral("Benzeno"));
    r[store::HAZARDS] = QStringLiteral("H225\r\nH304\r\nH340\r\n");
    r[store::CARACTERISTIC] = QStringLiteral("Líquido\r\nincolor\nodor\u2028doce;\u00a0bp\u00a080\u00a0°C");
    r[store::FORNECEDOR] = withControls();
    r[store::MW] = QStringLiteral("78,11\r\n");
    TempInventory inv({chemical(QStringLiteral("Acetona")), r});
    const Row before = storedRow(inv, QStringLiteral("Benzeno"));

    auto w = openWindow(inv);
    w->Data1()->Recordset()->setAbsolutePosition(1);
    w->Data1()->syncBound();
    QCOMPARE(w->txtfields(store::FORNECEDOR)->Text(), withControls());
    QCOMPARE(w->txtfields(store::CARACTERISTIC)->Text(), r[store::CARACTERISTIC].toString());

    // One box edited: only its column changes, by what was typed; the lines it had keep
    // their CRLF, and the line typed takes CRLF too.
    typeAtEnd(*w, store::HAZARDS, QStringLiteral("H350"));
    QTest::keyClick(w->txtfields(store::HAZARDS)->widget(), Qt::Key_Return);
    typeText(w->txtfields(store::HAZARDS)->widget(), QStringLiteral("H372"));
    run(*w, "mnusave");
    QCOMPARE((*boxes)->shown().size(), 0);
    Row after = storedRow(inv, QStringLiteral("Benzeno"));
    QCOMPARE(after[store::HAZARDS].toString(), QStringLiteral("H225\r\nH304\r\nH340\r\nH350\r\nH372"));
    after[store::HAZARDS] = before[store::HAZARDS];
    QCOMPARE(after, before);

    // The box of mixed endings edited in its middle keeps every ending it had. (Save
    // brought the first record back.)
    w->Data1()->Recordset()->setAbsolutePosition(1);
    w->Data1()->syncBound();
    w->txtfields(store::CARACTERISTIC)->widget()->setFocus();
    QTest::keyClick(w->txtfields(store::CARACTERISTIC)->widget(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(w->txtfields(store::CARACTERISTIC)->widget(), Qt::Key_End);
    typeText(w->txtfields(store::CARACTERISTIC)->widget(), QStringLiteral(" (95%)"));
    run(*w, "mnusave");
    QCOMPARE(storedRow(inv, QStringLiteral("Benzeno"))[store::CARACTERISTIC].toString(),
             QStringLiteral("Líquido (95%)\r\nincolor\nodor\u2028doce;\u00a0bp\u00a080\u00a0°C"));
    QCOMPARE(storedRow(inv, QStringLiteral("Benzeno"))[store::FORNECEDOR].toString(), withControls());
    QCOMPARE(storedRow(inv, QStringLiteral("Benzeno"))[store::MW].toString(), QStringLiteral("78,11\r\n"));
}

QB_TEST_MAIN(TestTextRoundTrips)
#include "tst_text_round_trips.moc"
