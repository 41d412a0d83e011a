#include "inventory/datatool/servercopy.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/pgdatabase.h"
#include "platform/data/pgerrors.h"
#include "platform/testing/messageboxes.h"
#include "tests/main_window/tamsel_fixture.h"
#include "tests/server/server_support.h"
#include "tests/support/error_number.h"
#include "tests/support/test_main.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <thread>

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
    return std::unique_ptr<Tamsel>(Tamsel::Load());
}

// The names at every position of the window's cursor, Null told apart from empty.
QStringList namesInOrder(Tamsel& w)
{
    records::Recordset* rs = w.Data1()->Recordset();
    QStringList names;
    for (int i = 0; i < rs->RecordCount(); ++i) {
        const QVariant v = rs->valueAt(i, store::NOME);
        names.append(v.isNull() ? QStringLiteral("<Null>") : v.toString());
    }
    return names;
}

QVariant serverValue(const QString& database, const QString& sql)
{
    const records::PgResult r = adminConnection(database)->exec(sql, {});
    return r.row(0).value(0);
}

} // namespace

class TestServerWindows : public QObject
{
    Q_OBJECT
private slots:
    void init() { boxes = std::make_unique<forms::ScopedScriptedMessageBoxes>(); }
    void cleanup() { boxes.reset(); }

    void aLabMovedOntoAServerSeesItsRecordsInTheFilesOrder()
    {
        std::vector<Row> rows;
        for (const char* name : {"Ácido acético", "acetona", "Acetona", "ACETONA", "Acido acetico", "Água",
                                 "", "agua", "Éter", "1-Butanol", "(+)-Limoneno", "α-Pineno", "Straße",
                                 "Strasse", "Cloreto de sódio", "cloreto de potássio", "Acetona"})
            rows.push_back(chemical(QString::fromUtf8(name), QStringLiteral("a"), QStringLiteral("f")));
        rows.push_back(chemical(QString(), QStringLiteral("unnamed")));
        rows.back()[store::NOME] = QVariant();
        TempInventory inv(rows);
        QStringList overFile;
        {
            auto w = openAt(inv.folder());
            overFile = namesInOrder(*w);
        }
        // The companion's copy-to-server --use, then the same folder opens the server.
        const datatool::ServerCopy copy =
            datatool::copyFileToServer(inv.path(), newDatabase(QStringLiteral("order")), true);
        QCOMPARE(copy.records, std::int64_t(rows.size()));
        auto w = openAt(inv.folder());
        w->show();
        QVERIFY2(!w->Data1()->Recordset()->database().where().contains(store::fileName()),
                 qPrintable(w->Data1()->Recordset()->database().where()));
        QCOMPARE(overFile.size(), qsizetype(rows.size()));
        QCOMPARE(namesInOrder(*w), overFile);
        QCOMPARE(shown(*w, store::NOME),
                 overFile.front() == QStringLiteral("<Null>") ? QString() : overFile.front());
        QCOMPARE((*boxes)->shown().size(), 0);
    }

    void aSaveOverAnotherDesksChangeIsRefused()
    {
        const QString conninfo = newInventory(QStringLiteral("desks"));
        addChemicals(*adminConnection(QStringLiteral("desks")), 3);
        QTemporaryDir desk;
        writeServerFile(desk.path(), conninfo);
        auto w = openAt(desk.path());
        w->show();
        QCOMPARE(shown(*w, store::NOME), QStringLiteral("Chemical 0"));
        typeInto(*w, store::QUANTIDADE, QStringLiteral("1 L"));
        adminConnection(QStringLiteral("desks"))
            ->run(QStringLiteral("UPDATE tolmireks SET quantidade = '2 L' WHERE nome = 'Chemical 0'"));
        QString text;
        QCOMPARE(errorNumber([&] { w->Data1()->UpdateRecord(); }, &text), int(records::RecordChanged));
        QVERIFY2(text.contains(QStringLiteral("quantidade")), qPrintable(text));
        QCOMPARE(serverValue(QStringLiteral("desks"),
                             QStringLiteral("SELECT quantidade FROM tolmireks WHERE nome = 'Chemical 0'"))
                     .toString(),
                 QStringLiteral("2 L"));
        QCOMPARE(shown(*w, store::QUANTIDADE), QStringLiteral("1 L"));
    }

    // The connection is cut while the save waits for the record (another session holds it),
    // so the loss falls in the middle of the save's own transaction.
    void aConnectionLostDuringASaveKeepsTheEditAndTheNextSaveGoesThrough()
    {
        const QString conninfo = newInventory(QStringLiteral("lost"));
        addChemicals(*adminConnection(QStringLiteral("lost")), 2);
        QTemporaryDir desk;
        writeServerFile(desk.path(), conninfo);
        auto w = openAt(desk.path());
        w->show();
        QCOMPARE(shown(*w, store::NOME), QStringLiteral("Chemical 0"));
        typeInto(*w, store::QUANTIDADE, QStringLiteral("250 mL"));

        auto holder = adminConnection(QStringLiteral("lost"));
        holder->begin();
        holder->exec(QStringLiteral("SELECT 1 FROM tolmireks WHERE nome = 'Chemical 0' FOR UPDATE"));
        std::atomic<bool> cut = false;
        std::thread administrator([&] {
            try {
                auto admin = adminConnection(QStringLiteral("lost"));
                for (int i = 0; i < 200 && !cut; ++i) {
                    const records::PgResult waiting = admin->exec(
                        QStringLiteral("SELECT pid FROM pg_stat_activity WHERE datname = 'lost' AND "
                                       "wait_event_type = 'Lock'"));
                    if (waiting.rowCount() == 1) {
                        terminateBackend(static_cast<int>(waiting.row(0).int64(0)));
                        cut = true;
                    } else {
                        std::this_thread::sleep_for(std::chrono::milliseconds(20));
                    }
                }
            } catch (const std::exception&) {
                // cut stays false, and the test says so.
            }
        });
        QList<int> errors;
        QObject::connect(w->Data1(), &records::DataControl::Error,
                         [&](int& number, int&) { errors.append(number); });
        w->findChild<QAction*>(QStringLiteral("mnusave"))->trigger();
        administrator.join();
        holder->rollback();
        QVERIFY(cut);
        QCOMPARE(errors, QList<int>{int(records::ServerConnectionLost)});
        QCOMPARE((*boxes)->shown().size(), 1);
        QCOMPARE(shown(*w, store::QUANTIDADE), QStringLiteral("250 mL"));
        QVERIFY(serverValue(QStringLiteral("lost"),
                            QStringLiteral("SELECT quantidade FROM tolmireks WHERE nome = 'Chemical 0'"))
                    .isNull());

        w->findChild<QAction*>(QStringLiteral("mnusave"))->trigger();
        QCOMPARE(errors.size(), 1);
        QCOMPARE(serverValue(QStringLiteral("lost"),
                             QStringLiteral("SELECT quantidade FROM tolmireks WHERE nome = 'Chemical 0'"))
                     .toString(),
                 QStringLiteral("250 mL"));
        QCOMPARE(shown(*w, store::QUANTIDADE), QStringLiteral("250 mL"));
    }

    void aUserWhoMayOnlyReadCannotSave()
    {
        const QString conninfo = newInventory(QStringLiteral("readers"));
        {
            auto admin = adminConnection(QStringLiteral("readers"));
            addChemicals(*admin, 2);
            admin->run(QStringLiteral("CREATE ROLE qb_reader LOGIN"));
            admin->run(QStringLiteral("GRANT SELECT ON tolmireks, qb_stamp, qb_state TO qb_reader"));
        }
        QTemporaryDir desk;
        writeServerFile(desk.path(), conninfo + QStringLiteral(" user=qb_reader"));
        auto w = openAt(desk.path());
        w->show();
        // Told once, as for a file the user may not write.
        QVERIFY(QTest::qWaitFor([&] { return !(*boxes)->shown().isEmpty(); }, 5000));
        QVERIFY2((*boxes)->shown().front().prompt.contains(QStringLiteral("may only read")),
                 qPrintable((*boxes)->shown().front().prompt));
        typeInto(*w, store::LOCAL, QStringLiteral("Armário 2"));
        QCOMPARE(errorNumber([&] { w->Data1()->UpdateRecord(); }), int(records::ServerPermissionDenied));
        QVERIFY(serverValue(QStringLiteral("readers"),
                            QStringLiteral("SELECT local FROM tolmireks WHERE nome = 'Chemical 0'"))
                    .isNull());
    }

    void aPasswordInTheServerFileIsRefused()
    {
        // A file lies there too: it must not be opened in the server's place.
        TempInventory inv({chemical(QStringLiteral("Acetona"))});
        for (const QString& conninfo : {QStringLiteral("dbname=postgres password=s3cret"),
                                        QStringLiteral("postgresql://postgres:s3cret@/postgres")}) {
            writeServerFile(inv.folder(), conninfo);
            QString text;
            QCOMPARE(errorNumber([&] { openAt(inv.folder()); }, &text), int(records::ServerPasswordInFile));
            QVERIFY2(text.contains(QStringLiteral("QBData.server")) &&
                         !text.contains(QStringLiteral("s3cret")),
                     qPrintable(text));
        }
    }

private:
    std::unique_ptr<forms::ScopedScriptedMessageBoxes> boxes;
};

QB_TEST_MAIN(TestServerWindows)
#include "tst_server_windows.moc"
