#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"
#include "platform/data/recordset.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/test_main.h"

using namespace testsupport;

class TestRecordset : public QObject
{
    Q_OBJECT
private slots:
    void namesInThePersonsOrder();
};

void TestRecordset::namesInThePersonsOrder()
{
    TempInventory inv({chemical(QStringLiteral("benzene")), chemical(QStringLiteral("Ácido acético")),
                       chemical(QStringLiteral("Benzene")), chemical(QStringLiteral("Acetona")),
                       chemical(QStringLiteral("zinco")), chemical(QStringLiteral("Benzeno"))});
    auto db = records::Database::open(inv.path());
    records::Recordset rs(*db, store::recordSource());
    QStringList names;
    for (int i = 0; i < rs.RecordCount(); ++i) {
        rs.setAbsolutePosition(i);
        names.append(rs.Fields(store::NOME).Value().toString());
    }
    // Case and accents do not separate names; the exact text orders the ties.
    QCOMPARE(names, QStringList({QStringLiteral("Acetona"), QStringLiteral("Ácido acético"), QStringLiteral("Benzene"),
                                 QStringLiteral("benzene"), QStringLiteral("Benzeno"), QStringLiteral("zinco")}));
}

QB_TEST_MAIN(TestRecordset)
#include "tst_recordset.moc"
