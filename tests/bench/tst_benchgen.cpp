#include "bench/inventory_generator.h"
#include "bench/word_list.h"
#include "chemical_words_text.h"
#include "inventory/store/chemical_table.h"
#include "inventory/store/inventory.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "tests/support/error_number.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// Every column of the first n chemicals of a seed, Null as a null QVariant.
std::vector<std::vector<QVariant>> generated(std::uint64_t seed, int n)
{
    bench::ChemicalGenerator gen(seed);
    std::vector<std::vector<QVariant>> rows;
    for (int r = 0; r < n; ++r) {
        const bench::GeneratedChemical& c = gen.next();
        std::vector<QVariant> row;
        for (int i = 0; i < store::kColumnCount; ++i)
            row.push_back(c.null[static_cast<std::size_t>(i)]
                              ? QVariant()
                              : QVariant(QString::fromStdString(c.text[static_cast<std::size_t>(i)])));
        rows.push_back(std::move(row));
    }
    return rows;
}

// The mass of a Hill formula such as "C7H5ClO2"; 0 when it holds other elements.
double hillMass(const QString& formula)
{
    static const QHash<QString, double> masses = {
        {QStringLiteral("C"), 12.011}, {QStringLiteral("H"), 1.008},   {QStringLiteral("N"), 14.007},
        {QStringLiteral("O"), 15.999}, {QStringLiteral("S"), 32.06},   {QStringLiteral("F"), 18.998},
        {QStringLiteral("Cl"), 35.45}, {QStringLiteral("Br"), 79.904}, {QStringLiteral("I"), 126.904}};
    static const QRegularExpression part(QStringLiteral("([A-Z][a-z]?)(\\d*)"));
    double total = 0;
    int covered = 0;
    for (const QRegularExpressionMatch& m : part.globalMatch(formula)) {
        if (!masses.contains(m.captured(1)))
            return 0;
        total += masses.value(m.captured(1)) * (m.captured(2).isEmpty() ? 1 : m.captured(2).toInt());
        covered += static_cast<int>(m.capturedLength());
    }
    return covered == formula.size() ? total : 0;
}

} // namespace

class TestBenchGen : public QObject
{
    Q_OBJECT
private slots:
    void aSeedAlwaysGivesTheSameRows();
    void theFileIsAnInventoryThatHoldsTheRows();
    void refusesToOverwriteAndLeavesNothingOnFailure();
    void aSlipInTheWordListIsReportedWithItsLine();
};

// Benchmark runs are compared with each other, so the data must not drift between them.
void TestBenchGen::aSeedAlwaysGivesTheSameRows()
{
    const auto first = generated(42, 300);
    QVERIFY(first == generated(42, 300));
    QVERIFY(first != generated(43, 300));
}

void TestBenchGen::theFileIsAnInventoryThatHoldsTheRows()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("QBData.mdb"));
    const int n = 4000;
    bench::generateInventory(path, n, 5);

    auto db = records::Database::open(path);
    records::Recordset rs(*db, store::tableName()); // the table's own order: the order of insertion
    store::checkColumns(*db);
    QCOMPARE(rs.RecordCount(), n);

    const auto expected = generated(5, n);
    int nullAldrich = 0, nullFormula = 0, distinctNames = 0, checkedMasses = 0;
    QSet<QString> names;
    for (int p = 0; p < n; ++p) {
        rs.setAbsolutePosition(p);
        for (int i = 0; i < store::kColumnCount; ++i) {
            QCOMPARE(rs.Fields(i).Value(),
                     expected[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)]);
            // A slot of the word list left unfilled, such as "{1-5}", is a fault of the list.
            const QString value = rs.Fields(i).Value().toString();
            QVERIFY2(!value.contains(u'{') && !value.contains(u'}'), qPrintable(value));
        }

        const QString nome = rs.Fields(store::NOME).Value().toString();
        QVERIFY2(!nome.isEmpty(), qPrintable(QString::number(p)));
        names.insert(nome);
        nullAldrich += rs.Fields(store::ALDRICH).Value().isNull();
        nullFormula += rs.Fields(store::FORMULA).Value().isNull();
        const int hazardLines =
            static_cast<int>(rs.Fields(store::HAZARDS).Value().toString().count(u'\n')) + 1;
        QVERIFY2(hazardLines >= 1 && hazardLines <= 4, qPrintable(nome));

        // A formula and its molecular weight must agree, or the data is plainly wrong.
        const double mass = hillMass(rs.Fields(store::FORMULA).Value().toString());
        if (mass > 0) {
            const double mw = rs.Fields(store::MW).Value().toString().section(u' ', 0, 0).toDouble();
            QVERIFY2(qAbs(mw - mass) < 0.01, qPrintable(nome));
            ++checkedMasses;
        }
    }
    distinctNames = static_cast<int>(names.size());
    QVERIFY(checkedMasses > n / 2);
    QVERIFY2(nullAldrich > n * 3 / 100 && nullAldrich < n * 7 / 100,
             qPrintable(QString::number(nullAldrich)));
    QVERIFY2(nullFormula > n * 2 / 100 && nullFormula < n * 4 / 100,
             qPrintable(QString::number(nullFormula)));
    QVERIFY2(distinctNames > n * 97 / 100, qPrintable(QString::number(distinctNames)));
}

void TestBenchGen::refusesToOverwriteAndLeavesNothingOnFailure()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("QBData.mdb"));
    {
        QFile f(existing);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("the lab's own inventory");
    }
    QVERIFY_THROWS_EXCEPTION(records::DataError, bench::generateInventory(existing, 10));
    QFile f(existing);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("the lab's own inventory"));

    const QString fresh = dir.filePath(QStringLiteral("new.mdb"));
    QVERIFY_THROWS_EXCEPTION(records::DataError, bench::generateInventory(fresh, -1));
    QVERIFY(!QFile::exists(fresh));
    QVERIFY_THROWS_EXCEPTION(
        records::DataError, bench::generateInventory(dir.filePath(QStringLiteral("no/such/folder.mdb")), 10));
}

// The word list is edited by hand; a slip must point at its line, not make odd rows.
void TestBenchGen::aSlipInTheWordListIsReportedWithItsLine()
{
    const std::string words = bench::kChemicalWords;
    QCOMPARE(testsupport::errorNumber([&] { bench::WordList list(words); }), 0);

    const struct
    {
        const char* from;
        const char* to;
    } slips[] = {
        {"| H-1Br   |", "| H-1Xq   |"},                                     // no such element
        {"14 | sódio", "14x | sódio"},                                      // not a number
        {"liquid ester ", "liquid estre "},                                 // a word nothing gives
        {"0.6      | H301/H373", "0.6      | H301/H937"},                   // no such statement
        {"| aromatic hydroxy  | hidroxi", "| aromatic hydroxy  | hidroxy"}, // past a row of two lines
        {"H224   | flammable |", "H224   | flammable | H |"},               // a field too many
        {"\n     234561 345612", "\n     234561 345613"},                   // the second line of a row
    };
    for (const auto& slip : slips) {
        std::string broken = words;
        const std::size_t at = broken.find(slip.from);
        QVERIFY2(at != std::string::npos, slip.from);
        broken.replace(at, std::strlen(slip.from), slip.to);
        // A row that goes on over two lines is reported at its first: the last slip starts
        // at the end of that line.
        const int line = static_cast<int>(std::count(
                             broken.begin(), broken.begin() + static_cast<std::ptrdiff_t>(at), '\n')) +
                         1;
        QString text;
        QCOMPARE(testsupport::errorNumber([&] { bench::WordList list(broken); }, &text),
                 records::DatabaseError);
        QVERIFY2(text.startsWith(QStringLiteral("Line %1 of the word list").arg(line)), qPrintable(text));
    }

    std::string noVendors = words;
    noVendors.replace(noVendors.find("[vendor]"), 8, "[vendors]");
    QString text;
    QCOMPARE(testsupport::errorNumber([&] { bench::WordList list(noVendors); }, &text),
             records::DatabaseError);
    QVERIFY2(text.contains(QStringLiteral("[vendor]")), qPrintable(text));
}

QB_TEST_MAIN(TestBenchGen)
#include "tst_benchgen.moc"
