// The printed shelf list, looked at as a reader sees it: the PDF's pages rendered to
// images (pdftoppm) and their text read back (pdftotext).
#include "inventory/datatool/errors.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/datatool/shelflist.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"
#include "tests/support/error_number.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>

using namespace testsupport;
using namespace datatool;

namespace {

const QDate kDate(2024, 3, 5);

Row chemicalAt(const QString& name, const QVariant& place, const QVariant& hazards = {})
{
    Row row(store::kColumnCount);
    row[store::NOME] = name;
    row[store::LOCAL] = place;
    row[store::HAZARDS] = hazards;
    row[store::FORMULA] = QStringLiteral("C2H6O");
    row[store::QUANTIDADE] = QStringLiteral("1 L");
    return row;
}

class Printed
{
public:
    Printed(const QString& inventory, const ShelfListOptions& base = {})
    {
        ShelfListOptions options = base;
        options.date = kDate;
        options.fileLabel = QStringLiteral("/lab/QBData.mdb");
        path_ = dir_.filePath(QStringLiteral("list.pdf"));
        QFile out(path_);
        out.open(QIODevice::WriteOnly);
        auto db = openInventory(inventory, true);
        result = printShelfList(*db, out, options);
    }

    QString run(const QString& program, const QStringList& args) const
    {
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            qWarning("%s failed: is poppler-utils installed (scripts/setup)?", qPrintable(program));
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // The page's text; the font's ligatures (the "fl" of "inflamáveis") read as letters.
    QString text(int page) const
    {
        return run(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
                    path_, QStringLiteral("-")})
            .normalized(QString::NormalizationForm_KC);
    }
    QString info() const { return run(QStringLiteral("pdfinfo"), {path_}); }
    const QString& path() const { return path_; }
    QImage render(int page) const
    {
        const QString prefix = dir_.filePath(QStringLiteral("page"));
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"), QString::number(page),
             QStringLiteral("-l"), QString::number(page), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), path_, prefix});
        return QImage(prefix + QStringLiteral(".png"));
    }

    ShelfListResult result;

private:
    QTemporaryDir dir_;
    QString path_;
};

// Pixels of the pictograms' red in a part of a page.
int redPixels(const QImage& page, const QRect& area)
{
    int red = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = page.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 90 && c.blue() < 90 ? 1 : 0;
        }
    return red;
}

// The text with its spaces and line breaks taken out, as pdftotext spaces words by guess.
QString squeezed(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

} // namespace

class TestShelfList : public QObject
{
    Q_OBJECT
private slots:
    void eachPlaceStartsOnItsOwnPages();
    void hazardsAreDrawnWhereTheTextCallsForThem();
    void aPartOfAPlacesNameChoosesThePlaces();
    void letterPaperIsLetter();
    void textPrintsAsWrittenInEveryScript();
    void aPlaceWithChemicalsToKeepApartWarnsAtItsTop();
};

void TestShelfList::eachPlaceStartsOnItsOwnPages()
{
    // "armário a" fills one page and a row; the records without a place come last.
    const int perPage = shelfListRowsPerPage(false);
    std::vector<Row> rows;
    for (int i = perPage; i >= 0; --i)
        rows.push_back(chemicalAt(QStringLiteral("Reagente %1").arg(i, 2, 10, QLatin1Char('0')),
                                  QStringLiteral("armário a")));
    rows.push_back(chemicalAt(QStringLiteral("Zinco"), QStringLiteral("Armário B")));
    rows.push_back(chemicalAt(QStringLiteral("Água"), QStringLiteral("Armário B")));
    rows.push_back(chemicalAt(QStringLiteral("Sem lugar"), QVariant()));
    rows.push_back(chemicalAt(QStringLiteral("Lugar vazio"), QString()));
    TempInventory inv(rows);

    const Printed pdf(inv.path());
    QCOMPARE(pdf.result.pages, 4);
    QCOMPARE(pdf.result.places, 3);
    QCOMPARE(pdf.result.records, std::int64_t(rows.size()));
    QVERIFY(pdf.info().contains(QStringLiteral("Pages:           4")));

    const QString first = pdf.text(1);
    QVERIFY2(first.startsWith(QStringLiteral("armário a")), qPrintable(first));
    QVERIFY(squeezed(first).contains(QStringLiteral("Page1of4")));
    QVERIFY(first.contains(QStringLiteral("2024-03-05")));
    QVERIFY(first.contains(QStringLiteral("/lab/QBData.mdb")));
    // Name order on the page, and the last record of the place on the next page.
    QVERIFY(first.indexOf(QStringLiteral("Reagente 00")) < first.indexOf(QStringLiteral("Reagente 01")));
    QVERIFY(!first.contains(QStringLiteral("Reagente %1").arg(perPage)));
    const QString second = pdf.text(2);
    QVERIFY(second.contains(QStringLiteral("continued")));
    QVERIFY(second.contains(QStringLiteral("Reagente %1").arg(perPage)));
    QVERIFY(squeezed(second).contains(QStringLiteral("Page2of4")));

    const QString third = pdf.text(3);
    QVERIFY(third.startsWith(QStringLiteral("Armário B")));
    QVERIFY(third.indexOf(QStringLiteral("Água")) < third.indexOf(QStringLiteral("Zinco")));
    const QString last = pdf.text(4);
    QVERIFY(last.startsWith(QStringLiteral("(no location)")));
    QVERIFY(last.contains(QStringLiteral("Lugar vazio")) && last.contains(QStringLiteral("Sem lugar")));
}

void TestShelfList::hazardsAreDrawnWhereTheTextCallsForThem()
{
    TempInventory inv({chemicalAt(QStringLiteral("Etanol"), QStringLiteral("Inflamáveis"),
                                  QStringLiteral("Perigo\nH225 Highly flammable liquid and vapour.\nH319")),
                       chemicalAt(QStringLiteral("Cloreto de sódio"), QStringLiteral("Sais"),
                                  QStringLiteral("Not classified as hazardous."))});
    const Printed pdf(inv.path());
    QCOMPARE(pdf.result.pages, 2);

    const QString hazardous = pdf.text(1);
    QVERIFY(hazardous.contains(QStringLiteral("Perigo")));
    // The legend names the pictograms the page shows.
    QVERIFY(hazardous.contains(QStringLiteral("Flame")));
    QVERIFY(hazardous.contains(QStringLiteral("Exclamation mark")));
    QVERIFY(!hazardous.contains(QStringLiteral("Skull")));
    const QString harmless = pdf.text(2);
    QVERIFY(!harmless.contains(QStringLiteral("Flame")) && !harmless.contains(QStringLiteral("Perigo")));

    // Red diamonds in the pictograms' column of the first row, none on the second page.
    const QImage withHazards = pdf.render(1);
    const QImage without = pdf.render(2);
    QVERIFY(!withHazards.isNull() && !without.isNull());
    const double px = withHazards.width() / 210.0; // pixels per millimetre of A4
    const QRect firstRowPictograms(int(151 * px), int(33 * px), int(44 * px), int(13 * px));
    QVERIFY2(redPixels(withHazards, firstRowPictograms) > 40,
             qPrintable(QString::number(redPixels(withHazards, firstRowPictograms))));
    QCOMPARE(redPixels(without, without.rect()), 0);
}

void TestShelfList::aPartOfAPlacesNameChoosesThePlaces()
{
    TempInventory inv({chemicalAt(QStringLiteral("Acetona"), QStringLiteral("Armário de inflamáveis A")),
                       chemicalAt(QStringLiteral("Hexano"), QStringLiteral("Armário de inflamáveis B")),
                       chemicalAt(QStringLiteral("Ácido nítrico"), QStringLiteral("Armário de ácidos")),
                       chemicalAt(QStringLiteral("Sem lugar"), QVariant())});
    ShelfListOptions options;
    options.placeContains = QStringLiteral("INFLAMAVEIS");
    const Printed pdf(inv.path(), options);
    QCOMPARE(pdf.result.places, 2);
    QCOMPARE(pdf.result.records, std::int64_t{2});
    QVERIFY(pdf.text(2).startsWith(QStringLiteral("Armário de inflamáveis B")));
    QVERIFY(squeezed(pdf.text(2)).contains(QStringLiteral("Page2of2")));

    // Nothing chosen: an error, and not a byte written.
    options.placeContains = QStringLiteral("Geladeira");
    auto db = openInventory(inv.path(), true);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    QString text;
    QCOMPARE(errorNumber([&] { printShelfList(*db, out, options); }, &text), int(NothingToPrint));
    QVERIFY(text.contains(QStringLiteral("Geladeira")));
    QVERIFY(bytes.isEmpty());
    TempInventory empty;
    auto emptyDb = openInventory(empty.path(), true);
    QCOMPARE(errorNumber([&] { printShelfList(*emptyDb, out, {}); }), int(NothingToPrint));
}

void TestShelfList::letterPaperIsLetter()
{
    TempInventory inv({chemicalAt(QStringLiteral("Acetona"), QStringLiteral("A"))});
    ShelfListOptions options;
    options.letter = true;
    QVERIFY(Printed(inv.path(), options).info().contains(QStringLiteral("(letter)")));
    QVERIFY(Printed(inv.path()).info().contains(QStringLiteral("(A4)")));
}

void TestShelfList::textPrintsAsWrittenInEveryScript()
{
    // Latin text without ligatures, so that a search of the PDF finds it as written; CJK
    // and emoji from the fonts the package depends on; and a character no font has named.
    TempInventory inv(
        {chemicalAt(QStringLiteral("Etanol 🧪 乙醇"), QStringLiteral("Armário de inflamáveis")),
         chemicalAt(QStringLiteral("Segredo \uE000"), QStringLiteral("Armário de inflamáveis"))});
    ShelfListOptions options;
    QList<UnprintableText> unprintable;
    options.onUnprintable = [&](const UnprintableText& t) {
        unprintable.append(t);
    };
    const Printed pdf(inv.path(), options);
    QCOMPARE(unprintable.size(), 1);
    QCOMPARE(unprintable[0].record, QStringLiteral("Segredo \uE000"));
    QCOMPARE(unprintable[0].place, QStringLiteral("Armário de inflamáveis"));
    QCOMPARE(unprintable[0].characters, QStringLiteral("\uE000"));

    const QString text = pdf.run(QStringLiteral("pdftotext"), {pdf.path(), QStringLiteral("-")});
    QVERIFY2(text.startsWith(QStringLiteral("Armário de inflamáveis")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("醇")));
    // The emoji is drawn in its colours (a PDF font would have left a gap).
    const QImage page = pdf.render(1);
    const double px = page.width() / 210.0;
    int coloured = 0;
    for (int y = int(33 * px); y < int(40 * px); ++y)
        for (int x = int(14 * px); x < int(75 * px); ++x) {
            const QColor c = page.pixelColor(x, y);
            coloured += c.saturation() > 80 && c.value() > 80 ? 1 : 0;
        }
    QVERIFY2(coloured > 3, qPrintable(QString::number(coloured)));
}

// The door of a shelf that holds an oxidizing acid beside an anhydride says so at the top
// of its section, and the rows its box displaces go on the next page, none lost.
void TestShelfList::aPlaceWithChemicalsToKeepApartWarnsAtItsTop()
{
    const QString acids = QStringLiteral("Armário de ácidos, prateleira 3");
    auto at = [&](const QString& name, const QString& formula, const QString& hazards) {
        Row row = chemicalAt(name, acids, hazards);
        row[store::FORMULA] = formula;
        return row;
    };
    std::vector<Row> rows = {at(QStringLiteral("Ácido nítrico 65%"), QStringLiteral("HNO3"),
                                QStringLiteral("H272 H290 H314 H331")),
                             at(QStringLiteral("Anidrido acético"), QStringLiteral("C4H6O3"),
                                QStringLiteral("H226 H302 H314 H330")),
                             chemicalAt(QStringLiteral("Acetona"), QStringLiteral("Armário de inflamáveis"),
                                        QStringLiteral("H225 H319"))};
    // Enough to fill the acids' first page had it no warning.
    for (int i = 0; i < shelfListRowsPerPage(false) - 2; ++i)
        rows.push_back(at(QStringLiteral("Ácido sulfúrico %1").arg(i, 2, 10, QLatin1Char('0')),
                          QStringLiteral("H2SO4"), QStringLiteral("H290 H314")));
    TempInventory inv(rows);
    const Printed pdf(inv.path());

    const QString first = squeezed(pdf.text(1));
    QVERIFY2(first.startsWith(squeezed(acids)), qPrintable(first));
    QVERIFY2(first.contains(QStringLiteral("Storagewarning")), qPrintable(first));
    QVERIFY(first.contains(squeezed(QStringLiteral("Ácido nítrico 65% (E, oxidizer)"))));
    QVERIFY(first.contains(squeezed(QStringLiteral("(F, inorganic acid)"))));
    QVERIFY(first.contains(squeezed(QStringLiteral("Anidrido acético (D, organic acid)"))));
    // The displaced rows: the acids take two pages, the next with no warning.
    QCOMPARE(pdf.result.pages, 3);
    const QString second = squeezed(pdf.text(2));
    QVERIFY(second.contains(QStringLiteral("continued")));
    QVERIFY(!second.contains(QStringLiteral("Storagewarning")));
    QVERIFY(!squeezed(pdf.text(3)).contains(QStringLiteral("Storagewarning")));
}

QB_TEST_MAIN(TestShelfList)
#include "tst_shelflist.moc"
