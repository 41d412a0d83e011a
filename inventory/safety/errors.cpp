#include "inventory/safety/errors.h"

#include <QCoreApplication>

namespace safety {

QString storageErrorText(int number)
{
    switch (number) {
    case SchemeDamaged:
        return QCoreApplication::translate(
            "Inventory", "The storage groups built into the program cannot be read; reinstall it.");
    case NothingToCheck:
        return QCoreApplication::translate(
            "Inventory", "No chemical is in the storing places named, so there is nothing to check.");
    default:
        return {};
    }
}

} // namespace safety
