#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace forms {

// Design colours are 0x00BBGGRR; with the top bit set, the low byte names a system colour.
inline QColor color(quint32 value)
{
    if (value & 0x80000000u) {
        const QPalette pal;
        switch (value & 0xff) {
        case 2: // active title bar
            return QColor(0x00, 0x00, 0x80);
        case 13: // highlight
            return pal.color(QPalette::Highlight);
        case 10: // active border
            return pal.color(QPalette::Button);
        case 15: // button face
            return pal.color(QPalette::Button);
        default:
            return pal.color(QPalette::WindowText);
        }
    }
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

inline quint32 colorValue(const QColor& c)
{
    return static_cast<quint32>(c.red()) | (static_cast<quint32>(c.green()) << 8) |
           (static_cast<quint32>(c.blue()) << 16);
}

// A container's back colour is its window colour; an editor's or a list's is its base,
// so boxes inside a grey container stay white.
inline void setBackColor(QWidget* w, quint32 value, bool editor = false)
{
    QPalette pal = w->palette();
    pal.setColor(editor ? QPalette::Base : QPalette::Window, color(value));
    if (!editor)
        pal.setColor(QPalette::Button, color(value));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

inline void setForeColor(QWidget* w, quint32 value)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, color(value));
    pal.setColor(QPalette::Text, color(value));
    pal.setColor(QPalette::ButtonText, color(value));
    w->setPalette(pal);
}

} // namespace forms
