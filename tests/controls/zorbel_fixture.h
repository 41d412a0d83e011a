#pragma once

#include "platform/controls/convert.h"
#include "platform/controls/errors.h"
#include "platform/controls/host.h"
#include "platform/controls/registry.h"
#include "platform/testing/registrationfile.h"
#include "tests/support/error_number.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// Zorbel.ocx as the build made it, registered in a registration file of the test's own.
struct RegisteredZorbel
{
    QTemporaryDir dir;
    controls::ScopedRegistrationFile file{dir.filePath(QStringLiteral("controls.reg"))};

    RegisteredZorbel() { controls::registerLibrary(QStringLiteral(ZORBEL_PATH)); }
    QString registrationFile() const { return dir.filePath(QStringLiteral("controls.reg")); }
    static QUuid link() { return controls::classIdFromProgId(QStringLiteral("Zorbel.link")); }
};

// The properties the main window's design saves for its link.
inline controls::PropertyBag hostBag(const QString& url = QStringLiteral("https://example.org/lab"))
{
    controls::PropertyBag bag;
    bag.WriteProperty(controls::kExtentX, controls::longValue(7355));
    bag.WriteProperty(controls::kExtentY, controls::longValue(873));
    bag.WriteProperty(QStringLiteral("caption"), QString(QStringLiteral("WebSite: ") + url));
    bag.WriteProperty(QStringLiteral("url"), url);
    bag.WriteProperty(QStringLiteral("enable"), true);
    bag.WriteProperty(QStringLiteral("font_size"), controls::integerValue(10));
    bag.WriteProperty(QStringLiteral("bold"), true);
    bag.WriteProperty(QStringLiteral("style"), controls::integerValue(1));
    bag.WriteProperty(QStringLiteral("color"), controls::longValue(0x00C0FFFF));
    return bag;
}

inline QPushButton* Command1(const controls::ControlInstance& c)
{
    return c.widget()->findChild<QPushButton*>(QStringLiteral("Command1"));
}

inline QLabel* Label1(const controls::ControlInstance& c)
{
    return c.widget()->findChild<QLabel*>(QStringLiteral("Label1"));
}

// The label's text colour as the user sees it on an active window.
inline QColor labelColor(const controls::ControlInstance& c)
{
    return Label1(c)->palette().color(QPalette::Active, QPalette::WindowText);
}
