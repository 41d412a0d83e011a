// The library's registration table and its four entry points.
#include "hyperlink/link.h"
#include "hyperlink/link_style.h"
#include "hyperlink/pictures.h"
#include "hyperlink/typelib.h"
#include "platform/controls/server.h"

namespace zorbel {

namespace {

QWidget* createLink(QWidget* parent)
{
    return new link(parent);
}
QWidget* createLinkStyle(QWidget* parent)
{
    return new Link_style(parent);
}

const controls::ProjectHeader& projectHeader()
{
    static const controls::ProjectHeader header = [] {
        controls::ProjectHeader h;
        h.typeLibrary.name = QStringLiteral("Zorbel");
        h.typeLibrary.libid = kTypeLibraryId;
        h.typeLibrary.major = kVersionMajor;
        h.typeLibrary.minor = kVersionMinor;
        h.typeLibrary.description = QStringLiteral("Zorbel");
        h.typeLibrary.interfaces = {&linkInterface(), &linkEventInterface(), &linkStyleInterface()};

        controls::ClassEntry linkClass;
        linkClass.kind = controls::ClassEntry::Kind::Control;
        linkClass.name = QStringLiteral("link");
        linkClass.clsid = kLinkClsid;
        linkClass.defaultInterface = &linkInterface();
        linkClass.eventInterface = &linkEventInterface();
        linkClass.miscStatus = controls::RecomposeOnResize | controls::CantLinkInside | controls::InsideOut |
                               controls::ActivateWhenVisible | controls::Alignable |
                               controls::SetClientSiteFirst;
        linkClass.toolboxBitmap = 30000;
        linkClass.toolboxPicture = &toolboxImage;
        linkClass.propertyPages = {kLinkStyleClsid};
        linkClass.create = &createLink;

        controls::ClassEntry pageClass;
        pageClass.kind = controls::ClassEntry::Kind::PropertyPage;
        pageClass.name = QStringLiteral("Link_style");
        pageClass.clsid = kLinkStyleClsid;
        pageClass.defaultInterface = &linkStyleInterface();
        pageClass.create = &createLinkStyle;

        h.classes = {linkClass, pageClass};
        h.versionInfo = {{QStringLiteral("FileDescription"), QStringLiteral("ActiveX control")},
                         {QStringLiteral("FileVersion"), QStringLiteral("2.00")},
                         {QStringLiteral("ProductVersion"), QStringLiteral("2.00")},
                         {QStringLiteral("InternalName"), QStringLiteral("Zorbel")},
                         {QStringLiteral("OriginalFilename"), QStringLiteral("Zorbel.ocx")},
                         {QStringLiteral("ProductName"), QStringLiteral("Zorbel")},
                         {QStringLiteral("OLESelfRegister"), QString()}};
        return h;
    }();
    return header;
}

} // namespace

} // namespace zorbel

extern "C" {

Q_DECL_EXPORT controls::ServerResult DllCanUnloadNow()
{
    return controls::server::canUnloadNow(zorbel::projectHeader());
}

Q_DECL_EXPORT controls::ServerResult DllGetClassObject(const QUuid* clsid, const QUuid* iid, void** object)
{
    return controls::server::getClassObject(zorbel::projectHeader(), clsid, iid, object);
}

Q_DECL_EXPORT controls::ServerResult DllRegisterServer()
{
    return controls::server::registerServer(zorbel::projectHeader());
}

Q_DECL_EXPORT controls::ServerResult DllUnregisterServer()
{
    return controls::server::unregisterServer(zorbel::projectHeader());
}

} // extern "C"
