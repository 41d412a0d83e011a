#pragma once

#include <QList>
#include <QString>
#include <QUuid>

#include <cstdint>

namespace controls {

using DispId = std::int32_t;

// The standard member numbers a container knows without asking the type library.
inline constexpr DispId kDispIdAboutBox = -552;

// The value types a member takes or gives. Variant passes any value unchanged; the
// others are converted on the way in, so that a wrong value fails before the member runs.
enum class VarType
{
    Void,
    Variant,
    Boolean,  // True is -1 where a number is asked for
    Integer,  // 16-bit signed
    Long,     // 32-bit signed
    OleColor, // 32-bit, 0x00BBGGRR
    String,
};

enum class InvokeKind : int
{
    Method = 1,
    PropertyGet = 2,
    PropertyPut = 4,
};

// One function of an interface: a method, or one half (get or put) of a property.
struct FuncInfo
{
    QString name;
    DispId dispid = 0;
    InvokeKind kind = InvokeKind::Method;
    VarType type = VarType::Void; // the value of a get, the argument of a put
};

// Interface flags as a type library records them.
enum InterfaceFlag : quint32
{
    Hidden = 0x2,
    Dual = 0x40,
    NonExtensible = 0x80,
    OleAutomation = 0x100,
    Dispatchable = 0x1000,
};

struct InterfaceInfo
{
    QString name;
    QUuid iid;
    quint32 flags = 0;
    bool source = false;       // an event interface: the control calls it, the host implements it
    QList<FuncInfo> functions; // in slot order; get and put of one property are adjacent, the get first

    // Case-insensitive, as hosts and scripts spell member names as they like.
    const FuncInfo* find(const QString& member, InvokeKind kind) const;
    const FuncInfo* find(DispId id, InvokeKind kind) const;
    // Any function with that name or number, whatever its kind.
    const FuncInfo* findAny(const QString& member) const;
    const FuncInfo* findAny(DispId id) const;

    // The members in slot order, each named once (a property's get and put are one member).
    QStringList memberNames() const;
};

struct TypeLibraryInfo
{
    QString name;
    QUuid libid;
    int major = 0;
    int minor = 0;
    QString description;
    QList<const InterfaceInfo*> interfaces;

    QString version() const { return QStringLiteral("%1.%2").arg(major).arg(minor); }
};

} // namespace controls
