#include "platform/testing/registrationfile.h"

namespace controls {

ScopedRegistrationFile::ScopedRegistrationFile(const QString& path) : previous_(ControlRegistry::file())
{
    ControlRegistry::setFile(path);
}

ScopedRegistrationFile::~ScopedRegistrationFile()
{
    ControlRegistry::setFile(previous_);
}

} // namespace controls
