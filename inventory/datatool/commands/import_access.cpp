#include "inventory/datatool/commands/commands.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/datatool/names.h"
#include "inventory/legacy/conversion.h"
#include "platform/data/database.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>

namespace datatool::cli {

namespace {

class ImportAccess final : public Command
{
public:
    ImportAccess()
        : Command(QStringLiteral("import-access"),
                  QCoreApplication::translate("Companion",
                                              "import-access OLD.mdb [--dry-run] [--allow-duplicates]"),
                  QCoreApplication::translate(
                      "Companion",
                      "Adds the records of OLD.mdb, an inventory in the Access format of the program's\n"
                      "earlier version, all of them or none. A record whose name is already in the\n"
                      "inventory is not added unless --allow-duplicates is given. --dry-run lists what\n"
                      "would come and changes nothing. OLD.mdb is only read."),
                  {flagOption(QStringLiteral("dry-run")), flagOption(QStringLiteral("allow-duplicates"))},
                  true)
    {}

    // Refused with its own error rather than as an unknown option, so the user learns the way.
    bool takesServer() const override { return true; }
    void check(const Arguments& args) const override
    {
        if (args.word.isEmpty())
            throw usage(QCoreApplication::translate(
                "Companion", "import-access needs the old Access-format file to read."));
    }

    int execute(const Arguments& args) const override
    {
        if (!args.server.isEmpty())
            throw importNotOnServer(name());
        const bool dryRun = args.options.isSet(QStringLiteral("dry-run"));
        const bool allowDuplicates = args.options.isSet(QStringLiteral("allow-duplicates"));
        const QString old = native(args.word);
        auto db = openInventory(args.inventory, dryRun);
        // Names already in the inventory are skipped as import-csv skips them, so a second run
        // adds nothing twice. The notes wait for the import: a failed one adds nothing.
        ExistingNames existing(*db);
        QStringList notes;
        std::int64_t record = 0;
        const legacy::ImportReport report = legacy::importAccess(
            *db, args.word, dryRun ? legacy::ImportMode::DryRun : legacy::ImportMode::Apply, {},
            [&](const QString& name) {
                ++record;
                const std::optional<QString> stored = name.isNull() ? std::nullopt : existing.find(name);
                if (stored)
                    notes.append(QCoreApplication::translate("Companion", "Record %1: %2")
                                     .arg(record)
                                     .arg(duplicateNote(name, *stored, allowDuplicates)));
                return !stored || allowDuplicates;
            });
        for (const QString& note : std::as_const(notes))
            writeOut(note);
        if (!report.source.columns.leftOut.isEmpty())
            writeOut(QCoreApplication::translate(
                         "Companion", "Columns of the old file that are not the inventory's, not read: %1.")
                         .arg(report.source.columns.leftOut.join(QStringLiteral(", "))));
        if (!report.source.columns.missing.isEmpty())
            writeOut(QCoreApplication::translate("Companion", "Columns the old file lacks, left empty: %1.")
                         .arg(report.source.columns.missing.join(QStringLiteral(", "))));
        const QString where = native(QFileInfo(args.inventory).absoluteFilePath());
        if (report.skipped > 0) {
            const std::int64_t total = report.records + report.skipped;
            writeOut(
                dryRun
                    ? QCoreApplication::translate(
                          "Companion", "Dry run: %1 of the %2 records of '%3' would be added to '%4'; "
                                       "nothing was written.")
                          .arg(report.records)
                          .arg(total)
                          .arg(old, where)
                    : QCoreApplication::translate("Companion", "Added %1 of the %2 records of '%3' to '%4'.")
                          .arg(report.records)
                          .arg(total)
                          .arg(old, where));
        } else if (dryRun)
            writeOut(QCoreApplication::translate(
                         "Companion",
                         "Dry run: the %1 records of '%2' would be added to '%3'; nothing was written.")
                         .arg(report.records)
                         .arg(old, where));
        else
            writeOut(QCoreApplication::translate("Companion", "Added the %1 records of '%2' to '%3'.")
                         .arg(report.records)
                         .arg(old, where));
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeImportAccess()
{
    return std::make_unique<ImportAccess>();
}

} // namespace datatool::cli
