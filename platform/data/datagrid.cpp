#include "platform/data/datagrid.h"

#include "platform/data/recordset.h"
#include "platform/forms/errors.h"
#include "platform/forms/twips.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace records {

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), model_(new RecordsetModel(this))
{
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    // Tab and Shift+Tab go on to the window's other controls; the arrow keys, and Ctrl+Tab
    // and Ctrl+Shift+Tab, move between the cells.
    setTabKeyNavigation(false);
    // Rows of one height: a million of them are placed without measuring one.
    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);
    rows->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("\u25B6")) + 8);
    rows->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
}

void DataGrid::setCaptions(const QStringList& captions)
{
    captions_ = captions;
}

void DataGrid::setColumnWidthTwips(int column, int twips)
{
    if (column < 0)
        return;
    if (widths_.size() <= static_cast<std::size_t>(column))
        widths_.resize(static_cast<std::size_t>(column) + 1, 0);
    widths_[static_cast<std::size_t>(column)] = twips;
    if (column < model_->columnCount())
        setColumnWidth(column, forms::px(twips));
}

QString DataGrid::missingColumn(const Recordset& rs) const
{
    for (const QString& field : dataFields_)
        if (rs.ordinalOf(field) < 0)
            return field;
    return {};
}

void DataGrid::showRecordset(Recordset* rs)
{
    rs_ = rs;
    std::vector<RecordsetModel::Column> columns;
    if (rs) {
        for (qsizetype i = 0; i < dataFields_.size(); ++i)
            columns.push_back({captions_.value(i, dataFields_.at(i)), rs->ordinalOf(dataFields_.at(i))});
    }
    following_ = true;
    model_->setRecordset(rs, std::move(columns));
    following_ = false;
    for (std::size_t c = 0; c < widths_.size(); ++c)
        if (widths_[c] > 0)
            setColumnWidth(static_cast<int>(c), forms::px(widths_[c]));
}

void DataGrid::showCurrent(int position)
{
    model_->recount();
    model_->setCurrentRow(position);
    if (position < 0 || position >= model_->rowCount())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    const QModelIndex target = model_->index(position, column);
    following_ = true;
    if (currentIndex().row() != position)
        setCurrentIndex(target);
    scrollTo(target);
    following_ = false;
}

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!tab || !event->modifiers().testFlag(Qt::ControlModifier)) {
        QTableView::keyPressEvent(event);
        return;
    }
    const bool back = event->key() == Qt::Key_Backtab || event->modifiers().testFlag(Qt::ShiftModifier);
    const QModelIndex next = moveCursor(back ? MovePrevious : MoveNext, Qt::NoModifier);
    if (next.isValid())
        setCurrentIndex(next);
    event->accept();
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (following_ || !rs_ || !current.isValid() || current.row() == previous.row())
        return;
    // A row picked in the grid becomes the current record.
    if (rs_->AbsolutePosition() != current.row())
        forms::guarded([&] { rs_->setAbsolutePosition(current.row()); });
}

} // namespace records
