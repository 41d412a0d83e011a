#pragma once

#include "inventory/datatool/errors.h"
#include "inventory/datatool/servercopy.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <optional>

namespace datatool::cli {

// What a command is run with: the options of the whole command line, its word (import's
// FILE; empty for a command without one) and the inventory's absolute path, or with
// --server the server's connection string (and inventory empty).
struct Arguments
{
    const QCommandLineParser& options;
    QString word;
    QString inventory;
    QString server;
};

// One command of quillarbon-data: its name, its paragraph of the help, the options it
// takes, what it needs before it starts, and the work.
class Command
{
public:
    // synopsis: the command's line of the help; description: the lines under it.
    Command(QString name, QString synopsis, QString description, QList<QCommandLineOption> options,
            bool takesWord = false);
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    const QString& name() const { return name_; }
    // The command's paragraph of the help, indented as the help shows it.
    QString help() const;
    const QList<QCommandLineOption>& options() const { return options_; }
    bool accepts(const QString& optionName) const;
    // Whether a word after the command (a file to read) belongs to it.
    bool takesWord() const { return takesWord_; }
    // Whether --server may stand for --file (the command then says itself what it does
    // with a server's inventory).
    virtual bool takesServer() const { return false; }

    // Throws UsageError when the command line lacks what the command needs; it runs before
    // the inventory is named (args.inventory is empty).
    virtual void check(const Arguments& args) const = 0;
    // Does the work; returns the exit status. Errors are thrown.
    virtual int execute(const Arguments& args) const = 0;

private:
    QString name_;
    QString synopsis_;
    QString description_;
    QList<QCommandLineOption> options_;
    bool takesWord_;
};

// The inventory file a command that reads every record once opens: the one named, or with
// --server a private copy of the server's inventory (servercopy.h says why).
class InventoryToRead final
{
public:
    explicit InventoryToRead(const Arguments& args);
    const QString& path() const { return path_; }
    // The inventory as messages and printed pages name it: the file, or the server's database.
    const QString& label() const { return label_; }

private:
    std::optional<ServerSnapshot> snapshot_;
    QString path_;
    QString label_;
};

// An option with a value, and one without.
QCommandLineOption valueOption(const QString& name, const QString& valueName);
QCommandLineOption flagOption(const QString& name);

// A command line that is not understood: exit status 2.
ToolError usage(const QString& text);
// The refusal of a command that adds records when --server names an inventory.
ToolError importNotOnServer(const QString& command);
// Throws usage(text) when the option is given with an empty value.
void requireValue(const Arguments& args, const QString& option, const QString& text);

void writeOut(const QString& text);
void writeErr(const QString& text);
void reportError(int number, const QString& text);
void reportWarning(int number, const QString& text);
QString native(const QString& path);

// What the imports say of a name already in the inventory.
QString duplicateNote(const QString& name, const QString& stored, bool added);

} // namespace datatool::cli
