#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <vector>

namespace testsupport {

// One row of the chemical table by ordinal; missing trailing values are Null.
using Row = std::vector<QVariant>;

// A chemical row with the three searched columns and a few others set.
Row chemical(const QString& nome, const QVariant& aldrich = {}, const QVariant& formula = {});

// A temporary program folder holding an inventory file made from the rows given.
class TempInventory
{
public:
    explicit TempInventory(const std::vector<Row>& rows = {});

    bool isValid() const { return dir_.isValid(); }
    QString folder() const { return dir_.path(); }
    QString path() const; // folder + "/QBData.mdb"

    // Rows as they stand in the file now, ordered by rowid; each has 12 values.
    std::vector<Row> rows() const;
    // A column of every row, ordered by rowid.
    QStringList column(int ordinal) const;
    void insert(const std::vector<Row>& rows) const;
    // The rows added to the inventory file at path, in one write.
    static void insertInto(const QString& path, const std::vector<Row>& rows);

private:
    QTemporaryDir dir_;
};

} // namespace testsupport
