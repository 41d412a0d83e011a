#pragma once

#include "platform/forms/errors.h"

#include <QString>

namespace controls {

// The control run-time's error numbers; control libraries number theirs from 450.
enum ControlsErrc : int
{
    ClassNotRegistered = 400,
    ProgIdNotRegistered = 401,
    LibraryMissing = 402,
    LibraryNotLoadable = 403,
    NotAControlLibrary = 404,
    ClassNotAvailable = 405,
    WrongInterface = 406,
    RegistrationUnreadable = 407,
    RegistrationNotWritten = 408,
    RegistrationRefused = 409,

    TypeMismatch = 410,
    Overflow = 411,
    MemberNotFound = 412,
    WrongArgumentCount = 413,
    AccessNotSupported = 414,
    NoSelectedControl = 415,
    ControlGone = 416,

    DesignFileAccess = 420,
    DesignFileInvalid = 421,

    AddressRefused = 430,
    BrowserFailed = 431,
};

class ControlError final : public base::RuntimeError
{
public:
    ControlError(int number, const QString& text) : base::RuntimeError(number, text) {}
};

// A text from outside (an address, a file's content) shortened for a message box.
QString quoted(const QString& text);

} // namespace controls
