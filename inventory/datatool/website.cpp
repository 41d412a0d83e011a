#include "inventory/datatool/website.h"

#include "inventory/datatool/errors.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/store/inventory.h"
#include "platform/data/database.h"

#include <QFileInfo>

#include <cstdio>

namespace datatool {

std::optional<int> runSetWebsite(const QStringList& arguments)
{
    // --help is the parser's to answer.
    if (!arguments.contains(QStringLiteral("set-website")) || arguments.contains(QStringLiteral("--help")) ||
        arguments.contains(QStringLiteral("-h")))
        return std::nullopt;
    const auto usage = [](const QString& text) {
        return ToolError(UsageError, text + QStringLiteral(" Run quillarbon-data --help."));
    };
    QString file;
    QStringList rest;
    bool named = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--file")) {
            if (i + 1 >= arguments.size())
                throw usage(QStringLiteral("--file needs the inventory's path."));
            file = arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--file="))) {
            file = arg.mid(7);
        } else if (!named && arg == QLatin1String("set-website")) {
            // Another command came first: set-website is its argument, not the command.
            if (!rest.isEmpty())
                return std::nullopt;
            named = true;
        } else {
            rest.append(arg);
        }
    }
    if (rest.size() != 1 || rest.first().startsWith(QLatin1String("--")))
        throw usage(QStringLiteral("set-website needs one address, such as https://example.org/lab."));
    const QString inventory =
        file.isEmpty() ? defaultInventoryPath() : records::normalizePath(QFileInfo(file).absoluteFilePath());
    auto db = openInventory(inventory, false);
    store::setWebsite(*db, rest.first());
    const QByteArray said =
        QStringLiteral("The main window's web-site link now opens %1.\n").arg(rest.first()).toUtf8();
    std::fwrite(said.constData(), 1, static_cast<std::size_t>(said.size()), stdout);
    return 0;
}

} // namespace datatool
