#pragma once

#include "platform/controls/registry.h"

namespace controls {

// Uses another registration file for the lifetime of this object.
class ScopedRegistrationFile
{
public:
    explicit ScopedRegistrationFile(const QString& path);
    ~ScopedRegistrationFile();
    ScopedRegistrationFile(const ScopedRegistrationFile&) = delete;
    ScopedRegistrationFile& operator=(const ScopedRegistrationFile&) = delete;

private:
    QString previous_;
};

} // namespace controls
