#pragma once

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

inline constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize twipsSize(double width, double height) { return QSize(px(width), px(height)); }

// Places a widget inside its container at a design position given in twips.
inline void placeTwips(QWidget* w, double left, double top, double width, double height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

} // namespace forms
