#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <array>
#include <vector>

// The platform tests' own table: twelve text columns, two of them for several lines,
// ordered by NAME. The engine knows nothing of it, as it knows nothing of chemicals.
namespace items {

enum Ordinal : int
{
    LABEL = 0,
    NAME = 1,
    VENDOR = 2,
    CODE = 3,
    PLACE = 4,
    AMOUNT = 5,
    WEIGHT = 6,
    SIZE = 7,
    COLOR = 8,
    GRADE = 9,
    NOTES = 10,
    REMARKS = 11,
};

struct Column
{
    int ordinal;
    const char* name;
    bool multiLine;
};

inline constexpr int kColumnCount = 12;
extern const std::array<Column, kColumnCount> kColumns;

QString tableSource();  // "Items", the bare table
QString recordSource(); // "SELECT * FROM ITEMS ORDER BY NAME"
// Makes a new file holding the empty table; refuses to overwrite one.
void createEmptyFile(const QString& path);

// One row by ordinal; missing trailing values are Null.
using Row = std::vector<QVariant>;
// A row with the name, label and code set, and a vendor and place.
Row item(const QString& name, const QVariant& label = {}, const QVariant& code = {});

// A temporary folder holding a file of the table with the rows given.
class TempTable
{
public:
    explicit TempTable(const std::vector<Row>& rows = {});

    bool isValid() const { return dir_.isValid(); }
    QString folder() const { return dir_.path(); }
    QString path() const; // folder + "/items.db"

    // Rows as they stand in the file now, ordered by rowid; each has 12 values.
    std::vector<Row> rows() const;
    // A column of every row, ordered by rowid.
    QStringList column(int ordinal) const;
    void insert(const std::vector<Row>& rows) const;

private:
    QTemporaryDir dir_;
};

} // namespace items
