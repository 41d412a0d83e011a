#include "platform/controls/propertypage.h"

#include "platform/controls/errors.h"

#include <QCoreApplication>

namespace controls {

Dispatch& SelectedObjects::operator()(int index) const
{
    if (index < 0 || index >= objects_.size())
        throw ControlError(
            NoSelectedControl,
            objects_.isEmpty()
                ? QCoreApplication::translate("controls", "No control is selected. Select a control first.")
                : QCoreApplication::translate("controls", "Only %1 control(s) are selected, not %2.")
                      .arg(objects_.size())
                      .arg(index + 1));
    return *objects_[index];
}

PropertyPage::PropertyPage(QWidget* parent) : QWidget(parent) {}

PropertyPage::~PropertyPage() = default;

void PropertyPage::setChanged(bool changed)
{
    if (changed == changed_)
        return;
    changed_ = changed;
    emit changedChanged(changed);
}

} // namespace controls
