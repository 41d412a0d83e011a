#pragma once

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

namespace testsupport {

// Types text as the user does, one key event a character; unlike QTest::keyClicks it
// takes any character, accents, emoji and right-to-left scripts included.
inline void typeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, n);
        i += n - 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, ch);
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, ch);
        QCoreApplication::sendEvent(widget, &release);
    }
}

} // namespace testsupport
