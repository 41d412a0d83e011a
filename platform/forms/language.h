#pragma once

#include <QLocale>

namespace forms {

// Installs the program's translation for the locale, and Qt's own for its standard buttons,
// from the translations built into the program. Nothing is installed for a locale with no
// translation of the program (C, English): every text stays as written. True when one was.
bool installTranslators(const QLocale& locale);

// The locale the system asks messages in. As gettext reads it, LANGUAGE counts only when the
// messages' locale (LC_ALL, else LC_MESSAGES, else LANG) is not C or POSIX: LANG=C is English.
QLocale messagesLocale();

} // namespace forms
