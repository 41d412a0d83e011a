#include "inventory/datatool/commands/commands.h"
#include "inventory/datatool/csv.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace datatool::cli {

namespace {

class ImportCsv final : public Command
{
public:
    ImportCsv()
        : Command(QStringLiteral("import-csv"),
                  QCoreApplication::translate("Companion",
                                              "import-csv FILE [--dry-run] [--allow-duplicates] [--create]"),
                  QCoreApplication::translate(
                      "Companion",
                      "Adds the rows of FILE, all of them or none. The first line names the columns\n"
                      "(NOME is required, the others may be left out); cells are separated by commas,\n"
                      "or by semicolons as some spreadsheets save them. A row whose NOME is already in\n"
                      "the inventory (letter case and surrounding spaces aside) is not added unless\n"
                      "--allow-duplicates is given. --dry-run reports\n"
                      "what would be added and changes nothing. --create makes an empty inventory first\n"
                      "when there is none."),
                  {flagOption(QStringLiteral("dry-run")), flagOption(QStringLiteral("allow-duplicates")),
                   flagOption(QStringLiteral("create"))},
                  true)
    {}

    // Refused with its own error rather than as an unknown option, so the user learns the way.
    bool takesServer() const override { return true; }
    void check(const Arguments& args) const override
    {
        if (args.word.isEmpty())
            throw usage(QCoreApplication::translate("Companion", "import-csv needs the CSV file to read."));
    }

    int execute(const Arguments& args) const override
    {
        if (!args.server.isEmpty())
            throw importNotOnServer(name());
        const bool dryRun = args.options.isSet(QStringLiteral("dry-run"));
        const bool allowDuplicates = args.options.isSet(QStringLiteral("allow-duplicates"));
        const QString& csv = args.word;
        // --create makes an inventory only when there is none, and takes it away again when
        // the import fails: a failed command leaves no new file behind. A dry run makes its
        // empty inventory in a temporary folder.
        QString target = args.inventory;
        QTemporaryDir scratch;
        bool created = false;
        if (args.options.isSet(QStringLiteral("create")) && !QFileInfo::exists(args.inventory)) {
            if (dryRun)
                target = scratch.filePath(store::fileName());
            store::createEmptyInventory(target);
            created = !dryRun;
        }
        auto removeCreated = [&] {
            if (created)
                for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
                    QFile::remove(target + suffix);
        };

        ImportOptions options;
        options.dryRun = dryRun;
        options.allowDuplicates = allowDuplicates;
        ImportReport report;
        try {
            auto db = openInventory(target, dryRun);
            report = importCsv(
                *db, csv, options,
                [&](const RowProblem& p) {
                    reportError(CsvBadRow, QCoreApplication::translate("Companion", "Line %1 of '%2': %3.")
                                               .arg(p.line)
                                               .arg(native(csv), p.reason));
                },
                [&](std::int64_t line, const QString& name) {
                    if (dryRun)
                        writeOut(QCoreApplication::translate("Companion", "Line %1: would add '%2'.")
                                     .arg(line)
                                     .arg(name));
                });
        } catch (...) {
            removeCreated();
            throw;
        }

        for (const QString& column : std::as_const(report.ignoredColumns))
            writeOut(
                QCoreApplication::translate(
                    "Companion", "The column '%1' is not a column of the inventory; its cells were not read.")
                    .arg(column));
        if (!report.missingColumns.isEmpty())
            writeOut(QCoreApplication::translate("Companion", "Columns not in the file, left empty: %1.")
                         .arg(report.missingColumns.join(QStringLiteral(", "))));
        for (const std::int64_t line : report.repeatedHeaders)
            writeOut(QCoreApplication::translate(
                         "Companion", "Line %1 repeats the column names of the first line; it was read as "
                                      "column names, not as a chemical.")
                         .arg(line));
        for (const auto& d : report.duplicates)
            writeOut(QCoreApplication::translate("Companion", "Line %1: %2")
                         .arg(d.line)
                         .arg(duplicateNote(d.name, d.stored, allowDuplicates)));
        const QString where = native(QFileInfo(args.inventory).absoluteFilePath());
        if (dryRun)
            writeOut(
                QCoreApplication::translate(
                    "Companion", "Dry run: %1 of the %2 rows would be added to '%3'; nothing was written.")
                    .arg(report.added)
                    .arg(report.rows)
                    .arg(where));
        else
            writeOut(QCoreApplication::translate("Companion", "Added %1 of the %2 rows to '%3'.")
                         .arg(report.added)
                         .arg(report.rows)
                         .arg(where));
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeImportCsv()
{
    return std::make_unique<ImportCsv>();
}

} // namespace datatool::cli
