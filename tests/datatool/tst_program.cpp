// quillarbon-data run as the user runs it: a process with arguments, an exit status,
// numbered errors on the standard error and files written in full or not at all.
#include "inventory/store/chemical_table.h"
#include "tests/data/checks.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace testsupport;

namespace {

struct Result
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Result run(const QStringList& args, const QString& program = QStringLiteral(QB_DATATOOL),
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(120000);
    Result r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

Row named(const QString& nome, const QString& place = QStringLiteral("Armário 1"))
{
    Row row(store::kColumnCount);
    row[store::NOME] = nome;
    row[store::LOCAL] = place;
    row[store::HAZARDS] = QStringLiteral("H225\nH319");
    return row;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT
private slots:
    void aCommandLineNotUnderstoodIsError701();
    void aBrazilianLocaleGetsPortugueseWithTheSameNumbers();
    void theInventoryBesideTheProgramIsTheDefault();
    void aFailureLeavesNoFileBehind();
    void aCsvGoesOutAndComesBack();
    void wrongRowsAreListedAndNothingIsAdded();
    void anOldAccessInventoryIsAddedAllOrNothing();
    void checkStorageNamesWhatMustBeKeptApart();
};

void TestProgram::aCommandLineNotUnderstoodIsError701()
{
    const QList<QStringList> mistakes = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("print")},
        {QStringLiteral("export-csv"), QStringLiteral("--letter")},
        {QStringLiteral("import-csv")},
        {QStringLiteral("export-csv"), QStringLiteral("--out")},
        {QStringLiteral("export-csv"), QStringLiteral("--for-spreadsheet=yes")},
    };
    for (const QStringList& args : mistakes) {
        const Result r = run(args);
        QVERIFY2(r.exitCode == 2, qPrintable(args.join(QLatin1Char(' '))));
        QVERIFY2(r.err.startsWith(QStringLiteral("Error 701: ")), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }
    const Result help = run({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("export-csv") && help.out.contains("import-csv") && help.out.contains("print"));
}

// A lab whose desktop is in Brazilian Portuguese reads the help and the errors in it;
// scripts that look for the error number still find it.
void TestProgram::aBrazilianLocaleGetsPortugueseWithTheSameNumbers()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("pt_BR.UTF-8"));
    const QString program = QStringLiteral(QB_DATATOOL);
    const Result help = run({QStringLiteral("--help")}, program, env);
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(
        help.out.startsWith("Uso: quillarbon-data [--file CAMINHO | --server CONNINFO] COMANDO [OPÇÕES]\n"),
        help.out.constData());
    QVERIFY(help.out.contains("  export-csv [--out ARQUIVO] [--for-spreadsheet]\n"));
    const Result wrong = run({QStringLiteral("frobnicate")}, program, env);
    QCOMPARE(wrong.exitCode, 2);
    QVERIFY2(wrong.err.startsWith(QStringLiteral("Erro 701: 'frobnicate' não é um comando")),
             qPrintable(wrong.err));
    // The engine's own errors too: a missing inventory.
    const QTemporaryDir dir;
    const Result missing = run(
        {QStringLiteral("--file"), dir.filePath(QStringLiteral("QBData.mdb")), QStringLiteral("export-csv")},
        program, env);
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.err.startsWith(QStringLiteral("Erro 310: O arquivo do banco de dados")),
             qPrintable(missing.err));

    // The storage check's reasons, whose group names come from the built-in data, and its
    // exit status and error numbers, which scripts rely on.
    Row oxidizer = named(QStringLiteral("Ácido nítrico 65%"), QStringLiteral("Armário de ácidos"));
    oxidizer[store::FORMULA] = QStringLiteral("HNO3");
    oxidizer[store::HAZARDS] = QStringLiteral("H272\nH314");
    Row acid = named(QStringLiteral("Ácido acético glacial"), QStringLiteral("Armário de ácidos"));
    acid[store::FORMULA] = QStringLiteral("C2H4O2");
    acid[store::HAZARDS] = QStringLiteral("H226\nH314");
    TempInventory inv({oxidizer, acid});
    const Result check =
        run({QStringLiteral("--file"), inv.path(), QStringLiteral("check-storage")}, program, env);
    QCOMPARE(check.exitCode, 3);
    const QString report = QString::fromUtf8(check.out);
    QVERIFY2(report.contains(QStringLiteral("Manter separados: oxidante (E) com ácido orgânico (D)")) ||
                 report.contains(QStringLiteral("Manter separados: ácido orgânico (D) com oxidante (E)")),
             qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("Ácido nítrico 65%: H272: oxidante")), qPrintable(report));
    const Result nowhere = run({QStringLiteral("--file"), inv.path(), QStringLiteral("check-storage"),
                                QStringLiteral("--location"), QStringLiteral("geladeira")},
                               program, env);
    QVERIFY2(nowhere.err.startsWith(QStringLiteral("Erro 731: Nenhum local de armazenamento")),
             qPrintable(nowhere.err));
}

void TestProgram::theInventoryBesideTheProgramIsTheDefault()
{
    // A copy of the program in a folder of its own, with an inventory beside it.
    TempInventory inv({named(QStringLiteral("Benzeno")), named(QStringLiteral("Acetona"))});
    const QString program = inv.folder() + QStringLiteral("/quillarbon-data");
    QVERIFY(QFile::copy(QStringLiteral(QB_DATATOOL), program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const Result r = run({QStringLiteral("export-csv")}, program);
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.startsWith("\xEF\xBB\xBF"
                             "ALDRICH,NOME,"));
    QVERIFY(r.out.indexOf(",Acetona,") > 0 && r.out.indexOf(",Acetona,") < r.out.indexOf(",Benzeno,"));

    // Without one beside it, it says which file it looked for and makes none.
    QFile::remove(inv.path());
    const auto before = folderState(inv.folder());
    const Result missing = run({QStringLiteral("export-csv")}, program);
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.err.startsWith(QStringLiteral("Error 310: ")), qPrintable(missing.err));
    QVERIFY(missing.err.contains(inv.path()));
    QCOMPARE(folderState(inv.folder()), before);
}

void TestProgram::aFailureLeavesNoFileBehind()
{
    TempInventory inv({named(QStringLiteral("Acetona"))});
    QTemporaryDir outDir;
    const QString old = outDir.filePath(QStringLiteral("list.csv"));
    writeFile(old, "the previous export\r\n");
    const QString notInventory = outDir.filePath(QStringLiteral("notes.txt"));
    writeFile(notInventory, "not a database");
    const auto before = folderState(outDir.path());

    struct Case
    {
        QStringList args;
        QString error;
    };
    const QList<Case> cases = {
        {{QStringLiteral("--file"), notInventory, QStringLiteral("export-csv"), QStringLiteral("--out"), old},
         QStringLiteral("Error 312: ")},
        {{QStringLiteral("--file"), inv.path(), QStringLiteral("print"), QStringLiteral("--out"),
          outDir.filePath(QStringLiteral("list.pdf")), QStringLiteral("--location"),
          QStringLiteral("Geladeira")},
         QStringLiteral("Error 709: ")},
        {{QStringLiteral("--file"), inv.path(), QStringLiteral("export-csv"), QStringLiteral("--out"),
          outDir.filePath(QStringLiteral("no/such/folder.csv"))},
         QStringLiteral("Error 702: ")},
        {{QStringLiteral("--file"), outDir.filePath(QStringLiteral("QBData.mdb")), QStringLiteral("print"),
          QStringLiteral("--out"), outDir.filePath(QStringLiteral("list.pdf"))},
         QStringLiteral("Error 310: ")},
    };
    for (const Case& c : cases) {
        const Result r = run(c.args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.startsWith(c.error), qPrintable(r.err));
        QCOMPARE(folderState(outDir.path()), before);
    }

    // The inventory named as the output is refused before anything is opened for writing.
    const QByteArray inventory = readFile(inv.path());
    const Result self = run({QStringLiteral("--file"), inv.path(), QStringLiteral("export-csv"),
                             QStringLiteral("--out"), inv.path()});
    QCOMPARE(self.exitCode, 1);
    QVERIFY2(self.err.startsWith(QStringLiteral("Error 703: ")), qPrintable(self.err));
    QCOMPARE(readFile(inv.path()), inventory);
}

void TestProgram::aCsvGoesOutAndComesBack()
{
    TempInventory inv({named(QStringLiteral("Tolueno")), named(QStringLiteral("\"quoted\", with comma")),
                       named(QStringLiteral("Água"), QString())});
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    const Result toFile = run(
        {QStringLiteral("--file"), inv.path(), QStringLiteral("export-csv"), QStringLiteral("--out"), csv});
    QCOMPARE(toFile.exitCode, 0);
    QVERIFY(toFile.out.contains("Wrote 3 records"));
    const Result toStdout = run({QStringLiteral("--file"), inv.path(), QStringLiteral("export-csv")});
    QCOMPARE(toStdout.out, readFile(csv));

    // Into a new inventory, made because --create asks for it; a dry run first.
    const QString fresh = dir.filePath(QStringLiteral("new.mdb"));
    const Result dry = run({QStringLiteral("--file"), fresh, QStringLiteral("import-csv"), csv,
                            QStringLiteral("--dry-run"), QStringLiteral("--create")});
    QCOMPARE(dry.exitCode, 0);
    QVERIFY(dry.out.contains("Line 2: would add '\"quoted\", with comma'."));
    QVERIFY(dry.out.contains("3 of the 3 rows would be added"));
    QVERIFY(!QFile::exists(fresh));
    QCOMPARE(run({QStringLiteral("--file"), fresh, QStringLiteral("import-csv"), csv}).exitCode, 1);
    QVERIFY(!QFile::exists(fresh));
    const Result added =
        run({QStringLiteral("--file"), fresh, QStringLiteral("import-csv"), csv, QStringLiteral("--create")});
    QCOMPARE(added.exitCode, 0);
    QVERIFY(added.out.contains("Added 3 of the 3 rows"));
    QCOMPARE(run({QStringLiteral("--file"), fresh, QStringLiteral("export-csv")}).out, readFile(csv));

    // The same file again: every row is already there. Each record takes two lines, for
    // its hazards hold a line break.
    const Result again = run({QStringLiteral("--file"), fresh, QStringLiteral("import-csv"), csv});
    QCOMPARE(again.exitCode, 0);
    QVERIFY2(again.out.contains("Line 6: 'Tolueno' is already in the inventory; not added"),
             again.out.constData());
    QVERIFY(again.out.contains("Added 0 of the 3 rows"));
}

void TestProgram::wrongRowsAreListedAndNothingIsAdded()
{
    TempInventory inv({named(QStringLiteral("Acetona"))});
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("in.csv"));
    writeFile(csv, "NOME,LOCAL\r\nBenzeno,A\r\n,B\r\nTolueno,C,extra\r\n");
    const QByteArray before = readFile(inv.path());
    const Result r = run({QStringLiteral("--file"), inv.path(), QStringLiteral("import-csv"), csv});
    QCOMPARE(r.exitCode, 1);
    const QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].startsWith(QStringLiteral("Error 707: Line 3 of ")), qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith(QStringLiteral("Error 707: Line 4 of ")), qPrintable(lines[1]));
    QVERIFY2(lines[2].startsWith(QStringLiteral("Error 708: 2 of the 3 rows")), qPrintable(lines[2]));
    QCOMPARE(readFile(inv.path()), before);
    QCOMPARE(inv.rows().size(), std::size_t{1});

    // A --create that fails takes its new inventory away again.
    const QString fresh = dir.filePath(QStringLiteral("new.mdb"));
    QCOMPARE(
        run({QStringLiteral("--file"), fresh, QStringLiteral("import-csv"), csv, QStringLiteral("--create")})
            .exitCode,
        1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("in.csv")}));
}

void TestProgram::anOldAccessInventoryIsAddedAllOrNothing()
{
    TempInventory inv({named(QStringLiteral("Benzeno"))});
    const QString old = QStringLiteral(QB_LEGACY_DATA "/tolmireks-jet4.mdb");
    const QByteArray oldBytes = readFile(old);
    const QStringList file = {QStringLiteral("--file"), inv.path()};

    // A dry run lists what would come and writes nothing.
    Result dry = run(file + QStringList{QStringLiteral("import-access"), old, QStringLiteral("--dry-run")});
    QCOMPARE(dry.exitCode, 0);
    QVERIFY2(dry.out.contains("the 20 records"), dry.out.constData());
    QCOMPARE(inv.rows().size(), std::size_t(1));

    Result added = run(file + QStringList{QStringLiteral("import-access"), old});
    QVERIFY2(added.exitCode == 0, qPrintable(added.err));
    QCOMPARE(inv.rows().size(), std::size_t(21));
    QVERIFY(inv.column(store::NOME).contains(QStringLiteral("Ácido acético")));
    QCOMPARE(readFile(old), oldBytes);

    // Run again, it adds nothing twice and says what it skipped; --allow-duplicates adds.
    Result again = run(file + QStringList{QStringLiteral("import-access"), old});
    QCOMPARE(again.exitCode, 0);
    QVERIFY2(again.out.contains("'Ácido acético' is already in the inventory; not added"),
             again.out.constData());
    QVERIFY(again.out.contains("Added 0 of the 20 records"));
    QCOMPARE(inv.rows().size(), std::size_t(21));
    Result allowed =
        run(file + QStringList{QStringLiteral("import-access"), old, QStringLiteral("--allow-duplicates")});
    QCOMPARE(allowed.exitCode, 0);
    QCOMPARE(inv.rows().size(), std::size_t(41));

    // A file without the table: the engine's kind of message, and nothing added.
    Result refused = run(file + QStringList{QStringLiteral("import-access"),
                                            QStringLiteral(QB_LEGACY_DATA "/other-table-jet4.mdb")});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.startsWith(QStringLiteral("Error 801: ")), qPrintable(refused.err));
    QVERIFY(refused.err.contains(QStringLiteral("PRODUTOS")));
    QCOMPARE(inv.rows().size(), std::size_t(41));
}

// A scheduled job runs check-storage and reads its exit status: 3 when chemicals that
// must be kept apart share a place, 0 otherwise; thousands of them in one place are
// reported by their groups, not pair by pair.
void TestProgram::checkStorageNamesWhatMustBeKeptApart()
{
    auto chemical = [](const QString& nome, const QString& formula, const QString& place,
                       const QString& hazards) {
        Row row(store::kColumnCount);
        row[store::NOME] = nome;
        row[store::FORMULA] = formula;
        row[store::LOCAL] = place;
        row[store::HAZARDS] = hazards;
        return row;
    };
    const QString acids = QStringLiteral("Armário de ácidos, prateleira 3");
    const QString metals = QStringLiteral("Armário de metais");
    std::vector<Row> rows = {
        chemical(QStringLiteral("Ácido nítrico 65%"), QStringLiteral("HNO3"), acids,
                 QStringLiteral("H272 Pode agravar incêndios; comburente.\nH290\nH314\nH331")),
        chemical(QStringLiteral("Anidrido acético"), QStringLiteral("C4H6O3"), acids,
                 QStringLiteral("H226\nH302\nH314\nH330")),
        chemical(QStringLiteral("Magnésio em fita"), QStringLiteral("Mg"), metals,
                 QStringLiteral("H228 H251 H261")),
        chemical(QStringLiteral("Sódio metálico"), QStringLiteral("Na"), metals, QStringLiteral("H260 H314")),
        chemical(QStringLiteral("Amostra sem dados"), QString(), QStringLiteral("Bancada"), QString()),
    };
    for (int i = 0; i < 3000; ++i)
        rows.push_back(chemical(QStringLiteral("Solvente %1").arg(i), QStringLiteral("C6H14"),
                                QStringLiteral("Depósito"), QStringLiteral("H225")));
    rows.push_back(chemical(QStringLiteral("Peróxido de hidrogênio 30%"), QStringLiteral("H2O2"),
                            QStringLiteral("Depósito"), QStringLiteral("H302 H318")));
    TempInventory inv(rows);

    const Result all = run({QStringLiteral("--file"), inv.path(), QStringLiteral("check-storage")});
    QCOMPARE(all.exitCode, 3);
    const QString text = QString::fromUtf8(all.out);
    const qsizetype acidsAt = text.indexOf(acids);
    QVERIFY2(acidsAt > 0, qPrintable(text));
    QVERIFY(text.indexOf(QStringLiteral("Ácido nítrico 65%"), acidsAt) > 0);
    QVERIFY(text.indexOf(QStringLiteral("Anidrido acético"), acidsAt) > 0);
    QVERIFY2(!text.contains(metals), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Amostra sem dados: the hazards text is empty")));
    QVERIFY(text.contains(QStringLiteral("and 2980 more of group L")));
    QVERIFY2(text.count(QLatin1Char('\n')) < 100, qPrintable(text));

    const Result metalsOnly = run({QStringLiteral("--file"), inv.path(), QStringLiteral("check-storage"),
                                   QStringLiteral("--location"), QStringLiteral("metais")});
    QCOMPARE(metalsOnly.exitCode, 0);
    QVERIFY(metalsOnly.out.contains("No place holds chemicals that must be kept apart"));

    const Result csv = run({QStringLiteral("--file"), inv.path(), QStringLiteral("check-storage"),
                            QStringLiteral("--location"), QStringLiteral("acidos"), QStringLiteral("--csv")});
    QCOMPARE(csv.exitCode, 3);
    const QList<QByteArray> lines = csv.out.split('\n');
    QCOMPARE(lines.size(), 4); // the header, two chemicals, and the end of the last row
    QVERIFY(lines.at(1).startsWith("\"Armário de ácidos, prateleira 3\",keep apart,"));

    const Result none = run({QStringLiteral("--file"), inv.path(), QStringLiteral("check-storage"),
                             QStringLiteral("--location"), QStringLiteral("geladeira")});
    QCOMPARE(none.exitCode, 1);
    QVERIFY2(none.err.startsWith(QStringLiteral("Error 731: ")), qPrintable(none.err));
}

QB_TEST_MAIN(TestProgram)
#include "tst_program.moc"
