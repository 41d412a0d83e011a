#include "inventory/datatool/commands/output.h"

#include "inventory/datatool/commands/command.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace datatool::cli {

Output::Output(const QString& path, const QString& inventory, bool large)
{
    const QFileInfo target(path);
    if (target.exists() && target.canonicalFilePath() == QFileInfo(inventory).canonicalFilePath())
        throw ToolError(OutputIsInventory,
                        QCoreApplication::translate(
                            "Companion", "The output '%1' is the inventory itself; writing it would destroy "
                                         "the inventory. Name another file.")
                            .arg(native(path)));
    if (target.isDir())
        throw ToolError(OutputFailed,
                        QCoreApplication::translate("Companion", "The output '%1' is a folder. Name a file.")
                            .arg(native(path)));
    struct stat st = {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode) && !S_ISFIFO(st.st_mode) && !S_ISCHR(st.st_mode))
        throw ToolError(OutputNotAFile,
                        QCoreApplication::translate(
                            "Companion", "The output '%1' is a device or a socket, not a file; writing "
                                         "there could destroy what it holds. Name a file.")
                            .arg(native(path)));
    const QIODevice::OpenMode mode =
        large ? QIODevice::WriteOnly | QIODevice::Unbuffered : QIODevice::WriteOnly;
    if (exists && !S_ISREG(st.st_mode)) {
        direct_ = std::make_unique<QFile>(path);
        device_ = direct_.get();
        struct stat out = {};
        toStandardOutput_ =
            ::fstat(STDOUT_FILENO, &out) == 0 && out.st_dev == st.st_dev && out.st_ino == st.st_ino;
    } else {
        saved_ = std::make_unique<QSaveFile>(path);
        device_ = saved_.get();
    }
    if (!device_->open(mode))
        throw ToolError(OutputFailed,
                        QCoreApplication::translate(
                            "Companion", "The file '%1' cannot be written (%2). Check that its folder exists "
                                         "and that you may write there.")
                            .arg(native(path), device_->errorString()));
}

void Output::commit()
{
    const bool written = saved_ ? saved_->commit() : direct_->flush() && direct_->error() == QFile::NoError;
    if (!written)
        throw ToolError(
            OutputFailed,
            saved_ ? QCoreApplication::translate("Companion",
                                                 "The file '%1' could not be saved (%2). Check that the disk "
                                                 "has room; nothing was written.")
                         .arg(native(saved_->fileName()), saved_->errorString())
                   : QCoreApplication::translate("Companion",
                                                 "'%1' did not take every byte (%2); what it holds is not "
                                                 "complete.")
                         .arg(native(direct_->fileName()), direct_->errorString()));
    if (direct_)
        direct_->close();
}

StandardOutput::StandardOutput(QIODevice::OpenMode mode)
{
    if (!file_.open(stdout, mode, QFileDevice::DontCloseHandle))
        throw ToolError(OutputFailed, QCoreApplication::translate(
                                          "Companion", "The standard output cannot be written (%1).")
                                          .arg(file_.errorString()));
}

void StandardOutput::flush()
{
    if (!file_.flush())
        throw ToolError(OutputFailed, QCoreApplication::translate(
                                          "Companion", "The standard output cannot be written (%1).")
                                          .arg(file_.errorString()));
}

} // namespace datatool::cli
