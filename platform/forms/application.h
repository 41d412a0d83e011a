#pragma once

#include <QApplication>

namespace forms {

// The program's application object: its identity, the design fonts, and the last net
// under every event so that no exception crosses Qt's event loop.
class Application final : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv, const QString& title, const QString& version);

    bool notify(QObject* receiver, QEvent* event) override;
};

// The designs name Windows fonts; map them to metric-alike fonts found here.
void installDesignFonts();

} // namespace forms
