#include "tests/support/inventory_fixture.h"

#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"

namespace testsupport {

Row chemical(const QString& nome, const QVariant& aldrich, const QVariant& formula)
{
    Row row(store::kColumnCount);
    row[store::ALDRICH] = aldrich;
    row[store::NOME] = nome;
    row[store::FORMULA] = formula;
    row[store::FORNECEDOR] = QStringLiteral("Sigma-Aldrich");
    row[store::LOCAL] = QStringLiteral("Cabinet 1");
    return row;
}

TempInventory::TempInventory(const std::vector<Row>& rows)
{
    store::createEmptyInventory(path());
    insert(rows);
}

QString TempInventory::path() const
{
    return dir_.path() + QStringLiteral("/QBData.mdb");
}

void TempInventory::insert(const std::vector<Row>& rows) const
{
    insertInto(path(), rows);
}

void TempInventory::insertInto(const QString& path, const std::vector<Row>& rows)
{
    if (rows.empty())
        return;
    auto db = records::Database::open(path);
    db->write([&] {
        records::Statement insert(*db,
                                  QStringLiteral("INSERT INTO TOLMIREKS VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,"
                                                 "?10,?11,?12)"));
        for (const Row& row : rows) {
            records::Statement::Reset done(insert);
            for (int i = 0; i < store::kColumnCount; ++i)
                insert.bind(i + 1,
                            i < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(i)] : QVariant());
            insert.step();
        }
    });
}

std::vector<Row> TempInventory::rows() const
{
    auto db = records::Database::open(path());
    records::Statement all(*db, QStringLiteral("SELECT * FROM TOLMIREKS ORDER BY rowid"));
    records::Statement::Reset done(all);
    std::vector<Row> out;
    while (all.step()) {
        Row row;
        for (int i = 0; i < store::kColumnCount; ++i)
            row.push_back(all.value(i));
        out.push_back(row);
    }
    return out;
}

QStringList TempInventory::column(int ordinal) const
{
    QStringList values;
    for (const Row& row : rows())
        values.append(row[static_cast<std::size_t>(ordinal)].toString());
    return values;
}

} // namespace testsupport
