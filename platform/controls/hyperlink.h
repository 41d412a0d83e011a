#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
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

// A service for tests: records every address and opens nothing.
class RecordingHyperlinkService final : public HyperlinkService
{
public:
    struct Navigation
    {
        QString target;
        QString location;
        QString frameName;
    };

    void NavigateTo(const QUrl& target, const QString& location, const QString& frameName) override;

    const QList<Navigation>& navigations() const { return navigations_; }
    QStringList targets() const;
    void clear() { navigations_.clear(); }
    // Runs while the address is "opened", to look at the screen at that moment.
    void onNavigate(std::function<void(const Navigation&)> fn) { onNavigate_ = std::move(fn); }
    // Makes every navigation fail with this number and text, as a missing browser does.
    void failWith(int number, const QString& text)
    {
        failNumber_ = number;
        failText_ = text;
    }

private:
    QList<Navigation> navigations_;
    std::function<void(const Navigation&)> onNavigate_;
    int failNumber_ = 0;
    QString failText_;
};

// Installs a recording service for the lifetime of this object.
class ScopedRecordingHyperlink
{
public:
    ScopedRecordingHyperlink();
    ~ScopedRecordingHyperlink();
    ScopedRecordingHyperlink(const ScopedRecordingHyperlink&) = delete;
    ScopedRecordingHyperlink& operator=(const ScopedRecordingHyperlink&) = delete;

    RecordingHyperlinkService* operator->() { return service_; }
    RecordingHyperlinkService& operator*() { return *service_; }

private:
    RecordingHyperlinkService* service_;
    std::unique_ptr<HyperlinkService> previous_;
};

} // namespace controls
