#include "inventory/datatool/commands/commands.h"
#include "inventory/datatool/commands/output.h"
#include "inventory/datatool/csv.h"
#include "inventory/datatool/inventory_file.h"
#include "platform/data/database.h"

#include <QCoreApplication>

namespace datatool::cli {

namespace {

class ExportCsv final : public Command
{
public:
    ExportCsv()
        : Command(QStringLiteral("export-csv"),
                  QCoreApplication::translate("Companion", "export-csv [--out FILE] [--for-spreadsheet]"),
                  QCoreApplication::translate(
                      "Companion",
                      "Every record in name order as CSV (UTF-8 with a byte-order mark, CRLF between\n"
                      "rows), to FILE or to the standard output. --for-spreadsheet writes values that a\n"
                      "spreadsheet would turn into a date, a number or a formula (1-2, 2/3, 007, =...)\n"
                      "so that it shows them as text."),
                  {valueOption(QStringLiteral("out"), QStringLiteral("FILE")),
                   flagOption(QStringLiteral("for-spreadsheet"))})
    {}

    bool takesServer() const override { return true; }
    void check(const Arguments&) const override {}

    int execute(const Arguments& args) const override
    {
        const InventoryToRead inventory(args);
        auto db = openInventory(inventory.path(), true);
        ExportOptions options;
        options.forSpreadsheet = args.options.isSet(QStringLiteral("for-spreadsheet"));
        options.onReplaced = [](const QString& name, const QStringList& columns) {
            reportWarning(TextNotUtf8,
                          QCoreApplication::translate(
                              "Companion",
                              "The record %1 holds bytes that are not UTF-8 text in %2; they were "
                              "written as the replacement character \uFFFD. Correct the text in "
                              "Quillarbon to keep what was meant.")
                              .arg(name.isNull() ? QCoreApplication::translate("Companion", "without a name")
                                                 : QStringLiteral("'%1'").arg(name),
                                   columns.join(QStringLiteral(", "))));
        };
        const QString path = args.options.value(QStringLiteral("out"));
        if (path.isEmpty()) {
            StandardOutput out(QIODevice::WriteOnly | QIODevice::Unbuffered);
            exportCsv(*db, out.device(), options);
            out.flush();
            return 0;
        }
        Output out(path, inventory.path(), true);
        const std::int64_t records = exportCsv(*db, out.device(), options);
        out.commit();
        if (!out.isStandardOutput())
            writeOut(QCoreApplication::translate("Companion", "Wrote %1 records to '%2'.")
                         .arg(records)
                         .arg(native(path)));
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeExportCsv()
{
    return std::make_unique<ExportCsv>();
}

} // namespace datatool::cli
