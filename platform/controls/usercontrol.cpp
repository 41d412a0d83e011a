#include "platform/controls/usercontrol.h"

#include "platform/controls/hyperlink.h"
#include "platform/forms/errors.h"
#include "platform/forms/twips.h"

#include <QShowEvent>

#include <vector>

namespace controls {

void HyperlinkRef::NavigateTo(const QString& target, const QString& location, const QString& frameName) const
{
    // A control created outside a container still opens addresses the safe way.
    if (site_)
        site_->NavigateTo(target, location, frameName);
    else
        navigate(target, location, frameName);
}

UserControl::UserControl(QWidget* parent) : QWidget(parent) {}

UserControl::~UserControl() = default;

int UserControl::advise(EventSink sink)
{
    const int cookie = nextCookie_++;
    sinks_.emplace(cookie, std::move(sink));
    return cookie;
}

void UserControl::unadvise(int cookie)
{
    sinks_.erase(cookie);
}

int UserControl::Width() const
{
    return forms::twips(width());
}
int UserControl::Height() const
{
    return forms::twips(height());
}

void UserControl::PropertyChanged(const QString& name)
{
    if (site_)
        site_->PropertyChanged(name);
}

void UserControl::RaiseEvent(DispId id, const QVariantList& args)
{
    // A sink may connect or disconnect others while it runs.
    std::vector<EventSink> sinks;
    for (const auto& [cookie, sink] : sinks_)
        sinks.push_back(sink);
    for (const EventSink& sink : sinks)
        sink(id, args);
}

void UserControl::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        forms::guarded([this] { UserControl_Show(); });
}

void UserControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    forms::guarded([this] { UserControl_Resize(); });
}

} // namespace controls
