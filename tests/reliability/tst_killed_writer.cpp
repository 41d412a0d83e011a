// A program killed (SIGKILL) at random moments while it writes, a hundred times in each
// journal mode: the file must pass integrity_check, hold every write the program was told
// was saved, and nothing else but the one write under way when it was killed.
#include "inventory/store/chemical_table.h"
#include "inventory/store/format.h"
#include "platform/data/database.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <sqlite3.h>

#include <csignal>
#include <map>
#include <optional>

using namespace testsupport;

namespace {

constexpr int kRounds = 100;

// NOME -> QUANTIDADE of every record; a Null quantity reads as the empty text.
using State = std::map<QString, QString>;

struct Raw
{
    explicit Raw(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, 5000);
    }
    ~Raw() { sqlite3_close(db); }
    Raw(const Raw&) = delete;
    Raw& operator=(const Raw&) = delete;
    QStringList column(const char* sql) const
    {
        sqlite3_stmt* stmt = nullptr;
        QStringList out;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            return {QStringLiteral("prepare failed: ") + QString::fromUtf8(sqlite3_errmsg(db))};
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            out.append(QString::fromUtf8(text ? text : ""));
        }
        sqlite3_finalize(stmt);
        return out;
    }
    int exec(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }
    sqlite3* db = nullptr;
};

State readState(const QString& path)
{
    Raw raw(path);
    const QStringList rows = raw.column("SELECT NOME || char(9) || ifnull(QUANTIDADE, '') FROM TOLMIREKS");
    State state;
    for (const QString& row : rows) {
        const qsizetype tab = row.indexOf(QLatin1Char('\t'));
        state[row.left(tab)] = row.mid(tab + 1);
    }
    return state;
}

// Applies one line the writer printed ("try add NAME", "try set NAME VALUE", "try delete NAME").
void applyTried(State& state, const QString& tried)
{
    const QStringList words = tried.split(QLatin1Char(' '));
    if (words.value(1) == QLatin1String("add"))
        state[words.value(2)] = QString();
    else if (words.value(1) == QLatin1String("set"))
        state[words.value(2)] = words.value(3);
    else if (words.value(1) == QLatin1String("delete"))
        state.erase(words.value(2));
}

// The file as an earlier version left it: no application id, no state table.
void makeOldFormat(const QString& path)
{
    Raw raw(path);
    raw.exec("DROP TABLE IF EXISTS QB_STATE; PRAGMA application_id = 0; PRAGMA user_version = 0;");
}

struct Figures
{
    int tries = 0;
    int acknowledged = 0;
    int lost = 0;
    int phantom = 0;
    int damaged = 0;
    int halfUpgraded = 0;
    int writerErrors = 0;
};

Figures killWriters(const QString& path, quint32 seed, QString* firstProblem)
{
    Figures f;
    QRandomGenerator random(seed);
    State expected = readState(path);
    const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/qb_inventory_writer");
    for (int round = 0; round < kRounds; ++round) {
        // Now and then the file is an old one of ours again, so a kill can land in the
        // write that brings it to the current format.
        if (round % 20 == 0)
            makeOldFormat(path);
        QProcess p;
        p.start(writer, {path, QString::number(seed * 1000 + static_cast<quint32>(round))});
        if (!p.waitForStarted(10000))
            continue;
        // Most kills land among the writes; some in the opening.
        if (random.bounded(8) != 0)
            p.waitForReadyRead(10000);
        QThread::usleep(random.bounded(60000));
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished(10000);
        ++f.tries;
        if (p.exitStatus() != QProcess::CrashExit) {
            ++f.writerErrors;
            if (firstProblem->isEmpty())
                *firstProblem = QString::fromUtf8(p.readAllStandardError());
        }

        const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
        std::optional<QString> underWay;
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1String("try "))) {
                underWay = line;
            } else if (line == QLatin1String("ack") && underWay) {
                applyTried(expected, *underWay);
                underWay.reset();
                ++f.acknowledged;
            }
        }

        Raw raw(path);
        if (raw.column("PRAGMA integrity_check") != QStringList({QStringLiteral("ok")}))
            ++f.damaged;
        const bool ours = raw.column("PRAGMA application_id").value(0).toLongLong() == store::kApplicationId;
        const bool state = !raw.column("SELECT name FROM sqlite_schema WHERE name = 'QB_STATE'").isEmpty();
        if (ours != state)
            ++f.halfUpgraded;

        const State found = readState(path);
        State withUnderWay = expected;
        if (underWay)
            applyTried(withUnderWay, *underWay);
        if (found != expected && found != withUnderWay) {
            for (const auto& [name, quantity] : expected) {
                const auto it = found.find(name);
                if (it == found.end() || it->second != quantity)
                    ++f.lost;
            }
            for (const auto& [name, quantity] : found)
                if (!withUnderWay.count(name) && !expected.count(name))
                    ++f.phantom;
            if (firstProblem->isEmpty())
                *firstProblem = QStringLiteral("round %1: the file does not hold what was saved").arg(round);
        }
        expected = found;
    }
    return f;
}

} // namespace

class TestKilledWriter : public QObject
{
    Q_OBJECT
private slots:
    void killedWritersLoseNothingAndInventNothing_data();
    void killedWritersLoseNothingAndInventNothing();
};

void TestKilledWriter::killedWritersLoseNothingAndInventNothing_data()
{
    QTest::addColumn<bool>("wal");
    QTest::newRow("rollback journal") << false;
    QTest::newRow("write-ahead log") << true;
}

void TestKilledWriter::killedWritersLoseNothingAndInventNothing()
{
    QFETCH(bool, wal);
    std::vector<Row> rows;
    for (int i = 0; i < 20; ++i)
        rows.push_back(chemical(QStringLiteral("base%1").arg(i)));
    TempInventory inv(rows);
    if (wal) {
        Raw raw(inv.path());
        QCOMPARE(raw.column("PRAGMA journal_mode=WAL"), QStringList({QStringLiteral("wal")}));
    }
    QString problem;
    const quint32 seed = wal ? 2 : 1;
    const Figures f = killWriters(inv.path(), seed, &problem);
    qInfo("kill -9 of a writer (%s): %d tries, %d acknowledged writes, %d lost, %d phantom, "
          "%d failing integrity_check, %d half brought to the current format",
          wal ? "WAL" : "rollback journal", f.tries, f.acknowledged, f.lost, f.phantom, f.damaged,
          f.halfUpgraded);
    QVERIFY2(f.writerErrors == 0, qPrintable(problem));
    QCOMPARE(f.tries, kRounds);
    QVERIFY(f.acknowledged > kRounds);
    QVERIFY2(f.lost == 0 && f.phantom == 0, qPrintable(problem));
    QCOMPARE(f.damaged, 0);
    QCOMPARE(f.halfUpgraded, 0);
}

QB_TEST_MAIN(TestKilledWriter)
#include "tst_killed_writer.moc"
