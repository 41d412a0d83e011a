#include "inventory/datatool/commands/commands.h"
#include "inventory/datatool/commands/output.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/datatool/shelflist.h"
#include "platform/data/database.h"

#include <QCoreApplication>

namespace datatool::cli {

namespace {

class PrintList final : public Command
{
public:
    PrintList()
        : Command(
              QStringLiteral("print"),
              QCoreApplication::translate("Companion", "print --out FILE.pdf [--location TEXT] [--letter]"),
              QCoreApplication::translate(
                  "Companion",
                  "A shelf list to hang on each storing place: one section per place, each chemical\n"
                  "with its formula, quantity, signal word and hazard pictograms. --location prints\n"
                  "only the places whose name contains TEXT; --letter uses US Letter paper, not A4."),
              {valueOption(QStringLiteral("out"), QStringLiteral("FILE.pdf")),
               valueOption(QStringLiteral("location"), QStringLiteral("TEXT")),
               flagOption(QStringLiteral("letter"))})
    {}

    bool takesServer() const override { return true; }
    void check(const Arguments& args) const override
    {
        if (args.options.value(QStringLiteral("out")).isEmpty())
            throw usage(
                QCoreApplication::translate("Companion", "print needs --out FILE.pdf, the file to write."));
        requireValue(args, QStringLiteral("location"),
                     QCoreApplication::translate("Companion", "--location needs a part of a place's name."));
    }

    int execute(const Arguments& args) const override
    {
        const QString path = args.options.value(QStringLiteral("out"));
        const InventoryToRead inventory(args);
        auto db = openInventory(inventory.path(), true);
        ShelfListOptions options;
        options.placeContains = args.options.value(QStringLiteral("location"));
        options.letter = args.options.isSet(QStringLiteral("letter"));
        options.date = QDate::currentDate();
        options.fileLabel = inventory.label();
        options.onUnprintable = [](const UnprintableText& t) {
            QStringList codes;
            for (const uint c : t.characters.toUcs4())
                codes.append(QStringLiteral("U+%1").arg(c, 4, 16, QLatin1Char('0')).toUpper());
            const QString what = t.record.isEmpty()
                                     ? QCoreApplication::translate("Companion", "The place '%1'").arg(t.place)
                                     : QCoreApplication::translate("Companion", "The record '%1' (in '%2')")
                                           .arg(t.record, t.place);
            reportWarning(NoFontHasIt,
                          QCoreApplication::translate(
                              "Companion", "%1 holds characters that no installed font has (%2); the "
                                           "list cannot show them. Install fonts that have them, or "
                                           "write the name without them.")
                              .arg(what, codes.join(QStringLiteral(", "))));
        };
        Output out(path, inventory.path(), false);
        const ShelfListResult result = printShelfList(*db, out.device(), options);
        out.commit();
        if (out.isStandardOutput())
            return 0;
        writeOut(QCoreApplication::translate("Companion", "Wrote %1 %2 (%3 chemicals in %4 %5) to '%6'.")
                     .arg(result.pages)
                     .arg(result.pages == 1 ? QCoreApplication::translate("Companion", "page")
                                            : QCoreApplication::translate("Companion", "pages"))
                     .arg(result.records)
                     .arg(result.places)
                     .arg(result.places == 1 ? QCoreApplication::translate("Companion", "place")
                                             : QCoreApplication::translate("Companion", "places"))
                     .arg(native(path)));
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makePrintList()
{
    return std::make_unique<PrintList>();
}

} // namespace datatool::cli
