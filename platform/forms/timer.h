#pragma once

#include <QTimer>

namespace forms {

// A design timer: enabling a running timer leaves its wait as it is.
class Timer final : public QTimer
{
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr) : QTimer(parent) {}

    bool Enabled() const { return isActive(); }
    void setEnabled(bool on)
    {
        if (!on)
            stop();
        else if (!isActive())
            start();
    }
};

} // namespace forms
