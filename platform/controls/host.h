#pragma once

#include "platform/controls/propertybag.h"
#include "platform/controls/registry.h"
#include "platform/controls/usercontrol.h"

#include <QImage>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

// The container's side of the control run-time: a host creates a control by class id,
// places its widget, hands it the saved properties and later asks it to save.
namespace controls {

class PropertyPage;

// One control placed in a host window. The host owns it; the control's widget is a child
// of the host's widget and goes with whichever of the two ends first.
class ControlInstance final : public ControlSite
{
public:
    ~ControlInstance() override;
    ControlInstance(const ControlInstance&) = delete;
    ControlInstance& operator=(const ControlInstance&) = delete;

    // Null once the host's window has destroyed the widget.
    QWidget* widget() const { return control_.data(); }
    const ClassRegistration& classInfo() const { return class_; }

    // The control's default interface; throws ControlGone after its widget was destroyed.
    Dispatch& dispatch() const;
    QVariant get(const QString& name) const { return dispatch().get(name); }
    QVariant get(DispId id) const { return dispatch().get(id); }
    void put(const QString& name, const QVariant& value) const { dispatch().put(name, value); }
    void put(DispId id, const QVariant& value) const { dispatch().put(id, value); }
    QVariant invoke(const QString& name, const QVariantList& args = {}) const
    {
        return dispatch().call(name, args);
    }
    QVariant invoke(DispId id, const QVariantList& args = {}) const { return dispatch().call(id, args); }

    // Writes the container's extent keys and then the control's own properties.
    void save(PropertyBag& bag) const;

    // Connects a handler to an event of the control's event interface, by name ("Click");
    // throws MemberNotFound for an event it does not have. Returns an id for disconnect.
    int connectEvent(const QString& event, std::function<void(const QVariantList& args)> handler);
    void disconnectEvent(int id);

    // Change notifications: the names in order, and a handler called for each.
    const QStringList& changedProperties() const { return changed_; }
    void clearChanged() { changed_.clear(); }
    void onPropertyChanged(std::function<void(const QString& name)> handler)
    {
        onChanged_ = std::move(handler);
    }

    // The size in twips; the control follows it with its resize.
    void setExtentTwips(int width, int height);

    // ControlSite
    void PropertyChanged(const QString& name) override;
    void NavigateTo(const QString& target, const QString& location, const QString& frameName) override;

    // Made by createControl only: the key cannot be had elsewhere.
    class Key
    {
        explicit Key() = default;
        friend std::unique_ptr<ControlInstance> makeInstance(const QUuid&, QWidget*, const PropertyBag*);
    };
    explicit ControlInstance(Key) {}

private:
    friend std::unique_ptr<ControlInstance> makeInstance(const QUuid&, QWidget*, const PropertyBag*);
    UserControl& control() const;

    ClassRegistration class_;
    QPointer<UserControl> control_;
    QStringList changed_;
    std::function<void(const QString&)> onChanged_;
};

// Creates the control of the class, runs its initialisation and, when a saved bag is
// given, its load, and shows it in the parent. Throws a numbered error when the class
// is not registered, its library is missing or is no control library, the class is no
// control, or the saved properties do not load; nothing is left behind then.
std::unique_ptr<ControlInstance> createControl(const QUuid& clsid, QWidget* parent);
std::unique_ptr<ControlInstance> createControl(const QUuid& clsid, QWidget* parent, const PropertyBag& saved);

// Where a host window places a control, in twips. Without a width and height the saved
// bag's extent keys give the size, and without those the control keeps its design size.
struct ControlPlacement
{
    int left = 0;
    int top = 0;
    std::optional<int> width;
    std::optional<int> height;
};

// What a host window does for a control of its design: creates it by programmatic id
// (or class id in braces), loads the saved bag and places it. When the control cannot
// be created the user gets one message, and the window goes on without the control.
std::unique_ptr<ControlInstance> placeControl(const QString& progId, QWidget* parent,
                                              const PropertyBag& saved, const ControlPlacement& at) noexcept;
// The same with the saved properties read from a design file (a path or a Qt resource);
// a file that cannot be read is one message as well.
std::unique_ptr<ControlInstance> placeControl(const QString& progId, QWidget* parent,
                                              const QString& designFile, const ControlPlacement& at) noexcept;

// The class's toolbox picture, as a design environment shows it; null when it has none.
QImage toolboxPicture(const QUuid& clsid);

// Creates a property page of the class as a child of the parent (which owns it).
PropertyPage* createPropertyPage(const QUuid& clsid, QWidget* parent);

} // namespace controls
