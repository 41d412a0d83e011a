#pragma once

#include <QString>

#include <cstdint>
#include <memory>

namespace info {

// Reads one registry value under a root key (a 32-bit handle value such as 0x80000002)
// into KeyVal. Texts come back as text, 32-bit numbers as their decimal text; a value of
// another type is read but leaves KeyVal as it was. On failure KeyVal is emptied.
bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

// Starts the system-information tool the registry names, or says it is unavailable.
void StartSysInfo();

// Starts programs for the about box; replaceable so tests see what would be started.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // program is an absolute path to an executable file; no arguments, no waiting.
    virtual bool start(const QString& program) = 0;
};

// The default: a detached process, without a shell.
class DetachedLauncher final : public Launcher
{
public:
    bool start(const QString& program) override;
};

// Installs a launcher and returns the one before it; null restores the default.
std::unique_ptr<Launcher> setLauncher(std::unique_ptr<Launcher> launcher);

// Registry paths are written with backslashes; on this system they name its folders.
QString hostPath(const QString& path);

// Whether the path names an existing file (not a folder).
bool fileExists(const QString& path);

// Starts the program at path through the launcher, but only when the path is absolute and
// names an executable file: a bare or relative name is never looked up in the current
// folder or anywhere else. False when nothing was started.
bool startProgram(const QString& path);

} // namespace info
