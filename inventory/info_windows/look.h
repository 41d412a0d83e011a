#pragma once

#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>

// What the two information windows share: the design fonts and their pictures.
namespace info {

QFont designFont(const char* family, double points, bool bold = false);

// A picture of this folder's resources drawn at a size in pixels, sharp on high-dpi screens.
QPixmap picture(const QString& resource, QSize size, qreal devicePixelRatio);

} // namespace info
