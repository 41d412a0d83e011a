#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace records {

class Recordset;

// A record set's rows by position as a table for Qt's views. It reads only the cells a
// view asks for, the ones it paints, and never moves the cursor. The vertical header marks
// the current row (the record selector).
class RecordsetModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Column
    {
        QString caption;
        int ordinal;
    };

    explicit RecordsetModel(QObject* parent = nullptr);

    // Shows another record set (null: none); the model is reset.
    void setRecordset(const Recordset* rs, std::vector<Column> columns);
    // Follows rows the cursor added or deleted since it was shown.
    void recount();
    // The row the record selector marks; -1 for none.
    void setCurrentRow(int row);
    int currentRow() const { return current_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const Recordset* rs_ = nullptr;
    std::vector<Column> columns_;
    int rows_ = 0;
    int current_ = -1;
};

} // namespace records
