#include "inventory/datatool/commands/commands.h"
#include "inventory/datatool/servercopy.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace datatool::cli {

namespace {

class CopyToServer final : public Command
{
public:
    CopyToServer()
        : Command(QStringLiteral("copy-to-server"),
                  QCoreApplication::translate("Companion", "copy-to-server CONNINFO [--use]"),
                  QCoreApplication::translate(
                      "Companion",
                      "Copies every record of the inventory onto the empty PostgreSQL database that\n"
                      "CONNINFO (a libpq connection string, without a password) names, in one\n"
                      "transaction, read back and compared before it is kept. --use then writes\n"
                      "QBData.server beside the inventory, so the windows open the server."),
                  {flagOption(QStringLiteral("use"))}, true)
    {}

    void check(const Arguments& args) const override
    {
        if (args.word.isEmpty())
            throw usage(QCoreApplication::translate("Companion",
                                                    "copy-to-server needs the server's connection string."));
    }

    int execute(const Arguments& args) const override
    {
        const ServerCopy done =
            copyFileToServer(args.inventory, args.word, args.options.isSet(QStringLiteral("use")));
        writeOut(
            QCoreApplication::translate("Companion", "Copied %1 records to the server.").arg(done.records));
        if (!done.serverFile.isEmpty())
            writeOut(QCoreApplication::translate("Companion",
                                                 "Wrote '%1': the windows beside it now open the server.")
                         .arg(native(done.serverFile)));
        return 0;
    }
};

class CopyFromServer final : public Command
{
public:
    CopyFromServer()
        : Command(QStringLiteral("copy-from-server"),
                  QCoreApplication::translate("Companion", "copy-from-server CONNINFO --out FILE"),
                  QCoreApplication::translate(
                      "Companion", "Copies every record of the inventory on the server into FILE, a new\n"
                                   "inventory file; an existing FILE is left as it is."),
                  {valueOption(QStringLiteral("out"), QStringLiteral("FILE"))}, true)
    {}

    void check(const Arguments& args) const override
    {
        if (args.word.isEmpty())
            throw usage(QCoreApplication::translate(
                "Companion", "copy-from-server needs the server's connection string."));
        if (args.options.value(QStringLiteral("out")).isEmpty())
            throw usage(QCoreApplication::translate("Companion",
                                                    "copy-from-server needs --out and the new file's path."));
    }

    int execute(const Arguments& args) const override
    {
        const QString path = QFileInfo(args.options.value(QStringLiteral("out"))).absoluteFilePath();
        const std::int64_t copied = copyServerToFile(args.word, path);
        writeOut(QCoreApplication::translate("Companion", "Copied %1 records from the server to '%2'.")
                     .arg(copied)
                     .arg(native(path)));
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeCopyToServer()
{
    return std::make_unique<CopyToServer>();
}

std::unique_ptr<Command> makeCopyFromServer()
{
    return std::make_unique<CopyFromServer>();
}

} // namespace datatool::cli
