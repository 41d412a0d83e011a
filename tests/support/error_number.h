#pragma once

#include "platform/forms/errors.h"

#include <QString>

namespace testsupport {

// The number of the error that f throws, 0 when it throws none.
template <class F> int errorNumber(F&& f, QString* text = nullptr)
{
    try {
        f();
    } catch (const base::RuntimeError& e) {
        if (text)
            *text = e.text();
        return e.number();
    }
    return 0;
}

} // namespace testsupport
