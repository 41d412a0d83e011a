#include "inventory/datatool/commands/commandline.h"

#include "inventory/datatool/commands/commands.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/safety/errors.h"
#include "inventory/store/inventory.h"
#include "platform/data/database.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <exception>

namespace datatool::cli {

namespace {

const char* const kHelpHead = QT_TRANSLATE_NOOP(
    "Companion", "Usage: quillarbon-data [--file PATH | --server CONNINFO] COMMAND [OPTIONS]\n"
                 "\n"
                 "Works on the inventory QBData.mdb in the program's folder, or on the one --file names.\n"
                 "--server works on the inventory on a PostgreSQL server instead: CONNINFO is a libpq\n"
                 "connection string (service=quillarbon, postgresql://host/db?sslmode=verify-full).\n"
                 "export-csv, print, labels, check-storage and set-website take it; the imports add\n"
                 "to a file only.\n"
                 "\n"
                 "Commands:\n");

const char* const kHelpFoot = QT_TRANSLATE_NOOP(
    "Companion", "\n"
                 "Errors are written as \"Error N: text\" on the standard error, and the exit status is\n"
                 "then 1 (2 when the command line is not understood; check-storage exits with 3 when it\n"
                 "finds chemicals to keep apart). No output file is ever left half written. Warnings\n"
                 "(\"Warning N: text\", on the standard error too) say what a command that succeeded did in\n"
                 "a way you might not expect.\n");

void printHelp(const std::vector<std::unique_ptr<Command>>& commands)
{
    QString text = QCoreApplication::translate("Companion", kHelpHead);
    for (const auto& command : commands)
        text += command->help();
    text += QCoreApplication::translate("Companion", kHelpFoot);
    text +=
        QCoreApplication::translate("Companion", "\nIts own error numbers (the others are the engine's):");
    writeOut(text);
    for (int number = UsageError; number <= kLastToolError; ++number)
        if (const QString general = toolErrorText(number); !general.isEmpty())
            writeOut(QStringLiteral("  %1  %2").arg(number).arg(general));
    for (int number = safety::SchemeDamaged; number <= safety::NothingToCheck; ++number)
        writeOut(QStringLiteral("  %1  %2").arg(number).arg(safety::storageErrorText(number)));
    writeOut(QStringLiteral("  %1  %2")
                 .arg(store::BadWebsite)
                 .arg(QCoreApplication::translate(
                     "Companion",
                     "The address given to set-website is not an http or https address with a host.")));
}

QString commandNames(const std::vector<std::unique_ptr<Command>>& commands)
{
    QStringList names;
    for (const auto& command : commands)
        names.append(command->name());
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QCoreApplication::translate("Companion", " or ") + last;
}

// The command line as read: the options (each command's and the common ones), the command
// and its word.
class CommandLine
{
public:
    explicit CommandLine(const std::vector<std::unique_ptr<Command>>& commands) : commands_(commands)
    {
        // --file before or after the command, -h only in its short form.
        parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        add(valueOption(QStringLiteral("file"), QStringLiteral("PATH")));
        add(valueOption(QStringLiteral("server"), QStringLiteral("CONNINFO")));
        add(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
        for (const auto& command : commands)
            for (const QCommandLineOption& option : command->options())
                add(option);
    }

    // Throws usage() at the first word not understood, in the order written.
    void read(const QStringList& args)
    {
        scan(args);
        // What scan() accepts, the parser reads alike; it only takes the values.
        if (!parser_.parse(args))
            throw usage(parser_.errorText());
    }

    bool help() const { return parser_.isSet(QStringLiteral("help")); }
    const QCommandLineParser& options() const { return parser_; }
    const QString& word() const { return word_; }

    const Command& command() const
    {
        if (commandName_.isEmpty())
            throw usage(QCoreApplication::translate("Companion", "No command is given: name %1.")
                            .arg(commandNames(commands_)));
        const Command* command = find(commandName_);
        if (!command)
            throw usage(QCoreApplication::translate("Companion", "'%1' is not a command: name %2.")
                            .arg(commandName_, commandNames(commands_)));
        for (const QString& option : parser_.optionNames())
            if (option != QLatin1String("file") && !command->accepts(option) &&
                (option != QLatin1String("server") || !command->takesServer()))
                throw usage(QCoreApplication::translate("Companion", "The option --%1 does not go with %2.")
                                .arg(option, commandName_));
        return *command;
    }

private:
    // Commands share some options (--out, --location); each is known once.
    void add(const QCommandLineOption& option)
    {
        for (const QCommandLineOption& known : std::as_const(known_))
            if (known.names() == option.names())
                return;
        parser_.addOption(option);
        known_.append(option);
    }

    const Command* find(const QString& name) const
    {
        for (const auto& command : commands_)
            if (command->name() == name)
                return command.get();
        return nullptr;
    }

    // The option a word names: --name (not --h) or -h.
    const QCommandLineOption* option(const QString& word) const
    {
        const bool isLong = word.startsWith(QLatin1String("--")) && word.size() > 3;
        const bool isShort = word.size() == 2 && word.startsWith(QLatin1Char('-'));
        if (!isLong && !isShort)
            return nullptr;
        const QString name = word.mid(isLong ? 2 : 1);
        for (const QCommandLineOption& o : known_)
            if (o.names().contains(name))
                return &o;
        return nullptr;
    }

    // Options are --name, --name=value or --name value, and -h; a single dash before a
    // longer word, and "--" on its own, are unknown options rather than letters or an end
    // of the options. The first word that is not an option is the command, and a second
    // one is the command's file when it reads one.
    void scan(const QStringList& args)
    {
        for (qsizetype i = 1; i < args.size(); ++i) {
            QString arg = args.at(i);
            const bool inlineValue = arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='));
            if (inlineValue)
                arg = arg.left(arg.indexOf(QLatin1Char('=')));
            if (const QCommandLineOption* known = option(arg)) {
                if (known->valueName().isEmpty() && inlineValue)
                    throw usage(
                        QCoreApplication::translate("Companion", "The option %1 takes no value.").arg(arg));
                if (!known->valueName().isEmpty() && !inlineValue && ++i >= args.size())
                    throw usage(
                        QCoreApplication::translate("Companion", "The option %1 needs a value.").arg(arg));
            } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
                throw usage(QCoreApplication::translate("Companion", "The option %1 is not known.").arg(arg));
            } else if (commandName_.isEmpty()) {
                commandName_ = arg;
            } else if (const Command* command = find(commandName_);
                       command && command->takesWord() && word_.isEmpty()) {
                word_ = arg;
            } else {
                throw usage(QCoreApplication::translate("Companion", "'%1' is one word too many.").arg(arg));
            }
        }
    }

    const std::vector<std::unique_ptr<Command>>& commands_;
    QCommandLineParser parser_;
    QList<QCommandLineOption> known_;
    QString commandName_;
    QString word_;
};

} // namespace

int runCommandLine(const QStringList& arguments)
{
    const std::vector<std::unique_ptr<Command>> commands = allCommands();
    CommandLine line(commands);
    const Command* command = nullptr;
    QString inventory;
    QString server;
    try {
        line.read(arguments);
        if (line.help()) {
            printHelp(commands);
            return 0;
        }
        command = &line.command();
        const QString file = line.options().value(QStringLiteral("file"));
        server = line.options().value(QStringLiteral("server"));
        command->check({line.options(), line.word(), QString(), server});
        if (line.options().isSet(QStringLiteral("file")) && file.isEmpty())
            throw usage(QCoreApplication::translate("Companion", "--file needs the inventory's path."));
        if (line.options().isSet(QStringLiteral("server")) && server.isEmpty())
            throw usage(
                QCoreApplication::translate("Companion", "--server needs the server's connection string."));
        if (line.options().isSet(QStringLiteral("file")) && line.options().isSet(QStringLiteral("server")))
            throw usage(QCoreApplication::translate(
                "Companion", "--file and --server name two inventories; give one of them."));
        if (server.isEmpty())
            inventory = file.isEmpty() ? defaultInventoryPath()
                                       : records::normalizePath(QFileInfo(file).absoluteFilePath());
    } catch (const ToolError& e) {
        reportError(e.number(), e.text());
        return 2;
    }
    try {
        return command->execute({line.options(), line.word(), inventory, server});
    } catch (const base::RuntimeError& e) {
        reportError(e.number(), e.text());
    } catch (const std::exception& e) {
        reportError(base::ErrUnexpected, QString::fromLocal8Bit(e.what()));
    }
    return 1;
}

std::vector<std::unique_ptr<Command>> allCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(makeExportCsv());
    commands.push_back(makeImportCsv());
    commands.push_back(makeImportAccess());
    commands.push_back(makePrintList());
    commands.push_back(makePrintLabels());
    commands.push_back(makeCheckStorage());
    commands.push_back(makeSetWebsite());
    commands.push_back(makeCopyToServer());
    commands.push_back(makeCopyFromServer());
    return commands;
}

} // namespace datatool::cli
