#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>

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

// A window's outer size, title bar and borders included, as designs give it. Before the
// window is shown its frame is not known yet: the usual title bar and borders are assumed.
inline QMargins frameEstimate(const QWidget* window)
{
    const QMargins known = window->frameGeometry().size() == window->geometry().size()
                               ? QMargins()
                               : QMargins(window->geometry().left() - window->frameGeometry().left(),
                                          window->geometry().top() - window->frameGeometry().top(),
                                          window->frameGeometry().right() - window->geometry().right(),
                                          window->frameGeometry().bottom() - window->geometry().bottom());
    return known.isNull() ? QMargins(4, 23, 4, 4) : known;
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
