#pragma once

#include "platform/controls/dispatch.h"
#include "platform/controls/propertybag.h"

#include <QWidget>

#include <functional>
#include <map>

namespace controls {

// What the container offers the control placed in it.
class ControlSite
{
public:
    virtual ~ControlSite() = default;
    // The saved state changed; a design environment then offers to save it.
    virtual void PropertyChanged(const QString& name) = 0;
    virtual void NavigateTo(const QString& target, const QString& location, const QString& frameName) = 0;
};

// The container's hyperlink service as a control reaches it: Hyperlink().NavigateTo(...).
class HyperlinkRef
{
public:
    explicit HyperlinkRef(ControlSite* site) : site_(site) {}
    void NavigateTo(const QString& target, const QString& location = {}, const QString& frameName = {}) const;

private:
    ControlSite* site_;
};

// The base of a control class in a control library. The widget is the control's area in
// its container; the control places its constituent controls in it. The container
// drives the UserControl_ operations; Show and Resize follow the widget's own events.
class UserControl : public QWidget, public Dispatch
{
    Q_OBJECT
public:
    explicit UserControl(QWidget* parent);
    ~UserControl() override;

    // The interface of the control's events, or null when it raises none.
    virtual const InterfaceInfo* eventInfo() const { return nullptr; }

    // The container's side. The site is set before initialisation and outlives the control's use of it.
    void setSite(ControlSite* site) { site_ = site; }
    ControlSite* site() const { return site_; }

    virtual void UserControl_Initialize() {}
    virtual void UserControl_ReadProperties(const PropertyBag& PropBag) { (void)PropBag; }
    virtual void UserControl_WriteProperties(PropertyBag& PropBag) { (void)PropBag; }

    using EventSink = std::function<void(DispId id, const QVariantList& args)>;
    int advise(EventSink sink);
    void unadvise(int cookie);

    // The control's size in twips.
    int Width() const;
    int Height() const;

protected:
    virtual void UserControl_Show() {}
    virtual void UserControl_Resize() {}

    void PropertyChanged(const QString& name);
    HyperlinkRef Hyperlink() const { return HyperlinkRef(site_); }
    // Calls every connected sink in turn; an error in a sink ends the raising handler.
    void RaiseEvent(DispId id, const QVariantList& args = {});

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ControlSite* site_ = nullptr;
    std::map<int, EventSink> sinks_;
    int nextCookie_ = 1;
};

} // namespace controls
