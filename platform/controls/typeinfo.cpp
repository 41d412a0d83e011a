#include "platform/controls/typeinfo.h"

#include <QStringList>

namespace controls {

const FuncInfo* InterfaceInfo::find(const QString& member, InvokeKind kind) const
{
    for (const FuncInfo& f : functions)
        if (f.kind == kind && f.name.compare(member, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const FuncInfo* InterfaceInfo::find(DispId id, InvokeKind kind) const
{
    for (const FuncInfo& f : functions)
        if (f.kind == kind && f.dispid == id)
            return &f;
    return nullptr;
}

const FuncInfo* InterfaceInfo::findAny(const QString& member) const
{
    for (const FuncInfo& f : functions)
        if (f.name.compare(member, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const FuncInfo* InterfaceInfo::findAny(DispId id) const
{
    for (const FuncInfo& f : functions)
        if (f.dispid == id)
            return &f;
    return nullptr;
}

QStringList InterfaceInfo::memberNames() const
{
    QStringList names;
    for (const FuncInfo& f : functions)
        if (names.isEmpty() || names.last() != f.name)
            names.append(f.name);
    return names;
}

} // namespace controls
