#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <memory>

namespace controls {

// Opens an address for a control. The run-time checks the address first, so a service
// only ever sees an absolute http or https address.
class HyperlinkService
{
public:
    virtual ~HyperlinkService() = default;
    virtual void NavigateTo(const QUrl& target, const QString& location, const QString& frameName) = 0;
};

// The default: the system's web browser. Throws BrowserFailed when none could be started.
class BrowserHyperlinkService final : public HyperlinkService
{
public:
    void NavigateTo(const QUrl& target, const QString& location, const QString& frameName) override;
};

// Replaces the service; returns the one that was installed. Null restores the default.
std::unique_ptr<HyperlinkService> setHyperlinkService(std::unique_ptr<HyperlinkService> service);

// The absolute http or https address in the text; throws AddressRefused for anything
// else (file:, javascript:, data:, a relative path, a program), so nothing is opened.
QUrl webAddress(const QString& target);

// What a control's site does for Hyperlink.NavigateTo: check the address, then hand it
// to the installed service.
void navigate(const QString& target, const QString& location = {}, const QString& frameName = {});

} // namespace controls
