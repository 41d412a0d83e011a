#include "inventory/datatool/commands/commands.h"
#include "inventory/datatool/commands/output.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/datatool/storagereport.h"
#include "inventory/safety/errors.h"
#include "inventory/safety/storagecheck.h"
#include "platform/data/database.h"

#include <QCoreApplication>

namespace datatool::cli {

namespace {

class CheckStorage final : public Command
{
public:
    CheckStorage()
        : Command(QStringLiteral("check-storage"),
                  QCoreApplication::translate("Companion", "check-storage [--location TEXT] [--csv]"),
                  QCoreApplication::translate(
                      "Companion",
                      "Within each storing place, the chemicals whose storage groups must be kept\n"
                      "apart (the compatible storage groups of Prudent Practices in the Laboratory),\n"
                      "and the chemicals whose group their record does not tell, each with the reason\n"
                      "for its group. A line \"Storage group: F\" in the hazards sets a chemical's group.\n"
                      "--location checks only the places whose name contains TEXT; --csv writes CSV.\n"
                      "The exit status is 0 when nothing must be kept apart, 3 when something must."),
                  {valueOption(QStringLiteral("location"), QStringLiteral("TEXT")),
                   flagOption(QStringLiteral("csv"))})
    {}

    bool takesServer() const override { return true; }
    void check(const Arguments& args) const override
    {
        requireValue(args, QStringLiteral("location"),
                     QCoreApplication::translate("Companion", "--location needs a part of a place's name."));
    }

    // Exit status 3 when chemicals that must be kept apart share a place, so that a scheduled
    // job can tell; the chemicals of unknown group are listed, and alone leave it 0.
    int execute(const Arguments& args) const override
    {
        const QString location = args.options.value(QStringLiteral("location"));
        const InventoryToRead inventory(args);
        auto db = openInventory(inventory.path(), true);
        safety::CheckOptions options;
        if (!location.isEmpty())
            options.placeChosen = [&](const QString& place, bool none) {
                return !none && placeMatches(place, location);
            };
        options.tick = [] {
            throwIfStopped();
        };
        const safety::StorageReport report = safety::checkInventory(*db, options);
        if (report.records == 0)
            throw safety::StorageError(
                safety::NothingToCheck,
                location.isEmpty()
                    ? QCoreApplication::translate(
                          "Companion", "The inventory '%1' holds no records, so there is nothing to check.")
                          .arg(inventory.label())
                    : QCoreApplication::translate(
                          "Companion",
                          "No storing place in '%1' has '%2' in its name, so there is nothing to "
                          "check. Try a shorter part of the name, or leave out --location.")
                          .arg(inventory.label(), location));
        StandardOutput out;
        if (args.options.isSet(QStringLiteral("csv")))
            writeStorageCsv(report, out.device());
        else
            writeStorageText(report, inventory.label(), out.device());
        out.flush();
        return report.hasConflicts() ? 3 : 0;
    }
};

} // namespace

std::unique_ptr<Command> makeCheckStorage()
{
    return std::make_unique<CheckStorage>();
}

} // namespace datatool::cli
