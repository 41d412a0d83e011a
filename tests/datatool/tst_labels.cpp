// Container labels looked at from outside, as a scanner and a ruler see them: the QR codes
// of the PDF's pages read back with zbarimg, its words' boxes with pdftotext -bbox.
#include "inventory/datatool/inventory_file.h"
#include "inventory/datatool/labels.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <optional>

using namespace testsupport;
using namespace datatool;

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

// The sheets as their makers publish them, in millimetres.
struct Published
{
    const char* name;
    QSizeF paper;
    int columns, rows;
    double width, height, left, top, pitchX, pitchY;

    QRectF label(int slot) const
    {
        return {left + slot % columns * pitchX, top + slot / columns * pitchY, width, height};
    }
};
const Published kPublished[] = {
    {"a4-3x8", {210, 297}, 3, 8, 70, 37, 0, 0.5, 70, 37},
    {"a4-2x7", {210, 297}, 2, 7, 99.1, 38.1, 4.65, 15.15, 101.6, 38.1},
    {"letter-3x10", {215.9, 279.4}, 3, 10, 66.675, 25.4, 4.7625, 12.7, 69.85, 25.4},
};

const Published& published(const QString& name)
{
    for (const Published& sheet : kPublished)
        if (name == QLatin1String(sheet.name))
            return sheet;
    qFatal("no such sheet in the test");
}

QString run(const QString& program, const QStringList& args, int* exitCode = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000))
        qWarning("%s did not finish: is it installed (scripts/setup)?", qPrintable(program));
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Word
{
    int page;
    QRectF box; // millimetres from the page's top left
    QString text;
};

// A printed PDF of labels, read back.
class LabelPdf
{
public:
    explicit LabelPdf(const QString& path) : path_(path) {}

    // Every word with its box, and each page's size, from pdftotext -bbox.
    QList<Word> words(QList<QSizeF>* pages = nullptr) const
    {
        static const QRegularExpression tag(QStringLiteral(
            R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        QList<Word> words;
        int page = 0;
        for (const QRegularExpressionMatch& m : tag.globalMatch(
                 run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path_, QStringLiteral("-")}))) {
            if (m.hasCaptured(1)) {
                ++page;
                if (pages)
                    pages->append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) * kMmPerPoint);
                continue;
            }
            const QPointF min(m.captured(3).toDouble(), m.captured(4).toDouble());
            const QPointF max(m.captured(5).toDouble(), m.captured(6).toDouble());
            QString text = m.captured(7);
            text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
                .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
            words.append({page, QRectF(min * kMmPerPoint, max * kMmPerPoint), text});
        }
        return words;
    }

    // What a scanner reads on each label of the sheet, as someone scans one label at a
    // time: one text per label that holds a code, and the texts joined by a line break when
    // a label holds more than one. (zbarimg on a whole page of small codes misses some.)
    QStringList codes(const Published& sheet) const
    {
        const QString prefix = dir_.filePath(QStringLiteral("page"));
        constexpr double kDpi = 300;
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray"),
                                         QStringLiteral("-png"), path_, prefix});
        QStringList codes;
        const QStringList pages =
            QDir(dir_.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
        if (pages.isEmpty())
            qWarning("pdftoppm made no pages: is poppler-utils installed (scripts/setup)?");
        const QString cellFile = dir_.filePath(QStringLiteral("label.pgm"));
        for (const QString& page : pages) {
            const QImage image(dir_.filePath(page));
            for (int slot = 0; slot < sheet.columns * sheet.rows; ++slot) {
                const QRectF mm = sheet.label(slot);
                const double px = kDpi / 25.4;
                image.copy(QRectF(mm.topLeft() * px, mm.size() * px).toRect()).save(cellFile);
                const QString out =
                    run(QStringLiteral("zbarimg"),
                        {QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("-Sdisable"),
                         QStringLiteral("-Sqrcode.enable"), cellFile});
                if (!out.isEmpty())
                    codes.append(out.trimmed());
            }
        }
        return codes;
    }

private:
    QString path_;
    QTemporaryDir dir_;
};

// Our own reading of a code, as a lab's scanner program would write it: "QB1;" then the
// name and the place, split at a semicolon with no backslash before it.
std::optional<std::pair<QString, QString>> readCode(const QString& code)
{
    if (!code.startsWith(QLatin1String("QB1;")))
        return std::nullopt;
    QStringList fields{QString()};
    for (qsizetype i = 4; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char(';')) {
            fields.append(QString());
        } else if (c == QLatin1Char('\\') && i + 1 < code.size()) {
            const QChar e = code.at(++i);
            fields.last() += e == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                             : e == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                             : e == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                                                     : e;
        } else {
            fields.last() += c;
        }
    }
    if (fields.size() != 2)
        return std::nullopt;
    return std::pair{fields.at(0), fields.at(1)};
}

using Identity = std::pair<QString, QString>;

QList<Identity> identities(const QStringList& codes)
{
    QList<Identity> read;
    for (const QString& code : codes) {
        const auto identity = readCode(code);
        if (!identity)
            qWarning("not a label's code: %s", qPrintable(code));
        read.append(identity.value_or(Identity{}));
    }
    std::sort(read.begin(), read.end());
    return read;
}

// The name and place of every record whose place contains the text.
QList<Identity> recordsOf(const QString& inventory, const QString& placeContains = {})
{
    auto db = openInventory(inventory, true);
    RecordStream stream(*db, {});
    QList<Identity> all;
    stream.forEach([&](const Record& r) {
        if (r.string(store::LOCAL).contains(placeContains, Qt::CaseInsensitive))
            all.append({r.string(store::NOME), r.string(store::LOCAL)});
    });
    std::sort(all.begin(), all.end());
    return all;
}

QString sampleInventory(const QTemporaryDir& dir)
{
    QFile sql(QStringLiteral(QB_SAMPLE_SQL));
    sql.open(QIODevice::ReadOnly);
    const QString path = dir.filePath(QStringLiteral("QBData.mdb"));
    records::Database::create(path, store::schemaScript() + QString::fromUtf8(sql.readAll()));
    return path;
}

LabelResult printTo(const QString& pdf, const QString& inventory, const char* sheet)
{
    QFile out(pdf);
    out.open(QIODevice::WriteOnly);
    auto db = openInventory(inventory, true);
    LabelOptions options;
    options.sheet = QLatin1String(sheet);
    return printLabels(*db, out, options);
}

// The label of the sheet that holds the point, or -1.
int slotAt(const Published& sheet, const QPointF& point)
{
    for (int slot = 0; slot < sheet.columns * sheet.rows; ++slot)
        if (sheet.label(slot).contains(point))
            return slot;
    return -1;
}

Row chemical(const QString& name, const QString& place, const QString& formula = QStringLiteral("C2H6O"),
             const QString& hazards = QStringLiteral("Perigo\nH225\nH319"))
{
    Row row(store::kColumnCount);
    row[store::NOME] = name;
    row[store::LOCAL] = place;
    row[store::FORMULA] = formula;
    row[store::HAZARDS] = hazards;
    return row;
}

} // namespace

class TestLabels : public QObject
{
    Q_OBJECT
private slots:
    void everySampleLabelScansAsItsRecord();
    void labelsSitOnTheSheetsPublishedGrid();
    void awkwardNamesStayOnTheirLabelAndWholeInTheirCode();
    void aWrongSheetOrPlaceIsSaidAndNothingWritten();
};

void TestLabels::everySampleLabelScansAsItsRecord()
{
    QTemporaryDir dir;
    const QString inventory = sampleInventory(dir);
    const QList<Identity> all = recordsOf(inventory);
    QCOMPARE(all.size(), 81);

    // The program as the lab runs it, on the default sheet and on the smallest labels.
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    for (const QStringList& sheet :
         {QStringList(), QStringList{QStringLiteral("--sheet"), QStringLiteral("letter-3x10")}}) {
        int status = -1;
        const QString said = run(QStringLiteral(QB_DATATOOL),
                                 QStringList{QStringLiteral("--file"), inventory, QStringLiteral("labels"),
                                             QStringLiteral("--out"), pdf} +
                                     sheet,
                                 &status);
        QCOMPARE(status, 0);
        QVERIFY2(said.startsWith(QStringLiteral("Wrote 81 labels on")), qPrintable(said));
        QCOMPARE(identities(LabelPdf(pdf).codes(published(sheet.value(1, QStringLiteral("a4-3x8"))))), all);
    }

    // A part of the places' names, in capitals and without accents, chooses their labels.
    int status = -1;
    run(QStringLiteral(QB_DATATOOL),
        {QStringLiteral("--file"), inventory, QStringLiteral("labels"), QStringLiteral("--out"), pdf,
         QStringLiteral("--location"), QStringLiteral("ACIDOS"), QStringLiteral("--sheet"),
         QStringLiteral("a4-2x7")},
        &status);
    QCOMPARE(status, 0);
    const QList<Identity> acids = recordsOf(inventory, QStringLiteral("ácidos"));
    QVERIFY(acids.size() > 3 && acids.size() < all.size());
    QCOMPARE(identities(LabelPdf(pdf).codes(published(QStringLiteral("a4-2x7")))), acids);
}

void TestLabels::labelsSitOnTheSheetsPublishedGrid()
{
    for (const Published& sheet : kPublished) {
        // A sheet and one label more, so that the second page begins again at the top left.
        const int count = sheet.columns * sheet.rows + 1;
        std::vector<Row> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back(chemical(QStringLiteral("Reagente%1").arg(i, 2, 10, QLatin1Char('0')),
                                    QStringLiteral("Armário 1")));
        TempInventory inv(rows);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
        QCOMPARE(printTo(pdf, inv.path(), sheet.name).pages, 2);

        QList<QSizeF> pages;
        const QList<Word> words = LabelPdf(pdf).words(&pages);
        QCOMPARE(pages.size(), 2);
        for (const QSizeF& page : pages) {
            QVERIFY2(qAbs(page.width() - sheet.paper.width()) < 0.1 &&
                         qAbs(page.height() - sheet.paper.height()) < 0.1,
                     sheet.name);
        }
        // Each name begins at its label's top left corner, inside the margin, to a tenth of a
        // millimetre.
        int found = 0;
        for (const Word& w : words) {
            if (!w.text.startsWith(QLatin1String("Reagente")))
                continue;
            const int index = w.text.mid(8).toInt();
            const QRectF label = sheet.label(index % (count - 1));
            QCOMPARE(w.page, 1 + index / (count - 1));
            const QPointF offset = w.box.topLeft() - label.topLeft();
            QVERIFY2(qAbs(offset.x() - kLabelMargin) < 0.1 && qAbs(offset.y() - kLabelMargin) < 0.1,
                     qPrintable(QStringLiteral("%1: %2 at %3, %4 from its label's corner")
                                    .arg(QLatin1String(sheet.name), w.text)
                                    .arg(offset.x())
                                    .arg(offset.y())));
            ++found;
        }
        QCOMPARE(found, count);
    }
}

void TestLabels::awkwardNamesStayOnTheirLabelAndWholeInTheirCode()
{
    const QString allHazards = QStringLiteral("Danger H201 H220 H270 H280 H290 H300 H334 H400 H302");
    const QString longName =
        QStringLiteral("Ácido 2-[4-(2-hidroxietil)piperazin-1-il]etanossulfônico, solução tamponada "
                       "estéril para cultura de células, grau biologia molecular");
    const QString longPlace = QStringLiteral("Armário de inflamáveis da síntese, prateleira inferior");
    const QString tooLong = QStringLiteral("Reagente de nome muito comprido ").repeated(30);
    TempInventory inv({
        chemical(QStringLiteral("Tampão; pH 7\\8"), QStringLiteral("Geladeira 1; porta")),
        chemical(QStringLiteral("Solução de iodo\nlugol"), QString()),
        chemical(longName, longPlace, QStringLiteral("C8H18N2O4S·(NaOH)x·(H2O)y, solução"), allHazards),
        chemical(QStringLiteral("Tetrakis(trifenilfosfina)paládio(0)diclorometanoaduto"), longPlace,
                 QStringLiteral("C72H60P4Pd"), allHazards),
        chemical(tooLong, QStringLiteral("Armário 1")),
    });
    const QList<Identity> expected = [&] {
        QList<Identity> all = recordsOf(inv.path());
        all.removeIf([&](const Identity& i) { return i.first == tooLong; });
        return all;
    }();

    for (const Published& sheet : kPublished) {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
        const LabelResult result = printTo(pdf, inv.path(), sheet.name);
        QCOMPARE(result.withoutCode, QStringList{tooLong.trimmed()});
        const LabelPdf printed(pdf);
        QCOMPARE(identities(printed.codes(sheet)), expected);

        // Every word inside its label, a millimetre clear of its edges at least.
        QString shown;
        for (const Word& w : printed.words()) {
            const int slot = slotAt(sheet, w.box.center());
            QVERIFY2(slot >= 0 && sheet.label(slot).adjusted(1, 1, -1, -1).contains(w.box),
                     qPrintable(
                         QStringLiteral("%1: '%2' leaves its label").arg(QLatin1String(sheet.name), w.text)));
            shown += w.text + QLatin1Char(' ');
        }
        // What does not fit ends in an ellipsis; the labels still say what they are.
        QVERIFY2(shown.contains(QStringLiteral("Ácido 2-")) && shown.contains(QStringLiteral("…")),
                 qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("Danger")) && shown.contains(QStringLiteral("No code")));
    }
}

void TestLabels::aWrongSheetOrPlaceIsSaidAndNothingWritten()
{
    TempInventory inv({chemical(QStringLiteral("Acetona"), QStringLiteral("Armário 1"))});
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    const QStringList base = {QStringLiteral("--file"), inv.path(), QStringLiteral("labels"),
                              QStringLiteral("--out"), pdf};
    struct Case
    {
        QStringList extra;
        int status;
        const char* error;
    };
    for (const Case& c : {Case{{QStringLiteral("--sheet"), QStringLiteral("a5")}, 2, "Error 740: "},
                          Case{{QStringLiteral("--location"), QStringLiteral("Geladeira")}, 1, "Error 709: "},
                          Case{{QStringLiteral("--letter")}, 2, "Error 701: "}}) {
        QProcess p;
        p.start(QStringLiteral(QB_DATATOOL), base + c.extra);
        p.waitForFinished(60000);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(p.exitCode(), c.status);
        QVERIFY2(err.startsWith(QLatin1String(c.error)), qPrintable(err));
        QVERIFY(!QFile::exists(pdf));
    }
    // The unknown sheet's error names the ones there are.
    QProcess p;
    p.start(QStringLiteral(QB_DATATOOL), base + QStringList{QStringLiteral("--sheet"), QStringLiteral("a5")});
    p.waitForFinished(60000);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("letter-3x10")));
}

QB_TEST_MAIN(TestLabels)
#include "tst_labels.moc"
