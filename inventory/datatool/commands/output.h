#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <memory>

namespace datatool::cli {

// Where a command's --out goes. A regular file (or a new one) is written in full or not at
// all: bytes go to a temporary file beside it, which takes the name only when everything
// is written. A FIFO or a character device (a terminal, /dev/null, /dev/stdout) is written
// into as it is, since replacing it with a file would break whatever reads it; a failed
// write there is still a failure. Anything else (a disk, a socket) is refused.
class Output final
{
public:
    // large: the writer hands over large blocks, which a second buffer would only copy.
    Output(const QString& path, const QString& inventory, bool large);
    QIODevice& device() { return *device_; }
    // Whether the output is the standard output itself, where a report would mix with it.
    bool isStandardOutput() const { return toStandardOutput_; }
    void commit();

private:
    std::unique_ptr<QSaveFile> saved_;
    std::unique_ptr<QFile> direct_;
    QFileDevice* device_ = nullptr;
    bool toStandardOutput_ = false;
};

// The standard output as a device, for a command that writes its result there.
class StandardOutput final
{
public:
    explicit StandardOutput(QIODevice::OpenMode mode = QIODevice::WriteOnly);
    QIODevice& device() { return file_; }
    void flush();

private:
    QFile file_;
};

} // namespace datatool::cli
