#include "platform/forms/errors.h"

#include "platform/forms/msgbox.h"
#include "platform/forms/screen.h"

#include <QCoreApplication>

namespace forms {

void reportError(const base::RuntimeError& error)
{
    // The handler that failed may have left the hourglass on.
    setMousePointer(Pointer::Default);
    if (error.reported())
        return;
    MsgBox(QCoreApplication::translate("forms", "Error %1: %2").arg(error.number()).arg(error.text()),
           Critical);
}

void reportError(const std::exception& error)
{
    reportError(base::RuntimeError(base::ErrUnexpected, QString::fromLocal8Bit(error.what())));
}

} // namespace forms
