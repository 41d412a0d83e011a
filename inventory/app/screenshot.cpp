// Renders the program's windows offscreen to PNG files, over the inventory beside the
// program (or the folder given), so anyone can look at what the program shows.
#include "inventory/info_windows/frmabout.h"
#include "inventory/info_windows/frmsplash.h"
#include "inventory/list_window/frmdatagrid.h"
#include "inventory/main_window/tamsel.h"
#include "inventory/storage_window/storagecheckwindow.h"
#include "platform/forms/application.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/language.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
#include "quillarbon_version.h"

#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <cstdio>

namespace {

bool save(QWidget* w, const QString& file)
{
    QTest::qWait(50);
    const bool ok = w->grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(file));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral(QUILLARBON_VERSION));
    // The language of the system's locale; under C or English the texts as written.
    forms::installTranslators(forms::messagesLocale());
    const QStringList args = app.arguments();
    const QString outDir = args.size() > 1 ? args.at(1) : QStringLiteral("screenshots");
    if (args.size() > 2)
        forms::setPath(args.at(2));
    QDir().mkpath(outDir);

    bool ok = true;
    {
        info::frmSplash splash([] {});
        splash.Form_Load();
        splash.Timer1()->stop();
        splash.show();
        ok &= save(&splash, QStringLiteral("%1/splash.png").arg(outDir));
    }
    {
        info::frmAbout about;
        about.Form_Load();
        about.show();
        ok &= save(&about, QStringLiteral("%1/about.png").arg(outDir));
    }
    Tamsel* main = nullptr;
    if (!forms::guarded([&] { main = Tamsel::Load(); }))
        return 1;
    main->show();
    auto* tabs = main->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        ok &= save(main, QStringLiteral("%1/main_window_tab%2.png").arg(outDir).arg(i));
    }
    // The whole design, as it looks when the user enlarges the window.
    tabs->setCurrentIndex(0);
    main->resize(forms::px(11595), forms::px(7770) + 22);
    ok &= save(main, QStringLiteral("%1/main_window_enlarged.png").arg(outDir));
    // A search with its list of hits, the first one chosen.
    main->Text2()->setText(QStringLiteral("cloreto"));
    main->Timer1_Timer();
    QCoreApplication::processEvents();
    ok &= save(main, QStringLiteral("%1/main_window_search.png").arg(outDir));
    // The list window beside it, as it opens and with the hits of a seek over the grid.
    list_window::frmDataGrid* list = list_window::showDataGrid();
    ok &= save(list, QStringLiteral("%1/list_window.png").arg(outDir));
    list->Text1()->setText(QStringLiteral("cloreto"));
    list->Timer1_Timer();
    QCoreApplication::processEvents();
    ok &= save(list, QStringLiteral("%1/list_window_seek.png").arg(outDir));
    list->close();
    // The Storage Check from the View menu, a chemical of the acids' shelf chosen.
    main->mnustoragecheck_Click();
    if (storage_window::StorageCheckWindow* check = main->storageCheck()) {
        QTreeView* tree = check->tree();
        const QModelIndex pair = tree->model()->index(0, 0, tree->model()->index(1, 0));
        tree->setCurrentIndex(tree->model()->index(0, 0, pair));
        tree->setFocus();
        ok &= save(check, QStringLiteral("%1/storage_check.png").arg(outDir));
        check->close();
    } else {
        ok = false;
    }
    main->close();
    return ok ? 0 : 1;
}
