#include "platform/forms/language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace forms {

bool installTranslators(const QLocale& locale)
{
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(locale, QStringLiteral("quillarbon"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's buttons only beside a translation of ours: no window half in one language.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

QLocale messagesLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (value.isEmpty())
            continue;
        if (value == "C" || value == "POSIX" || value.startsWith("C."))
            return QLocale::c();
        break;
    }
    return QLocale::system();
}

} // namespace forms
