#pragma once

#include "inventory/main_window/tamsel.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/forms/identity.h"
#include "platform/forms/timer.h"
#include "tests/support/inventory_fixture.h"
#include "tests/support/typing.h"

#include "platform/forms/listbox.h"
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The main window opened over a temporary inventory, as the program opens it.
inline std::unique_ptr<Tamsel> openTamsel(const testsupport::TempInventory& inventory)
{
    forms::setPath(inventory.folder());
    return std::unique_ptr<Tamsel>(Tamsel::Load());
}

// What the user sees in a bound box.
inline QString shown(Tamsel& w, int box)
{
    w.Data1()->syncBound();
    return w.txtfields(box)->Text();
}

inline QStringList listEntries(Tamsel& w)
{
    QStringList entries;
    for (int i = 0; i < w.List1()->count(); ++i)
        entries.append(w.List1()->text(i));
    return entries;
}

// Types a search text and presses Seek; the search itself runs at the timer's tick.
inline void seek(Tamsel& w, const QString& text)
{
    w.Text2()->setText(text);
    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
}

// Types at the end of a bound box, as the user does.
inline void typeInto(Tamsel& w, int box, const QString& text)
{
    QWidget* editor = w.txtfields(box)->widget();
    QTest::keyClick(editor, Qt::Key_End);
    testsupport::typeText(editor, text);
}

// Selects all of a bound box and deletes it.
inline void clearBox(Tamsel& w, int box)
{
    QWidget* editor = w.txtfields(box)->widget();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
}

inline bool waitForSearch(Tamsel& w)
{
    return QTest::qWaitFor([&] { return !w.Timer1()->isActive(); }, 3000);
}
