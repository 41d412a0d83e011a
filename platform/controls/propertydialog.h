#pragma once

#include "platform/controls/dispatch.h"

#include <QDialog>
#include <QList>
#include <QUuid>

class QPushButton;
class QTabWidget;

namespace controls {

class ControlInstance;
class PropertyPage;

// A small design environment: the property pages of the selected controls, one tab
// each, with OK, Cancel and Apply. Apply is enabled while a page holds changes; it
// applies the pages that do. The selected controls must outlive the dialog.
class PropertyDialog final : public QDialog
{
    Q_OBJECT
public:
    // The pages the first control's class names, over all the selected controls.
    explicit PropertyDialog(const QList<ControlInstance*>& selection, QWidget* parent = nullptr);
    PropertyDialog(const QList<QUuid>& pages, const QList<Dispatch*>& selection, QWidget* parent = nullptr);
    ~PropertyDialog() override;

    int pageCount() const { return static_cast<int>(pages_.size()); }
    PropertyPage* page(int index) const { return pages_.at(index); }
    QTabWidget* tabs() const { return tabs_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* applyButton() const { return apply_; }

    // Applies every changed page; false when one of them failed (the user was told).
    bool apply();
    // Hands a new selection to every page.
    void setSelection(const QList<Dispatch*>& selection);

private:
    void build(const QList<QUuid>& pages);
    void updateApply();

    QList<Dispatch*> selection_;
    QList<PropertyPage*> pages_;
    QTabWidget* tabs_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
};

} // namespace controls
