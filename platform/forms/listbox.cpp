#include "platform/forms/listbox.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>

namespace forms {

// The entries: a string list, or a count and the function that makes each entry's text.
class ListBox::Entries final : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void set(int count, std::function<QString(int)> entry)
    {
        beginResetModel();
        count_ = count;
        entry_ = std::move(entry);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : count_; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= count_ || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return entry_(index.row());
    }

private:
    int count_ = 0;
    std::function<QString(int)> entry_;
};

ListBox::ListBox(QWidget* parent) : QListView(parent), model_(new Entries(this))
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
    return model_->index(row, 0).data().toString();
}

void ListBox::setItems(const QStringList& items)
{
    model_->set(static_cast<int>(items.size()), [items](int row) { return items.at(row); });
}

void ListBox::setEntries(int count, std::function<QString(int)> entry)
{
    model_->set(count, std::move(entry));
}

void ListBox::clear()
{
    model_->set(0, {});
}

int ListBox::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListBox::setCurrentRow(int row)
{
    setCurrentIndex(model_->index(row, 0));
}

QRect ListBox::visualItemRect(int row) const
{
    return visualRect(model_->index(row, 0));
}

void ListBox::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // An entry not yet placed has no place to scroll to: place the first batch, and when the entry
    // lies beyond it, all of them. An entry of the first batch is at the top, where a new list
    // opens, and is placed with its batch at the next pass of the event loop (a batch layout
    // of the list before may still be under way): placing a long list at once for it would only
    // hold the window up.
    if (index.isValid() && visualRect(index).isEmpty()) {
        doItemsLayout();
        if (visualRect(index).isEmpty() && index.row() >= batchSize()) {
            setLayoutMode(QListView::SinglePass);
            doItemsLayout();
            setLayoutMode(QListView::Batched);
        }
    }
    QListView::scrollTo(index, hint);
}

} // namespace forms
