#pragma once

#include <QListView>
#include <QStringList>

#include <functional>

namespace forms {

// A single-choice list box whose entries live in one string list, or are made when shown:
// filling it with a million entries costs no item object each, and entries made on demand
// cost nothing until they are painted.
class ListBox final : public QListView
{
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    int count() const;
    QString text(int row) const;
    void setItems(const QStringList& items);
    // count entries whose texts entry(row) gives when they are shown.
    void setEntries(int count, std::function<QString(int row)> entry);
    void clear();

    // -1 with no current entry.
    int currentRow() const;
    void setCurrentRow(int row);
    QRect visualItemRect(int row) const;

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    void currentRowChanged(int row);

private:
    class Entries;
    Entries* model_;
};

} // namespace forms
