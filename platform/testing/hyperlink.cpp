#include "platform/testing/hyperlink.h"

#include "platform/controls/errors.h"

namespace controls {

void RecordingHyperlinkService::NavigateTo(const QUrl& target, const QString& location,
                                           const QString& frameName)
{
    if (failNumber_ != 0)
        throw ControlError(failNumber_, failText_);
    navigations_.append({target.toString(), location, frameName});
    if (onNavigate_)
        onNavigate_(navigations_.last());
}

QStringList RecordingHyperlinkService::targets() const
{
    QStringList out;
    for (const Navigation& n : navigations_)
        out.append(n.target);
    return out;
}

ScopedRecordingHyperlink::ScopedRecordingHyperlink()
{
    auto service = std::make_unique<RecordingHyperlinkService>();
    service_ = service.get();
    previous_ = setHyperlinkService(std::move(service));
}

ScopedRecordingHyperlink::~ScopedRecordingHyperlink()
{
    setHyperlinkService(std::move(previous_));
}

} // namespace controls
