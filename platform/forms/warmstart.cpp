#include "platform/forms/warmstart.h"

#include <QDBusConnection>
#include <QFontDatabase>
#include <QFontInfo>

namespace forms {

WarmStart::WarmStart(const QStringList& families)
    // The font database and its lists of fallback fonts are shared by every thread: what is
    // looked up here the window finds made.
    : fonts_([families] {
          (void)QFontDatabase::families();
          for (const QString& family : families)
              (void)QFontInfo(QFont(family)).family();
          (void)QFontInfo(QFont()).family();
      }),
      // The first caller makes the shared connection and later ones get it; one that fails
      // stays failed, as if the bridge had tried itself.
      bus_([] { (void)QDBusConnection::sessionBus(); })
{}

} // namespace forms
