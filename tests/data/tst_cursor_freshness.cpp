// What a cursor keeps to be fast must never hide what the file holds now.
#include "platform/data/database.h"
#include "platform/data/datacontrol.h"
#include "platform/data/recordset.h"
#include "tests/data/items_table.h"
#include "tests/support/test_main.h"

using namespace items;

class TestCursorFreshness : public QObject
{
    Q_OBJECT
private slots:
    void aLoopSeesAnotherWindowsChangesAtTheNextEvent();
    void reopeningAfterAChangeSortsAgain();
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

QB_TEST_MAIN(TestCursorFreshness)
#include "tst_cursor_freshness.moc"
