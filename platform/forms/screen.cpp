#include "platform/forms/screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

namespace forms {

namespace {

int g_pointer = Pointer::Default;
bool g_overrideShown = false;
bool g_syncPending = false;

Qt::CursorShape shapeFor(int pointer)
{
    switch (pointer) {
    case Pointer::Hourglass:
        return Qt::WaitCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void syncCursor()
{
    g_syncPending = false;
    if (!qGuiApp)
        return;
    if (g_pointer == Pointer::Default) {
        if (g_overrideShown) {
            QGuiApplication::restoreOverrideCursor();
            g_overrideShown = false;
        }
        return;
    }
    if (g_overrideShown)
        QGuiApplication::changeOverrideCursor(QCursor(shapeFor(g_pointer)));
    else
        QGuiApplication::setOverrideCursor(QCursor(shapeFor(g_pointer)));
    g_overrideShown = true;
}

} // namespace

int MousePointer()
{
    return g_pointer;
}

void setMousePointer(int pointer)
{
    const int before = g_pointer;
    g_pointer = pointer;
    if (!qGuiApp || pointer == before)
        return;
    if (pointer != Pointer::Default && !g_overrideShown) {
        syncCursor();
        return;
    }
    if (!g_syncPending) {
        g_syncPending = true;
        QTimer::singleShot(0, qGuiApp, &syncCursor);
    }
}

} // namespace forms
