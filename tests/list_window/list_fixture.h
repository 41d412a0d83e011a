#pragma once

#include "inventory/list_window/frmdatagrid.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/datacontrol.h"
#include "platform/data/datagrid.h"
#include "platform/forms/identity.h"
#include "platform/forms/listbox.h"
#include "platform/forms/timer.h"
#include "tests/support/inventory_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The list window opened over a temporary inventory, as the main window opens it.
inline std::unique_ptr<list_window::frmDataGrid> openList(const testsupport::TempInventory& inventory)
{
    forms::setPath(inventory.folder());
    std::unique_ptr<list_window::frmDataGrid> w(list_window::frmDataGrid::Load());
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    return w;
}

inline QStringList listEntries(list_window::frmDataGrid& w)
{
    QStringList entries;
    for (int i = 0; i < w.List1()->count(); ++i)
        entries.append(w.List1()->text(i));
    return entries;
}

// What the grid shows in a cell.
inline QString cell(list_window::frmDataGrid& w, int row, int column)
{
    return w.grdDataGrid()->model()->index(row, column).data().toString();
}

// Types a seek text and presses Seek. Before the first tick a press only arms the timer.
inline void seek(list_window::frmDataGrid& w, const QString& text)
{
    w.Text1()->setText(text);
    QTest::mouseClick(w.Command1(), Qt::LeftButton);
}

inline bool waitForTick(list_window::frmDataGrid& w)
{
    return QTest::qWaitFor([&] { return !w.Timer1()->isActive(); }, 5000);
}
