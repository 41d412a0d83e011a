#include "platform/data/recordsetmodel.h"

#include "platform/data/recordset.h"
#include <QCoreApplication>

namespace records {

RecordsetModel::RecordsetModel(QObject* parent) : QAbstractTableModel(parent) {}

void RecordsetModel::setRecordset(const Recordset* rs, std::vector<Column> columns)
{
    beginResetModel();
    rs_ = rs;
    columns_ = std::move(columns);
    rows_ = rs ? rs->RecordCount() : 0;
    current_ = -1;
    endResetModel();
}

void RecordsetModel::recount()
{
    const int rows = rs_ ? rs_->RecordCount() : 0;
    if (rows == rows_)
        return;
    beginResetModel();
    rows_ = rows;
    if (current_ >= rows_)
        current_ = -1;
    endResetModel();
}

void RecordsetModel::setCurrentRow(int row)
{
    if (row < -1 || row >= rows_)
        row = -1;
    if (row == current_)
        return;
    const int before = current_;
    current_ = row;
    if (before >= 0)
        emit headerDataChanged(Qt::Vertical, before, before);
    if (row >= 0)
        emit headerDataChanged(Qt::Vertical, row, row);
}

int RecordsetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int RecordsetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const
{
    if (!rs_ || !index.isValid() || index.row() >= rows_ ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole))
        return {};
    const int ordinal = columns_[static_cast<std::size_t>(index.column())].ordinal;
    try {
        const QVariant value = rs_->valueAt(index.row(), ordinal);
        if (role == Qt::ToolTipRole)
            return {};
        return value.isNull() ? QString() : value.toString();
    } catch (const base::RuntimeError& e) {
        // A row deleted elsewhere shows empty; its tooltip says why. Nothing is thrown
        // out of a paint.
        return role == Qt::ToolTipRole ? QVariant(e.text()) : QVariant(QString());
    }
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if ((role == Qt::DisplayRole || role == Qt::AccessibleTextRole) && section >= 0 &&
            section < columnCount())
            return columns_[static_cast<std::size_t>(section)].caption;
        return {};
    }
    // The record selector: a mark beside the current row, nothing beside the others.
    if (section != current_)
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    if (role == Qt::DisplayRole)
        return QStringLiteral("\u25B6");
    if (role == Qt::AccessibleTextRole)
        return QCoreApplication::translate("records", "Current record");
    return {};
}

Qt::ItemFlags RecordsetModel::flags(const QModelIndex& index) const
{
    // Read-only: nothing can be typed into a cell.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace records
