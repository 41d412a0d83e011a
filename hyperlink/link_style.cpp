#include "hyperlink/link_style.h"

#include "platform/controls/convert.h"
#include "platform/forms/colors.h"
#include "platform/forms/look.h"
#include "platform/forms/twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace zorbel {

namespace {

const QString kSample = QStringLiteral("https://example.org/");

} // namespace

Link_style::Link_style(QWidget* parent) : controls::PropertyPage(parent)
{
    setObjectName(QStringLiteral("Link_style"));
    setCaption(QCoreApplication::translate("zorbel", "Style"));
    setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 8.25));
    resize(forms::twipsSize(5220, 3600));

    Frame1 = new QGroupBox(QCoreApplication::translate("zorbel", "Link style"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    forms::placeTwips(Frame1, 240, 600, 2175, 1695);
    Option1 = new QRadioButton(QCoreApplication::translate("zorbel", "Button style"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    forms::placeTwips(Option1, 240, 360, 1575, 375);
    Option2 = new QRadioButton(QCoreApplication::translate("zorbel", "Label style"), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    forms::placeTwips(Option2, 240, 960, 1695, 375);

    Label1 = new QLabel(QCoreApplication::translate("zorbel", "Preview"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(forms::px(2640), forms::px(480));
    Label1->adjustSize();

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label2->setLineWidth(1);
    forms::placeTwips(Label2, 2640, 720, 2295, 1575);

    // Both previews lie inside the box, one over the other; one shows at a time.
    Command1 = new QPushButton(kSample, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFocusPolicy(Qt::NoFocus);
    forms::placeTwips(Command1, 3000, 1320, 1575, 375);
    Label3 = new QLabel(kSample, this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 8.25, false, true));
    forms::setForeColor(Label3, 0x00FF0000);
    Label3->move(forms::px(3120), forms::px(1440));
    Label3->adjustSize();

    setTabOrder(Option1, Option2);

    // Clicks only: the page setting an option when the selection changes is no change.
    connect(Option1, &QRadioButton::clicked, this, &Link_style::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Link_style::Option2_Click);
    showPreview(false);
}

void Link_style::PropertyPage_SelectionChanged()
{
    const qint16 style = controls::toInteger(SelectedControls()(0).get(QStringLiteral("style")));
    const bool labelLook = style == 1;
    Option1->setChecked(!labelLook);
    Option2->setChecked(labelLook);
    showPreview(labelLook);
}

void Link_style::PropertyPage_ApplyChanges()
{
    const qint16 style = Option1->isChecked() ? 0 : 1;
    SelectedControls()(0).put(QStringLiteral("style"), controls::integerValue(style));
}

void Link_style::Option1_Click()
{
    showPreview(false);
    setChanged(true);
}

void Link_style::Option2_Click()
{
    showPreview(true);
    setChanged(true);
}

void Link_style::showPreview(bool labelLook)
{
    Command1->setVisible(!labelLook);
    Label3->setVisible(labelLook);
}

} // namespace zorbel
