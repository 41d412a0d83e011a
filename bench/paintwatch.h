#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace bench {

// Notes each paint of a widget, so a run can wait until what the user sees is drawn.
class PaintWatch final : public QObject
{
public:
    explicit PaintWatch(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted_ = true;
        return false;
    }
    // Processes events until the widget was painted; returns the milliseconds since start.
    // One pass of the event loop at a time: a pass given time to spend goes on with what
    // comes after the paint (a long list's layout, a batch per pass) until that time is up,
    // and the paint would be timed as late as that.
    double wait(const QElapsedTimer& since)
    {
        while (!painted_)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        painted_ = false;
        return static_cast<double>(since.nsecsElapsed()) / 1e6;
    }

private:
    bool painted_ = false;
};

} // namespace bench
