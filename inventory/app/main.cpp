#include "inventory/info_windows/frmsplash.h"
#include "inventory/legacy/convertdialog.h"
#include "inventory/main_window/tamsel.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"
#include "platform/data/readahead.h"
#include "platform/forms/application.h"
#include "platform/forms/identity.h"
#include "platform/forms/language.h"
#include "quillarbon_version.h"

#include <QCoreApplication>
#include <QTimer>

#include <memory>

namespace {

// Well after the splash is drawn, and well before its two seconds are over.
constexpr int kMakeMainWindowAfterMs = 500;

} // namespace

int main(int argc, char** argv)
{
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral(QUILLARBON_VERSION));
    // The language of the system's locale; under C or English the texts as written.
    forms::installTranslators(forms::messagesLocale());
    // The desktop's menu entry, so a desktop shows the entry's icon for the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillarbon.Quillarbon"));
    if (!legacy::inventoryReadyAtStart(
            records::normalizePath(store::databasePath(forms::Path(), store::mainFilePart()))))
        return 0;

    // The splash is the start-up window; two seconds on it hands over to the main window.
    // The program ends when its last window is closed.
    // The main window's widgets are made while the splash waits, once the splash is up; the
    // window's load still runs when the timer fires.
    std::unique_ptr<Tamsel> made;
    auto showMainWindow = [&made] {
        Tamsel::Load(std::move(made))->show();
    };
    info::frmSplash* splash = info::frmSplash::Load(showMainWindow);
    splash->show();
    // A window that cannot be made now is made again at the hand-over, which reports why.
    QTimer::singleShot(kMakeMainWindowAfterMs, splash, [&made]() noexcept {
        try {
            made = std::make_unique<Tamsel>();
            // Its style applied and its window made on the display now, so that the
            // hand-over only loads and maps it.
            made->ensurePolished();
            (void)made->winId();
        } catch (const std::exception&) {
            made.reset();
        }
    });
    // The inventory is read while the splash is up, and the main window's load takes what was
    // read. Ending the program before the hand-over stops the reading.
    const auto readBehindSplash = Tamsel::readAhead();
    return app.exec();
}
