#include "inventory/info_windows/look.h"

#include <QPainter>
#include <QSvgRenderer>

// The pictures live in this static library; register them before the first is drawn.
// Resource registration must be named outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(info_images);
}

namespace info {

QImage pictureImage(const QString& resource, QSize size, qreal devicePixelRatio)
{
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QSvgRenderer svg(resource);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QPixmap picture(const QString& resource, QSize size, qreal devicePixelRatio)
{
    return QPixmap::fromImage(pictureImage(resource, size, devicePixelRatio));
}

} // namespace info
