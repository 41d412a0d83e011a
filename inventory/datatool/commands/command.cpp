#include "inventory/datatool/commands/command.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <utility>

namespace datatool::cli {

Command::Command(QString name, QString synopsis, QString description, QList<QCommandLineOption> options,
                 bool takesWord)
    : name_(std::move(name)), synopsis_(std::move(synopsis)), description_(std::move(description)),
      options_(std::move(options)), takesWord_(takesWord)
{}

QString Command::help() const
{
    QString text = QStringLiteral("  ") + synopsis_ + QLatin1Char('\n');
    for (const QString& line : description_.split(QLatin1Char('\n')))
        text += (line.isEmpty() ? QString() : QStringLiteral("      ") + line) + QLatin1Char('\n');
    return text;
}

bool Command::accepts(const QString& optionName) const
{
    for (const QCommandLineOption& option : options_)
        if (option.names().contains(optionName))
            return true;
    return false;
}

InventoryToRead::InventoryToRead(const Arguments& args)
{
    if (args.server.isEmpty()) {
        path_ = args.inventory;
        label_ = native(QFileInfo(args.inventory).absoluteFilePath());
        return;
    }
    snapshot_.emplace(args.server);
    path_ = snapshot_->path();
    label_ = snapshot_->label();
}

QCommandLineOption valueOption(const QString& name, const QString& valueName)
{
    return QCommandLineOption(name, QString(), valueName);
}

QCommandLineOption flagOption(const QString& name)
{
    return QCommandLineOption(name);
}

ToolError usage(const QString& text)
{
    return ToolError(UsageError, text + QCoreApplication::translate(
                                            "Companion", " Run quillarbon-data --help for the commands."));
}

ToolError importNotOnServer(const QString& command)
{
    return ToolError(ImportNotOnServer,
                     QCoreApplication::translate(
                         "Companion", "%1 adds records to an inventory file only; nothing was sent to the "
                                      "server. Import into a file (--file), then copy that file onto an "
                                      "empty database with copy-to-server.")
                         .arg(command));
}

void requireValue(const Arguments& args, const QString& option, const QString& text)
{
    if (args.options.isSet(option) && args.options.value(option).isEmpty())
        throw usage(text);
}

void writeErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

void writeOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void reportError(int number, const QString& text)
{
    writeErr(QCoreApplication::translate("Companion", "Error %1: %2").arg(number).arg(text));
}

void reportWarning(int number, const QString& text)
{
    writeErr(QCoreApplication::translate("Companion", "Warning %1: %2").arg(number).arg(text));
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Case and the spaces around a name do not make another chemical, so the stored spelling
// is named when it differs.
QString duplicateNote(const QString& name, const QString& stored, bool added)
{
    const QString as =
        stored == name ? QString() : QCoreApplication::translate("Companion", " (as '%1')").arg(stored);
    return added
               ? QCoreApplication::translate("Companion", "'%1' was already in the inventory%2; added again.")
                     .arg(name, as)
               : QCoreApplication::translate(
                     "Companion", "'%1' is already in the inventory%2; not added (--allow-duplicates "
                                  "adds it).")
                     .arg(name, as);
}

} // namespace datatool::cli
