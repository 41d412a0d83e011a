// What a cursor keeps to be fast must never hide what the file holds now.
#include "platform/data/database.h"
#include "platform/data/datacontrol.h"
#include "platform/data/recordset.h"
#include "tests/data/items_table.h"
#include "tests/support/test_main.h"

#include <QRandomGenerator>

using namespace items;

class TestCursorFreshness : public QObject
{
    Q_OBJECT
private slots:
    void aLoopSeesAnotherWindowsChangesAtTheNextEvent();
    void reopeningAfterAChangeSortsAgain();
    void ownWritesKeepTheOrderAFreshReadingGives();
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

QB_TEST_MAIN(TestCursorFreshness)
#include "tst_cursor_freshness.moc"
