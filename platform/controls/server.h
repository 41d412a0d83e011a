#pragma once

#include "platform/controls/typeinfo.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>
#include <QUuid>

#include <cstdint>

class QWidget;

// The library side of the control run-time: a control library describes itself in one
// table, its project header, and its four exported entry points hand each call and the
// table to these functions.
namespace controls {

// Results of the entry points and the class factory.
using ServerResult = std::int32_t;
inline constexpr ServerResult kOk = 0;
inline constexpr ServerResult kFalse = 1;
inline constexpr ServerResult kNoInterface = static_cast<ServerResult>(0x80004002u);
inline constexpr ServerResult kPointer = static_cast<ServerResult>(0x80004003u);
inline constexpr ServerResult kFail = static_cast<ServerResult>(0x80004005u);
inline constexpr ServerResult kClassNotAvailable = static_cast<ServerResult>(0x80040111u);
inline constexpr ServerResult kRegistrationFailed = static_cast<ServerResult>(0x80040201u);

// The layout of this header and of the objects below. A library built against another
// layout is refused rather than misread.
inline constexpr int kServerAbi = 1;

// The run-time's own interfaces, asked for by these identifiers.
inline constexpr QUuid kClassFactoryIid{0xdc46f1fe, 0x5075, 0x4104, 0xbb, 0x0e, 0xb8,
                                        0x53,       0xf2,   0xef,   0x6b, 0xf4};
inline constexpr QUuid kUserControlIid{0xf0cb1e2e, 0x7923, 0x4985, 0xb3, 0xc3, 0x5d,
                                       0x8d,       0xf8,   0x22,   0x07, 0x24};
inline constexpr QUuid kPropertyPageIid{0xe858019e, 0xe73a, 0x4ba0, 0x88, 0x45, 0xd5,
                                        0x9a,       0x1b,   0x08,   0x38, 0x2d};

// OLE status flags of a control class.
enum MiscStatus : quint32
{
    RecomposeOnResize = 0x1,
    CantLinkInside = 0x10,
    InsideOut = 0x80,
    ActivateWhenVisible = 0x100,
    Alignable = 0x8000,
    SetClientSiteFirst = 0x20000,
};

struct ClassEntry
{
    enum class Kind
    {
        Control,
        PropertyPage
    };
    Kind kind = Kind::Control;
    QString name;
    QUuid clsid;
    const InterfaceInfo* defaultInterface = nullptr;
    const InterfaceInfo* eventInterface = nullptr;
    quint32 miscStatus = 0;
    int toolboxBitmap = 0; // resource number of the toolbox picture; 0 for none
    QImage (*toolboxPicture)() = nullptr;
    QList<QUuid> propertyPages;
    // Makes a new instance as a child of the parent (a UserControl or a PropertyPage).
    QWidget* (*create)(QWidget* parent) = nullptr;
};

struct ProjectHeader
{
    int abi = kServerAbi;
    TypeLibraryInfo typeLibrary;
    QList<ClassEntry> classes;
    // The version resource's items: FileDescription, FileVersion, InternalName and so on.
    QList<QPair<QString, QString>> versionInfo;

    // "Zorbel.link": the library name, a dot and the class name.
    QString progId(const ClassEntry& c) const { return typeLibrary.name + QLatin1Char('.') + c.name; }
};

// A class object, handed out by DllGetClassObject for kClassFactoryIid.
class ClassFactory
{
public:
    virtual ~ClassFactory();
    // Creates an instance with the interface asked for (kUserControlIid, kPropertyPageIid
    // or the class's default interface) under the parent.
    virtual ServerResult CreateInstance(const QUuid& iid, QWidget* parent, void** object) = 0;
    virtual ServerResult LockServer(bool lock) = 0;
    // The class's picture for a design environment's toolbox; null when it has none.
    virtual QImage ToolboxPicture() const = 0;
};

namespace server {

ServerResult canUnloadNow(const ProjectHeader& header);
ServerResult getClassObject(const ProjectHeader& header, const QUuid* clsid, const QUuid* iid, void** object);
ServerResult registerServer(const ProjectHeader& header);
ServerResult unregisterServer(const ProjectHeader& header);

// Why the last registerServer or unregisterServer on this thread failed.
QString lastError();

} // namespace server

// The signatures of the four entry points.
using CanUnloadNowFn = ServerResult (*)();
using GetClassObjectFn = ServerResult (*)(const QUuid* clsid, const QUuid* iid, void** object);
using RegisterServerFn = ServerResult (*)();

} // namespace controls
