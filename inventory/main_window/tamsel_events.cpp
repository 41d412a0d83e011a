#include "inventory/main_window/tamsel.h"

#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/screen.h"
#include "ui_tamsel.h"

#include <QCoreApplication>

// The events of the window's data control: leaving, arriving at and failing on a record.

void Tamsel::Data1_Validate(int& Action, bool& Save)
{
    Q_UNUSED(Save);
    const bool asks = (Action >= 1 && Action <= 4) || Action == 10;
    if (asks) {
        for (int i = 0; i < store::kColumnCount; ++i) {
            records::BoundField* box = txtfields(i);
            if (!box->DataChanged())
                continue;
            const int answer =
                forms::MsgBox(QCoreApplication::translate(
                                  "Tamsel", "The Record was Changed. Do you want Update this Record?"),
                              forms::YesNo, QCoreApplication::translate("Tamsel", "Save"));
            if (answer == forms::No) {
                box->setDataChanged(false);
                continue;
            }
            if (txtfields(store::NOME)->Text().isEmpty()) {
                forms::MsgBox(
                    QCoreApplication::translate("Tamsel", "The CHEMICAL NAME Field must be filled!"),
                    forms::Critical);
                box->setDataChanged(false);
                // An empty name is never written, also when the name box was not asked yet.
                txtfields(store::NOME)->setDataChanged(false);
                return;
            }
        }
    }
    forms::setMousePointer(forms::Pointer::Hourglass);
}

void Tamsel::Data1_Reposition()
{
    forms::setMousePointer(forms::Pointer::Default);
    try {
        ui->Data1->setCaption(QCoreApplication::translate("Tamsel", "Chemical #: "),
                              ui->Data1->Recordset()->AbsolutePosition() + 1);
    } catch (...) {
        // The caption keeps its previous text.
    }
}

void Tamsel::Data1_Error(int& DataErr, int& Response)
{
    const auto& current = ui->Data1->currentError();
    const QString text =
        current && current->number() == DataErr ? current->text() : records::dataErrorText(DataErr);
    forms::MsgBox(QCoreApplication::translate("Tamsel", "Data error event hit err:") + text);
    Response = 0;
}
