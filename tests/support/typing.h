#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <functional>

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

// Presses key (Tab or Shift+Tab) until the focus is back where it began, at most 50
// times, and names each widget that took the focus on the way.
inline QStringList walkFocus(Qt::Key key, const std::function<QString(QWidget*)>& name)
{
    const QString start = name(QApplication::focusWidget());
    QStringList walked;
    for (int i = 0; i < 50 && QApplication::focusWidget(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        walked.append(name(QApplication::focusWidget()));
        if (walked.last() == start)
            break;
    }
    return walked;
}

} // namespace testsupport
