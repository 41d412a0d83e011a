#include "inventory/list_window/frmdatagrid.h"

#include "inventory/search/seek.h"
#include "platform/data/datacontrol.h"
#include "platform/data/recordset.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/listbox.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
#include "ui_frmdatagrid.h"

#include <QCoreApplication>

// The seek: the search both windows share over this window's own arrays, whose hits are
// stepped through with Previous and Next.

namespace list_window {

void frmDataGrid::setListIndex(int index)
{
    ui->List1->setCurrentRow(index);
}

search::SeekState frmDataGrid::seekState()
{
    return {*ui->List1, *Timer1_, hitPositions, hitCount, searchReady};
}

void frmDataGrid::Command1_Click()
{
    ui->Command2->show();
    ui->Command3->show();
    switch (search::seek(seekState(), ui->Text1->text(), ui->Data1->Recordset()->RecordCount(),
                         {&chemNames, &formulas})) {
    case search::SeekResult::NoText:
    case search::SeekResult::NotFound:
        ui->Command2->hide();
        ui->Command3->hide();
        break;
    case search::SeekResult::Armed:
    case search::SeekResult::Found:
        break;
    }
}

void frmDataGrid::Text1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        Command1_Click();
}

void frmDataGrid::Timer1_Timer()
{
    search::seekOnTick(seekState(), timerSearchRunning_, [this] { Command1_Click(); });
}

void frmDataGrid::List1_Click()
{
    const int k = ui->List1->currentRow() + 1;
    if (k < 1 || k > hitCount || k >= static_cast<int>(hitPositions.size()))
        return;
    ui->Data1->Recordset()->setAbsolutePosition(hitPositions[static_cast<std::size_t>(k)]);
}

// Previous at the first hit is refused at once, and the first hit stays chosen.
void frmDataGrid::Command2_Click()
{
    const int previous = ui->List1->currentRow() - 1;
    if (previous >= 0) {
        setListIndex(previous);
        return;
    }
    if (ui->List1->count() > 0)
        setListIndex(0);
    forms::MsgBox(QCoreApplication::translate("frmDataGrid", "First record found!"), forms::Critical);
}

void frmDataGrid::Command3_Click()
{
    const int next = ui->List1->currentRow() + 1;
    if (next < ui->List1->count()) {
        setListIndex(next);
        return;
    }
    forms::MsgBox(QCoreApplication::translate("frmDataGrid", "Last record found!"), forms::Critical);
}

} // namespace list_window
