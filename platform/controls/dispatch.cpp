#include "platform/controls/dispatch.h"

#include "platform/controls/convert.h"
#include "platform/controls/errors.h"

#include <QCoreApplication>

namespace controls {

Dispatch::~Dispatch() = default;

DispId Dispatch::idOfName(const QString& name) const
{
    const FuncInfo* f = typeInfo().findAny(name);
    if (!f)
        throw ControlError(MemberNotFound,
                           QCoreApplication::translate("controls", "The object %1 has no member named %2.")
                               .arg(typeInfo().name, quoted(name)));
    return f->dispid;
}

QVariant Dispatch::Invoke(DispId id, InvokeKind kind, const QVariantList& args)
{
    const InterfaceInfo& info = typeInfo();
    const FuncInfo* f = info.find(id, kind);
    if (!f) {
        const FuncInfo* any = info.findAny(id);
        if (!any)
            throw ControlError(MemberNotFound, QCoreApplication::translate(
                                                   "controls", "The object %1 has no member number %2.")
                                                   .arg(info.name)
                                                   .arg(id));
        const QString how = kind == InvokeKind::PropertyGet   ? QStringLiteral("read")
                            : kind == InvokeKind::PropertyPut ? QStringLiteral("set")
                                                              : QStringLiteral("called");
        throw ControlError(AccessNotSupported,
                           QCoreApplication::translate("controls", "The member %1 of %2 cannot be %3.")
                               .arg(quoted(any->name), info.name, how));
    }
    const int wanted = kind == InvokeKind::PropertyPut ? 1 : 0;
    if (args.size() != wanted)
        throw ControlError(WrongArgumentCount,
                           QCoreApplication::translate("controls", "%1 takes %2 argument(s), not %3.")
                               .arg(quoted(f->name))
                               .arg(wanted)
                               .arg(args.size()));
    if (kind == InvokeKind::PropertyPut)
        return invokeMember(*f, {coerce(args.front(), f->type)});
    return invokeMember(*f, args);
}

} // namespace controls
