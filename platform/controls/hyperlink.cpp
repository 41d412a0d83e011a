#include "platform/controls/hyperlink.h"

#include "platform/controls/errors.h"

#include <QCoreApplication>
#include <QDesktopServices>

namespace controls {

namespace {

std::unique_ptr<HyperlinkService>& current()
{
    static std::unique_ptr<HyperlinkService> service = std::make_unique<BrowserHyperlinkService>();
    return service;
}

[[noreturn]] void refuse(const QString& target, const QString& why)
{
    throw ControlError(
        AddressRefused,
        QCoreApplication::translate("controls",
                                    "The address %1 was not opened: %2. Only web addresses that begin with "
                                    "http:// or https:// can be opened.")
            .arg(quoted(target), why));
}

} // namespace

QUrl webAddress(const QString& target)
{
    if (target.isEmpty())
        refuse(target, QCoreApplication::translate("controls", "it is empty"));
    // Strict parsing: spaces, control characters and stray percent signs are refused
    // rather than repaired into some other address.
    const QUrl url(target, QUrl::StrictMode);
    if (!url.isValid())
        refuse(target, QCoreApplication::translate("controls", "it is not a valid address"));
    if (url.isRelative())
        refuse(target, QCoreApplication::translate("controls", "it is not an absolute address"));
    const QString scheme = url.scheme();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        refuse(target, QCoreApplication::translate("controls", "it is not a web address"));
    if (url.host().isEmpty())
        refuse(target, QCoreApplication::translate("controls", "it names no web site"));
    return url;
}

void navigate(const QString& target, const QString& location, const QString& frameName)
{
    const QUrl url = webAddress(target);
    current()->NavigateTo(url, location, frameName);
}

std::unique_ptr<HyperlinkService> setHyperlinkService(std::unique_ptr<HyperlinkService> next)
{
    if (!next)
        next = std::make_unique<BrowserHyperlinkService>();
    std::swap(current(), next);
    return next;
}

void BrowserHyperlinkService::NavigateTo(const QUrl& target, const QString& location, const QString&)
{
    // The browser has no frames of ours to target; a location is a place in the page.
    QUrl url = target;
    if (!location.isEmpty())
        url.setFragment(location);
    if (!QDesktopServices::openUrl(url))
        throw ControlError(BrowserFailed,
                           QCoreApplication::translate("controls",
                                                       "No web browser could be started to open %1. Open the "
                                                       "address in your browser yourself.")
                               .arg(quoted(url.toString())));
}

} // namespace controls
