#pragma once

#include <QStringList>

#include <thread>

namespace forms {

// Work the first window would otherwise wait for, started on threads of their own as soon
// as the application object is made: the fonts are listed and the first window's fonts
// looked up, and the session bus (which the accessibility bridge connects to at the first
// label's text) is connected, while the window is being made. Nothing here changes what
// the program does or shows.
class WarmStart final
{
public:
    // families are the fonts the first window asks for.
    explicit WarmStart(const QStringList& families);
    // Waits for the threads: make this after the application object, so that it goes first.
    ~WarmStart() = default;
    WarmStart(const WarmStart&) = delete;
    WarmStart& operator=(const WarmStart&) = delete;

private:
    std::jthread fonts_;
    std::jthread bus_;
};

} // namespace forms
