#include "platform/forms/listbox.h"

#include <QItemSelectionModel>
#include <QStringListModel>

namespace forms {

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(new QStringListModel(this))
{
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Lay out the first entries at once and the rest a batch per event-loop pass, so a long list
    // shows without the wait of placing every entry.
    setLayoutMode(QListView::Batched);
    setBatchSize(1000);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                emit currentRowChanged(current.isValid() ? current.row() : -1);
            });
}

int ListBox::count() const
{
    return model_->rowCount();
}

QString ListBox::text(int row) const
{
    return model_->index(row).data().toString();
}

void ListBox::setItems(const QStringList& items)
{
    model_->setStringList(items);
}

void ListBox::clear()
{
    model_->setStringList({});
}

int ListBox::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListBox::setCurrentRow(int row)
{
    setCurrentIndex(model_->index(row));
}

QRect ListBox::visualItemRect(int row) const
{
    return visualRect(model_->index(row));
}

void ListBox::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // An entry not yet placed has no place to scroll to: place the first batch, and when the entry
    // lies beyond it, all of them.
    if (index.isValid() && visualRect(index).isEmpty()) {
        doItemsLayout();
        if (visualRect(index).isEmpty()) {
            setLayoutMode(QListView::SinglePass);
            doItemsLayout();
            setLayoutMode(QListView::Batched);
        }
    }
    QListView::scrollTo(index, hint);
}

} // namespace forms
