#include "hyperlink/typelib.h"

namespace zorbel {

using controls::FuncInfo;
using controls::InterfaceInfo;
using controls::InvokeKind;
using controls::VarType;

namespace {

constexpr quint32 kDualFlags = controls::Hidden | controls::Dual | controls::NonExtensible |
                               controls::OleAutomation | controls::Dispatchable;

// A property's get and let, adjacent and the get first.
void property(QList<FuncInfo>& into, const char* name, controls::DispId id, VarType type)
{
    into.append({QString::fromLatin1(name), id, InvokeKind::PropertyGet, type});
    into.append({QString::fromLatin1(name), id, InvokeKind::PropertyPut, type});
}

} // namespace

const InterfaceInfo& linkInterface()
{
    static const InterfaceInfo info = [] {
        InterfaceInfo i{QStringLiteral("_link"), kLinkIid, kDualFlags, false, {}};
        property(i.functions, "url", DispUrl, VarType::Variant);
        property(i.functions, "caption", DispCaption, VarType::Variant);
        i.functions.append(
            {QStringLiteral("ShowAboutBox"), DispShowAboutBox, InvokeKind::Method, VarType::Void});
        property(i.functions, "enable", DispEnable, VarType::Boolean);
        property(i.functions, "font_size", DispFontSize, VarType::Integer);
        property(i.functions, "bold", DispBold, VarType::Boolean);
        property(i.functions, "style", DispStyle, VarType::Variant);
        property(i.functions, "Color", DispColor, VarType::OleColor);
        return i;
    }();
    return info;
}

const InterfaceInfo& linkEventInterface()
{
    static const InterfaceInfo info{
        QStringLiteral("__link"),
        kLinkEventsIid,
        controls::Hidden | controls::NonExtensible | controls::Dispatchable,
        true,
        {{QStringLiteral("Click"), EventClick, InvokeKind::Method, VarType::Void}}};
    return info;
}

const InterfaceInfo& linkStyleInterface()
{
    static const InterfaceInfo info{QStringLiteral("_Link_style"), kLinkStyleIid, kDualFlags, false, {}};
    return info;
}

} // namespace zorbel
