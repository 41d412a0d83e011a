#include "inventory/datatool/commands/commands.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/store/inventory.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/database.h"
#include "platform/data/pgdatabase.h"

#include <QCoreApplication>

namespace datatool::cli {

namespace {

class SetWebsite final : public Command
{
public:
    SetWebsite()
        : Command(QStringLiteral("set-website"), QCoreApplication::translate("Companion", "set-website URL"),
                  QCoreApplication::translate(
                      "Companion",
                      "Stores the laboratory's own web address in the inventory: the main window's\n"
                      "link shows and opens it. Only an http or https address with a host is taken."),
                  {}, true)
    {}

    bool takesServer() const override { return true; }
    void check(const Arguments& args) const override
    {
        if (args.word.isEmpty())
            throw usage(QCoreApplication::translate(
                "Companion", "set-website needs one address, such as https://example.org/lab."));
    }

    int execute(const Arguments& args) const override
    {
        if (args.server.isEmpty()) {
            auto db = openInventory(args.inventory, false);
            store::setWebsite(*db, args.word);
        } else {
            store::setWebsite(*store::openServerInventory(args.server, {}), args.word);
        }
        writeOut(QCoreApplication::translate("Companion", "The main window's web-site link now opens %1.")
                     .arg(args.word));
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeSetWebsite()
{
    return std::make_unique<SetWebsite>();
}

} // namespace datatool::cli
