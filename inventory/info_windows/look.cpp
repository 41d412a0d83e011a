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

QPixmap picture(const QString& resource, QSize size, qreal devicePixelRatio)
{
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(resource);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace info
