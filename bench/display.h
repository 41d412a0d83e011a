#pragma once

#include <QString>

#include <memory>

// A real X server of the benchmark's own (Xvfb), on which the program is started as a user
// starts it, and watched from outside: a window counts as shown when the server maps it.
namespace bench {

class Display final
{
public:
    // Starts the server on a free display number and connects to it; ok() says whether
    // that worked (Xvfb is installed by scripts/setup).
    Display();
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool ok() const;

    struct Shown
    {
        double first = -1; // the first window mapped (the splash)
        double main = -1;  // the first window mapped at least minWidth pixels wide
    };
    // Starts the program and waits until it maps a window at least minWidth wide, then ends
    // it. Milliseconds from the start of the process; -1 for what did not come in time.
    Shown startAndWatch(const QString& program, int minWidth, int timeoutMs);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A folder holding the program's folder as built (hard links to its files) and a copy of
// the inventory: the program reads the inventory beside itself. Removed when destroyed.
class ProgramFolder final
{
public:
    ProgramFolder(const QString& builtFolder, const QString& inventory);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    bool ok() const { return ok_; }
    QString program() const;

private:
    QString path_;
    bool ok_ = false;
};

} // namespace bench
