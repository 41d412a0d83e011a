#pragma once

#include "inventory/info_windows/sysinfo.h"
#include "platform/registry/libraries.h"

#include <QFile>
#include <QStringList>
#include <QTest>

#include <memory>

namespace testsupport {

inline const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString kToolValue = QStringLiteral("PATH");
inline const QString kFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString kFolderValue = QStringLiteral("MSINFO");

// Records the programs it is asked to start instead of starting them.
class RecordingLauncher final : public info::Launcher
{
public:
    bool start(const QString& program) override
    {
        started.append(program);
        return succeeds;
    }
    QStringList started;
    bool succeeds = true;
};

// A registry of the test's own and a recording launcher, for as long as this lives.
class FakeSystem
{
public:
    FakeSystem()
    {
        auto reg = std::make_unique<registry::MemoryRegistry>();
        registry_ = reg.get();
        registry::setLibrary(std::move(reg));
        auto launcher = std::make_unique<RecordingLauncher>();
        launcher_ = launcher.get();
        info::setLauncher(std::move(launcher));
    }
    ~FakeSystem()
    {
        registry::setLibrary(nullptr);
        info::setLauncher(nullptr);
    }
    FakeSystem(const FakeSystem&) = delete;
    FakeSystem& operator=(const FakeSystem&) = delete;

    registry::MemoryRegistry& registry() { return *registry_; }
    RecordingLauncher& launcher() { return *launcher_; }

    void setToolPath(const QString& path)
    {
        registry_->setString(registry::HKEY_LOCAL_MACHINE, kToolKey, kToolValue, path);
    }
    void setToolFolder(const QString& folder)
    {
        registry_->setString(registry::HKEY_LOCAL_MACHINE, kFolderKey, kFolderValue, folder);
    }
    // Whether anything asked for the tool's folder.
    bool folderLookedUp() const
    {
        for (const QString& q : registry_->queries())
            if (q.endsWith(QStringLiteral("shared tools location|MSINFO"), Qt::CaseInsensitive))
                return true;
        return false;
    }

private:
    registry::MemoryRegistry* registry_;
    RecordingLauncher* launcher_;
};

// A small program: a shell script that, when run, writes "ran" into the file marker.
inline void makeProgram(const QString& path, const QString& marker = {}, bool executable = true)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    if (!marker.isEmpty())
        f.write("echo ran > '" + marker.toLocal8Bit() + "'\n");
    f.close();
    QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        p |= QFile::ExeOwner;
    QVERIFY(f.setPermissions(p));
}

} // namespace testsupport
