// Desks sharing an inventory on a server, each a real program: two saving the same and
// different records, a writer killed while it writes, the server restarted while a window
// is open. No save may be lost without a word, and none may be overwritten unwarned.
#include "inventory/store/server_inventory.h"
#include "platform/data/pgconnection.h"
#include "platform/data/pgerrors.h"
#include "platform/testing/messageboxes.h"
#include "tests/main_window/tamsel_fixture.h"
#include "tests/server/server_support.h"
#include "tests/support/test_main.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <map>
#include <optional>

using namespace testsupport;

namespace {

// A desk: a program folder whose QBData.server names the inventory's server.
void writeServerFile(const QString& folder, const QString& conninfo)
{
    QFile f(QDir(folder).filePath(store::serverFileName()));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(conninfo.toUtf8() + "\n");
}

std::unique_ptr<Tamsel> openAt(const QString& folder)
{
    forms::setPath(folder);
    std::unique_ptr<Tamsel> w(Tamsel::Load());
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
}

// A command, and the return to the event loop that follows it, as when the user clicks.
void run(Tamsel& w, const char* action)
{
    w.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    QCoreApplication::processEvents();
}

void goTo(Tamsel& w, const QString& nome)
{
    for (std::size_t p = 0; p < w.chemNames.size(); ++p)
        if (w.chemNames[p] == nome)
            w.Data1()->Recordset()->setAbsolutePosition(static_cast<int>(p));
    QCoreApplication::processEvents();
}

// Another desk's program (qb_window_program) doing the steps; its printed lines, empty
// when it failed.
QStringList runOther(const QString& folder, const QStringList& steps)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/qb_window_program"),
            QStringList{folder} + steps);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("the other program failed: %s %s", p.readAllStandardOutput().constData(),
                 p.readAllStandardError().constData());
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList boxesIn(const QStringList& lines)
{
    QStringList boxes;
    for (const QString& l : lines)
        if (l.startsWith(QLatin1String("box ")))
            boxes.append(l.mid(4));
    return boxes;
}

// NOME -> the column's stored value, Null read as the empty text.
using State = std::map<QString, QString>;

State serverState(const QString& database, const QString& column)
{
    State state;
    adminConnection(database)->stream(
        QStringLiteral("SELECT nome, coalesce(%1, '') FROM tolmireks").arg(column), {},
        [&](const records::PgRow& row) {
            state[QString::fromUtf8(row.text(0))] = QString::fromUtf8(row.text(1));
        });
    return state;
}

// Waits until no other session is connected to the database: a killed program's session
// has ended, and with it whatever transaction it had open.
bool sessionsGone(const QString& database)
{
    auto admin = adminConnection(database);
    return QTest::qWaitFor(
        [&] {
            return admin
                       ->exec(QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE datname = "
                                             "current_database() AND pid <> pg_backend_pid()"))
                       .row(0)
                       .value(0)
                       .toInt() == 0;
        },
        10000);
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

// What the user is told of a command the restart broke: an error with its number, or
// the main window's data-error box, which quotes the lost connection's own text.
bool saysWhy(const QString& prompt)
{
    static const QRegularExpression number(QStringLiteral("\\b\\d{3}\\b"));
    return number.match(prompt).hasMatch() ||
           prompt.contains(records::DataError(records::ServerConnectionLost).text());
}

} // namespace

class TestServerReliability : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup()
    {
        boxes.reset();
        forms::setPath({});
    }

    void twoDesksNeverOverwriteEachOtherUnwarned()
    {
        const QString conninfo = newInventory(QStringLiteral("two_desks"));
        addChemicals(*adminConnection(QStringLiteral("two_desks")), 4);
        QTemporaryDir here, there;
        writeServerFile(here.path(), conninfo);
        writeServerFile(there.path(), conninfo);
        auto w = openAt(here.path());
        const QString quantity = QString::number(store::QUANTIDADE);

        // The same field: the other desk saves first; this one is refused and keeps its edit.
        goTo(*w, QStringLiteral("Chemical 0"));
        typeInto(*w, store::QUANTIDADE, QStringLiteral("500 mL"));
        QStringList other =
            runOther(there.path(), {QStringLiteral("find:Chemical 0"),
                                    QStringLiteral("type:%1:1 L").arg(quantity), QStringLiteral("save")});
        QVERIFY(other.contains(QStringLiteral("done")));
        QVERIFY2(boxesIn(other).isEmpty(), qPrintable(boxesIn(other).join(QLatin1Char('|'))));
        run(*w, "mnusave");
        QCOMPARE((*boxes)->shown().size(), 1);
        QVERIFY2((*boxes)->shown()[0].prompt.contains(QStringLiteral("changed this record")),
                 qPrintable((*boxes)->shown()[0].prompt));
        QCOMPARE(shown(*w, store::QUANTIDADE), QStringLiteral("500 mL"));
        QCOMPARE(serverState(QStringLiteral("two_desks"), QStringLiteral("quantidade"))
                     .at(QStringLiteral("Chemical 0")),
                 QStringLiteral("1 L"));
        (*boxes)->answer({forms::No});
        run(*w, "mnurefresh");
        QCOMPARE(shown(*w, store::QUANTIDADE), QStringLiteral("1 L"));

        // Different records, and different fields of one record: every save is kept.
        goTo(*w, QStringLiteral("Chemical 1"));
        typeInto(*w, store::LOCAL, QStringLiteral("A1"));
        other = runOther(there.path(),
                         {QStringLiteral("find:Chemical 2"), QStringLiteral("type:%1:B2").arg(store::LOCAL),
                          QStringLiteral("save"), QStringLiteral("find:Chemical 1"),
                          QStringLiteral("type:%1:B1").arg(store::MP), QStringLiteral("save")});
        QVERIFY2(other.contains(QStringLiteral("done")) && boxesIn(other).isEmpty(),
                 qPrintable(other.join(QLatin1Char('|'))));
        run(*w, "mnusave");
        QCOMPARE((*boxes)->shown().size(), 2); // the question of the Refresh above, no more
        const State local = serverState(QStringLiteral("two_desks"), QStringLiteral("local"));
        const State mp = serverState(QStringLiteral("two_desks"), QStringLiteral("mp"));
        QCOMPARE(local.at(QStringLiteral("Chemical 1")), QStringLiteral("A1"));
        QCOMPARE(local.at(QStringLiteral("Chemical 2")), QStringLiteral("B2"));
        QCOMPARE(mp.at(QStringLiteral("Chemical 1")), QStringLiteral("B1"));
    }

    void aKilledWriterLosesNoAcknowledgedWrite()
    {
        constexpr int kRounds = 40;
        const QString database = QStringLiteral("killed");
        const QString conninfo = newInventory(database);
        // Names without spaces: the writer's lines are split at them.
        adminConnection(database)->run(
            QStringLiteral("INSERT INTO tolmireks (nome) SELECT 'base' || g FROM generate_series(0, 19) g"));
        QTemporaryDir desk;
        writeServerFile(desk.path(), conninfo);
        const QString serverFile = QDir(desk.path()).filePath(store::serverFileName());
        const QString writer =
            QCoreApplication::applicationDirPath() + QStringLiteral("/qb_inventory_writer");

        QRandomGenerator random(3);
        State expected = serverState(database, QStringLiteral("quantidade"));
        int acknowledged = 0, lost = 0, phantom = 0;
        QString problem;
        for (int round = 0; round < kRounds; ++round) {
            QProcess p;
            p.start(writer, {serverFile, QString::number(3000 + round)});
            QVERIFY(p.waitForStarted(10000));
            if (random.bounded(8) != 0)
                p.waitForReadyRead(10000);
            QThread::usleep(random.bounded(60000));
            ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
            p.waitForFinished(10000);
            QVERIFY2(p.exitStatus() == QProcess::CrashExit, p.readAllStandardError().constData());

            std::optional<QString> underWay;
            for (const QString& line :
                 QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
                if (line.startsWith(QLatin1String("try "))) {
                    underWay = line;
                } else if (line == QLatin1String("ack") && underWay) {
                    applyTried(expected, *underWay);
                    underWay.reset();
                    ++acknowledged;
                }
            }
            QVERIFY(sessionsGone(database));
            const State found = serverState(database, QStringLiteral("quantidade"));
            State withUnderWay = expected;
            if (underWay)
                applyTried(withUnderWay, *underWay);
            if (found != expected && found != withUnderWay) {
                for (const auto& [name, value] : expected)
                    if (const auto it = found.find(name); it == found.end() || it->second != value)
                        ++lost;
                for (const auto& [name, value] : found)
                    if (!expected.count(name) && !withUnderWay.count(name))
                        ++phantom;
                if (problem.isEmpty())
                    problem = QStringLiteral("round %1: the server does not hold what was saved").arg(round);
            }
            expected = found;
        }
        qInfo("kill -9 of a writer on a server: %d tries, %d acknowledged writes, %d lost, %d phantom",
              kRounds, acknowledged, lost, phantom);
        QVERIFY(acknowledged > kRounds);
        QVERIFY2(lost == 0 && phantom == 0, qPrintable(problem));
    }

    void aServerRestartedDuringUseLosesNothing()
    {
        const QString database = QStringLiteral("restarted");
        const QString conninfo = newInventory(database);
        addChemicals(*adminConnection(database), 3);
        QTemporaryDir desk;
        writeServerFile(desk.path(), conninfo);
        auto w = openAt(desk.path());
        goTo(*w, QStringLiteral("Chemical 0"));
        typeInto(*w, store::QUANTIDADE, QStringLiteral("1 L"));
        run(*w, "mnusave");
        QCOMPARE((*boxes)->shown().size(), 0);

        // Each command after a restart either works, reconnecting, or says why and works
        // when the user tries again; the edit stays on screen meanwhile.
        auto afterRestart = [&](const char* action) {
            QVERIFY(restartServer());
            const qsizetype before = (*boxes)->shown().size();
            run(*w, action);
            if ((*boxes)->shown().size() > before) {
                const QString prompt = (*boxes)->shown().back().prompt;
                QVERIFY2(saysWhy(prompt), qPrintable(prompt));
                run(*w, action);
                QCOMPARE((*boxes)->shown().size(), before + 1);
            }
        };
        goTo(*w, QStringLiteral("Chemical 1"));
        typeInto(*w, store::LOCAL, QStringLiteral("Armário 3"));
        afterRestart("mnusave");
        afterRestart("mnurefresh");
        goTo(*w, QStringLiteral("Chemical 2"));
        QCOMPARE(shown(*w, store::NOME), QStringLiteral("Chemical 2"));
        typeInto(*w, store::MP, QStringLiteral("-95"));
        afterRestart("mnusave");

        QCOMPARE(serverState(database, QStringLiteral("quantidade")).at(QStringLiteral("Chemical 0")),
                 QStringLiteral("1 L"));
        QCOMPARE(serverState(database, QStringLiteral("local")).at(QStringLiteral("Chemical 1")),
                 QStringLiteral("Armário 3"));
        QCOMPARE(serverState(database, QStringLiteral("mp")).at(QStringLiteral("Chemical 2")),
                 QStringLiteral("-95"));
        QCOMPARE(serverState(database, QStringLiteral("nome")).size(), std::size_t(3));
        goTo(*w, QStringLiteral("Chemical 1"));
        QCOMPARE(shown(*w, store::LOCAL), QStringLiteral("Armário 3"));
    }

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

QB_TEST_MAIN(TestServerReliability)
#include "tst_server_reliability.moc"
