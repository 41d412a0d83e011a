#pragma once

#include "inventory/legacy/conversion.h"

#include <QString>

namespace legacy {

struct StartOptions
{
    // A conversion that ends sooner shows no progress bar.
    int progressDelayMs = 500;
    ConversionOptions conversion;
};

// At start, when the inventory file is in the Access format of the earlier version:
// says in one message why it cannot be converted, or asks once and, on Yes, converts it
// with a progress bar and tells what was done. True when the program can go on with the
// converted inventory; false when it should end, with nothing changed on disk.
bool offerConversion(const QString& path, const StartOptions& options = {});

// At start, for the inventory file at path: a missing one is offered once as an empty
// inventory, and one in the Access format a conversion; nothing is made or changed without
// a yes. With QBData.server beside it the inventory is on that server, and the file is not
// looked at. False when the program should end.
bool inventoryReadyAtStart(const QString& path);

} // namespace legacy
