#include "hyperlink/pictures.h"

#include <QPainter>
#include <QPixmap>

namespace zorbel {

namespace {

// The hand as it is drawn, one character a pixel: X outline, . skin, g and l the cuff's
// two greys, a space transparent.
// clang-format off
const char* const kHand[32] = {
    "                                ",
    "           XXX                  ",
    "          X...X                 ",
    "          X...X                 ",
    "          X...X                 ",
    "          X...X                 ",
    "          X...X                 ",
    "          X...X                 ",
    "          X...XXXX              ",
    "          X...X...XXX           ",
    "          X...X...X..XXX        ",
    "          X...X...X..X..X       ",
    "          X...X...X..X..X       ",
    "    XX    X...X...X..X..X       ",
    "   X..X   X...X...X..X..X       ",
    "   X...X  X...X...X..X..X       ",
    "    X...XXX.............X       ",
    "     X..................X       ",
    "      X.................X       ",
    "       X................X       ",
    "        X...............X       ",
    "         X..............X       ",
    "          X............X        ",
    "          X............X        ",
    "          XXXXXXXXXXXXXX        ",
    "          XggggggggggggX        ",
    "          XgllllllllllgX        ",
    "          XggggggggggggX        ",
    "          XggggggggggggX        ",
    "          XXXXXXXXXXXXXX        ",
    "                                ",
    "                                ",
};
// clang-format on

} // namespace

QImage handCursorImage()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            switch (kHand[y][x]) {
            case 'X':
                image.setPixel(x, y, qRgb(0x00, 0x00, 0x00));
                break;
            case '.':
                image.setPixel(x, y, qRgb(0xff, 0xff, 0xff));
                break;
            case 'g':
                image.setPixel(x, y, qRgb(0x80, 0x80, 0x80));
                break;
            case 'l':
                image.setPixel(x, y, qRgb(0xc0, 0xc0, 0xc0));
                break;
            default:
                break;
            }
        }
    }
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
