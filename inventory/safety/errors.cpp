#include "inventory/safety/errors.h"

namespace safety {

QString storageErrorText(int number)
{
    switch (number) {
    case SchemeDamaged:
        return QStringLiteral("The storage groups built into the program cannot be read; reinstall it.");
    case NothingToCheck:
        return QStringLiteral("No chemical is in the storing places named, so there is nothing to check.");
    default:
        return {};
    }
}

} // namespace safety
