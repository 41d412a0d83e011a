// What a cursor keeps to be fast must never hide what the file holds now.
#include "platform/data/database.h"
#include "platform/data/datacontrol.h"
#include "platform/data/readahead.h"
#include "platform/data/recordset.h"
#include "tests/data/items_table.h"
#include "tests/support/test_main.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

using namespace items;

class TestCursorFreshness : public QObject
{
    Q_OBJECT
private slots:
    void aLoopSeesAnotherWindowsChangesAtTheNextEvent();
    void reopeningAfterAChangeSortsAgain();
    void ownWritesKeepTheOrderAFreshReadingGives();
    void aNewReadingAfterAnotherProgramsChangesShowsThemAll();
    void aReadingAheadNeverHidesWhatHappenedSince_data();
    void aReadingAheadNeverHidesWhatHappenedSince();
    void onlyFilesThatReadingLeavesAsTheyAreAreReadAhead_data();
    void onlyFilesThatReadingLeavesAsTheyAreAreReadAhead();
    void aStoppedReadingLeavesTheFileAsItWas();
};

namespace {

std::vector<Row> manyRows(int n)
{
    std::vector<Row> rows;
    for (int i = 0; i < n; ++i)
        rows.push_back(item(QStringLiteral("Sal %1").arg(i, 4, 10, QLatin1Char('0')),
                            QStringLiteral("Salt %1").arg(i), QStringLiteral("NaCl")));
    return rows;
}

void execOn(const QString& path, const QString& sql)
{
    auto other = records::Database::open(path);
    other->write([&] {
        records::Statement s(*other, sql);
        records::Statement::Reset done(s);
        s.step();
    });
}

QStringList readAll(records::Recordset& rs, int ordinal)
{
    QStringList values;
    for (int i = 0; i < rs.RecordCount(); ++i) {
        rs.setAbsolutePosition(i);
        values.append(rs.Fields(ordinal).Value().toString());
    }
    return values;
}

// A window's data control, opened on the inventory.
records::DataControl* openOn(QWidget& window, const TempTable& inv)
{
    auto* data = new records::DataControl(&window);
    data->setObjectName(QStringLiteral("Data1"));
    data->setDatabaseName(inv.path());
    data->setRecordSource(items::recordSource());
    data->Refresh();
    return data;
}

} // namespace

void TestCursorFreshness::aLoopSeesAnotherWindowsChangesAtTheNextEvent()
{
    TempTable inv(manyRows(600));
    QWidget window;
    records::DataControl* data = openOn(window, inv);
    records::Recordset* rs = data->Recordset();

    // A long loop within one event: the columns it reads are kept for the table.
    QCOMPARE(readAll(*rs, items::LABEL).at(599), QStringLiteral("Salt 599"));

    // Another program changes one row and deletes another between two events.
    execOn(inv.path(), QStringLiteral("UPDATE ITEMS SET LABEL = 'Sodium chloride' WHERE NAME = 'Sal 0599'"));
    execOn(inv.path(), QStringLiteral("DELETE FROM ITEMS WHERE NAME = 'Sal 0300'"));
    QCoreApplication::processEvents();

    const QStringList again = [&] {
        QStringList v;
        for (int i : {599, 10}) {
            rs->setAbsolutePosition(i);
            v.append(rs->Fields(items::LABEL).Value().toString());
        }
        return v;
    }();
    QCOMPARE(again, QStringList({QStringLiteral("Sodium chloride"), QStringLiteral("Salt 10")}));
    rs->setAbsolutePosition(300);
    try {
        rs->Fields(items::LABEL).Value();
        QFAIL("a row deleted elsewhere was read");
    } catch (const records::DataError& e) {
        QCOMPARE(e.number(), int(records::RecordDeleted));
    }
    // The cursor's own list is kept until it is opened again.
    QCOMPARE(rs->RecordCount(), 600);
    data->Refresh();
    QCOMPARE(data->Recordset()->RecordCount(), 599);
}

void TestCursorFreshness::reopeningAfterAChangeSortsAgain()
{
    TempTable inv(manyRows(300));
    QWidget window;
    records::DataControl* data = openOn(window, inv);
    QCOMPARE(readAll(*data->Recordset(), items::NAME).first(), QStringLiteral("Sal 0000"));
    QCoreApplication::processEvents();

    execOn(inv.path(), QStringLiteral("UPDATE ITEMS SET NAME = 'Água destilada' WHERE NAME = 'Sal 0150'"));
    data->Refresh();
    const QStringList names = readAll(*data->Recordset(), items::NAME);
    QCOMPARE(names.first(), QStringLiteral("Água destilada"));
    QCOMPARE(names.size(), 300);
    QVERIFY(!names.contains(QStringLiteral("Sal 0150")));

    // Our own write moves the stamp too.
    QCoreApplication::processEvents();
    data->Recordset()->setAbsolutePosition(0);
    data->Recordset()->writeCurrent({{items::NAME, QStringLiteral("Zinco")}});
    data->Refresh();
    QCOMPARE(readAll(*data->Recordset(), items::NAME).last(), QStringLiteral("Zinco"));
}

namespace {

// Every row as a cursor shows it, in its order: the name, the label and the code.
QStringList shown(records::Recordset& rs)
{
    QStringList rows;
    for (int i = 0; i < rs.RecordCount(); ++i) {
        rs.setAbsolutePosition(i);
        auto text = [&](int ordinal) {
            const QVariant v = rs.Fields(ordinal).Value();
            return v.isNull() ? QStringLiteral("<null>") : v.toString();
        };
        rows.append(text(items::NAME) + QLatin1Char('|') + text(items::LABEL) + QLatin1Char('|') +
                    text(items::CODE));
    }
    return rows;
}

} // namespace

void TestCursorFreshness::ownWritesKeepTheOrderAFreshReadingGives()
{
    // A window's connection writes record after record and opens its cursor again after each,
    // as the record commands do; now and then another program writes too. After every step,
    // what the window's cursor shows must be what a connection reading the file afresh shows.
    TempTable inv(manyRows(300));
    auto window = records::Database::open(inv.path());
    window->setReadBursts([] {});
    QRandomGenerator rng(11);
    const QStringList names{QStringLiteral("Água"),
                            QStringLiteral("ácido"),
                            QStringLiteral("Benzeno"),
                            QStringLiteral("benzeno"),
                            QStringLiteral("Sal 0150"),
                            QStringLiteral("Zinco"),
                            QString(),
                            QStringLiteral("Éter"),
                            QStringLiteral("sal 0007")};
    auto randomName = [&]() -> QVariant {
        const QString n = names.at(rng.bounded(static_cast<int>(names.size())));
        return n.isEmpty() ? QVariant() : QVariant(n);
    };
    for (int step = 0; step < 120; ++step) {
        {
            records::Recordset rs(*window, items::recordSource());
            // Reading every row once makes the cursor keep the columns it read.
            if (step % 10 == 0)
                shown(rs);
            const int position = rs.RecordCount() ? rng.bounded(rs.RecordCount()) : 0;
            // Another program writes while this cursor is open, before this window's own write.
            if (rng.bounded(4) == 0)
                execOn(inv.path(),
                       QStringLiteral("UPDATE ITEMS SET NAME = 'Outro %1', CODE = 'X' WHERE rowid = "
                                      "(SELECT max(rowid) FROM ITEMS WHERE CODE <> 'X')")
                           .arg(step));
            switch (rng.bounded(5)) {
            case 0:
                rs.AddNew();
                rs.writeCurrent(
                    {{items::NAME, randomName()}, {items::CODE, QStringLiteral("C%1").arg(step)}});
                break;
            case 1:
                rs.setAbsolutePosition(position);
                rs.Delete();
                break;
            case 2:
                rs.setAbsolutePosition(position);
                rs.writeCurrent({{items::NAME, randomName()}});
                break;
            case 3:
                rs.setAbsolutePosition(position);
                rs.writeCurrent({{items::LABEL, QStringLiteral("L%1").arg(step)}, {items::CODE, QVariant()}});
                break;
            default:
                // Another program.
                execOn(inv.path(),
                       QStringLiteral("UPDATE ITEMS SET NAME = 'Outro %1', CODE = 'X' WHERE rowid = "
                                      "(SELECT min(rowid) FROM ITEMS WHERE CODE <> 'X')")
                           .arg(step));
                break;
            }
        }
        window->endReadBurst();
        records::Recordset again(*window, items::recordSource());
        auto fresh = records::Database::open(inv.path());
        records::Recordset truth(*fresh, items::recordSource());
        const QStringList expected = shown(truth);
        QVERIFY2(shown(again) == expected, qPrintable(QStringLiteral("step %1").arg(step)));
        window->endReadBurst();
    }
}

namespace {

QByteArray digestOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Every row a data control shows, as a connection reading the file afresh would show them.
void showsTheFileAsItIs(records::DataControl& data, const TempTable& inv)
{
    auto fresh = records::Database::open(inv.path());
    records::Recordset truth(*fresh, items::recordSource());
    QCOMPARE(shown(*data.Recordset()), shown(truth));
}

} // namespace

void TestCursorFreshness::aNewReadingAfterAnotherProgramsChangesShowsThemAll()
{
    // Enough rows for the cached columns to lie in several chunks; a new reading takes over
    // the chunks another program left as they were, and must show every change all the same.
    TempTable inv(manyRows(12000));
    QWidget window;
    records::DataControl* data = openOn(window, inv);
    shown(*data->Recordset());
    QCoreApplication::processEvents();
    execOn(inv.path(), QStringLiteral("UPDATE ITEMS SET LABEL = 'Sodium chloride' WHERE NAME = 'Sal 5000'"));
    execOn(inv.path(),
           QStringLiteral("DELETE FROM ITEMS WHERE NAME IN ('Sal 0003', 'Sal 4100', 'Sal 9999')"));
    execOn(inv.path(), QStringLiteral("INSERT INTO ITEMS (NAME, LABEL) VALUES ('Sal 5000a', NULL)"));
    data->Refresh();
    QCOMPARE(data->Recordset()->RecordCount(), 11998);
    showsTheFileAsItIs(*data, inv);
}

void TestCursorFreshness::aReadingAheadNeverHidesWhatHappenedSince_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<int>("error");
    QTest::newRow("nothing") << QString() << 0;
    QTest::newRow("another program changed a row")
        << QStringLiteral("UPDATE ITEMS SET NAME = 'Água' WHERE NAME = 'Sal 0042'") << 0;
    QTest::newRow("another program deleted a row")
        << QStringLiteral("DELETE FROM ITEMS WHERE NAME = 'Sal 0001'") << 0;
    QTest::newRow("the file was replaced") << QStringLiteral("replace") << 0;
    QTest::newRow("the file was removed") << QStringLiteral("remove") << int(records::FileNotFound);
}

void TestCursorFreshness::aReadingAheadNeverHidesWhatHappenedSince()
{
    // The reading ends before the window opens; whatever happened to the file in between,
    // the window shows the file as it is then, and fails as it would have failed.
    QFETCH(QString, meanwhile);
    QFETCH(int, error);
    TempTable inv(manyRows(300));
    const TempTable other({item(QStringLiteral("Outro"))});
    records::ReadAhead reading({inv.path(), items::recordSource(), {}, {}});
    reading.wait();
    if (meanwhile == QLatin1String("replace")) {
        QVERIFY(QFile::remove(inv.path()));
        QVERIFY(QFile::copy(other.path(), inv.path()));
    } else if (meanwhile == QLatin1String("remove")) {
        QVERIFY(QFile::remove(inv.path()));
    } else if (!meanwhile.isEmpty()) {
        execOn(inv.path(), meanwhile);
    }
    QWidget window;
    auto* data = new records::DataControl(&window);
    data->setObjectName(QStringLiteral("Data1"));
    data->setDatabaseName(inv.path());
    data->setRecordSource(items::recordSource());
    try {
        data->Refresh();
        QCOMPARE(error, 0);
    } catch (const records::DataError& e) {
        QCOMPARE(e.number(), error);
        return;
    }
    showsTheFileAsItIs(*data, inv);
}

void TestCursorFreshness::onlyFilesThatReadingLeavesAsTheyAreAreReadAhead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("quiet");
    QTest::newRow("a file of ours") << QStringLiteral("ours") << true;
    QTest::newRow("a journal beside it, which a reader rolls back") << QStringLiteral("journal") << false;
    QTest::newRow("a file in WAL mode") << QStringLiteral("wal") << false;
    QTest::newRow("an Access file") << QStringLiteral("access") << false;
    QTest::newRow("another program's database") << QStringLiteral("foreign") << false;
    QTest::newRow("open in this program already") << QStringLiteral("open") << false;
    QTest::newRow("no file") << QStringLiteral("missing") << false;
}

void TestCursorFreshness::onlyFilesThatReadingLeavesAsTheyAreAreReadAhead()
{
    QFETCH(QString, kind);
    QFETCH(bool, quiet);
    TempTable inv(manyRows(3));
    const QString path = inv.path();
    std::unique_ptr<records::Database> open;
    if (kind == QLatin1String("journal")) {
        QFile journal(path + QStringLiteral("-journal"));
        QVERIFY(journal.open(QIODevice::WriteOnly));
        journal.write("not empty");
    } else if (kind == QLatin1String("wal")) {
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    } else if (kind == QLatin1String("access") || kind == QLatin1String("foreign")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (kind == QLatin1String("access")) {
            QVERIFY(file.seek(4));
            file.write("Standard Jet DB");
        } else {
            QVERIFY(file.seek(68));
            file.write(QByteArray::fromHex("01020304"));
        }
    } else if (kind == QLatin1String("open")) {
        open = records::Database::open(path);
    } else if (kind == QLatin1String("missing")) {
        QVERIFY(QFile::remove(path));
    }
    QCOMPARE(records::ReadAhead::quietToRead(path), quiet);
}

void TestCursorFreshness::aStoppedReadingLeavesTheFileAsItWas()
{
    // A key on the splash ends the program and with it the reading, wherever it stands.
    TempTable inv(manyRows(20000));
    const QByteArray before = digestOf(inv.path());
    const QString label = QString::fromLatin1(items::kColumns[items::LABEL].name);
    for (int afterMs : {0, 5, 20}) {
        {
            const records::ReadAhead::Order order{inv.path(), items::recordSource(), {label}, {}};
            records::ReadAhead reading(order);
            QThread::msleep(static_cast<unsigned long>(afterMs));
            reading.stop();
            // Nothing of a stopped reading is handed on.
            QVERIFY(!records::ReadAhead::claim(order));
        }
        QCOMPARE(digestOf(inv.path()), before);
        QVERIFY(!QFile::exists(inv.path() + QStringLiteral("-journal")));
    }
}

QB_TEST_MAIN(TestCursorFreshness)
#include "tst_cursor_freshness.moc"
