#include "platform/controls/propertydialog.h"

#include "platform/controls/host.h"
#include "platform/controls/propertypage.h"
#include "platform/forms/errors.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace controls {

namespace {

QList<Dispatch*> dispatchesOf(const QList<ControlInstance*>& selection)
{
    QList<Dispatch*> out;
    for (ControlInstance* c : selection)
        if (c && c->widget())
            out.append(&c->dispatch());
    return out;
}

QList<QUuid> pagesOf(const QList<ControlInstance*>& selection)
{
    return selection.isEmpty() || !selection.first() ? QList<QUuid>{}
                                                     : selection.first()->classInfo().propertyPages;
}

} // namespace

PropertyDialog::PropertyDialog(const QList<ControlInstance*>& selection, QWidget* parent)
    : PropertyDialog(pagesOf(selection), dispatchesOf(selection), parent)
{}

PropertyDialog::PropertyDialog(const QList<QUuid>& pages, const QList<Dispatch*>& selection, QWidget* parent)
    : QDialog(parent), selection_(selection)
{
    setWindowTitle(QCoreApplication::translate("controls", "Property Pages"));
    build(pages);
    setSelection(selection);
}

PropertyDialog::~PropertyDialog() = default;

void PropertyDialog::build(const QList<QUuid>& pages)
{
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    apply_ = buttons->addButton(QDialogButtonBox::Apply);
    layout->addWidget(buttons);

    for (const QUuid& clsid : pages) {
        // A page that cannot be made is reported and left out; the others still work.
        forms::guarded([&] {
            PropertyPage* page = createPropertyPage(clsid, tabs_);
            // Pages are laid out at fixed positions: the tab keeps at least their size.
            page->setMinimumSize(page->size());
            tabs_->addTab(page, page->Caption());
            pages_.append(page);
            connect(page, &PropertyPage::changedChanged, this, &PropertyDialog::updateApply);
        });
    }

    connect(apply_, &QPushButton::clicked, this, [this] { apply(); });
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (apply())
            accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    updateApply();
}

void PropertyDialog::setSelection(const QList<Dispatch*>& selection)
{
    selection_ = selection;
    for (PropertyPage* page : pages_) {
        page->setSelectedControls(selection_);
        forms::guarded([page] { page->PropertyPage_SelectionChanged(); });
    }
}

bool PropertyDialog::apply()
{
    bool allApplied = true;
    for (PropertyPage* page : pages_) {
        if (!page->Changed())
            continue;
        if (forms::guarded([page] { page->PropertyPage_ApplyChanges(); }))
            page->setChanged(false);
        else
            allApplied = false;
    }
    updateApply();
    return allApplied;
}

void PropertyDialog::updateApply()
{
    bool any = false;
    for (const PropertyPage* page : pages_)
        any = any || page->Changed();
    apply_->setEnabled(any);
}

} // namespace controls
