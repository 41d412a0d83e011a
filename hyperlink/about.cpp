#include "hyperlink/about.h"

#include "platform/forms/colors.h"
#include "platform/forms/look.h"
#include "platform/forms/twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace zorbel {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, double left, double top, bool underline)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 8.25, false, underline));
    l->move(forms::px(left), forms::px(top));
    l->adjustSize();
    return l;
}

} // namespace

about::about(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("Zorbel"));
    setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 8.25));
    setFixedSize(forms::twipsSize(4815, 2145));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    forms::placeTwips(Frame1, 120, 120, 4575, 1815);

    Label1 =
        label(Frame1, "Label1", QCoreApplication::translate("zorbel", "Zorbel, from the Quillarbon project"),
              1275, 240, true);
    Label2 =
        label(Frame1, "Label2", QCoreApplication::translate("zorbel", "The hyperlink control of Quillarbon"),
              1395, 600, false);
    Label3 = label(Frame1, "Label3", QCoreApplication::translate("zorbel", "Zorbel.ocx, version 2.00"), 1305,
                   1080, false);
    forms::setForeColor(Label3, 0x00FF0000);

    Command1 = new QPushButton(QCoreApplication::translate("zorbel", "Ok"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    forms::placeTwips(Command1, 3720, 1320, 615, 375);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &about::Command1_Click);

    setTabOrder(Frame1, Command1);
}

void about::Command1_Click()
{
    close();
}

} // namespace zorbel
