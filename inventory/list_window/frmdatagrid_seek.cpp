#include "inventory/list_window/frmdatagrid.h"

#include "inventory/search/search_text.h"
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

// The seek: a press arms the timer, its tick searches the window's own arrays, and the
// hits are stepped through with Previous and Next.

namespace list_window {

void frmDataGrid::setList1HeightTwips(float twips)
{
    ui->List1->resize(ui->List1->width(), forms::px(twips));
}

void frmDataGrid::setListIndex(int index)
{
    ui->List1->setCurrentRow(index);
}

void frmDataGrid::Command1_Click()
{
    const int count = ui->Data1->Recordset()->RecordCount();
    hitPositions.assign(static_cast<std::size_t>(count) + 1, 0);
    setList1HeightTwips(286.747f);
    ui->List1->hide();
    ui->Command2->show();
    ui->Command3->show();

    const QString s = ui->Text1->text();
    if (s.isEmpty()) {
        ui->Command2->hide();
        ui->Command3->hide();
        return;
    }
    if (!searchReady) {
        Timer1_->setEnabled(true);
        return;
    }

    searchReady = false;
    ui->List1->clear();
    hitCount = 0;
    forms::setMousePointer(forms::Pointer::Hourglass);

    // The arrays hold the records of their last build; the scan never reads past them.
    auto found = search::findHits(
        {&chemNames, &formulas},
        std::min(static_cast<std::size_t>(ui->Data1->Recordset()->RecordCount()), chemNames.size()), s,
        search::twin(s));
    if (found.size() + 1 > hitPositions.size())
        found.resize(hitPositions.size() - 1);
    for (const search::Hit& hit : found)
        hitPositions[static_cast<std::size_t>(++hitCount)] = hit.position;
    ui->List1->setEntries(hitCount, search::hitTexts({chemNames, formulas}, std::move(found)));

    setList1HeightTwips(hitCount < 21 ? static_cast<float>(hitCount * 210.0 + 286.747) : 4486.747f);
    if (hitCount >= 1) {
        ui->List1->show();
        setListIndex(0);
        ui->List1->setFocus();
    } else {
        forms::MsgBox(QStringLiteral("No Chemical Found!\r\nTry Another Name"), forms::Critical);
        ui->Command2->hide();
        ui->Command3->hide();
    }
    forms::setMousePointer(forms::Pointer::Default);
}

void frmDataGrid::Text1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        Command1_Click();
}

void frmDataGrid::Timer1_Timer()
{
    // A tick while this timer's search, or its message box, is still running would start
    // a second search: one arming gives one search.
    if (timerSearchRunning_)
        return;
    timerSearchRunning_ = true;
    searchReady = true;
    const bool ok = forms::guarded([this] { Command1_Click(); });
    timerSearchRunning_ = false;
    Timer1_->setEnabled(false);
    if (!ok)
        searchReady = false;
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
    forms::MsgBox(QStringLiteral("First record found!"), forms::Critical);
}

void frmDataGrid::Command3_Click()
{
    const int next = ui->List1->currentRow() + 1;
    if (next < ui->List1->count()) {
        setListIndex(next);
        return;
    }
    forms::MsgBox(QStringLiteral("Last record found!"), forms::Critical);
}

} // namespace list_window
