// The pictograms and the signal word a hazards text calls for, as a label would show them.
#include "inventory/datatool/hazards.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

using namespace datatool;
using P = Pictogram;

namespace {

QStringList codesOf(const HazardLabel& label)
{
    QStringList codes;
    for (int i = 0; i < kPictogramCount; ++i)
        if (label.pictograms.test(static_cast<std::size_t>(i)))
            codes.append(pictogramCode(static_cast<P>(i)));
    return codes;
}

} // namespace

class TestHazards : public QObject
{
    Q_OBJECT
private slots:
    void statementsCallForTheirPictograms_data();
    void statementsCallForTheirPictograms();
    void theSignalWordIsTheOneTheTextGives_data();
    void theSignalWordIsTheOneTheTextGives();
    void everyPictogramIsADiamondWithARedBorder();
    void theSampleInventoryGetsTheWordsOfItsCodes();
};

void TestHazards::statementsCallForTheirPictograms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pictograms");
    auto row = [](const char* name, const char* text, QStringList pictograms) {
        QTest::newRow(name) << QString::fromUtf8(text) << pictograms;
    };
    const QString bomb = QStringLiteral("GHS01"), flame = QStringLiteral("GHS02"),
                  oxidiser = QStringLiteral("GHS03"), gas = QStringLiteral("GHS04"),
                  corrosion = QStringLiteral("GHS05"), skull = QStringLiteral("GHS06"),
                  exclamation = QStringLiteral("GHS07"), health = QStringLiteral("GHS08"),
                  environment = QStringLiteral("GHS09");
    row("acetone",
        "H225 Highly flammable liquid and vapour.\nH319 Causes serious eye irritation.\nH336 May cause "
        "drowsiness.\nEUH066 Repeated exposure may cause skin dryness.",
        {flame, exclamation});
    row("combined statement", "H302+H312+H332 Harmful if swallowed, in contact with skin or if inhaled.",
        {exclamation});
    row("skull replaces exclamation", "H301 Toxic if swallowed.\nH315\nH319\nH335", {skull});
    row("corrosion replaces irritation", "H314 Causes severe skin burns.\nH315\nH319", {corrosion});
    row("corrosion keeps the other reasons", "H314\nH335 May cause respiratory irritation.",
        {corrosion, exclamation});
    row("respiratory sensitiser replaces skin sensitiser", "H334\nH317\nH319", {health});
    row("respiratory sensitiser keeps narcosis", "H334\nH336", {exclamation, health});
    row("suffixed codes", "H350i May cause cancer by inhalation.\nH360FD\nH361d", {health});
    row("explosive and flammable", "H241 Heating may cause a fire or explosion.", {bomb, flame});
    row("oxidiser", "H272 May intensify fire; oxidiser.", {oxidiser});
    row("gas under pressure", "H280 Contains gas under pressure.", {gas});
    row("corrosive to metals", "H290 May be corrosive to metals.", {corrosion});
    row("aquatic", "H410 Very toxic to aquatic life.\nH412 Harmful to aquatic life.", {environment});
    row("every pictogram", "H200 H225 H270 H280 H290 H300 H420 H340 H400",
        {bomb, flame, oxidiser, gas, corrosion, skull, health, environment});
    row("no pictogram", "H227 Combustible liquid.\nH303\nH316\nH412\nEUH019", {});
    row("not a code inside a word", "EUH066 CH300 H3000 AH225 H22", {});
    row("no hazards", "Not classified as hazardous under GHS.", {});
}

void TestHazards::statementsCallForTheirPictograms()
{
    QFETCH(QString, text);
    QFETCH(QStringList, pictograms);
    QCOMPARE(codesOf(readHazards(text)), pictograms);
}

void TestHazards::theSignalWordIsTheOneTheTextGives_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("word");
    const int none = int(SignalWord::None), danger = int(SignalWord::Danger),
              warning = int(SignalWord::Warning);
    QTest::newRow("danger") << QStringLiteral("Danger\nH225") << danger << QStringLiteral("Danger");
    QTest::newRow("capitals") << QStringLiteral("DANGER: H225") << danger << QStringLiteral("Danger");
    QTest::newRow("perigo") << QStringLiteral("Palavra de advertência: Perigo") << danger
                            << QStringLiteral("Perigo");
    QTest::newRow("warning") << QStringLiteral("Warning H319") << warning << QStringLiteral("Warning");
    QTest::newRow("atenção") << QStringLiteral("ATENÇÃO - H319") << warning << QStringLiteral("Atenção");
    QTest::newRow("atencao without accents")
        << QStringLiteral("atencao") << warning << QStringLiteral("Atenção");
    QTest::newRow("danger wins") << QStringLiteral("Warning\nH319\nDanger\nH314") << danger
                                 << QStringLiteral("Danger");
    QTest::newRow("first danger word")
        << QStringLiteral("Perigo / Danger") << danger << QStringLiteral("Perigo");
    QTest::newRow("only in a longer word")
        << QStringLiteral("Dangerous when wet; forewarning") << none << QString();
    QTest::newRow("none given: from the codes")
        << QStringLiteral("H225\nH319") << danger << QStringLiteral("Danger");
    QTest::newRow("the text's word wins over the codes")
        << QStringLiteral("H228 Flammable solid.\nWarning") << warning << QStringLiteral("Warning");
    QTest::newRow("no code with a word") << QStringLiteral("H401\nEUH066") << none << QString();
}

void TestHazards::theSignalWordIsTheOneTheTextGives()
{
    QFETCH(QString, text);
    QFETCH(int, signal);
    QFETCH(QString, word);
    const HazardLabel label = readHazards(text);
    QCOMPARE(int(label.signal), signal);
    QCOMPARE(label.signalText, word);
}

void TestHazards::everyPictogramIsADiamondWithARedBorder()
{
    for (int i = 0; i < kPictogramCount; ++i) {
        const auto p = static_cast<P>(i);
        QSvgRenderer svg(pictogramResource(p));
        QVERIFY2(svg.isValid(), qPrintable(pictogramResource(p)));
        QImage image(100, 100, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter, QRectF(0, 0, 100, 100));
        painter.end();
        // Red on the border, white inside it, clear outside the diamond, and a symbol.
        const QColor border = image.pixelColor(50, 5);
        QVERIFY2(border.red() > 200 && border.green() < 60, qPrintable(pictogramName(p)));
        QCOMPARE(image.pixelColor(3, 3).alpha(), 0);
        int black = 0;
        for (int y = 20; y < 80; ++y)
            for (int x = 20; x < 80; ++x)
                black += qGray(image.pixel(x, y)) < 60 ? 1 : 0;
        QVERIFY2(black > 150, qPrintable(pictogramName(p)));
    }
}

void TestHazards::theSampleInventoryGetsTheWordsOfItsCodes()
{
    // The sample's hazards name no signal word; their codes give it, the most severe one
    // winning ("Danger" over "Warning"), and a record without codes gets none.
    QTemporaryDir dir;
    QFile sql(QStringLiteral(QB_SAMPLE_SQL));
    QVERIFY(sql.open(QIODevice::ReadOnly));
    const QString path = dir.filePath(QStringLiteral("sample.mdb"));
    records::Database::create(path, store::schemaScript() + QString::fromUtf8(sql.readAll()));
    auto db = records::Database::open(path);
    records::Statement s(*db, QStringLiteral("SELECT NOME, HAZARDS FROM TOLMIREKS"));
    records::Statement::Reset done(s);
    QMap<QString, QString> words;
    int withCodes = 0;
    while (s.step()) {
        const QString hazards = s.value(1).toString();
        const HazardLabel label = readHazards(hazards);
        words.insert(s.value(0).toString(), label.signalText);
        if (hazards.contains(QRegularExpression(QStringLiteral("\\bH[234]\\d\\d\\b")))) {
            ++withCodes;
            QVERIFY2(label.signal != SignalWord::None, qPrintable(s.value(0).toString()));
        }
    }
    QCOMPARE(words.size(), 81);
    QVERIFY(withCodes > 60);
    const QMap<QString, QString> expected = {
        {QStringLiteral("Acetona"), QStringLiteral("Danger")},          // H225
        {QStringLiteral("Ácido bórico"), QStringLiteral("Danger")},     // H360
        {QStringLiteral("Clorobenzeno"), QStringLiteral("Warning")},    // H226, H332, H411
        {QStringLiteral("Diclorometano"), QStringLiteral("Warning")},   // H315 ... H373
        {QStringLiteral("Benzaldeído"), QStringLiteral("Warning")},     // H302
        {QStringLiteral("Zinco granulado"), QStringLiteral("Warning")}, // H410
        {QStringLiteral("Ácido sulfúrico 98%"), QStringLiteral("Danger")},
        {QStringLiteral("Permanganato de potássio"), QStringLiteral("Danger")}, // H272, H302, H410
        {QStringLiteral("Cloreto de sódio"), QString()},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QVERIFY2(words.value(it.key()) == it.value(),
                 qPrintable(it.key() + QLatin1String(": ") + words.value(it.key())));
}

QB_TEST_MAIN(TestHazards)
#include "tst_hazards.moc"
