#include "tests/data/items_table.h"

#include "platform/data/database.h"

namespace items {

const std::array<Column, kColumnCount> kColumns = {{
    {LABEL, "LABEL", false},
    {NAME, "NAME", false},
    {VENDOR, "VENDOR", false},
    {CODE, "CODE", false},
    {PLACE, "PLACE", false},
    {AMOUNT, "AMOUNT", false},
    {WEIGHT, "WEIGHT", false},
    {SIZE, "SIZE", false},
    {COLOR, "COLOR", false},
    {GRADE, "GRADE", false},
    {NOTES, "NOTES", true},
    {REMARKS, "REMARKS", true},
}};

QString tableSource()
{
    return QStringLiteral("Items");
}

QString recordSource()
{
    return QStringLiteral("SELECT * FROM ITEMS ORDER BY NAME");
}

void createEmptyFile(const QString& path)
{
    records::Database::create(path,
                              QStringLiteral("CREATE TABLE ITEMS (LABEL TEXT, NAME TEXT, VENDOR TEXT, "
                                             "CODE TEXT, PLACE TEXT, AMOUNT TEXT, WEIGHT TEXT, SIZE TEXT, "
                                             "COLOR TEXT, GRADE TEXT, NOTES TEXT, REMARKS TEXT);"));
}

Row item(const QString& name, const QVariant& label, const QVariant& code)
{
    Row row(kColumnCount);
    row[LABEL] = label;
    row[NAME] = name;
    row[CODE] = code;
    row[VENDOR] = QStringLiteral("Sigma-Aldrich");
    row[PLACE] = QStringLiteral("Cabinet 1");
    return row;
}

TempTable::TempTable(const std::vector<Row>& rows)
{
    createEmptyFile(path());
    insert(rows);
}

QString TempTable::path() const
{
    return dir_.path() + QStringLiteral("/items.db");
}

void TempTable::insert(const std::vector<Row>& rows) const
{
    if (rows.empty())
        return;
    auto db = records::Database::open(path());
    db->write([&] {
        records::Statement insert(*db, QStringLiteral("INSERT INTO ITEMS VALUES (?1,?2,?3,?4,?5,?6,?7,?8,?9,"
                                                      "?10,?11,?12)"));
        for (const Row& row : rows) {
            records::Statement::Reset done(insert);
            for (int i = 0; i < kColumnCount; ++i)
                insert.bind(i + 1,
                            i < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(i)] : QVariant());
            insert.step();
        }
    });
}

std::vector<Row> TempTable::rows() const
{
    auto db = records::Database::open(path());
    records::Statement all(*db, QStringLiteral("SELECT * FROM ITEMS ORDER BY rowid"));
    records::Statement::Reset done(all);
    std::vector<Row> out;
    while (all.step()) {
        Row row;
        for (int i = 0; i < kColumnCount; ++i)
            row.push_back(all.value(i));
        out.push_back(row);
    }
    return out;
}

QStringList TempTable::column(int ordinal) const
{
    QStringList values;
    for (const Row& row : rows())
        values.append(row[static_cast<std::size_t>(ordinal)].toString());
    return values;
}

} // namespace items
