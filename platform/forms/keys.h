#pragma once

#include <QKeyEvent>

namespace forms {

// The key code a KeyPress handler receives for a key event: 13 for Enter, else the code
// of the character typed; 0 for a key that types nothing.
inline int keyAscii(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return 13;
    return key.text().isEmpty() ? 0 : key.text().at(0).unicode();
}

} // namespace forms
