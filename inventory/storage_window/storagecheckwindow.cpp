#include "inventory/storage_window/storagecheckwindow.h"

#include "inventory/safety/storagecheck.h"
#include "inventory/storage_window/storagereportmodel.h"
#include "inventory/store/format.h"
#include "platform/data/database.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/screen.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <functional>

namespace storage_window {

namespace {

// Enter on a chemical's line chooses it, as a double click does.
class ReportTree final : public QTreeView
{
public:
    using QTreeView::QTreeView;
    std::function<void()> onEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onEnter) {
            onEnter();
            return;
        }
        QTreeView::keyPressEvent(event);
    }
};

} // namespace

StorageCheckWindow::StorageCheckWindow(const QString& inventory, QWidget* parent)
    : QWidget(parent, Qt::Window), inventory_(inventory)
{
    setObjectName(QStringLiteral("frmStorageCheck"));
    setWindowTitle(QCoreApplication::translate("StorageCheckWindow", "Storage Check"));
    resize(860, 520);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setWordWrap(true);
    summary_->setTextFormat(Qt::PlainText);
    summary_->setAccessibleName(QCoreApplication::translate("StorageCheckWindow", "Summary"));

    auto* tree = new ReportTree(this);
    tree_ = tree;
    tree_->setObjectName(QStringLiteral("tvwReport"));
    tree_->setAccessibleName(
        QCoreApplication::translate("StorageCheckWindow", "Places and chemicals to check"));
    tree_->setAccessibleDescription(
        QCoreApplication::translate("StorageCheckWindow", "Enter on a chemical shows it in the main window"));
    tree_->setUniformRowHeights(true);
    tree_->setAlternatingRowColors(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    model_ = new StorageReportModel(this);
    tree_->setModel(model_);
    tree_->header()->setStretchLastSection(true);
    tree_->setColumnWidth(StorageReportModel::WhatColumn, 420);
    tree_->setColumnWidth(StorageReportModel::GroupColumn, 60);
    summary_->setBuddy(tree_);

    show_ = new QPushButton(QCoreApplication::translate("StorageCheckWindow", "&Show in Main Window"), this);
    show_->setObjectName(QStringLiteral("cmdShow"));
    show_->setAccessibleName(QCoreApplication::translate("StorageCheckWindow", "Show in main window"));
    refresh_ = new QPushButton(QCoreApplication::translate("StorageCheckWindow", "&Refresh"), this);
    refresh_->setObjectName(QStringLiteral("cmdRefresh"));
    refresh_->setAccessibleName(QCoreApplication::translate("StorageCheckWindow", "Refresh"));
    close_ = new QPushButton(QCoreApplication::translate("StorageCheckWindow", "&Close"), this);
    close_->setObjectName(QStringLiteral("cmdClose"));
    close_->setAccessibleName(QCoreApplication::translate("StorageCheckWindow", "Close"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(show_);
    buttons->addStretch();
    buttons->addWidget(refresh_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(tree_, 1);
    layout->addLayout(buttons);
    setTabOrder(tree_, show_);
    setTabOrder(show_, refresh_);
    setTabOrder(refresh_, close_);

    tree->onEnter = [this] {
        forms::guarded([this] { chooseCurrent(); });
    };
    connect(tree_, &QTreeView::doubleClicked, this, [this] { forms::guarded([this] { chooseCurrent(); }); });
    connect(show_, &QPushButton::clicked, this, [this] { forms::guarded([this] { chooseCurrent(); }); });
    connect(refresh_, &QPushButton::clicked, this, [this] { forms::guarded([this] { refresh(); }); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(model_, &QAbstractItemModel::modelReset, this, &StorageCheckWindow::currentChanged);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &StorageCheckWindow::currentChanged);
    currentChanged();
}

StorageCheckWindow::~StorageCheckWindow() = default;

void StorageCheckWindow::refresh()
{
    forms::setMousePointer(forms::Pointer::Hourglass);
    struct Restore
    {
        ~Restore() { forms::setMousePointer(forms::Pointer::Default); }
    } restore;
    const auto db = store::openInventory(inventory_, store::openOptions(true));
    const safety::StorageReport report = safety::checkInventory(*db);
    model_->setReport(report);

    const int places = report.placesWithConflicts();
    const std::int64_t unknown = report.unknown();
    QString text =
        places == 0 ? QCoreApplication::translate("StorageCheckWindow",
                                                  "No storing place holds chemicals that must be kept apart.")
        : places == 1
            ? QCoreApplication::translate("StorageCheckWindow",
                                          "1 storing place holds chemicals that must be kept apart.")
            : QCoreApplication::translate("StorageCheckWindow",
                                          "%1 storing places hold chemicals that must be kept apart.")
                  .arg(places);
    text += QLatin1Char(' ');
    text += unknown == 0
                ? QCoreApplication::translate("StorageCheckWindow", "Every chemical has a storage group.")
            : unknown == 1 ? QCoreApplication::translate(
                                 "StorageCheckWindow",
                                 "1 chemical has no storage group that its record tells; set it with a line "
                                 "\"Storage group: F\" in its hazards.")
                           : QCoreApplication::translate(
                                 "StorageCheckWindow",
                                 "%1 chemicals have no storage group that their records tell; set one with "
                                 "a line \"Storage group: F\" in the hazards.")
                                 .arg(unknown);
    text += QCoreApplication::translate(
        "StorageCheckWindow", " Groups and chart: Prudent Practices in the Laboratory (2011), chapter 5.");
    summary_->setText(text);
    tree_->setAccessibleDescription(text);
    tree_->expandAll();
    if (model_->rowCount() > 0)
        tree_->setCurrentIndex(model_->index(0, 0));
}

void StorageCheckWindow::currentChanged()
{
    show_->setEnabled(model_->rowidAt(tree_->currentIndex()).has_value());
}

void StorageCheckWindow::chooseCurrent()
{
    if (const auto rowid = model_->rowidAt(tree_->currentIndex()))
        emit chemicalChosen(*rowid);
}

} // namespace storage_window
