#include "inventory/main_window/tamsel.h"

#include "inventory/info_windows/frmabout.h"
#include "inventory/list_window/frmdatagrid.h"

// The window's commands, from its menus and its toolbar.

void Tamsel::mnudbgrid_Click()
{
    list_window::showDataGrid();
}

void Tamsel::mnuabout_Click()
{
    info::showAbout();
}
