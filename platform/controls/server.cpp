#include "platform/controls/server.h"

#include "platform/controls/errors.h"
#include "platform/controls/propertypage.h"
#include "platform/controls/registry.h"
#include "platform/controls/usercontrol.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <dlfcn.h>

#include <map>
#include <memory>

namespace controls {

ClassFactory::~ClassFactory() = default;

namespace server {

namespace {

thread_local QString g_lastError;

struct LibraryState
{
    int objects = 0;
    int locks = 0;
    std::map<QUuid, std::unique_ptr<ClassFactory>> factories;
};

// One state per library table; a table lives as long as its library stays loaded.
std::map<const ProjectHeader*, LibraryState>& states()
{
    static std::map<const ProjectHeader*, LibraryState> all;
    return all;
}

class TableFactory final : public ClassFactory
{
public:
    TableFactory(const ClassEntry& entry, LibraryState& state) : entry_(entry), state_(state) {}

    ServerResult CreateInstance(const QUuid& iid, QWidget* parent, void** object) override
    {
        if (!object)
            return kPointer;
        *object = nullptr;
        const bool own = entry_.defaultInterface && iid == entry_.defaultInterface->iid;
        const bool isControl = entry_.kind == ClassEntry::Kind::Control;
        if (!(own || (isControl && iid == kUserControlIid) || (!isControl && iid == kPropertyPageIid)))
            return kNoInterface;
        if (!entry_.create)
            return kClassNotAvailable;
        QWidget* made = entry_.create(parent);
        void* typed = isControl ? static_cast<void*>(dynamic_cast<UserControl*>(made))
                                : static_cast<void*>(dynamic_cast<PropertyPage*>(made));
        if (!typed) {
            delete made;
            return kNoInterface;
        }
        ++state_.objects;
        LibraryState* state = &state_;
        QObject::connect(made, &QObject::destroyed, [state] { --state->objects; });
        *object = typed;
        return kOk;
    }

    ServerResult LockServer(bool lock) override
    {
        state_.locks += lock ? 1 : -1;
        return kOk;
    }

    QImage ToolboxPicture() const override
    {
        return entry_.toolboxPicture ? entry_.toolboxPicture() : QImage();
    }

private:
    const ClassEntry& entry_;
    LibraryState& state_;
};

bool sameAbi(const ProjectHeader& header)
{
    if (header.abi == kServerAbi)
        return true;
    g_lastError = QCoreApplication::translate(
        "controls", "the library was built for another version of the control run-time. Build it again.");
    return false;
}

QString libraryPathOf(const ProjectHeader& header)
{
    Dl_info info{};
    if (dladdr(&header, &info) == 0 || !info.dli_fname)
        throw ControlError(
            RegistrationRefused,
            QCoreApplication::translate("controls", "the library's own file could not be found."));
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
}

} // namespace

ServerResult canUnloadNow(const ProjectHeader& header)
{
    const auto it = states().find(&header);
    if (it == states().end())
        return kOk;
    return it->second.objects == 0 && it->second.locks <= 0 ? kOk : kFalse;
}

ServerResult getClassObject(const ProjectHeader& header, const QUuid* clsid, const QUuid* iid, void** object)
{
    if (!object || !clsid || !iid)
        return kPointer;
    *object = nullptr;
    if (!sameAbi(header))
        return kClassNotAvailable;
    for (const ClassEntry& entry : header.classes) {
        if (entry.clsid != *clsid)
            continue;
        if (*iid != kClassFactoryIid)
            return kNoInterface;
        LibraryState& state = states()[&header];
        auto& factory = state.factories[entry.clsid];
        if (!factory)
            factory = std::make_unique<TableFactory>(entry, state);
        *object = factory.get();
        return kOk;
    }
    return kClassNotAvailable;
}

ServerResult registerServer(const ProjectHeader& header)
{
    g_lastError.clear();
    if (!sameAbi(header))
        return kRegistrationFailed;
    try {
        ControlRegistry::add(header, libraryPathOf(header));
        return kOk;
    } catch (const base::RuntimeError& e) {
        g_lastError = e.text();
        return kRegistrationFailed;
    }
}

ServerResult unregisterServer(const ProjectHeader& header)
{
    g_lastError.clear();
    if (!sameAbi(header))
        return kRegistrationFailed;
    try {
        ControlRegistry::remove(header);
        return kOk;
    } catch (const base::RuntimeError& e) {
        g_lastError = e.text();
        return kRegistrationFailed;
    }
}

QString lastError()
{
    return g_lastError;
}

} // namespace server

} // namespace controls
