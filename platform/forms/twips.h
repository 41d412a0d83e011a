#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <QWindow>

#include <cmath>

// Designs are written in twips (1/1440 inch); at 96 dpi a pixel is 15 twips.
namespace forms {

inline constexpr int kTwipsPerPixel = 15;

inline constexpr int px(double twips)
{
    const double p = twips / kTwipsPerPixel;
    return static_cast<int>(p < 0 ? p - 0.5 : p + 0.5);
}

inline constexpr int twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize twipsSize(double width, double height)
{
    return QSize(px(width), px(height));
}

// Places a widget inside its container at a design position given in twips.
inline void placeTwips(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

// A window's title bar and borders, which designs count in its outer size. Once the window
// is on the screen they are what the platform reports, nothing at all where no frame is
// drawn (no window manager, or a frameless window). Before that the frame is not known
// yet, and the usual title bar and borders are assumed.
inline QMargins frameEstimate(const QWidget* window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins known(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (!known.isNull() || window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return known;
    const QWindow* handle = window->windowHandle();
    return handle && handle->isExposed() ? known : QMargins(4, 23, 4, 4);
}

inline void setOuterHeightTwips(QWidget* window, double height)
{
    const QMargins m = frameEstimate(window);
    window->resize(window->width(), px(height) - m.top() - m.bottom());
}

inline void setOuterWidthTwips(QWidget* window, double width)
{
    const QMargins m = frameEstimate(window);
    window->resize(px(width) - m.left() - m.right(), window->height());
}

} // namespace forms
