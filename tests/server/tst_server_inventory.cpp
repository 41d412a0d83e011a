#include "inventory/datatool/errors.h"
#include "inventory/datatool/servercopy.h"
#include "inventory/store/chemical_table.h"
#include "inventory/store/inventory.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/database.h"
#include "platform/data/pgdatabase.h"
#include "platform/data/recordset.h"
#include "tests/server/server_support.h"
#include "tests/support/error_number.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include "server_schema.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace testsupport;

namespace {

QString sampleSql()
{
    QFile f(QStringLiteral(QB_SAMPLE_SQL));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Names whose order is easy to get wrong: case, accents, composed and combining forms,
// ligatures, digits, signs and brackets before letters, other scripts, empty and Null,
// spaces and line breaks, and equal names that only the row id puts in order.
std::vector<Row> edgeNames()
{
    const char* const names[] = {
        "",
        " Acetona",
        "Acetona",
        "acetona",
        "ACETONA",
        "Acetona ",
        "Acétona",
        "Ácido acético",
        "Acido acetico",
        "ácido",
        "Ácido-acético",
        "Ácidoacético",
        "Água",
        "agua",
        "Água destilada",
        "Álcool etílico",
        "Alcool",
        "Éter etílico",
        "éter",
        "Eter",
        "1,4-Dioxano",
        "1-Butanol",
        "10-Undecenal",
        "2-Propanol",
        "9-Fluorenona",
        "(+)-Limoneno",
        "(R)-(+)-Limoneno",
        "(-)-Mentol",
        "α-Pineno",
        "β-Caroteno",
        "Alfa-pineno",
        "N,N-Dimetilformamida",
        "N-Metilpirrolidona",
        "o-Xileno",
        "p-Xileno",
        "m-Xileno",
        "O-Xileno",
        "Ç",
        "Cloreto de sódio",
        "cloreto de potássio",
        "Cloreto De Sódio",
        "Ñandu",
        "Œuvre",
        "oeuvre",
        "Æther",
        "ß",
        "ss",
        "SS",
        "Straße",
        "Strasse",
        "\xef\xac\x81lme",
        "filme",
        "caf\xc3\xa9",
        "cafe\xcc\x81",
        "Zinco",
        "zinco",
        "Zn",
        "Железо",
        "Ácido sulfúrico 98%",
        "Ácido sulfúrico 98 %",
        "Tab\tnome",
        "linha\nquebrada",
        "日本語",
        "中文",
        "한국어",
        "\xf0\x9f\xa7\xaa Teste",
        "Ⅳ",
        "½ litro",
        "'aspas'",
        "\"aspas\"",
        "-hífen",
        "_sublinhado",
        "#cerquilha",
        "[colchete]",
        "~til",
        "Duplicado",
        "Duplicado",
        "Duplicado",
    };
    std::vector<Row> rows;
    for (const char* name : names)
        rows.push_back(chemical(QString::fromUtf8(name), {}, QStringLiteral("F%1").arg(rows.size())));
    rows.push_back(chemical(QString()));
    rows.back()[store::NOME] = QVariant();
    rows.push_back(rows.back());
    return rows;
}

// Runs statements in a new inventory file made at path.
void makeFile(const QString& path, const QString& rows)
{
    records::Database::create(path, store::schemaScript() + rows);
}

// Runs the companion; its standard output, or an empty array when it failed (its
// standard error then in why).
QByteArray runCompanion(const QStringList& args, QString* why)
{
    QProcess p;
    p.start(QStringLiteral(QB_DATATOOL), args);
    const bool ended = p.waitForFinished(300000);
    const QByteArray out = p.readAllStandardOutput();
    if (ended && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return out;
    *why = args.join(QLatin1Char(' ')) + QStringLiteral(": ") + QString::fromUtf8(p.readAllStandardError());
    return {};
}

std::int64_t scalar(records::PgConnection& conn, const QString& sql)
{
    return conn.exec(sql).row(0).int64(0);
}

} // namespace

class TestServerInventory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        const QString rows = sampleSql();
        QVERIFY(!rows.isEmpty());
        file_ = dir_.filePath(QStringLiteral("QBData.mdb"));
        makeFile(file_, rows);
        TempInventory::insertInto(file_, edgeNames());
    }

    // Every record arrives as the file holds it, under its own id, and new records take
    // ids above them; the copy opens as an inventory.
    void aFileCopiedToTheServerReadsBackTheSame()
    {
        const QString conninfo = newDatabase(QStringLiteral("copy"));
        auto conn = records::PgConnection::open(conninfo);
        const auto file = records::Database::open(file_, {true});
        const std::int64_t copied = store::copyToServer(*conn, store::fileRecords(*file));

        std::vector<std::vector<std::optional<std::string>>> fromFile, fromServer;
        auto keep = [](std::vector<std::vector<std::optional<std::string>>>& into, std::int64_t id,
                       auto cells) {
            std::vector<std::optional<std::string>> row{std::to_string(id)};
            for (const auto& cell : cells)
                row.push_back(cell ? std::optional<std::string>(std::string(*cell)) : std::nullopt);
            into.push_back(std::move(row));
        };
        store::fileRecords (*file)([&](const store::RecordBytes& r) { keep(fromFile, r.id, r.cells); });
        auto db = store::openServerInventory(conninfo, {});
        const QStringList columns = db->columns(QStringLiteral("tolmireks"));
        db->scanById(QStringLiteral("tolmireks"), columns,
                     [&](std::int64_t id, records::PgDatabase::Cells cells) { keep(fromServer, id, cells); });
        QCOMPARE(copied, std::int64_t(fromFile.size()));
        QVERIFY(fromFile.size() > 100);
        QVERIFY(fromServer == fromFile);

        const std::int64_t largest = db->largestId(QStringLiteral("tolmireks"));
        QVERIFY(db->insertRow(QStringLiteral("tolmireks"), columns, {{store::NOME, QStringLiteral("Novo")}}) >
                largest);
    }

    // The companion's copy-from-server makes a new file holding the records in their
    // order, byte for byte, and never writes over a file.
    void anInventoryCopiedBackFromTheServerHoldsTheSameRecords()
    {
        const QString conninfo = newDatabase(QStringLiteral("roundtrip"));
        const std::int64_t copied = datatool::copyFileToServer(file_, conninfo, false).records;
        const QString back = dir_.filePath(QStringLiteral("back.mdb"));
        QCOMPARE(datatool::copyServerToFile(conninfo, back), copied);
        auto recordsOf = [](const QString& path) {
            std::vector<std::vector<std::optional<std::string>>> rows;
            const auto file = records::Database::open(path, {true});
            store::fileRecords (*file)([&](const store::RecordBytes& r) {
                std::vector<std::optional<std::string>> row;
                for (const auto& cell : r.cells)
                    row.push_back(cell ? std::optional<std::string>(std::string(*cell)) : std::nullopt);
                rows.push_back(std::move(row));
            });
            return rows;
        };
        QVERIFY(recordsOf(back) == recordsOf(file_));
        QCOMPARE(errorNumber([&] { datatool::copyServerToFile(conninfo, back); }),
                 int(datatool::OutputFailed));
    }

    // The companion reads a server's inventory as it reads the file that was copied there:
    // the same CSV, byte for byte, equal names and Nulls included; set-website stores the
    // address where the windows over the server read it.
    void theCompanionWorksOnAServerAsOnTheFile()
    {
        const QString conninfo = newDatabase(QStringLiteral("companion"));
        datatool::copyFileToServer(file_, conninfo, false);
        QString why;
        const QByteArray fromFile =
            runCompanion({QStringLiteral("--file"), file_, QStringLiteral("export-csv")}, &why);
        QVERIFY2(fromFile.size() > 1000, qPrintable(why));
        const QByteArray fromServer =
            runCompanion({QStringLiteral("--server"), conninfo, QStringLiteral("export-csv")}, &why);
        QVERIFY2(!fromServer.isEmpty(), qPrintable(why));
        QVERIFY(fromServer == fromFile);

        const QString site = QStringLiteral("https://lab.example.org/chemicals");
        QVERIFY2(
            !runCompanion({QStringLiteral("set-website"), site, QStringLiteral("--server"), conninfo}, &why)
                 .isEmpty(),
            qPrintable(why));
        QCOMPARE(store::website(*store::openServerInventory(conninfo, {})), site);
    }

    // A copy goes only into an empty database, and a record the server cannot hold stops
    // it naming the record: either way the server is left as it was.
    void aCopyIsRefusedWithoutChangingTheServer()
    {
        const QString full = newDatabase(QStringLiteral("twice"));
        const auto file = records::Database::open(file_, {true});
        {
            auto conn = records::PgConnection::open(full);
            const std::int64_t copied = store::copyToServer(*conn, store::fileRecords(*file));
            QString text;
            QCOMPARE(errorNumber([&] { store::copyToServer(*conn, store::fileRecords(*file)); }, &text),
                     int(records::ServerHoldsInventory));
            QVERIFY2(text.contains(QLatin1String("empty database")), qPrintable(text));
            QCOMPARE(scalar(*conn, QStringLiteral("SELECT count(*) FROM tolmireks")), copied);
        }

        const struct
        {
            const char* rows;
            const char* mentions;
        } bad[] = {
            {"INSERT INTO TOLMIREKS (NOME) VALUES ('Acetona'); INSERT INTO TOLMIREKS (NOME, FORMULA) VALUES "
             "(x'4574616e6f6cff', 'C2H6O');",
             "(row id 2)"},
            {"INSERT INTO TOLMIREKS (NOME, FORMULA) VALUES ('Metanol', CAST(x'43480034' AS TEXT));",
             "'Metanol' (row id 1) cannot be copied"},
        };
        for (const auto& b : bad) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("QBData.mdb"));
            makeFile(path, QString::fromLatin1(b.rows));
            const auto source = records::Database::open(path, {true});
            auto conn = records::PgConnection::open(newDatabase(QStringLiteral("bad%1").arg(&b - bad)));
            QString text;
            QCOMPARE(errorNumber([&] { store::copyToServer(*conn, store::fileRecords(*source)); }, &text),
                     int(records::ServerCannotHoldValue));
            QVERIFY2(text.contains(QLatin1String(b.mentions)), qPrintable(text));
            QCOMPARE(scalar(*conn, QStringLiteral("SELECT count(*) FROM pg_class WHERE relname IN "
                                                  "('tolmireks', 'qb_state', 'qb_stamp')")),
                     0);
            QCOMPARE(
                scalar(*conn, QStringLiteral("SELECT count(*) FROM pg_collation WHERE collname = 'qb_name'")),
                0);
        }
    }

    // A database that lacks a part of the inventory, or holds a newer one, is refused
    // naming what is wrong, before any window reads it.
    void aDatabaseThatIsNoInventoryOfOursIsRefused_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("no chemical table")
            << QStringLiteral("DROP TABLE tolmireks") << int(records::ServerNotAnInventory)
            << QStringLiteral("no chemical table");
        QTest::newRow("a column missing") << QStringLiteral("ALTER TABLE tolmireks DROP COLUMN formula")
                                          << int(records::ServerNotAnInventory) << QStringLiteral("FORMULA");
        QTest::newRow("no change stamp") << QStringLiteral("DROP TABLE qb_stamp CASCADE")
                                         << int(records::ServerNotAnInventory) << QStringLiteral("qb_stamp");
        QTest::newRow("no state") << QStringLiteral("DROP TABLE qb_state")
                                  << int(records::ServerNotAnInventory) << QStringLiteral("qb_state");
        QTest::newRow("a newer format")
            << QStringLiteral("UPDATE qb_state SET value = '3' WHERE name = 'format_version'")
            << int(records::ServerNewerFormat) << QStringLiteral("format 3");
    }
    void aDatabaseThatIsNoInventoryOfOursIsRefused()
    {
        QFETCH(QString, damage);
        QFETCH(int, error);
        QFETCH(QString, mentions);
        const QString name = QStringLiteral("damaged%1").arg(++damaged_);
        const QString conninfo = newInventory(name);
        adminConnection(name)->run(damage);
        QString text;
        QCOMPARE(errorNumber([&] { store::openServerInventory(conninfo, {}); }, &text), error);
        QVERIFY2(text.contains(mentions), qPrintable(text));
    }

    // An inventory of the first format works for everyone: its owner's first opening brings
    // it up to the change tracking in one go (an upgrade that fails leaves it as it was),
    // and a lab's writer who may not change the table's shape goes on without it, then
    // with it once the owner upgraded.
    void anOlderInventoryIsBroughtUpByItsOwnerAndStillServesOthers()
    {
        const QString conninfo = newDatabase(QStringLiteral("older"));
        auto admin = adminConnection(QStringLiteral("older"));
        admin->run(
            QString::fromUtf8(store::kServerSchemaSql) +
            QStringLiteral("; UPDATE qb_state SET value = '1' WHERE name = 'format_version';"
                           "CREATE ROLE clerk LOGIN; GRANT SELECT, INSERT, UPDATE, DELETE ON tolmireks "
                           "TO clerk; GRANT SELECT, UPDATE ON qb_stamp TO clerk; "
                           "GRANT SELECT ON qb_state TO clerk"));
        addChemicals(*admin, 20);
        const QString format =
            QStringLiteral("SELECT value::bigint FROM qb_state WHERE name = 'format_version'");
        const QString clerk = conninfo + QStringLiteral(" user=clerk");
        auto write = [](records::PgDatabase& db) {
            const QStringList columns = db.columns(QStringLiteral("tolmireks"));
            const std::int64_t id = db.insertRow(QStringLiteral("tolmireks"), columns,
                                                 {{store::NOME, QStringLiteral("Acetona")}});
            db.updateRow(QStringLiteral("tolmireks"), columns, id,
                         {{store::FORMULA, QStringLiteral("C3H6O")}}, {}, {});
            db.deleteRow(QStringLiteral("tolmireks"), id);
        };

        {
            auto db = store::openServerInventory(clerk, {});
            QVERIFY(!db->tracksChanges());
            write(*db);
        }
        QCOMPARE(scalar(*admin, format), 1);

        admin->run(
            QStringLiteral("CREATE FUNCTION qb_forget_deleted(bigint) RETURNS void LANGUAGE sql AS ''"));
        QVERIFY(!store::openServerInventory(conninfo, {})->tracksChanges());
        QCOMPARE(scalar(*admin, format), 1);
        QCOMPARE(scalar(*admin, QStringLiteral("SELECT count(*) FROM pg_attribute WHERE attrelid = "
                                               "'tolmireks'::regclass AND attname = 'qb_seq'")),
                 0);
        QCOMPARE(scalar(*admin, QStringLiteral("SELECT count(*) FROM pg_class WHERE relname = 'qb_deleted'")),
                 0);

        admin->run(QStringLiteral("DROP FUNCTION qb_forget_deleted(bigint)"));
        QVERIFY(store::openServerInventory(conninfo, {})->tracksChanges());
        QCOMPARE(scalar(*admin, format), int(store::kServerFormatVersion));
        QCOMPARE(scalar(*admin, QStringLiteral("SELECT count(*) FROM tolmireks")), 20);
        auto db = store::openServerInventory(clerk, {});
        QVERIFY(db->tracksChanges());
        write(*db);
        QCOMPARE(scalar(*admin, QStringLiteral("SELECT count(*) FROM qb_deleted")), 1);
    }

    // What the server gives in the order of its collation qb_name is the program's own
    // order of names, Null first and equal names by id.
    void theServerOrdersNamesAsTheProgramDoes()
    {
        const QString conninfo = newDatabase(QStringLiteral("order"));
        auto conn = records::PgConnection::open(conninfo);
        const auto file = records::Database::open(file_, {true});
        store::copyToServer(*conn, store::fileRecords(*file));

        std::vector<std::int64_t> serverOrder;
        conn->stream(QStringLiteral("SELECT id FROM tolmireks ORDER BY nome COLLATE qb_name NULLS FIRST, id"),
                     {}, [&](const records::PgRow& row) { serverOrder.push_back(row.int64(0)); });
        const records::Recordset rs(*file, store::recordSource());
        QCOMPARE(std::size_t(rs.RecordCount()), serverOrder.size());
        QStringList differ;
        for (std::size_t i = 0; i < serverOrder.size(); ++i)
            if (rs.positionOf(serverOrder[i]) != static_cast<int>(i))
                differ.append(QStringLiteral("%1: id %2").arg(i).arg(serverOrder[i]));
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join(QStringLiteral(", "))));

        // The index serves that order.
        conn->run(QStringLiteral("SET enable_seqscan = off; SET enable_sort = off"));
        QString plan;
        conn->stream(
            QStringLiteral("EXPLAIN SELECT id FROM tolmireks ORDER BY nome COLLATE qb_name NULLS FIRST, id"),
            {}, [&](const records::PgRow& row) { plan += row.value(0).toString(); });
        QVERIFY2(plan.contains(QLatin1String("tolmireks_by_name")), qPrintable(plan));
    }

private:
    QTemporaryDir dir_;
    QString file_;
    int damaged_ = 0;
};

QB_TEST_MAIN(TestServerInventory)
#include "tst_server_inventory.moc"
