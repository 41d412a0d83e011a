#include "platform/data/connection.h"
#include "platform/data/pgdatabase.h"
#include "platform/data/recordset.h"
#include "tests/server/server_support.h"
#include "tests/support/error_number.h"
#include "tests/support/test_main.h"

#include <QRandomGenerator>

#include <map>
#include <optional>
#include <string>

using namespace testsupport;
using records::FieldValue;
using records::PgDatabase;

namespace {

const QString kTable = QStringLiteral("tolmireks");
constexpr int kAldrich = 0;
constexpr int kNome = 1;
constexpr int kFormula = 3;

QString nomeOf(PgDatabase& db, std::int64_t id)
{
    QString name = QStringLiteral("<gone>");
    const std::int64_t ids[] = {id};
    db.fetchIds(kTable, {QStringLiteral("nome")}, ids, [&](std::int64_t, PgDatabase::Cells cells) {
        name = cells[0] ? QString::fromUtf8(cells[0]->data(), static_cast<qsizetype>(cells[0]->size()))
                        : QString();
    });
    return name;
}

std::int64_t countRows(PgDatabase& db)
{
    return db.connection().exec(QStringLiteral("SELECT count(*) FROM tolmireks")).row(0).int64(0);
}

// A desk's connection that counts its readings of every record, and of a few by id.
class CountingScans final : public records::Connection
{
public:
    explicit CountingScans(PgDatabase& db) : db_(db) {}
    int scans = 0;
    int fetches = 0;

    QString where() const override { return db_.where(); }
    bool readOnly() const override { return db_.readOnly(); }
    const records::DataError* writeRefusal(const QString& t) const override { return db_.writeRefusal(t); }
    QString tableName(const QString& name) const override { return db_.tableName(name); }
    QStringList columns(const QString& t) const override { return db_.columns(t); }
    QString lineBreakInUse(const QString& t, const QStringList& c) const override
    {
        return db_.lineBreakInUse(t, c);
    }
    std::int64_t scanById(const QString& t, const QStringList& c, const RowSink& sink) override
    {
        ++scans;
        return db_.scanById(t, c, sink);
    }
    std::int64_t largestId(const QString& t) override { return db_.largestId(t); }
    void fetchIds(const QString& t, const QStringList& c, std::span<const std::int64_t> ids,
                  const RowSink& sink) override
    {
        ++fetches;
        db_.fetchIds(t, c, ids, sink);
    }
    std::int64_t insertRow(const QString& t, const QStringList& c, const std::vector<FieldValue>& v) override
    {
        return db_.insertRow(t, c, v);
    }
    void updateRow(const QString& t, const QStringList& c, std::int64_t id, const std::vector<FieldValue>& v,
                   const std::vector<int>& checked,
                   const std::function<void(const std::vector<QVariant>&)>& verify) override
    {
        db_.updateRow(t, c, id, v, checked, verify);
    }
    void deleteRow(const QString& t, std::int64_t id) override { db_.deleteRow(t, id); }
    bool tracksChanges() const override { return db_.tracksChanges(); }
    std::optional<std::int64_t> changesSince(const QString& t, const QStringList& c, std::int64_t stamp,
                                             std::size_t limit, const RowSink& written,
                                             std::vector<std::int64_t>& deleted) override
    {
        return db_.changesSince(t, c, stamp, limit, written, deleted);
    }
    std::int64_t changeStamp() const override { return db_.changeStamp(); }
    std::int64_t stampBeforeLastWrite() const override { return db_.stampBeforeLastWrite(); }
    std::int64_t stampAfterLastWrite() const override { return db_.stampAfterLastWrite(); }
    void setReadBursts(std::function<void()> end) override { db_.setReadBursts(std::move(end)); }
    void beginReadBurst() override { db_.beginReadBurst(); }
    void endReadBurst() noexcept override { db_.endReadBurst(); }
    std::uint64_t burstSerial() const override { return db_.burstSerial(); }
    std::int64_t currentStamp() override { return db_.currentStamp(); }

private:
    PgDatabase& db_;
};

const QString kByName = QStringLiteral("SELECT * FROM tolmireks ORDER BY nome");
const QStringList kReadAhead{QStringLiteral("nome"), QStringLiteral("aldrich"), QStringLiteral("formula")};

// The cursor holds what a reading of its own gives: the server's records in the server's
// order of names (the program's own), the values it keeps the same. Each side reads in one
// burst, as a window's event does, the cursor from what it keeps.
void compareWithFreshReading(CountingScans& desk, records::Recordset& cursor, const QString& conninfo)
{
    const int fetches = desk.fetches;
    auto fresh = PgDatabase::open(conninfo);
    records::Recordset reading(*fresh, kByName, kReadAhead);
    const records::PgResult ids = fresh->connection().exec(
        QStringLiteral("SELECT id FROM tolmireks ORDER BY nome COLLATE qb_name NULLS FIRST, id"));
    QCOMPARE(cursor.RecordCount(), reading.RecordCount());
    QCOMPARE(ids.rowCount(), reading.RecordCount());
    desk.setReadBursts([] {});
    fresh->setReadBursts([] {});
    for (int p = 0; p < reading.RecordCount() && !QTest::currentTestFailed(); ++p) {
        QCOMPARE(cursor.positionOf(ids.row(p).int64(0)), p);
        for (const int c : {kAldrich, kNome, kFormula})
            QCOMPARE(cursor.valueAt(p, c), reading.valueAt(p, c));
    }
    desk.endReadBurst();
    QCOMPARE(desk.fetches, fetches);
}

} // namespace

class TestServerRecords : public QObject
{
    Q_OBJECT

private slots:
    // Opening reads every record in id order, and what it reads and the stamp it reports
    // come from one moment even while others write.
    void aScanReadsEveryRowInIdOrderAsOneSnapshot()
    {
        const QString conninfo = newInventory(QStringLiteral("scan"));
        auto admin = adminConnection(QStringLiteral("scan"));
        addChemicals(*admin, 100000);
        admin->run(QStringLiteral("DELETE FROM tolmireks WHERE id % 7 = 0"));
        auto db = PgDatabase::open(conninfo);
        auto other = PgDatabase::open(conninfo);
        const QStringList columns = db->columns(kTable);
        QCOMPARE(columns.size(), 12);
        QCOMPARE(columns.at(kNome), QStringLiteral("nome"));

        const std::int64_t before = db->changeStamp();
        std::int64_t rows = 0, lastId = 0;
        bool inOrder = true, asWritten = true;
        const std::int64_t stamp =
            db->scanById(kTable, {QStringLiteral("nome"), QStringLiteral("formula")},
                         [&](std::int64_t id, PgDatabase::Cells cells) {
                             inOrder = inOrder && id > lastId && id % 7 != 0;
                             lastId = id;
                             const std::string name = "Chemical " + std::to_string(id - 1);
                             asWritten = asWritten && cells.size() == 2 && cells[0] == std::string_view(name);
                             if (++rows == 50000) {
                                 other->insertRow(kTable, columns, {{kNome, QStringLiteral("Late")}});
                                 other->deleteRow(kTable, 99999);
                             }
                         });
        QVERIFY(inOrder);
        QVERIFY(asWritten);
        QCOMPARE(rows, 100000 - 100000 / 7);
        QCOMPARE(lastId, 100000);
        QCOMPARE(stamp, before);
        QVERIFY(db->changeStamp() != stamp);
    }

    // A scan its reader stops (a window closed while it loads) leaves the connection ready:
    // the next reading gets every row, Null and empty texts told apart.
    void aStoppedScanLeavesTheConnectionReady()
    {
        const QString conninfo = newInventory(QStringLiteral("stopped"));
        auto admin = adminConnection(QStringLiteral("stopped"));
        addChemicals(*admin, 50000);
        auto db = PgDatabase::open(conninfo);
        const QStringList columns = db->columns(kTable);
        const std::int64_t empty = db->insertRow(kTable, columns, {{kNome, QString(QLatin1String(""))}});
        const std::int64_t null = db->insertRow(kTable, columns, {{kNome, QVariant()}});
        const std::int64_t accented =
            db->insertRow(kTable, columns, {{kNome, QStringLiteral("Ácido cítrico")}});

        int seen = 0;
        QCOMPARE(errorNumber([&] {
                     db->scanById(kTable, {QStringLiteral("nome")}, [&](std::int64_t, PgDatabase::Cells) {
                         if (++seen == 1000)
                             throw records::DataError(records::Cancelled);
                     });
                 }),
                 int(records::Cancelled));
        QCOMPARE(seen, 1000);

        std::int64_t rows = 0;
        std::map<std::int64_t, std::optional<std::string>> last;
        db->scanById(kTable, {QStringLiteral("nome"), QStringLiteral("formula")},
                     [&](std::int64_t id, PgDatabase::Cells cells) {
                         ++rows;
                         if (id >= empty)
                             last[id] = cells[0] ? std::optional<std::string>(*cells[0]) : std::nullopt;
                     });
        QCOMPARE(rows, 50003);
        QCOMPARE(last.size(), std::size_t(3));
        QVERIFY(last[empty].has_value() && last[empty]->empty());
        QVERIFY(!last[null].has_value());
        QCOMPARE(QString::fromStdString(last[accented].value_or("<Null>")), QStringLiteral("Ácido cítrico"));
    }

    // The change stamp moves once for each transaction that changes the table, whoever
    // commits it; a connection can tell its own write (the stamp before it is the one it
    // read) from one that came between.
    void theStampTellsOwnWritesFromOthers()
    {
        const QString conninfo = newInventory(QStringLiteral("stamp"));
        auto a = PgDatabase::open(conninfo);
        auto b = PgDatabase::open(conninfo);
        const QStringList columns = a->columns(kTable);

        const std::int64_t s0 = a->changeStamp();
        const std::int64_t id = b->insertRow(kTable, columns, {{kNome, QStringLiteral("Acetona")}});
        const std::int64_t s1 = a->changeStamp();
        QVERIFY(s1 != s0);

        a->insertRow(kTable, columns, {{kNome, QStringLiteral("Benzeno")}});
        QCOMPARE(a->stampBeforeLastWrite(), s1);
        QCOMPARE(a->stampAfterLastWrite(), a->changeStamp());

        const std::int64_t s2 = a->changeStamp();
        b->updateRow(kTable, columns, id, {{kFormula, QStringLiteral("C3H6O")}}, {}, {});
        a->updateRow(kTable, columns, id, {{kNome, QStringLiteral("Acetone")}}, {}, {});
        QVERIFY(a->stampBeforeLastWrite() != s2);
        QCOMPARE(a->stampAfterLastWrite(), a->changeStamp());

        // Someone else's transaction of several statements moves it once; so does TRUNCATE.
        auto admin = adminConnection(QStringLiteral("stamp"));
        const std::int64_t s3 = a->changeStamp();
        admin->run(
            QStringLiteral("BEGIN; INSERT INTO tolmireks (nome) VALUES ('x'); UPDATE tolmireks SET mw = "
                           "'1'; DELETE FROM tolmireks WHERE nome = 'x'; COMMIT"));
        QCOMPARE(a->changeStamp(), s3 + 1);
        admin->run(QStringLiteral("TRUNCATE tolmireks"));
        QCOMPARE(a->changeStamp(), s3 + 2);
        // A change rolled back leaves it.
        admin->run(QStringLiteral("BEGIN; INSERT INTO tolmireks (nome) VALUES ('y'); ROLLBACK"));
        QCOMPARE(a->changeStamp(), s3 + 2);
    }

    // The reads of one event see one snapshot, and the next event sees what others wrote.
    void aReadBurstSeesOneSnapshot()
    {
        const QString conninfo = newInventory(QStringLiteral("burst"));
        auto a = PgDatabase::open(conninfo);
        auto b = PgDatabase::open(conninfo);
        const QStringList columns = a->columns(kTable);
        const std::int64_t id = b->insertRow(kTable, columns, {{kNome, QStringLiteral("Etanol")}});

        int scheduled = 0;
        a->setReadBursts([&] { ++scheduled; });
        a->beginReadBurst();
        QCOMPARE(scheduled, 1);
        QVERIFY(a->burstSerial() != 0);
        const std::int64_t seen = a->currentStamp();
        b->updateRow(kTable, columns, id, {{kNome, QStringLiteral("Ethanol")}}, {}, {});
        QCOMPARE(nomeOf(*a, id), QStringLiteral("Etanol"));
        QCOMPARE(a->currentStamp(), seen);
        a->endReadBurst();
        QCOMPARE(a->burstSerial(), std::uint64_t(0));
        QCOMPARE(nomeOf(*a, id), QStringLiteral("Ethanol"));
        QVERIFY(a->currentStamp() != seen);

        // A write ends the burst it comes in.
        a->beginReadBurst();
        a->insertRow(kTable, columns, {{kNome, QStringLiteral("Metanol")}});
        QCOMPARE(a->burstSerial(), std::uint64_t(0));
        QVERIFY(!a->connection().inTransaction());
    }

    // The save looks at the row under a lock that holds until it commits: nobody's change
    // can come between the check and the write, a change since the record was shown
    // stops the save, and a deleted record is reported as such.
    void theSaveChecksTheShownValuesUnderARowLock()
    {
        const QString conninfo = newInventory(QStringLiteral("save"));
        auto a = PgDatabase::open(conninfo);
        records::PgOptions impatient;
        impatient.lockTimeoutS = 1;
        auto b = PgDatabase::open(conninfo, impatient);
        const QStringList columns = a->columns(kTable);
        const std::int64_t id = a->insertRow(
            kTable, columns, {{kNome, QStringLiteral("Acetona")}, {kFormula, QStringLiteral("C3H6O")}});

        int othersSave = -1;
        std::vector<QVariant> seen;
        a->updateRow(
            kTable, columns, id, {{kNome, QStringLiteral("Acetone")}}, {kNome, kFormula},
            [&](const std::vector<QVariant>& now) {
                seen = now;
                othersSave = errorNumber([&] {
                    b->updateRow(kTable, columns, id, {{kFormula, QStringLiteral("CH3COCH3")}}, {}, {});
                });
            });
        QCOMPARE(seen, (std::vector<QVariant>{QStringLiteral("Acetona"), QStringLiteral("C3H6O")}));
        QCOMPARE(othersSave, int(records::ServerBusy));
        QCOMPARE(nomeOf(*a, id), QStringLiteral("Acetone"));

        const std::int64_t stamp = a->changeStamp();
        QCOMPARE(errorNumber([&] {
                     a->updateRow(kTable, columns, id, {{kNome, QStringLiteral("Propanona")}}, {kNome},
                                  [](const std::vector<QVariant>&) {
                                      throw records::DataError(records::RecordChanged);
                                  });
                 }),
                 int(records::RecordChanged));
        QCOMPARE(nomeOf(*a, id), QStringLiteral("Acetone"));
        QCOMPARE(a->changeStamp(), stamp);

        b->deleteRow(kTable, id);
        QCOMPARE(errorNumber([&] {
                     a->updateRow(kTable, columns, id, {{kNome, QStringLiteral("x")}}, {kNome},
                                  [](const std::vector<QVariant>&) {});
                 }),
                 int(records::RecordDeleted));
        QCOMPARE(errorNumber([&] {
                     a->updateRow(kTable, columns, id, {{kNome, QStringLiteral("x")}}, {}, {});
                 }),
                 int(records::RecordDeleted));
        QCOMPARE(errorNumber([&] { a->deleteRow(kTable, id); }), int(records::RecordDeleted));
    }

    // A user the server lets only read gets one clear refusal before any write, the same
    // every time; one whose rights go while the program runs gets the server's refusal
    // under the same number.
    void aUserWhoMayOnlyReadIsRefusedEveryWrite()
    {
        const QString conninfo = newInventory(QStringLiteral("rights"));
        auto admin = adminConnection(QStringLiteral("rights"));
        admin->run(QStringLiteral(
            "CREATE ROLE reader LOGIN; GRANT SELECT ON tolmireks, qb_stamp, qb_state TO reader; "
            "CREATE ROLE clerk LOGIN; GRANT SELECT, INSERT, UPDATE, DELETE ON tolmireks TO clerk; "
            "GRANT SELECT ON qb_stamp, qb_state TO clerk; "
            "CREATE ROLE writer LOGIN; GRANT SELECT, INSERT, UPDATE, DELETE ON tolmireks TO writer; "
            "GRANT SELECT, UPDATE ON qb_stamp TO writer; GRANT SELECT ON qb_state TO writer"));
        addChemicals(*admin, 3);

        for (const char* role : {"reader", "clerk"}) {
            auto db = PgDatabase::open(conninfo + QStringLiteral(" user=") + QLatin1String(role));
            const QStringList columns = db->columns(kTable);
            const records::DataError* refusal = db->writeRefusal(kTable);
            QVERIFY(refusal);
            QCOMPARE(refusal->number(), int(records::ServerPermissionDenied));
            QVERIFY2(refusal->text().contains(QLatin1String("may only read")), qPrintable(refusal->text()));
            QString text;
            QCOMPARE(errorNumber(
                         [&] {
                             db->insertRow(kTable, columns, {{kNome, QStringLiteral("x")}});
                         },
                         &text),
                     int(records::ServerPermissionDenied));
            QCOMPARE(text, refusal->text());
            QCOMPARE(errorNumber([&] {
                         db->updateRow(kTable, columns, 1, {{kNome, QStringLiteral("x")}}, {}, {});
                     }),
                     int(records::ServerPermissionDenied));
            QCOMPARE(errorNumber([&] { db->deleteRow(kTable, 1); }), int(records::ServerPermissionDenied));
            QCOMPARE(nomeOf(*db, 1), QStringLiteral("Chemical 0"));
        }

        auto db = PgDatabase::open(conninfo + QStringLiteral(" user=writer"));
        const QStringList columns = db->columns(kTable);
        QVERIFY(!db->writeRefusal(kTable));
        db->insertRow(kTable, columns, {{kNome, QStringLiteral("Tolueno")}});
        admin->run(QStringLiteral("REVOKE INSERT, UPDATE, DELETE ON tolmireks FROM writer"));
        QCOMPARE(errorNumber([&] {
                     db->insertRow(kTable, columns, {{kNome, QStringLiteral("Xileno")}});
                 }),
                 int(records::ServerPermissionDenied));
        QCOMPARE(countRows(*db), 4);
    }

    // A value the server cannot hold is refused before anything is written, naming its
    // column; the server's own limit on a name's length comes under the same number.
    void aValueTheServerCannotHoldIsRefusedNamingItsColumn()
    {
        const QString conninfo = newInventory(QStringLiteral("values"));
        auto db = PgDatabase::open(conninfo);
        const QStringList columns = db->columns(kTable);
        const std::int64_t id = db->insertRow(kTable, columns, {{kNome, QStringLiteral("Acetona")}});
        const std::int64_t stamp = db->changeStamp();

        QString text;
        const QVariant nul(QByteArray("C3H6O\0", 6));
        QCOMPARE(errorNumber(
                     [&] {
                         db->updateRow(kTable, columns, id, {{kFormula, nul}}, {}, {});
                     },
                     &text),
                 int(records::ServerCannotHoldValue));
        QVERIFY2(text.contains(QLatin1String("formula")) && text.contains(QLatin1String("NUL")),
                 qPrintable(text));
        QCOMPARE(errorNumber([&] {
                     db->insertRow(kTable, columns, {{kNome, QVariant(QByteArray("\xff"))}});
                 }),
                 int(records::ServerCannotHoldValue));

        QString longName;
        for (int i = 0; i < 4000; ++i)
            longName.append(QChar(u'a' + QRandomGenerator::global()->bounded(26)));
        QCOMPARE(errorNumber([&] {
                     db->insertRow(kTable, columns, {{kNome, longName}});
                 }),
                 int(records::ServerCannotHoldValue));
        QCOMPARE(countRows(*db), 1);
        QCOMPARE(db->changeStamp(), stamp);
    }

    // The windows write line breaks as the inventory holds them.
    void theLineBreakInUseIsTheInventorysOwn()
    {
        auto db = PgDatabase::open(newInventory(QStringLiteral("lines")));
        const QStringList columns = db->columns(kTable);
        const QStringList multiLine{QStringLiteral("hazards"), QStringLiteral("caracteristic")};
        QCOMPARE(db->lineBreakInUse(kTable, multiLine), QStringLiteral("\n"));
        for (const char* hazards : {"H225\r\nH319", "H301\r\nH311", "H350\nH360"})
            db->insertRow(kTable, columns,
                          {{kNome, QStringLiteral("x")}, {10, QString::fromLatin1(hazards)}});
        QCOMPARE(db->lineBreakInUse(kTable, multiLine), QStringLiteral("\r\n"));
    }

    // After other desks wrote (the program, and a lab's own SQL), a refresh reads only what
    // they changed and holds what a new reading would: new names at their places, renamed
    // records moved, deleted ones gone, a deleted id given again, Null names first, with
    // this desk's own saves before and after theirs. Once the deletes it missed are no
    // longer kept, it reads everything again.
    void aRefreshAfterOthersWroteTakesOnlyWhatChanged()
    {
        const QString conninfo = newInventory(QStringLiteral("patch"));
        auto admin = adminConnection(QStringLiteral("patch"));
        addChemicals(*admin, 9000);
        auto mine = PgDatabase::open(conninfo);
        auto other = PgDatabase::open(conninfo);
        const QStringList columns = other->columns(kTable);
        CountingScans desk(*mine);
        auto opened = std::make_unique<records::Recordset>(desk, kByName, kReadAhead);
        QCOMPARE(desk.scans, 1);
        opened->setAbsolutePosition(opened->positionOf(40));
        opened->writeCurrent({{kNome, QStringLiteral("Xileno")}});

        other->insertRow(kTable, columns,
                         {{kNome, QStringLiteral("Água")}, {kFormula, QStringLiteral("H2O")}});
        other->insertRow(kTable, columns, {{kNome, QVariant()}});
        other->insertRow(kTable, columns,
                         {{kNome, QStringLiteral("Chemical 5")}, {0, QStringLiteral("twin")}});
        other->updateRow(kTable, columns, 11, {{kNome, QStringLiteral("Zinco")}}, {}, {});
        other->updateRow(kTable, columns, 12, {{kFormula, QStringLiteral("C12")}}, {}, {});
        other->deleteRow(kTable, 2000);
        other->updateRow(kTable, columns, 8000, {{kNome, QStringLiteral("Acetona")}}, {}, {});
        admin->run(QStringLiteral(
            "BEGIN; UPDATE tolmireks SET nome = 'ácido ' || nome WHERE id BETWEEN 100 AND "
            "104; DELETE FROM tolmireks WHERE id IN (7, 50, 3000, 4096); INSERT INTO tolmireks "
            "(nome) VALUES ('Chemical 1'), ('chemical 1'); INSERT INTO tolmireks (id, "
            "nome) OVERRIDING SYSTEM VALUE VALUES (50, 'Reposto'); COMMIT"));
        // A save of this desk's own after theirs.
        opened->setAbsolutePosition(opened->positionOf(20));
        opened->writeCurrent({{kNome, QStringLiteral("Benzeno")}});
        QCOMPARE(desk.scans, 1);

        records::Recordset refreshed(desk, kByName, kReadAhead);
        QCOMPARE(desk.scans, 1);
        compareWithFreshReading(desk, refreshed, conninfo);
        if (QTest::currentTestFailed())
            return;

        const std::int64_t stamp = mine->changeStamp();
        admin->run(QStringLiteral("DELETE FROM tolmireks WHERE id = 30"));
        admin->exec(QStringLiteral("SELECT qb_forget_deleted($1)"), records::PgParams().number(stamp + 1));
        records::Recordset reread(desk, kByName, kReadAhead);
        QCOMPARE(desk.scans, 2);
        compareWithFreshReading(desk, reread, conninfo);
    }

    // An id is never given twice, also after the record with the largest one is deleted:
    // a cursor elsewhere still holding it must not find another record under it.
    void idsAreNeverGivenTwice()
    {
        const QString conninfo = newInventory(QStringLiteral("ids"));
        auto db = PgDatabase::open(conninfo);
        const QStringList columns = db->columns(kTable);
        db->insertRow(kTable, columns, {{kNome, QStringLiteral("a")}});
        const std::int64_t last = db->insertRow(kTable, columns, {{kNome, QStringLiteral("b")}});
        db->deleteRow(kTable, last);
        QVERIFY(db->insertRow(kTable, columns, {{kNome, QStringLiteral("c")}}) > last);
        QCOMPARE(db->largestId(kTable), last + 1);
    }
};

QB_TEST_MAIN(TestServerRecords)
#include "tst_server_records.moc"
