// Records out of and into an inventory: the order they come out in, CSV files that come
// back byte for byte, and imports that add all rows or none.
#include "inventory/datatool/csv.h"
#include "inventory/datatool/errors.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "tests/data/checks.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QBuffer>
#include <QFile>

using namespace testsupport;
using namespace datatool;

namespace {

QByteArray exportBytes(const QString& path, bool forSpreadsheet = false)
{
    auto db = openInventory(path, true);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    ExportOptions options;
    options.forSpreadsheet = forSpreadsheet;
    exportCsv(*db, out, options);
    return bytes;
}

struct Imported
{
    ImportReport report;
    std::vector<RowProblem> problems;
    int error = 0;
};

Imported importBytes(const QString& inventory, const QByteArray& csv, const ImportOptions& options = {})
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("in.csv"));
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(csv);
    f.close();
    Imported result;
    result.error = errorNumber([&] {
        auto db = openInventory(inventory, options.dryRun);
        result.report =
            importCsv(*db, file, options, [&](const RowProblem& p) { result.problems.push_back(p); });
    });
    return result;
}

// The names as the program's own cursor orders them: the order a CSV must follow.
QStringList engineOrder(const QString& path)
{
    auto db = records::Database::open(path);
    records::Recordset rs(*db, store::recordSource());
    QStringList names;
    for (int i = 0; i < rs.RecordCount(); ++i) {
        rs.setAbsolutePosition(i);
        const QVariant v = rs.Fields(store::NOME).Value();
        names.append(v.isNull() ? QStringLiteral("<null>") : v.toString());
    }
    return names;
}

// One column of a CSV's records, after its header.
QStringList csvColumn(const QByteArray& csv, int cell)
{
    QByteArray copy = csv;
    QBuffer in(&copy);
    in.open(QIODevice::ReadOnly);
    CsvReader reader(in);
    reader.next();
    QStringList values;
    while (reader.next())
        values.append(QString::fromStdString(reader.fields().at(static_cast<std::size_t>(cell))));
    return values;
}

Row fullRow(const QVariant& nome, const QVariant& hazards = {}, const QVariant& place = {})
{
    Row row(store::kColumnCount);
    row[store::NOME] = nome;
    row[store::HAZARDS] = hazards;
    row[store::LOCAL] = place;
    return row;
}

QString sampleInventory(const QTemporaryDir& dir)
{
    QFile sql(QStringLiteral(QB_SAMPLE_SQL));
    sql.open(QIODevice::ReadOnly);
    const QString path = dir.filePath(QStringLiteral("sample.mdb"));
    records::Database::create(path, store::schemaScript() + QString::fromUtf8(sql.readAll()));
    return path;
}

} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT
private slots:
    void recordsComeOutInTheProgramsOrder();
    void placesComeInOrderWithTheUnplacedLast();
    void theCsvIsWhatSpreadsheetsExpect();
    void theSampleInventoryComesBackByteForByte();
    void hostileTextComesBackByteForByte();
    void exportsComeBackJoinedOrMadeForASpreadsheet();
    void textThatIsNotUtf8IsExportedAsUtf8();
    void aFileWithWrongRowsAddsNothing();
    void theHeaderIsMatchedAndChecked();
    void duplicatesAreAddedOnlyWhenAllowed();
    void aDryRunWritesNothingEvenToAReadOnlyFile();
    void addedRecordsNeverTakeADeletedRecordsPlace();
    void aFileThatIsNoInventoryIsRefused();
};

void TestTransfer::recordsComeOutInTheProgramsOrder()
{
    // Accents and case do not separate names; equal names keep the order they were added
    // in; Null comes first, then the empty name.
    TempInventory inv({fullRow(QStringLiteral("benzeno")), fullRow(QStringLiteral("Ácido acético")),
                       fullRow(QStringLiteral("Benzeno")), fullRow(QStringLiteral("acetona")),
                       fullRow(QStringLiteral("Acido bórico")), fullRow(QStringLiteral("Benzeno")),
                       fullRow(QString()), fullRow(QStringLiteral("Éter etílico")),
                       fullRow(QStringLiteral("1-Butanol")), fullRow(QStringLiteral("10-Undecenal")),
                       fullRow(QStringLiteral("2-Propanol")), fullRow(QStringLiteral("Ácido Acético")),
                       fullRow(QStringLiteral("Zinco")), fullRow(QStringLiteral("zinco"))});
    {
        auto db = records::Database::open(inv.path());
        records::Statement s(
            *db, QStringLiteral("INSERT INTO TOLMIREKS (NOME, ALDRICH) VALUES (NULL, 'no name')"));
        records::Statement::Reset done(s);
        s.step();
    }
    const QStringList engine = engineOrder(inv.path());
    QStringList exported = csvColumn(exportBytes(inv.path()), store::NOME);
    // Null and empty are both an empty cell; the engine's list says which was which.
    QCOMPARE(engine.first(), QStringLiteral("<null>"));
    exported[0] = QStringLiteral("<null>");
    QCOMPARE(exported, engine);
    // The rows of equal names stay in the order they were added in.
    const QStringList aldrich = csvColumn(exportBytes(inv.path()), store::ALDRICH);
    QCOMPARE(aldrich.first(), QStringLiteral("no name"));
}

void TestTransfer::placesComeInOrderWithTheUnplacedLast()
{
    TempInventory inv(
        {fullRow(QStringLiteral("B"), {}, QStringLiteral("armário 2")),
         fullRow(QStringLiteral("A"), {}, QStringLiteral("Armário 10")),
         fullRow(QStringLiteral("C"), {}, QString()), fullRow(QStringLiteral("D"), {}, QStringLiteral("  ")),
         fullRow(QStringLiteral("E"), {}, QStringLiteral("Geladeira")),
         fullRow(QStringLiteral("A"), {}, QStringLiteral("armário 2")), fullRow(QStringLiteral("F"))});
    auto db = openInventory(inv.path(), true);
    RecordStream::Options options;
    options.byPlace = true;
    QStringList seen;
    QStringList places;
    {
        RecordStream stream(*db, options);
        for (const RecordStream::Place& p : stream.places())
            places.append(p.none ? QStringLiteral("none:%1").arg(p.count)
                                 : QStringLiteral("%1:%2").arg(p.name).arg(p.count));
        stream.forEach([&](const Record& r) { seen.append(r.string(store::NOME)); });
    }
    QCOMPARE(places, QStringList({QStringLiteral("Armário 10:1"), QStringLiteral("armário 2:2"),
                                  QStringLiteral("Geladeira:1"), QStringLiteral("none:3")}));
    QCOMPARE(seen,
             QStringList({QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("E"),
                          QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("F")}));

    // A part of the name finds the place whatever its case and accents.
    options.placeContains = QStringLiteral("ARMARIO 2");
    RecordStream chosen(*db, options);
    QCOMPARE(chosen.count(), std::int64_t{2});
    QCOMPARE(chosen.places().size(), std::size_t{1});
    QVERIFY(placeMatches(QStringLiteral("Armário de ácidos"), QStringLiteral("acidos")));
    QVERIFY(!placeMatches(QStringLiteral("Armário de bases"), QStringLiteral("acidos")));
}

void TestTransfer::theCsvIsWhatSpreadsheetsExpect()
{
    TempInventory inv({fullRow(QStringLiteral("Acetona"), QStringLiteral("H225\nH319")),
                       fullRow(QStringLiteral("Água"), QString())});
    {
        auto db = records::Database::open(inv.path());
        records::Statement s(
            *db, QStringLiteral("UPDATE TOLMIREKS SET MP = '1-2', BP = '-95 °C' WHERE NOME = 'Acetona'"));
        records::Statement::Reset done(s);
        s.step();
    }
    const QByteArray csv = exportBytes(inv.path());
    QCOMPARE(csv,
             QByteArray(
                 "\xEF\xBB\xBF"
                 "ALDRICH,NOME,FORNECEDOR,FORMULA,LOCAL,QUANTIDADE,MW,MP,BP,DENSITY,HAZARDS,CARACTERISTIC\r\n"
                 ",Acetona,,,,,,1-2,-95 °C,,\"H225\nH319\",\r\n"
                 ",Água,,,,,,,,,,\r\n"));
    const QByteArray forSpreadsheet = exportBytes(inv.path(), true);
    QVERIFY(forSpreadsheet.contains(",\"=\"\"1-2\"\"\",\"=\"\"-95 °C\"\"\","));
    QVERIFY(forSpreadsheet.contains(",Acetona,"));
}

void TestTransfer::theSampleInventoryComesBackByteForByte()
{
    QTemporaryDir dir;
    const QString sample = sampleInventory(dir);
    const QByteArray first = exportBytes(sample);
    QCOMPARE(csvColumn(first, store::NOME).size(), engineOrder(sample).size());

    TempInventory empty;
    const Imported in = importBytes(empty.path(), first);
    QCOMPARE(in.error, 0);
    QCOMPARE(in.report.added, std::int64_t{81});
    QCOMPARE(exportBytes(empty.path()), first);
}

void TestTransfer::hostileTextComesBackByteForByte()
{
    QString memo;
    while (memo.size() < (1 << 20))
        memo += QStringLiteral("H225 \"quoted\", comma; line\r\nand LF\n🧪 עברית ");
    std::vector<Row> rows = {
        fullRow(QStringLiteral("\""), QStringLiteral("\"")),
        fullRow(QStringLiteral("a,b \"c\""), QStringLiteral("x\r\ny")),
        fullRow(QStringLiteral("😀 emoji"), memo, memo),
        fullRow(QStringLiteral("עברית"), QStringLiteral("\r\n")),
        fullRow(QStringLiteral("=HYPERLINK(\"x\")"), QStringLiteral("\n\n")),
        fullRow(QStringLiteral(" spaced "), QStringLiteral("trailing cr\r")),
    };
    Row all(store::kColumnCount);
    for (int i = 0; i < store::kColumnCount; ++i)
        all[static_cast<std::size_t>(i)] = QStringLiteral("\"%1,\r\n").arg(i);
    all[store::NOME] = QStringLiteral("all columns");
    rows.push_back(all);
    TempInventory inv(rows);

    const QByteArray first = exportBytes(inv.path());
    TempInventory empty;
    const Imported in = importBytes(empty.path(), first);
    QCOMPARE(in.error, 0);
    QCOMPARE(in.report.added, std::int64_t{7});
    QCOMPARE(exportBytes(empty.path()), first);
    // The values themselves came back, not only their look in a file.
    std::vector<Row> back = empty.rows();
    QVERIFY(std::any_of(back.begin(), back.end(), [&](const Row& r) { return r[store::HAZARDS] == memo; }));
}

void TestTransfer::exportsComeBackJoinedOrMadeForASpreadsheet()
{
    QTemporaryDir dir;
    const QString sample = sampleInventory(dir);
    const QByteArray plain = exportBytes(sample);

    // Made for a spreadsheet ("-89.8 °C" as ="-89.8 °C"), the export comes back as it was.
    TempInventory fromSpreadsheet;
    Imported in = importBytes(fromSpreadsheet.path(), exportBytes(sample, true));
    QCOMPARE(in.error, 0);
    QCOMPARE(exportBytes(fromSpreadsheet.path()), plain);

    // Two exports joined into one file: the second header is no chemical called "NOME".
    TempInventory joined;
    in = importBytes(joined.path(), plain + plain);
    QCOMPARE(in.error, 0);
    QCOMPARE(in.report.repeatedHeaders, std::vector<std::int64_t>{QByteArray(plain).count('\n') + 1});
    QCOMPARE(in.report.rows, std::int64_t{2 * 81});
    QVERIFY(!joined.column(store::NOME).contains(QStringLiteral("NOME")));
}

void TestTransfer::textThatIsNotUtf8IsExportedAsUtf8()
{
    // Another program stored Latin-1 bytes, as text and as a blob.
    TempInventory inv({fullRow(QStringLiteral("Acetona"))});
    {
        auto db = records::Database::open(inv.path());
        records::Statement s(*db, QStringLiteral("INSERT INTO TOLMIREKS (NOME, FORMULA, HAZARDS) VALUES "
                                                 "(CAST(X'C167756120' AS TEXT), 'H2O', X'E96C6576E9')"));
        records::Statement::Reset done(s);
        s.step();
    }
    auto db = openInventory(inv.path(), true);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    ExportOptions options;
    QStringList told;
    options.onReplaced = [&](const QString& name, const QStringList& columns) {
        told.append(name + QLatin1Char(':') + columns.join(QLatin1Char(',')));
    };
    QCOMPARE(exportCsv(*db, out, options), std::int64_t{2});
    QVERIFY(isUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    QCOMPARE(told, QStringList({QStringLiteral("\uFFFDgua :NOME,HAZARDS")}));
    // The file is one the import takes back.
    TempInventory back;
    QCOMPARE(importBytes(back.path(), bytes).error, 0);
    QCOMPARE(back.rows().size(), std::size_t{2});
}

void TestTransfer::aFileWithWrongRowsAddsNothing()
{
    TempInventory inv({fullRow(QStringLiteral("Acetona"))});
    const auto before = inv.rows();
    const QByteArray csv = "NOME,FORMULA\r\n"
                           "Benzeno,C6H6\r\n"              // line 2: good
                           ",H2O\r\n"                      // line 3: no name
                           "Tolueno\r\n"                   // line 4: one cell short
                           "\xC1gua,H2O\r\n"               // line 5: Latin-1, not UTF-8
                           "\"Xileno\r\nmisto\",C8H10\r\n" // lines 6-7: good, two lines
                           "   ,x\r\n"                     // line 8: a name of spaces
                           "Fenol,\"C6H6O\"x\r\n"          // line 9: text after a quote
                           + QByteArray("\0,x\r\n", 5)     // line 10: a NUL for a name
                           + "Bo\x1Bro,x\r\n";             // line 11: an escape in a name
    const Imported in = importBytes(inv.path(), csv);
    QCOMPARE(in.error, int(CsvRejected));
    std::vector<std::int64_t> lines;
    for (const RowProblem& p : in.problems)
        lines.push_back(p.line);
    QCOMPARE(lines, (std::vector<std::int64_t>{3, 4, 5, 8, 9, 10, 11}));
    QVERIFY2(in.problems[5].reason.contains(QStringLiteral("U+0000")), qPrintable(in.problems[5].reason));
    QVERIFY(in.problems[0].reason.contains(QStringLiteral("NOME")));
    QVERIFY(in.problems[1].reason.contains(QStringLiteral("1 cells where the first line names 2")));
    QVERIFY(in.problems[2].reason.contains(QStringLiteral("UTF-8")));
    QCOMPARE(inv.rows(), before);
}

void TestTransfer::theHeaderIsMatchedAndChecked()
{
    TempInventory inv;
    // Names in any case, in any order, with a column the inventory does not have.
    Imported in = importBytes(inv.path(), "\xEF\xBB\xBF"
                                          "formula, Nome ,Remarks\r\nC6H6,Benzeno,keep cool\r\n");
    QCOMPARE(in.error, 0);
    QCOMPARE(in.report.ignoredColumns, QStringList({QStringLiteral("Remarks")}));
    QVERIFY(in.report.missingColumns.contains(QStringLiteral("HAZARDS")));
    const Row row = inv.rows().at(0);
    QCOMPARE(row[store::NOME].toString(), QStringLiteral("Benzeno"));
    QCOMPARE(row[store::FORMULA].toString(), QStringLiteral("C6H6"));
    QVERIFY(row[store::LOCAL].isNull());

    // A spreadsheet where the comma is the decimal mark separates cells with semicolons.
    in = importBytes(inv.path(), "\"NOME\";FORMULA;MW\r\n\"Etanol; absoluto\";C2H6O;46,07 g/mol\r\n");
    QCOMPARE(in.error, 0);
    QCOMPARE(inv.rows().at(1)[store::NOME].toString(), QStringLiteral("Etanol; absoluto"));
    QCOMPARE(inv.rows().at(1)[store::MW].toString(), QStringLiteral("46,07 g/mol"));

    QCOMPARE(importBytes(inv.path(), "FORMULA,LOCAL\r\nC6H6,A\r\n").error, int(CsvBadHeader));
    QCOMPARE(importBytes(inv.path(), "NOME,nome\r\nA,B\r\n").error, int(CsvBadHeader));
    QCOMPARE(importBytes(inv.path(), "").error, int(CsvBadHeader));
    QCOMPARE(importBytes(inv.path(), QByteArray("\xFF\xFEN\0O\0M\0E\0", 10)).error, int(CsvWrongEncoding));
    // Without a byte-order mark UTF-16 is still no UTF-8, not a file without NOME.
    const QString utf16 = QStringLiteral("NOME,LOCAL\r\nBenzeno,A\r\n");
    QCOMPARE(
        importBytes(inv.path(), QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2))
            .error,
        int(CsvWrongEncoding));
    QCOMPARE(inv.rows().size(), std::size_t{2});
}

void TestTransfer::duplicatesAreAddedOnlyWhenAllowed()
{
    // Names compare as a person reads them: case and surrounding spaces aside, accents
    // not, whether the inventory stores a name as text or as a blob.
    TempInventory inv({fullRow(QStringLiteral("Acetona")), fullRow(QStringLiteral("Cafei\u0301na")),
                       fullRow(QByteArray("Benzeno"))});
    const QByteArray csv = "NOME,LOCAL\r\nAcetona,B\r\n\" acetona \",C\r\nBENZENO,D\r\n"
                           "Acetôna,E\r\nCAFE\xC3\x8DNA,F\r\nEtanol,G\r\nEtanol,H\r\n";
    Imported in = importBytes(inv.path(), csv);
    QCOMPARE(in.error, 0);
    std::vector<std::int64_t> lines;
    for (const ImportReport::Duplicate& d : in.report.duplicates)
        lines.push_back(d.line);
    QCOMPARE(lines, (std::vector<std::int64_t>{2, 3, 4, 6}));
    QCOMPARE(in.report.duplicates[1].stored, QStringLiteral("Acetona"));
    QCOMPARE(in.report.duplicates[2].stored, QStringLiteral("Benzeno"));
    // Only a name already in the inventory is a duplicate, not one the file repeats.
    QCOMPARE(in.report.added, std::int64_t{3});
    QCOMPARE(inv.column(store::LOCAL).mid(3),
             QStringList({QStringLiteral("E"), QStringLiteral("G"), QStringLiteral("H")}));

    ImportOptions allow;
    allow.allowDuplicates = true;
    in = importBytes(inv.path(), "NOME\r\nAcetona\r\n", allow);
    QCOMPARE(in.report.duplicates.size(), std::size_t{1});
    QCOMPARE(in.report.added, std::int64_t{1});
    QCOMPARE(inv.rows().size(), std::size_t{7});
}

void TestTransfer::aDryRunWritesNothingEvenToAReadOnlyFile()
{
    TempInventory inv({fullRow(QStringLiteral("Acetona"))});
    QFile::setPermissions(inv.path(), QFile::ReadOwner | QFile::ReadGroup);
    // Any reader of the file, the program too, keeps SQLite's shared index beside it; the
    // inventory itself must not change.
    const QByteArray before = folderState(inv.folder()).value(QStringLiteral("QBData.mdb"));
    ImportOptions dry;
    dry.dryRun = true;
    Imported in = importBytes(inv.path(), "NOME\r\nAcetona\r\nBenzeno\r\nTolueno\r\n", dry);
    QCOMPARE(in.error, 0);
    QCOMPARE(in.report.added, std::int64_t{2});
    QCOMPARE(in.report.duplicates.size(), std::size_t{1});
    // A dry run finds wrong rows as the import would.
    in = importBytes(inv.path(), "NOME\r\n\"\r\n", dry);
    QCOMPARE(in.error, int(CsvRejected));
    QCOMPARE(folderState(inv.folder()).value(QStringLiteral("QBData.mdb")), before);
    // The real import is refused by the engine, with its own error.
    QCOMPARE(importBytes(inv.path(), "NOME\r\nB\r\n").error, int(records::ReadOnlyFile));
    QFile::setPermissions(inv.path(), QFile::ReadOwner | QFile::WriteOwner);
}

void TestTransfer::addedRecordsNeverTakeADeletedRecordsPlace()
{
    TempInventory inv(
        {fullRow(QStringLiteral("A")), fullRow(QStringLiteral("B")), fullRow(QStringLiteral("C"))});
    auto db = records::Database::open(inv.path());
    // Two windows on the inventory; one deletes the last record, the other still lists it.
    records::Recordset deleting(*db, store::recordSource());
    auto other = records::Database::open(inv.path());
    records::Recordset listing(*other, store::recordSource());
    deleting.setAbsolutePosition(2);
    deleting.Delete();

    QCOMPARE(importBytes(inv.path(), "NOME\r\nD\r\n").error, 0);
    listing.setAbsolutePosition(2);
    QCOMPARE(errorNumber([&] { listing.Fields(store::NOME).Value(); }), int(records::RecordDeleted));
}

void TestTransfer::aFileThatIsNoInventoryIsRefused()
{
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("other.mdb"));
    records::Database::create(other, QStringLiteral("CREATE TABLE TOLMIREKS (NOME TEXT, ALDRICH TEXT);"));
    QString text;
    QCOMPARE(errorNumber([&] { openInventory(other, true); }, &text), int(records::ColumnNotFound));
    QVERIFY2(text.contains(QStringLiteral("ALDRICH")), qPrintable(text));
    const QString foreign = dir.filePath(QStringLiteral("foreign.mdb"));
    records::Database::create(foreign, QStringLiteral("CREATE TABLE notes (x TEXT);"));
    QCOMPARE(errorNumber([&] { openInventory(foreign, true); }), int(records::TableNotFound));
    QCOMPARE(errorNumber([&] { openInventory(dir.filePath(QStringLiteral("missing.mdb")), true); }),
             int(records::FileNotFound));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral("missing")), QStringList());
}

QB_TEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
