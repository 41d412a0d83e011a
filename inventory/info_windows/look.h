#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures of the two information windows.
namespace info {

// A picture of this folder's resources drawn at a size in pixels, sharp on high-dpi screens.
QPixmap picture(const QString& resource, QSize size, qreal devicePixelRatio);

} // namespace info
