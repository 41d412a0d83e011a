#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

namespace forms {

// A single-choice list box whose entries live in one string list: filling it with a hundred
// thousand entries costs a list copy, not an item object each.
class ListBox final : public QListView
{
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    int count() const;
    QString text(int row) const;
    void setItems(const QStringList& items);
    void clear();

    // -1 with no current entry.
    int currentRow() const;
    void setCurrentRow(int row);
    QRect visualItemRect(int row) const;

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    void currentRowChanged(int row);

private:
    QStringListModel* model_;
};

} // namespace forms
