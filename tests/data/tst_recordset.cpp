#include "platform/data/database.h"
#include "platform/data/errors.h"
#include "platform/data/recordset.h"
#include "tests/data/checks.h"
#include "tests/data/items_table.h"
#include "tests/support/test_main.h"

#include <QProcess>

using namespace testsupport;
using namespace items;
using records::Database;
using records::Recordset;

namespace {

QStringList column(Recordset& rs, int ordinal)
{
    QStringList values;
    for (int p = 0; p < rs.RecordCount(); ++p) {
        rs.setAbsolutePosition(p);
        values.append(rs.Fields(ordinal).Value().toString());
    }
    return values;
}

QString nome(const Recordset& rs)
{
    return rs.Fields(items::NAME).Value().toString();
}

// How a value reads: Null, the empty text, or the text itself.
QString shape(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("<null>");
    if (v.typeId() != QMetaType::QString)
        return QStringLiteral("<not text>");
    return v.toString().isEmpty() ? QStringLiteral("<empty>") : v.toString();
}

// Rows "Acetona", "Benzeno", "Cicloexano", stored out of name order.
std::vector<Row> threeRows()
{
    return {item(QStringLiteral("Benzeno"), QStringLiteral("Benzene"), QStringLiteral("C6H6")),
            item(QStringLiteral("Acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O")),
            item(QStringLiteral("Cicloexano"), QStringLiteral("Cyclohexane"), QStringLiteral("C6H12"))};
}

// A connection that reads in bursts the way a window does; endEvent() stands for the
// return to the event loop.
struct WindowConnection
{
    explicit WindowConnection(const QString& path) : db(Database::open(path))
    {
        db->setReadBursts([] {});
    }
    void endEvent() { db->endReadBurst(); }
    std::unique_ptr<Database> db;
};

QString otherProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/qb_other_program");
}

QString runOtherProgram(const QStringList& args)
{
    QProcess p;
    p.start(otherProgram(), args);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestRecordset : public QObject
{
    Q_OBJECT
private slots:
    void recordSourcesAreATableOrItsOrderedSelect();
    void namesInThePersonsOrder();
    void tiesKeepOneOrderAcrossOpenings();
    void nullIsKeptApartFromTheEmptyTextOnEveryReadPath();
    void fieldsFollowTheTablesColumnsAndNamesIgnoreCase();
    void positionsAfterAddAndDelete();
    void emptyTableHasNoCurrentRecord();
    void twoCursorsOnOneFile();
    void aDeletedRowNeverShowsAnotherRowsData();
    void twoRunningProgramsOnOneFile();
};

void TestRecordset::recordSourcesAreATableOrItsOrderedSelect()
{
    TempTable inv(threeRows());
    auto db = Database::open(inv.path());

    for (const char* source :
         {"Items", "ITEMS", "SELECT * FROM ITEMS ORDER BY NAME", "select * from items order by Name",
          "SELECT * FROM [ITEMS] ORDER BY [NAME]", "  SELECT  *  FROM \"Items\"  ORDER BY NAME ASC ;"}) {
        Recordset rs(*db, QString::fromLatin1(source));
        QVERIFY2(rs.RecordCount() == 3, source);
    }
    // The bare table keeps the table's order; ORDER BY NAME sorts.
    Recordset bare(*db, items::tableSource());
    QCOMPARE(nome(bare), QStringLiteral("Benzeno"));
    Recordset sorted(*db, items::recordSource());
    QCOMPARE(nome(sorted), QStringLiteral("Acetona"));

    // Nothing else is run: not a column list, a filter, another order or a second statement.
    for (const char* source : {"SELECT NAME FROM ITEMS", "SELECT * FROM ITEMS WHERE NAME = 'Acetona'",
                               "SELECT * FROM ITEMS ORDER BY NAME DESC", "ITEMS; DROP TABLE ITEMS",
                               "SELECT * FROM ITEMS; DELETE FROM ITEMS", "SELECT * FROM ITEMS --", ""}) {
        QString text;
        QCOMPARE(errorNumber([&] { Recordset rs(*db, QString::fromLatin1(source)); }, &text),
                 int(records::UnsupportedSource));
        QVERIFY2(text.contains(QString::fromLatin1(source)), qPrintable(text));
    }
    // Quoted names reach the schema check, never the statement.
    QString text;
    QCOMPARE(errorNumber([&] { Recordset rs(*db, QStringLiteral("\"ITEMS; DROP TABLE ITEMS\"")); }, &text),
             int(records::TableNotFound));
    QVERIFY(text.contains(QStringLiteral("ITEMS; DROP TABLE ITEMS")));
    QVERIFY(text.contains(QDir::toNativeSeparators(inv.path())));
    QCOMPARE(errorNumber([&] {
                 Recordset rs(*db, QStringLiteral("SELECT * FROM ITEMS ORDER BY [NAME; DELETE FROM ITEMS]"));
             }),
             int(records::ColumnNotFound));
    QCOMPARE(
        errorNumber([&] { Recordset rs(*db, QStringLiteral("SELECT * FROM ITEMS ORDER BY PESO")); }, &text),
        int(records::ColumnNotFound));
    QVERIFY(text.contains(QStringLiteral("PESO")));
    QCOMPARE(errorNumber([&] { Recordset rs(*db, QStringLiteral("Reagentes")); }),
             int(records::TableNotFound));

    QCOMPARE(inv.rows().size(), std::size_t(3));
}

void TestRecordset::namesInThePersonsOrder()
{
    TempTable inv({item(QStringLiteral("benzene")), item(QStringLiteral("Éter etílico")),
                   item(QStringLiteral("Ácido acético")), item(QStringLiteral("Benzene")),
                   item(QStringLiteral("Amônia")), item(QStringLiteral("Acetona")),
                   item(QStringLiteral("zinco")), item(QStringLiteral("álcool etílico")),
                   item(QStringLiteral("Benzeno")), item(QStringLiteral("etanol")),
                   item(QStringLiteral("Água destilada"))});
    auto db = Database::open(inv.path());
    Recordset rs(*db, items::recordSource());
    // Case and accents do not separate names; the exact text orders the ties.
    QCOMPARE(column(rs, items::NAME),
             QStringList({QStringLiteral("Acetona"), QStringLiteral("Ácido acético"),
                          QStringLiteral("Água destilada"), QStringLiteral("álcool etílico"),
                          QStringLiteral("Amônia"), QStringLiteral("Benzene"), QStringLiteral("benzene"),
                          QStringLiteral("Benzeno"), QStringLiteral("etanol"), QStringLiteral("Éter etílico"),
                          QStringLiteral("zinco")}));

    // Long names are ordered by the whole name, accents included, not by a prefix.
    const QString prefix = QStringLiteral("Solução tampão de fosfato pH 7,4 ").repeated(12);
    TempTable longNames({item(prefix + QStringLiteral("benzeno")), item(prefix + QStringLiteral("Ácido")),
                         item(prefix + QStringLiteral("água"))});
    auto longDb = Database::open(longNames.path());
    Recordset longRs(*longDb, items::recordSource());
    QCOMPARE(column(longRs, items::NAME),
             QStringList({prefix + QStringLiteral("Ácido"), prefix + QStringLiteral("água"),
                          prefix + QStringLiteral("benzeno")}));

    // A name whose key ends where a step of the sort does (eight letters, sixteen) and longer
    // names that begin with it: those still go by the person's order (the comma before the
    // per cent sign), not by their bytes.
    std::vector<Row> rows;
    QStringList expected;
    for (const int letters : {8, 16}) {
        const QString name(letters, QLatin1Char('a'));
        for (const QString& n : {name, name + QStringLiteral(" 99%"), name + QStringLiteral(" 99,9%")})
            rows.push_back(item(n));
        expected << name << name + QStringLiteral(" 99,9%") << name + QStringLiteral(" 99%");
    }
    TempTable steps(rows);
    auto stepsDb = Database::open(steps.path());
    Recordset stepsRs(*stepsDb, items::recordSource());
    QCOMPARE(column(stepsRs, items::NAME), expected);
}

void TestRecordset::tiesKeepOneOrderAcrossOpenings()
{
    // Two rows with the very same name, told apart by their formula.
    TempTable inv({item(QStringLiteral("Sulfato de cobre"), {}, QStringLiteral("first")),
                   item(QStringLiteral("BENZENO")), item(QStringLiteral("benzeno")),
                   item(QStringLiteral("Sulfato de cobre"), {}, QStringLiteral("second")),
                   item(QStringLiteral("Benzeno"))});
    const QStringList names{QStringLiteral("BENZENO"), QStringLiteral("Benzeno"), QStringLiteral("benzeno"),
                            QStringLiteral("Sulfato de cobre"), QStringLiteral("Sulfato de cobre")};
    const QStringList formulas{{}, {}, {}, QStringLiteral("first"), QStringLiteral("second")};

    auto db = Database::open(inv.path());
    {
        Recordset rs(*db, items::recordSource());
        QCOMPARE(column(rs, items::NAME), names);
        QCOMPARE(column(rs, items::CODE), formulas);
    }
    // Opened again unchanged, and again after the file changed elsewhere: the same order.
    for (int round = 0; round < 2; ++round) {
        if (round == 1) {
            auto other = Database::open(inv.path());
            Recordset elsewhere(*other, items::recordSource());
            elsewhere.setAbsolutePosition(0);
            elsewhere.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 9")}});
        }
        Recordset rs(*db, items::recordSource());
        QCOMPARE(column(rs, items::NAME), names);
        QCOMPARE(column(rs, items::CODE), formulas);
    }
}

void TestRecordset::nullIsKeptApartFromTheEmptyTextOnEveryReadPath()
{
    // Enough rows that a window's loop over the positions reads whole columns at once.
    const int n = 300;
    std::vector<Row> rows;
    QStringList expectAldrich, expectFormula, expectNome;
    auto valueFor = [](int i, int shift, const QString& text) -> QVariant {
        switch ((i + shift) % 3) {
        case 0:
            return {};
        case 1:
            return QString(QLatin1String(""));
        default:
            return text;
        }
    };
    for (int i = 0; i < n; ++i) {
        const QString name = QStringLiteral("n%1").arg(i, 3, 10, QLatin1Char('0'));
        Row r = item(name, valueFor(i, 0, QStringLiteral("a") + name),
                     valueFor(i, 1, QStringLiteral("f") + name));
        expectNome.append(name);
        expectAldrich.append(shape(r[items::LABEL]));
        expectFormula.append(shape(r[items::CODE]));
        rows.push_back(r);
    }
    // Null and empty names, which sort first (Null before the empty text).
    rows.push_back(item(QString(QLatin1String("")), QStringLiteral("empty name")));
    Row nullName = item({}, QStringLiteral("null name"));
    nullName[items::NAME] = QVariant();
    rows.push_back(nullName);
    TempTable inv(rows);

    auto check = [&](Recordset& rs, const char* when) {
        QStringList nomes, aldrich, formula;
        for (int p = 0; p < rs.RecordCount(); ++p) {
            rs.setAbsolutePosition(p);
            nomes.append(shape(rs.Fields(items::NAME).Value()));
            aldrich.append(shape(rs.Fields(items::LABEL).Value()));
            formula.append(shape(rs.Fields(items::CODE).Value()));
        }
        QCOMPARE(rs.RecordCount(), n + 2);
        QVERIFY2(nomes.mid(0, 2) == QStringList({QStringLiteral("<null>"), QStringLiteral("<empty>")}), when);
        QVERIFY2(aldrich.mid(0, 2) ==
                     QStringList({QStringLiteral("null name"), QStringLiteral("empty name")}),
                 when);
        QVERIFY2(nomes.mid(2) == expectNome, when);
        QVERIFY2(aldrich.mid(2) == expectAldrich, when);
        QVERIFY2(formula.mid(2) == expectFormula, when);
    };

    {
        // A cursor with no bursts: each read goes to the file.
        auto db = Database::open(inv.path());
        Recordset rs(*db, items::recordSource());
        check(rs, "plain reads");
    }
    WindowConnection window(inv.path());
    Recordset rs(*window.db, items::recordSource());
    check(rs, "one event reading every row");
    window.endEvent();
    check(rs, "the next event, from what the first one read");
    window.endEvent();
    // Another connection changes one value: what was read before no longer stands for the file.
    {
        auto other = Database::open(inv.path());
        Recordset elsewhere(*other, items::recordSource());
        elsewhere.setAbsolutePosition(2);
        elsewhere.writeCurrent({{items::LABEL, QString(QLatin1String(""))}, {items::CODE, QVariant()}});
    }
    expectAldrich[0] = QStringLiteral("<empty>");
    expectFormula[0] = QStringLiteral("<null>");
    check(rs, "after a change elsewhere");
    window.endEvent();
}

void TestRecordset::fieldsFollowTheTablesColumnsAndNamesIgnoreCase()
{
    TempTable inv({item(QStringLiteral("Acetona"), QStringLiteral("Acetone"), QStringLiteral("C3H6O"))});
    auto db = Database::open(inv.path());
    Recordset rs(*db, items::recordSource());
    QCOMPARE(rs.FieldCount(), items::kColumnCount);
    for (const items::Column& c : items::kColumns)
        QCOMPARE(rs.Fields(c.ordinal).Name(), QString::fromLatin1(c.name));
    QCOMPARE(rs.Fields(items::CODE).Value().toString(), QStringLiteral("C3H6O"));
    // The list window binds "Nome" and "Formula".
    QCOMPARE(rs.Fields(QStringLiteral("Name")).Value().toString(), QStringLiteral("Acetona"));
    QCOMPARE(rs.Fields(QStringLiteral("code")).ordinal(), int(items::CODE));
    QString text;
    QCOMPARE(errorNumber([&] { rs.Fields(QStringLiteral("PESO")); }, &text), int(records::ColumnNotFound));
    QVERIFY(text.contains(QStringLiteral("PESO")));
    QCOMPARE(errorNumber([&] { rs.Fields(items::kColumnCount); }), int(records::ColumnNotFound));
    QCOMPARE(errorNumber([&] { rs.Fields(-1); }), int(records::ColumnNotFound));
}

void TestRecordset::positionsAfterAddAndDelete()
{
    TempTable inv(threeRows());
    auto db = Database::open(inv.path());
    Recordset rs(*db, items::recordSource());
    QCOMPARE(rs.RecordCount(), 3);
    QCOMPARE(rs.AbsolutePosition(), 0);
    QVERIFY(!rs.Eof());

    // Out of range: an error, and the current record stays.
    rs.setAbsolutePosition(1);
    for (int bad : {3, -1, 1000}) {
        QCOMPARE(errorNumber([&] { rs.setAbsolutePosition(bad); }), int(records::PositionOutOfRange));
        QCOMPARE(rs.AbsolutePosition(), 1);
        QCOMPARE(nome(rs), QStringLiteral("Benzeno"));
    }

    // A new record is empty, has no position, and once written stands at the end.
    rs.AddNew();
    QCOMPARE(rs.AbsolutePosition(), -1);
    for (int i = 0; i < items::kColumnCount; ++i)
        QVERIFY(rs.Fields(i).Value().isNull());
    rs.writeCurrent({{items::NAME, QStringLiteral("Ácido nítrico")}});
    QCOMPARE(rs.RecordCount(), 4);
    QCOMPARE(rs.AbsolutePosition(), 3);
    QCOMPARE(nome(rs), QStringLiteral("Ácido nítrico"));
    QCOMPARE(inv.rows().size(), std::size_t(4));

    // Deleting: the record reads as deleted, and the next one follows.
    rs.setAbsolutePosition(1);
    rs.Delete();
    QCOMPARE(rs.AbsolutePosition(), -1);
    QCOMPARE(errorNumber([&] { nome(rs); }), int(records::RecordDeleted));
    QCOMPARE(rs.RecordCount(), 3);
    rs.MoveNext();
    QCOMPARE(rs.AbsolutePosition(), 1);
    QCOMPARE(nome(rs), QStringLiteral("Cicloexano"));

    // Deleting the last one leaves the cursor past the end.
    rs.setAbsolutePosition(2);
    rs.Delete();
    rs.MoveNext();
    QVERIFY(rs.Eof());
    QCOMPARE(rs.AbsolutePosition(), -1);
    QCOMPARE(errorNumber([&] { rs.MoveNext(); }), int(records::NoCurrentRecord));
    QCOMPARE(errorNumber([&] { rs.Delete(); }), int(records::NoCurrentRecord));

    QCOMPARE(inv.column(items::NAME), QStringList({QStringLiteral("Acetona"), QStringLiteral("Cicloexano")}));
    Recordset again(*db, items::recordSource());
    QCOMPARE(column(again, items::NAME),
             QStringList({QStringLiteral("Acetona"), QStringLiteral("Cicloexano")}));
}

void TestRecordset::emptyTableHasNoCurrentRecord()
{
    TempTable inv;
    auto db = Database::open(inv.path());
    Recordset rs(*db, items::recordSource());
    QCOMPARE(rs.RecordCount(), 0);
    QCOMPARE(rs.AbsolutePosition(), -1);
    QVERIFY(rs.Eof());
    QCOMPARE(errorNumber([&] { rs.Fields(items::NAME).Value(); }), int(records::NoCurrentRecord));
    QCOMPARE(errorNumber([&] { rs.setAbsolutePosition(0); }), int(records::PositionOutOfRange));
    QCOMPARE(errorNumber([&] { rs.Delete(); }), int(records::NoCurrentRecord));

    rs.AddNew();
    QVERIFY(rs.Fields(items::NAME).Value().isNull());
    rs.writeCurrent({{items::NAME, QStringLiteral("Acetona")}});
    QCOMPARE(rs.RecordCount(), 1);
    QCOMPARE(rs.AbsolutePosition(), 0);
    QCOMPARE(inv.column(items::NAME), QStringList({QStringLiteral("Acetona")}));
}

void TestRecordset::twoCursorsOnOneFile()
{
    TempTable inv(threeRows());
    WindowConnection main(inv.path()), list(inv.path());
    Recordset a(*main.db, items::recordSource());
    Recordset b(*list.db, items::recordSource());
    QCOMPARE(column(b, items::CODE),
             QStringList({QStringLiteral("C3H6O"), QStringLiteral("C6H6"), QStringLiteral("C6H12")}));
    list.endEvent();

    // One writes, the other reads on and sees the change.
    a.setAbsolutePosition(1);
    a.writeCurrent({{items::CODE, QStringLiteral("C6H6 (99.8%)")}});
    main.endEvent();
    b.setAbsolutePosition(1);
    QCOMPARE(b.Fields(items::CODE).Value().toString(), QStringLiteral("C6H6 (99.8%)"));

    // The other writes while it still reads in the same event: no stale snapshot stops it.
    b.setAbsolutePosition(0);
    QCOMPARE(nome(b), QStringLiteral("Acetona"));
    a.setAbsolutePosition(2);
    a.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 4")}});
    b.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 3")}});
    QCOMPARE(inv.column(items::PLACE), QStringList({QStringLiteral("Cabinet 1"), QStringLiteral("Cabinet 3"),
                                                    QStringLiteral("Cabinet 4")}));
    main.endEvent();
    list.endEvent();

    // A row added through one cursor joins the other only when it is opened again.
    a.AddNew();
    a.writeCurrent({{items::NAME, QStringLiteral("Dioxano")}});
    main.endEvent();
    QCOMPARE(b.RecordCount(), 3);
    QCOMPARE(Recordset(*list.db, items::recordSource()).RecordCount(), 4);

    // A row deleted through one cursor reads as deleted through the other, whose other
    // rows read on.
    a.setAbsolutePosition(1);
    QCOMPARE(nome(a), QStringLiteral("Benzeno"));
    a.Delete();
    main.endEvent();
    b.setAbsolutePosition(1);
    QCOMPARE(b.AbsolutePosition(), 1);
    QCOMPARE(errorNumber([&] { b.Fields(items::NAME).Value(); }), int(records::RecordDeleted));
    QCOMPARE(errorNumber([&] {
                 b.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 7")}});
             }),
             int(records::RecordDeleted));
    QCOMPARE(errorNumber([&] { b.Delete(); }), int(records::RecordDeleted));
    b.setAbsolutePosition(2);
    QCOMPARE(nome(b), QStringLiteral("Cicloexano"));
    list.endEvent();
    QCOMPARE(inv.column(items::NAME), QStringList({QStringLiteral("Acetona"), QStringLiteral("Cicloexano"),
                                                   QStringLiteral("Dioxano")}));
    QCOMPARE(inv.column(items::PLACE),
             QStringList({QStringLiteral("Cabinet 3"), QStringLiteral("Cabinet 4"), QString()}));
}

void TestRecordset::aDeletedRowNeverShowsAnotherRowsData()
{
    // The window that deletes the newest record and adds another must not hand the
    // new record to a cursor that still holds the deleted one.
    TempTable inv(threeRows());
    WindowConnection main(inv.path()), list(inv.path());
    Recordset b(*list.db, items::recordSource());
    b.setAbsolutePosition(2);
    QCOMPARE(nome(b), QStringLiteral("Cicloexano"));
    list.endEvent();

    {
        Recordset a(*main.db, items::recordSource());
        a.setAbsolutePosition(2);
        a.Delete();
    }
    {
        Recordset a(*main.db, items::recordSource());
        a.AddNew();
        a.writeCurrent(
            {{items::NAME, QStringLiteral("Dioxano")}, {items::PLACE, QStringLiteral("Cabinet 8")}});
    }
    main.endEvent();

    b.setAbsolutePosition(2);
    QCOMPARE(errorNumber([&] { b.Fields(items::NAME).Value(); }), int(records::RecordDeleted));
    QCOMPARE(errorNumber([&] {
                 b.writeCurrent({{items::PLACE, QStringLiteral("Cabinet 1")}});
             }),
             int(records::RecordDeleted));
    list.endEvent();
    QCOMPARE(inv.column(items::PLACE).last(), QStringLiteral("Cabinet 8"));
}

void TestRecordset::twoRunningProgramsOnOneFile()
{
    QVERIFY2(QFileInfo::exists(otherProgram()), qPrintable(otherProgram()));
    TempTable inv(threeRows());
    WindowConnection window(inv.path());
    Recordset rs(*window.db, items::recordSource());
    QCOMPARE(column(rs, items::NAME), QStringList({QStringLiteral("Acetona"), QStringLiteral("Benzeno"),
                                                   QStringLiteral("Cicloexano")}));
    window.endEvent();

    // While this cursor is open, the other program changes one record and deletes another.
    QCOMPARE(runOtherProgram({QStringLiteral("set"), inv.path(), QStringLiteral("2"),
                              QString::number(items::PLACE), QStringLiteral("Geladeira")}),
             QString());
    QCOMPARE(runOtherProgram({QStringLiteral("delete"), inv.path(), QStringLiteral("0")}), QString());

    rs.setAbsolutePosition(2);
    QCOMPARE(rs.Fields(items::PLACE).Value().toString(), QStringLiteral("Geladeira"));
    rs.setAbsolutePosition(0);
    QCOMPARE(errorNumber([&] { nome(rs); }), int(records::RecordDeleted));
    // This program then writes, and the other one reads what it wrote.
    rs.setAbsolutePosition(1);
    rs.writeCurrent({{items::AMOUNT, QStringLiteral("500 mL")}});
    window.endEvent();
    QCOMPARE(runOtherProgram({QStringLiteral("list"), inv.path(), QString::number(items::AMOUNT)}),
             QStringLiteral("500 mL\n\n"));
    // And adds a record while the other one adds another.
    QCOMPARE(runOtherProgram({QStringLiteral("add"), inv.path(), QStringLiteral("Etanol")}), QString());
    rs.AddNew();
    rs.writeCurrent({{items::NAME, QStringLiteral("Dioxano")}});
    window.endEvent();
    QCOMPARE(runOtherProgram({QStringLiteral("list"), inv.path(), QString::number(items::NAME)}),
             QStringLiteral("Benzeno\nCicloexano\nDioxano\nEtanol\n"));
}

QB_TEST_MAIN(TestRecordset)
#include "tst_recordset.moc"
