#include "inventory/main_window/tamsel.h"

#include "inventory/search/seek.h"
#include "inventory/store/chemical_table.h"
#include "inventory/store/inventory.h"
#include "platform/controls/host.h"
#include "platform/data/datacontrol.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/keys.h"
#include "platform/forms/listbox.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
#include "ui_tamsel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

// The window's load, its search arrays and the search over them.

// Sizes the window, opens the cursor, clears the search box, fills the search arrays.
void Tamsel::Form_Load()
{
    forms::setOuterHeightTwips(this, 6849);
    forms::setOuterWidthTwips(this, 12500);
    store::openCursor(*ui->Data1, forms::Path(), store::mainFilePart());
    showWebsite();
    ui->Text2->setText(QString());
    readSearchArrays();
    ui->Data1->Refresh();
    search::noticeWhyNothingIsSaved(*this, *ui->Data1);
    if (const QString share = store::noticeOfNetworkShare(*ui->Data1->Recordset()); !share.isEmpty())
        forms::MsgBox(share, forms::Exclamation);
}

// The laboratory's own address, where the inventory names one; else the design's.
void Tamsel::showWebsite()
{
    if (!link1_ || !link1_->widget())
        return;
    const QString site = store::website(ui->Data1->Recordset()->database());
    // The design's caption is English; the same address still gets the locale's caption.
    const QString caption = QCoreApplication::translate("Tamsel", "WebSite: %1").arg(site);
    if (site == link1_->get(QStringLiteral("url")).toString() &&
        caption == link1_->get(QStringLiteral("caption")).toString())
        return;
    link1_->put(QStringLiteral("url"), site);
    link1_->put(QStringLiteral("caption"), caption);
    backLink();
}

void Tamsel::LoadSearchArrays()
{
    store::reopenCursor(*ui->Data1);
    readSearchArrays();
    ui->Data1->Refresh();
}

// Every record by position, three columns each; an empty or Null value leaves its
// element empty.
void Tamsel::readSearchArrays()
{
    records::Recordset* rs = ui->Data1->Recordset();
    chemNames.reset(static_cast<std::size_t>(rs->RecordCount()) + 1);
    aldrichNames.reset(static_cast<std::size_t>(rs->RecordCount()) + 1);
    formulas.reset(static_cast<std::size_t>(rs->RecordCount()) + 1);
    const int count = rs->RecordCount();
    // When the engine holds the three columns of every record, the arrays share them whole,
    // as the loop below would element by element, and the cursor makes the pass's last move:
    // no box is edited during the pass, so its moves leave the window as the last one does.
    if (count > 0) {
        const auto all = static_cast<std::size_t>(count);
        if (chemNames.takeColumn(rs->textAt(0, store::NOME), all) &&
            aldrichNames.takeColumn(rs->textAt(0, store::ALDRICH), all) &&
            formulas.takeColumn(rs->textAt(0, store::FORMULA), all)) {
            rs->setAbsolutePosition(count - 1);
            return;
        }
        chemNames.reset(all + 1);
        aldrichNames.reset(all + 1);
        formulas.reset(all + 1);
    }
    for (int i = 0; i < count; ++i) {
        rs->setAbsolutePosition(i);
        const auto p = static_cast<std::size_t>(i);
        chemNames.take(p, rs->Fields(store::NOME).text());
        aldrichNames.take(p, rs->Fields(store::ALDRICH).text());
        formulas.take(p, rs->Fields(store::FORMULA).text());
    }
}

void Tamsel::List1_Click()
{
    const int k = ui->List1->currentRow() + 1;
    if (k < 1 || k > hitCount || k >= static_cast<int>(hitPositions.size()))
        return;
    ui->Data1->Recordset()->setAbsolutePosition(hitPositions[static_cast<std::size_t>(k)]);
}

search::SeekState Tamsel::seekState()
{
    return {*ui->List1, *Timer1_, hitPositions, hitCount, searchReady};
}

void Tamsel::Command2_Click()
{
    ui->Label3->hide();
    const auto result = search::seek(seekState(), ui->Text2->text(), ui->Data1->Recordset()->RecordCount(),
                                     {&chemNames, &aldrichNames, &formulas});
    if (result == search::SeekResult::Found) {
        ui->Label3->setText(QCoreApplication::translate("Tamsel", "Found: %1 Record(s)").arg(hitCount));
        ui->Label3->adjustSize();
        ui->Label3->show();
    }
}

void Tamsel::Text2_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        Command2_Click();
}

void Tamsel::Timer1_Timer()
{
    search::seekOnTick(seekState(), timerSearchRunning_, [this] { Command2_Click(); });
}

bool Tamsel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Text2 && event->type() == QEvent::KeyPress) {
        int code = forms::keyAscii(*static_cast<QKeyEvent*>(event));
        if (code != 0)
            forms::guarded([&] { Text2_KeyPress(code); });
        // The key still reaches the box.
    }
    return QMainWindow::eventFilter(watched, event);
}
