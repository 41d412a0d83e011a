#include "inventory/main_window/tamsel.h"

#include "inventory/info_windows/frmabout.h"
#include "inventory/list_window/frmdatagrid.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/forms/msgbox.h"
#include "ui_tamsel.h"

#include <QAction>

#include <cstdlib>

// The window's record commands, from its menus and its toolbar.

namespace {

// The toolbar's Exit: the program ends now, with no window unloaded and no edit written.
// The files are closed first, so the inventory is left as its last commit made it.
[[noreturn]] void endProgramAtOnce()
{
    records::DataControl::closeAllWithoutSaving();
    std::_Exit(0);
}

} // namespace

void Tamsel::nmunew_Click()
{
    ui->Data1->Recordset()->AddNew();
}

void Tamsel::mnusave_Click()
{
    if (txtfields(store::NOME)->Text().isEmpty()) {
        forms::MsgBox(QStringLiteral("The CHEMICAL NAME Field must be filled!"), forms::Critical);
        return;
    }
    ui->Data1->UpdateRecord();
    LoadSearchArrays();
    Command2_Click();
}

void Tamsel::mnudel_Click()
{
    const int answer = forms::MsgBox(QStringLiteral("Do you really want to REMOVE this  Record?!"),
                                     forms::OkCancel, QStringLiteral("Remove"));
    records::Recordset* rs = ui->Data1->Recordset();
    if (answer != forms::Ok)
        return;
    if (rs->isNewRecord()) {
        // A new record not yet written: removing it means dropping it, and nothing else.
        ui->Data1->UpdateControls();
    } else if (!rs->Eof()) {
        rs->Delete();
        rs->MoveNext();
    } else {
        forms::MsgBox(QStringLiteral("Last Record"));
    }
    LoadSearchArrays();
    Command2_Click();
}

void Tamsel::mnurefresh_Click()
{
    LoadSearchArrays();
}

void Tamsel::mnuexit_Click()
{
    close();
}

// The list window comes when its records are read; this window goes on meanwhile.
void Tamsel::mnudbgrid_Click()
{
    list_window::openDataGrid();
}

void Tamsel::mnuabout_Click()
{
    info::showAbout();
}

void Tamsel::Toolbar1_ButtonClick(QAction* Button)
{
    const QString key = Button->property("Key").toString();
    if (key == QLatin1String("New"))
        nmunew_Click();
    else if (key == QLatin1String("Refresh"))
        mnurefresh_Click();
    else if (key == QLatin1String("Remove"))
        mnudel_Click();
    else if (key == QLatin1String("Save"))
        mnusave_Click();
    else if (key == QLatin1String("List"))
        mnudbgrid_Click();
    else if (key == QLatin1String("Exit"))
        endProgramAtOnce();
}
