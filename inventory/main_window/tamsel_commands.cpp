#include "inventory/main_window/tamsel.h"

#include "inventory/info_windows/frmabout.h"
#include "inventory/list_window/frmdatagrid.h"
#include "inventory/storage_window/storagecheckwindow.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/windows.h"
#include "ui_tamsel.h"

#include <QAction>
#include <QCoreApplication>
#include <QTabWidget>

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
    // The new record's name is typed first; its box lies on the first page.
    ui->SSTab1->setCurrentIndex(0);
    ui->txtfields_1->setFocus(Qt::OtherFocusReason);
}

void Tamsel::mnusave_Click()
{
    if (txtfields(store::NOME)->Text().isEmpty()) {
        forms::MsgBox(QCoreApplication::translate("Tamsel", "The CHEMICAL NAME Field must be filled!"),
                      forms::Critical);
        return;
    }
    ui->Data1->UpdateRecord();
    LoadSearchArrays();
    Command2_Click();
}

void Tamsel::mnudel_Click()
{
    const int answer =
        forms::MsgBox(QCoreApplication::translate("Tamsel", "Do you really want to REMOVE this  Record?!"),
                      forms::OkCancel, QCoreApplication::translate("Tamsel", "Remove"));
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
        forms::MsgBox(QCoreApplication::translate("Tamsel", "Last Record"));
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

// The Storage Check window, one for the main window, read afresh each time it is asked for.
void Tamsel::mnustoragecheck_Click()
{
    const bool made = !storageCheck_;
    forms::showModeless(storageCheck_, [this] {
        return new storage_window::StorageCheckWindow(
            store::databasePath(forms::Path(), store::mainFilePart()), this);
    });
    if (made)
        connect(storageCheck_, &storage_window::StorageCheckWindow::chemicalChosen, this,
                [this](qint64 rowid) { forms::guarded([&] { showRecord(rowid); }); });
    storageCheck_->refresh();
}

storage_window::StorageCheckWindow* Tamsel::storageCheck() const
{
    return storageCheck_.data();
}

void Tamsel::showRecord(qint64 rowid)
{
    int position = ui->Data1->Recordset()->positionOf(rowid);
    if (position < 0) {
        // Added since the cursor was opened, by another window or program. The reopened
        // cursor is a new record set.
        LoadSearchArrays();
        position = ui->Data1->Recordset()->positionOf(rowid);
    }
    if (position < 0) {
        forms::MsgBox(
            QCoreApplication::translate(
                "Tamsel", "This chemical is no longer in the inventory. Refresh the Storage Check."),
            forms::Exclamation);
        return;
    }
    ui->Data1->Recordset()->setAbsolutePosition(position);
    raise();
    activateWindow();
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
