#pragma once

#include "platform/controls/hyperlink.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

namespace controls {

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
