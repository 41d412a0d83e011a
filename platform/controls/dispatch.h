#pragma once

#include "platform/controls/typeinfo.h"

#include <QVariant>
#include <QVariantList>

namespace controls {

// Members reached by name or number, as hosts, property pages and scripts reach a
// control. The interface's type information says which members exist and what each
// takes; a call is checked and its argument converted before the member runs, so a
// wrong call fails with nothing changed.
class Dispatch
{
public:
    virtual ~Dispatch();

    virtual const InterfaceInfo& typeInfo() const = 0;

    // Throws MemberNotFound for a name the interface does not have.
    DispId idOfName(const QString& name) const;

    QVariant Invoke(DispId id, InvokeKind kind, const QVariantList& args = {});

    QVariant get(const QString& name) { return Invoke(idOfName(name), InvokeKind::PropertyGet); }
    QVariant get(DispId id) { return Invoke(id, InvokeKind::PropertyGet); }
    void put(const QString& name, const QVariant& value)
    {
        Invoke(idOfName(name), InvokeKind::PropertyPut, {value});
    }
    void put(DispId id, const QVariant& value) { Invoke(id, InvokeKind::PropertyPut, {value}); }
    QVariant call(const QString& name, const QVariantList& args = {})
    {
        return Invoke(idOfName(name), InvokeKind::Method, args);
    }
    QVariant call(DispId id, const QVariantList& args = {}) { return Invoke(id, InvokeKind::Method, args); }

protected:
    // Runs one checked function; a put's argument is already of the function's type.
    virtual QVariant invokeMember(const FuncInfo& function, const QVariantList& args) = 0;
};

} // namespace controls
