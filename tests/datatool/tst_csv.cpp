// The CSV cells as written and read back: quoting, what a spreadsheet would convert, and
// the reader's handling of line breaks, quotes and bytes that are not UTF-8.
#include "inventory/datatool/csv.h"
#include "tests/support/test_main.h"

#include <QBuffer>

using namespace datatool;

namespace {

std::string cell(std::string_view text, bool forSpreadsheet = false)
{
    std::string out;
    appendCell(out, text, forSpreadsheet);
    return out;
}

// The records a reader finds in the bytes, each with its line and problem.
struct Read
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::int64_t> lines;
    QStringList problems;
};

Read readAll(const std::string& bytes)
{
    QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer);
    Read r;
    while (reader.next()) {
        r.records.push_back(reader.fields());
        r.lines.push_back(reader.line());
        r.problems.append(reader.problem());
    }
    return r;
}

} // namespace

class TestCsv : public QObject
{
    Q_OBJECT
private slots:
    void cellsAreQuotedOnlyWhenTheyMustBe_data();
    void cellsAreQuotedOnlyWhenTheyMustBe();
    void spreadsheetConversionsArePrevented_data();
    void spreadsheetConversionsArePrevented();
    void aLongFormulaIsCutIntoLiteralsSpreadsheetsAccept();
    void whatIsWrittenIsReadBackByteForByte();
    void recordsKeepTheirLineNumbers();
    void everyKindOfLineEndEndsARecord();
    void malformedRecordsSayWhy();
    void utf8IsCheckedStrictly_data();
    void utf8IsCheckedStrictly();
};

void TestCsv::cellsAreQuotedOnlyWhenTheyMustBe_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain") << QByteArray("Acetona") << QByteArray("Acetona");
    QTest::newRow("empty") << QByteArray("") << QByteArray("");
    QTest::newRow("spaces kept") << QByteArray(" a b ") << QByteArray(" a b ");
    QTest::newRow("comma") << QByteArray("Armário A, prateleira 1")
                           << QByteArray("\"Armário A, prateleira 1\"");
    QTest::newRow("quote") << QByteArray("5\" tube") << QByteArray("\"5\"\" tube\"");
    QTest::newRow("only a quote") << QByteArray("\"") << QByteArray("\"\"\"\"");
    QTest::newRow("LF") << QByteArray("H225\nH319") << QByteArray("\"H225\nH319\"");
    QTest::newRow("CRLF") << QByteArray("H225\r\nH319") << QByteArray("\"H225\r\nH319\"");
    // Without --for-spreadsheet the stored bytes go out as they are.
    QTest::newRow("formula as stored") << QByteArray("=1+2") << QByteArray("=1+2");
}

void TestCsv::cellsAreQuotedOnlyWhenTheyMustBe()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, written);
    QCOMPARE(QByteArray::fromStdString(cell(text.toStdString())), written);
}

void TestCsv::spreadsheetConversionsArePrevented_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converted");
    // Dates, CAS-like numbers, numbers that lose digits, times, formulas and truth values.
    for (const char* t :
         {"1-2",    "2/3",      "7732-18-5", "64-17-5", "0.790",    "007",   "1,5",  "12%",      "1e5",
          "12:30",  "12:30 pm", "3 mar",     "Sep2",    "mar-2024", "$5",    "(5)",  "=SUM(A1)", "+1",
          "-95 °C", "@cmd",     " =1+1",     "TRUE",    "falso",    "1 1/2", "1.2.3"})
        QTest::newRow(t) << QString::fromUtf8(t) << true;
    // Text a spreadsheet keeps as text.
    for (const char* t : {"Acetona", "58.08 g/mol", "4 x 1 L", "56 °C", "H2O", "C3H6O", "1-Butanol",
                          "May cause cancer", "Armário 3", "e", "", "  ", "3 mar cabinet"})
        QTest::newRow(t) << QString::fromUtf8(t) << false;
}

void TestCsv::spreadsheetConversionsArePrevented()
{
    QFETCH(QString, text);
    QFETCH(bool, converted);
    const std::string utf8 = text.toStdString();
    QCOMPARE(spreadsheetWouldConvert(utf8), converted);
    const std::string written = cell(utf8, true);
    if (converted) {
        // ="text" with the quotes doubled twice: once in the formula, once in the cell.
        std::string formula = "=\"";
        for (char c : utf8)
            formula += c == '"' ? std::string("\"\"") : std::string(1, c);
        formula += "\"";
        QCOMPARE(QString::fromStdString(written), QString::fromStdString(cell(formula)));
    } else {
        QCOMPARE(QString::fromStdString(written), QString::fromStdString(cell(utf8)));
    }
}

void TestCsv::aLongFormulaIsCutIntoLiteralsSpreadsheetsAccept()
{
    // A memo that starts like a formula, with quotes and characters outside the BMP.
    std::string memo = "- see note \"A\"; ";
    while (memo.size() < 2000)
        memo += "ácido 🧪 ";
    const std::string written = cell(memo, true);
    const Read back = readAll(written + "\r\n");
    QCOMPARE(back.records.size(), std::size_t{1});
    const QString formula = QString::fromStdString(back.records[0][0]);
    QVERIFY(formula.startsWith(QStringLiteral("=\"")) && formula.endsWith(QLatin1Char('"')));
    // Literals joined by &, each within the 255 characters a spreadsheet accepts.
    QString joined;
    for (QString literal : formula.mid(2, formula.size() - 3).split(QStringLiteral("\"&\""))) {
        literal.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        QVERIFY2(literal.size() <= 255, qPrintable(literal));
        joined += literal;
    }
    QCOMPARE(joined, QString::fromStdString(memo));
}

void TestCsv::whatIsWrittenIsReadBackByteForByte()
{
    std::string big(1 << 20, 'x');
    big[(1 << 20) - 3] = '"';
    const std::vector<std::string> cells = {"",
                                            "\"",
                                            "\"\"",
                                            ",",
                                            "a,b",
                                            "line1\r\nline2",
                                            "line1\nline2",
                                            "cr\ronly",
                                            "\r\n",
                                            "\n",
                                            "trailing space ",
                                            "😀 emoji",
                                            "עברית right to left",
                                            "=1+2",
                                            std::string("nul\0inside", 10),
                                            big};
    std::string csv;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            csv += ',';
        appendCell(csv, cells[i], false);
    }
    csv += "\r\n";
    // The same record again, shifted so that its quotes and line breaks fall on the
    // reader's block boundary at another place.
    csv += csv.substr(0, csv.size() - 2) + "\r\n";
    const Read back = readAll(csv);
    QCOMPARE(back.records.size(), std::size_t{2});
    for (const auto& record : back.records) {
        QCOMPARE(record.size(), cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i)
            QVERIFY2(record[i] == cells[i], qPrintable(QStringLiteral("cell %1").arg(i)));
    }
    QVERIFY(back.problems.join(QString()).isEmpty());
}

void TestCsv::recordsKeepTheirLineNumbers()
{
    // A byte-order mark, a cell over three lines, a blank line and a last line without
    // a line break.
    const Read r = readAll("\xEF\xBB\xBFNOME,HAZARDS\r\nA,\"H225\r\nH319\r\nH336\"\r\n\r\nB,x\nC,y");
    QCOMPARE(r.records.size(), std::size_t{4});
    QCOMPARE(r.records[0][0], std::string("NOME"));
    QCOMPARE(r.lines, (std::vector<std::int64_t>{1, 2, 6, 7}));
    QCOMPARE(r.records[3], (std::vector<std::string>{"C", "y"}));
}

void TestCsv::everyKindOfLineEndEndsARecord()
{
    // Old Mac files end lines with a CR alone; some programs write CR CR LF. Neither leaves
    // a CR in a cell, and a line break inside quotes stays as it was.
    const std::vector<std::vector<std::string>> expected = {
        {"NOME", "LOCAL"}, {"Benzeno", "A"}, {"Tolueno", "x\ry"}, {"Xileno", "C"}};
    for (const std::string end : {"\r", "\r\r\n"}) {
        const Read r = readAll("NOME,LOCAL" + end + "Benzeno,A" + end + "Tolueno,\"x\ry\"" + end + end +
                               "Xileno,C" + end);
        QCOMPARE(r.records, expected);
        QCOMPARE(r.lines, (std::vector<std::int64_t>{1, 2, 3, 6}));
    }
}

void TestCsv::malformedRecordsSayWhy()
{
    const Read r = readAll("A,\"ok\"\nB,\"bad\"x,C\nD,E\nF,\"never closed\nG,H\n");
    QCOMPARE(r.records.size(), std::size_t{4});
    QVERIFY(r.problems.at(0).isEmpty());
    QVERIFY2(r.problems.at(1).contains(QStringLiteral("after its closing quote")),
             qPrintable(r.problems.at(1)));
    // The record after a bad one is read as usual.
    QCOMPARE(r.records[2], (std::vector<std::string>{"D", "E"}));
    QVERIFY(r.problems.at(2).isEmpty());
    QCOMPARE(r.lines[3], std::int64_t{4});
    QVERIFY2(r.problems.at(3).contains(QStringLiteral("line 4 is never closed")),
             qPrintable(r.problems.at(3)));
}

void TestCsv::utf8IsCheckedStrictly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("ascii") << QByteArray("abc") << true;
    QTest::newRow("accents") << QByteArray("Ácido") << true;
    QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << true;
    QTest::newRow("latin-1") << QByteArray("\xC1"
                                           "cido")
                             << false;
    QTest::newRow("cut short") << QByteArray("\xE2\x82") << false;
    QTest::newRow("overlong") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("stray continuation") << QByteArray("a\x80") << false;
}

void TestCsv::utf8IsCheckedStrictly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(isUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))), valid);
}

QB_TEST_MAIN(TestCsv)
#include "tst_csv.moc"
