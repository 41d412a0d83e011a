#include "hyperlink/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zorbel {

namespace {

// Pixel-exact drawing: no smoothing, lines through pixel centres.
QPainterPath roundedBox(double left, double top, double width, double height, double radius)
{
    QPainterPath p;
    p.addRoundedRect(QRectF(left + 0.5, top + 0.5, width, height), radius, radius);
    return p;
}

} // namespace

QImage handCursorImage()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The hand: the raised index finger, three bent fingers, the thumb and the palm.
    QPainterPath hand = roundedBox(10, 1, 4, 14, 2);
    hand = hand.united(roundedBox(14, 9, 4, 9, 2));
    hand = hand.united(roundedBox(18, 10, 4, 9, 2));
    hand = hand.united(roundedBox(22, 12, 3, 8, 1.5));
    hand = hand.united(roundedBox(10, 14, 15, 11, 3));
    QPainterPath thumb;
    thumb.moveTo(10.5, 16.5);
    thumb.lineTo(7.5, 13.5);
    thumb.lineTo(5.5, 13.5);
    thumb.lineTo(4.5, 15.5);
    thumb.lineTo(9.5, 23.5);
    thumb.lineTo(11.5, 24.5);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();

    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    // The creases between the bent fingers.
    p.drawLine(QPointF(14.5, 14.5), QPointF(14.5, 17.5));
    p.drawLine(QPointF(18.5, 14.5), QPointF(18.5, 18.5));
    p.drawLine(QPointF(22.5, 15.5), QPointF(22.5, 19.5));

    // The cuff.
    p.setBrush(QColor(0x80, 0x80, 0x80));
    p.drawRect(QRectF(9.5, 25.5, 15, 5));
    p.setPen(QPen(QColor(0xc0, 0xc0, 0xc0), 1));
    p.drawLine(QPointF(10.5, 26.5), QPointF(23.5, 26.5));
    p.end();
    return image;
}

QCursor handCursor()
{
    return QCursor(QPixmap::fromImage(handCursorImage()), 12, 1);
}

QImage toolboxImage()
{
    QImage image(16, 15, QImage::Format_RGB32);
    image.fill(QColor(0xc0, 0xc0, 0xc0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    // A white page with an underlined blue line of "text": a link.
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 13, 10);
    p.fillRect(3, 5, 9, 2, QColor(0x00, 0x00, 0xff));
    p.fillRect(3, 8, 9, 1, QColor(0x00, 0x00, 0xff));
    p.end();
    return image;
}

} // namespace zorbel
