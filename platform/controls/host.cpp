#include "platform/controls/host.h"

#include "platform/controls/convert.h"
#include "platform/controls/errors.h"
#include "platform/controls/hyperlink.h"
#include "platform/controls/library.h"
#include "platform/controls/propertypage.h"
#include "platform/controls/server.h"
#include "platform/forms/errors.h"
#include "platform/forms/twips.h"

#include <QCoreApplication>

namespace controls {

namespace {

QString classText(const ClassRegistration& c)
{
    return c.progId.isEmpty() ? quoted(c.name) : quoted(c.progId);
}

ClassFactory& classObject(const ClassRegistration& c)
{
    const detail::LoadedLibrary& lib = detail::loadLibrary(c.library);
    void* object = nullptr;
    const ServerResult r = lib.getClassObject(&c.clsid, &kClassFactoryIid, &object);
    if (r == kClassNotAvailable)
        throw ControlError(
            ClassNotAvailable,
            QCoreApplication::translate("controls", "The control library %1 does not provide the class %2. "
                                                    "Register the library again, or build the program again.")
                .arg(quoted(c.library), classText(c)));
    if (r != kOk || !object)
        throw ControlError(WrongInterface,
                           QCoreApplication::translate("controls",
                                                       "The control library %1 did not hand out the class %2 "
                                                       "(0x%3). Build the program again.")
                               .arg(quoted(c.library), classText(c))
                               .arg(static_cast<quint32>(r), 8, 16, QLatin1Char('0')));
    return *static_cast<ClassFactory*>(object);
}

[[noreturn]] void notA(const ClassRegistration& c, const char* what)
{
    throw ControlError(
        WrongInterface,
        QCoreApplication::translate("controls", "The class %1 of %2 is not %3. Check the class named in the "
                                                "design, or register the library again.")
            .arg(classText(c), quoted(c.library), QString::fromLatin1(what)));
}

} // namespace

std::unique_ptr<ControlInstance> makeInstance(const QUuid& clsid, QWidget* parent, const PropertyBag* saved)
{
    auto instance = std::make_unique<ControlInstance>(ControlInstance::Key{});
    instance->class_ = ControlRegistry::classFor(clsid);
    ClassFactory& factory = classObject(instance->class_);
    void* object = nullptr;
    if (factory.CreateInstance(kUserControlIid, parent, &object) != kOk || !object)
        notA(instance->class_, "a control");
    UserControl* control = static_cast<UserControl*>(object);
    instance->control_ = control;

    // The site comes first, so that initialisation can already reach the container.
    control->setSite(instance.get());
    control->UserControl_Initialize();
    if (saved) {
        control->UserControl_ReadProperties(*saved);
        if (saved->contains(kExtentX) && saved->contains(kExtentY))
            instance->setExtentTwips(himetricToTwips(toLong(saved->ReadProperty(kExtentX))),
                                     himetricToTwips(toLong(saved->ReadProperty(kExtentY))));
    }
    control->show();
    return instance;
}

ControlInstance::~ControlInstance()
{
    if (control_) {
        control_->setSite(nullptr);
        delete control_.data();
    }
}

Dispatch& ControlInstance::dispatch() const
{
    return control();
}

UserControl& ControlInstance::control() const
{
    if (!control_)
        throw ControlError(ControlGone,
                           QCoreApplication::translate(
                               "controls", "The control %1 is no longer there: its window was closed.")
                               .arg(classText(class_)));
    return *control_;
}

void ControlInstance::save(PropertyBag& bag) const
{
    UserControl& control = this->control();
    bag.WriteProperty(kExtentX, longValue(twipsToHimetric(control.Width())));
    bag.WriteProperty(kExtentY, longValue(twipsToHimetric(control.Height())));
    control.UserControl_WriteProperties(bag);
}

int ControlInstance::connectEvent(const QString& event, std::function<void(const QVariantList&)> handler)
{
    UserControl& control = this->control();
    const InterfaceInfo* events = control.eventInfo();
    const FuncInfo* f = events ? events->find(event, InvokeKind::Method) : nullptr;
    if (!f)
        throw ControlError(MemberNotFound,
                           QCoreApplication::translate("controls", "The control %1 has no event named %2.")
                               .arg(classText(class_), quoted(event)));
    const DispId id = f->dispid;
    return control.advise([id, handler = std::move(handler)](DispId raised, const QVariantList& args) {
        if (raised == id)
            handler(args);
    });
}

void ControlInstance::disconnectEvent(int id)
{
    if (control_)
        control_->unadvise(id);
}

void ControlInstance::setExtentTwips(int width, int height)
{
    if (control_)
        control_->resize(forms::px(width), forms::px(height));
}

void ControlInstance::PropertyChanged(const QString& name)
{
    changed_.append(name);
    if (onChanged_)
        onChanged_(name);
}

void ControlInstance::NavigateTo(const QString& target, const QString& location, const QString& frameName)
{
    navigate(target, location, frameName);
}

std::unique_ptr<ControlInstance> createControl(const QUuid& clsid, QWidget* parent)
{
    return makeInstance(clsid, parent, nullptr);
}

std::unique_ptr<ControlInstance> createControl(const QUuid& clsid, QWidget* parent, const PropertyBag& saved)
{
    return makeInstance(clsid, parent, &saved);
}

std::unique_ptr<ControlInstance> placeControl(const QString& progId, QWidget* parent,
                                              const PropertyBag& saved, const ControlPlacement& at) noexcept
{
    std::unique_ptr<ControlInstance> made;
    forms::guarded([&] {
        try {
            const QUuid clsid =
                progId.startsWith(QLatin1Char('{')) ? QUuid::fromString(progId) : classIdFromProgId(progId);
            made = createControl(clsid, parent, saved);
        } catch (const base::RuntimeError& e) {
            // Say which of the window's controls is missing, then why.
            throw ControlError(e.number(),
                               QCoreApplication::translate(
                                   "controls", "The control %1 of this window could not be created. %2")
                                   .arg(quoted(progId), e.text()));
        }
        QWidget* w = made->widget();
        w->move(forms::px(at.left), forms::px(at.top));
        if (at.width && at.height)
            made->setExtentTwips(*at.width, *at.height);
    });
    return made;
}

QImage toolboxPicture(const QUuid& clsid)
{
    return classObject(ControlRegistry::classFor(clsid)).ToolboxPicture();
}

std::unique_ptr<ControlInstance> placeControl(const QString& progId, QWidget* parent,
                                              const QString& designFile, const ControlPlacement& at) noexcept
{
    std::optional<PropertyBag> saved;
    forms::guarded([&] { saved = PropertyBag::fromFile(designFile); });
    return saved ? placeControl(progId, parent, *saved, at) : nullptr;
}

PropertyPage* createPropertyPage(const QUuid& clsid, QWidget* parent)
{
    const ClassRegistration c = ControlRegistry::classFor(clsid);
    if (!parent)
        throw ControlError(
            WrongInterface,
            QCoreApplication::translate("controls", "The property page %1 needs a window to be shown in.")
                .arg(classText(c)));
    void* object = nullptr;
    if (classObject(c).CreateInstance(kPropertyPageIid, parent, &object) != kOk || !object)
        notA(c, "a property page");
    return static_cast<PropertyPage*>(object);
}

} // namespace controls
