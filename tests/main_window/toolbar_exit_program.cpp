// The program as a user runs it, over the inventory of the folder given: it types an edit
// that is never saved, opens the list window, and presses the toolbar's Exit. It ends with
// status 0 if that ended it at once, and 3 if the program was still running afterwards.
#include "inventory/list_window/frmdatagrid.h"
#include "inventory/main_window/tamsel.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/forms/application.h"
#include "platform/forms/identity.h"

#include <QAction>
#include <QTest>
#include <QToolBar>

#include <cstdio>

int main(int argc, char** argv)
{
    forms::Application app(argc, argv, QStringLiteral("Quillarbon"), QStringLiteral("1.0.0"));
    if (argc != 2)
        return 2;
    forms::setPath(QString::fromLocal8Bit(argv[1]));
    Tamsel* w = Tamsel::Load();
    w->show();
    list_window::showDataGrid();
    QTest::keyClicks(w->txtfields(store::LOCAL)->widget(), QStringLiteral(" (never saved)"));
    std::printf("edited\n");
    std::fflush(stdout);
    auto* toolbar = w->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QTest::mouseClick(toolbar->widgetForAction(w->findChild<QAction*>(QStringLiteral("Toolbar1_Exit"))),
                      Qt::LeftButton);
    return 3;
}
