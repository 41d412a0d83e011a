#include "platform/forms/application.h"

#include "platform/forms/errors.h"

#include <QFont>

namespace forms {

Application::Application(int& argc, char** argv, const QString& title, const QString& version)
    : QApplication(argc, argv)
{
    setApplicationName(title);
    setApplicationVersion(version);
    installDesignFonts();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void installDesignFonts()
{
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}

} // namespace forms
