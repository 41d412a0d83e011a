#include "inventory/datatool/commands/commands.h"
#include "inventory/datatool/commands/output.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/datatool/labels.h"
#include "platform/data/database.h"

#include <QCoreApplication>

namespace datatool::cli {

namespace {

class PrintLabels final : public Command
{
public:
    PrintLabels()
        : Command(QStringLiteral("labels"),
                  QCoreApplication::translate("Companion",
                                              "labels --out FILE.pdf [--location TEXT] [--sheet NAME]"),
                  // The blank line at the end sets check-storage apart in the help.
                  QCoreApplication::translate(
                      "Companion",
                      "A label for each chemical's container, on a sheet of self-adhesive labels: its\n"
                      "name, formula, place, hazard pictograms and signal word, and a QR code of its\n"
                      "name and place. --location prints the labels of the places whose name contains\n"
                      "TEXT only. --sheet names the sheet of labels: a4-3x8 (A4, 3 x 8 labels of\n"
                      "70 x 37 mm; the default), a4-2x7 (A4, 2 x 7 labels of 99.1 x 38.1 mm) or\n"
                      "letter-3x10 (US Letter, 3 x 10 labels of 2 5/8 x 1 in).\n"),
                  {valueOption(QStringLiteral("out"), QStringLiteral("FILE.pdf")),
                   valueOption(QStringLiteral("location"), QStringLiteral("TEXT")),
                   valueOption(QStringLiteral("sheet"), QStringLiteral("NAME"))})
    {}

    bool takesServer() const override { return true; }
    void check(const Arguments& args) const override
    {
        if (args.options.value(QStringLiteral("out")).isEmpty())
            throw usage(
                QCoreApplication::translate("Companion", "labels needs --out FILE.pdf, the file to write."));
        requireValue(
            args, QStringLiteral("sheet"),
            QCoreApplication::translate("Companion", "--sheet needs the name of a sheet of labels."));
        labelSheet(args.options.value(QStringLiteral("sheet"))); // an unknown sheet is UnknownSheet
        requireValue(args, QStringLiteral("location"),
                     QCoreApplication::translate("Companion", "--location needs a part of a place's name."));
    }

    int execute(const Arguments& args) const override
    {
        const QString path = args.options.value(QStringLiteral("out"));
        const InventoryToRead inventory(args);
        auto db = openInventory(inventory.path(), true);
        LabelOptions options;
        options.placeContains = args.options.value(QStringLiteral("location"));
        options.sheet = args.options.value(QStringLiteral("sheet"));
        options.fileLabel = inventory.label();
        Output out(path, inventory.path(), false);
        const LabelResult result = printLabels(*db, out.device(), options);
        out.commit();
        for (const QString& name : result.withoutCode)
            writeOut(QCoreApplication::translate(
                         "Companion",
                         "The label of '%1' has no QR code: its name and place are too long for a "
                         "code that can be read at this label's size.")
                         .arg(name.size() > 60 ? name.left(59) + QChar(0x2026) : name));
        writeOut(QCoreApplication::translate("Companion", "Wrote %1 %2 on %3 %4 (%5) to '%6'.")
                     .arg(result.labels)
                     .arg(result.labels == 1 ? QCoreApplication::translate("Companion", "label")
                                             : QCoreApplication::translate("Companion", "labels"))
                     .arg(result.pages)
                     .arg(result.pages == 1 ? QCoreApplication::translate("Companion", "sheet")
                                            : QCoreApplication::translate("Companion", "sheets"))
                     .arg(QCoreApplication::translate("Companion", labelSheet(options.sheet).description),
                          native(path)));
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makePrintLabels()
{
    return std::make_unique<PrintLabels>();
}

} // namespace datatool::cli
