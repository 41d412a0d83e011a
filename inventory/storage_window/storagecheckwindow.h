#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeView;

namespace storage_window {

class StorageReportModel;

// The Storage Check window: per storing place, the chemicals that must be kept apart by
// their storage groups and those whose group cannot be told, each with its reason.
// Choosing a chemical (Enter, a double click or Show in Main Window) asks for it to be
// shown where the records are edited.
class StorageCheckWindow final : public QWidget
{
    Q_OBJECT
public:
    // inventory: the file to check; it is read afresh by each Refresh.
    explicit StorageCheckWindow(const QString& inventory, QWidget* parent = nullptr);
    ~StorageCheckWindow() override;

    // Reads the inventory and checks it again. Throws the engine's errors.
    void refresh();

    QTreeView* tree() const { return tree_; }
    StorageReportModel* model() const { return model_; }
    QLabel* summary() const { return summary_; }
    QPushButton* showButton() const { return show_; }
    QPushButton* refreshButton() const { return refresh_; }

signals:
    void chemicalChosen(qint64 rowid);

private:
    void chooseCurrent();
    void currentChanged();

    QString inventory_;
    QLabel* summary_;
    QTreeView* tree_;
    StorageReportModel* model_;
    QPushButton* show_;
    QPushButton* refresh_;
    QPushButton* close_;
};

} // namespace storage_window
