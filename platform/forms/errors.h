#pragma once

#include "platform/base/runtimeerror.h"

#include <QCoreApplication>
#include <QString>

#include <exception>

namespace forms {

// Shows an error that escaped a handler: one message box with its number and text.
void reportError(const base::RuntimeError& error);
void reportError(const std::exception& error);

// Runs a handler so that no exception leaves it: errors become one message box and the
// window returns to the event loop, still usable. Returns false when the handler failed.
template <class F> bool guarded(F&& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const base::RuntimeError& e) {
        reportError(e);
    } catch (const std::exception& e) {
        reportError(e);
    } catch (...) {
        reportError(base::RuntimeError(
            base::ErrUnexpected,
            QCoreApplication::translate("forms", "An unexpected error stopped the last action.")));
    }
    return false;
}

} // namespace forms
