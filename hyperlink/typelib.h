#pragma once

#include "platform/controls/typeinfo.h"

#include <QUuid>

// The type library Zorbel: identifiers fixed once, never changed between builds.
namespace zorbel {

inline constexpr QUuid kTypeLibraryId{0x46ef2f6d, 0x8785, 0x482d, 0x97, 0xd0, 0xe1,
                                      0x07,       0x6d,   0xd6,   0x12, 0x65};
inline constexpr QUuid kLinkClsid{0x05212b15, 0xd49b, 0x4e58, 0x9b, 0x64, 0xbd, 0x71, 0xdb, 0xa2, 0xd0, 0x4e};
inline constexpr QUuid kLinkIid{0xe52e16f0, 0x592d, 0x4ef5, 0xb4, 0x5b, 0x4c, 0x07, 0xdc, 0x98, 0xf4, 0xd6};
inline constexpr QUuid kLinkEventsIid{0x900c5e32, 0x3d45, 0x4a0f, 0xb6, 0x31, 0xfb,
                                      0x48,       0x53,   0x5e,   0x42, 0x62};
inline constexpr QUuid kLinkStyleClsid{0x87928ecd, 0xfbd6, 0x4fb4, 0x97, 0x35, 0xbf,
                                       0x56,       0x73,   0x15,   0xca, 0x06};
inline constexpr QUuid kLinkStyleIid{0xc18515c3, 0x5876, 0x48cc, 0x95, 0x19, 0x4a,
                                     0xfd,       0xd3,   0x36,   0xf4, 0x1e};

inline constexpr int kVersionMajor = 76;
inline constexpr int kVersionMinor = 0;

// Member numbers of _link.
enum LinkDispId : controls::DispId
{
    DispColor = 0x68030000,
    DispStyle = 0x68030001,
    DispBold = 0x68030002,
    DispFontSize = 0x68030003,
    DispEnable = 0x68030004,
    DispCaption = 0x68030005,
    DispUrl = 0x68030006,
    DispShowAboutBox = controls::kDispIdAboutBox,
};

// Events of __link.
enum LinkEventId : controls::DispId
{
    EventClick = 1,
};

const controls::InterfaceInfo& linkInterface();      // _link
const controls::InterfaceInfo& linkEventInterface(); // __link
const controls::InterfaceInfo& linkStyleInterface(); // _Link_style

} // namespace zorbel
