#pragma once

#include "platform/data/errors.h"
#include "platform/data/pgerrors.h"

namespace records {

// Opens the PostgreSQL client library file as a first use of a server does, and closes it
// again; a DataError ServerClientMissing says why it cannot be used.
void openClientLibrary(const char* file);

} // namespace records
