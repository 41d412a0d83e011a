#include "inventory/main_window/tamsel.h"

#include "inventory/store/chemical_table.h"
#include "inventory/store/format.h"
#include "inventory/store/server_inventory.h"
#include "platform/controls/host.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/data/readahead.h"
#include "platform/forms/colors.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/look.h"
#include "platform/forms/timer.h"
#include "ui_tamsel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

// The window's wiring and look; its search and its record events live beside it.

namespace {

constexpr quint32 kLightGrey = 0x00C0C0C0;
// Behind the link: its light-yellow text is hardly readable on the grey, and reads at
// 15:1 on the dark blue the about box also uses.
constexpr quint32 kLinkBack = 0x00800000;
// Around the link's text, in pixels.
constexpr int kLinkBackMargin = 3;
constexpr forms::FontSpec kBoxFont{"MS Sans Serif", 9.75};

// The design's fonts and colours; uic takes whole points only.
constexpr forms::ControlLook kLooks[] = {
    {.name = "centralwidget", .back = kLightGrey},
    {.name = "List1",
     .font = {"MS Sans Serif", 9.75, true},
     .back = 0x00FFFFFF,
     .fore = 0x00800000,
     .editor = true},
    {.name = "Frame2", .font = {"Arial", 9.75, true}, .back = kLightGrey, .fore = 0x80000002},
    {.name = "Text2", .font = {"Arial", 9.75, true}, .fore = 0x00000000},
    {.name = "Command2", .font = {"MS Sans Serif", 8.25}, .fore = 0x00000000},
    {.name = "Data1", .font = {"MS Sans Serif", 13.5, true}, .back = 0x00FFFFFF, .fore = 0x00400000},
    {.name = "Command3", .back = kLightGrey},
    {.name = "SSTab1", .font = kBoxFont},
    {.name = "Label3", .font = {"MS Sans Serif", 12, true}, .back = kLightGrey, .fore = 0x8000000D},
    {.name = "Label8", .font = {"Arial", 29.25, true}, .back = kLightGrey, .fore = 0x00FF0000},
    {.name = "txtfields_0", .font = kBoxFont},
    {.name = "txtfields_1", .font = {"MS Sans Serif", 12, true}},
    {.name = "txtfields_2", .font = kBoxFont},
    {.name = "txtfields_3", .font = kBoxFont},
    {.name = "txtfields_4", .font = kBoxFont},
    {.name = "txtfields_5", .font = kBoxFont},
    {.name = "txtfields_6", .font = kBoxFont},
    {.name = "txtfields_7", .font = kBoxFont},
    {.name = "txtfields_8", .font = kBoxFont},
    {.name = "txtfields_9", .font = kBoxFont},
    {.name = "txtfields_10", .font = {"MS Sans Serif", 9.75, true}},
    {.name = "txtfields_11", .font = kBoxFont},
    {.name = "Label1", .font = kBoxFont},
    {.name = "Label2", .font = kBoxFont},
    {.name = "Label4", .font = kBoxFont},
    {.name = "Label5", .font = kBoxFont},
    {.name = "Label6", .font = kBoxFont},
    {.name = "Label7", .font = kBoxFont},
    {.name = "Frame1", .font = kBoxFont},
    {.name = "Frame3", .font = kBoxFont},
    {.name = "Frame4", .font = kBoxFont},
    {.name = "Frame5", .font = kBoxFont},
    {.name = "Frame6", .font = kBoxFont},
    {.name = "Frame7", .font = kBoxFont},
};

// The load and every re-read fill the search arrays from these columns.
QStringList searchColumns()
{
    return {store::columnName(store::NOME), store::columnName(store::ALDRICH),
            store::columnName(store::FORMULA)};
}

} // namespace

std::unique_ptr<records::ReadAhead> Tamsel::readAhead()
{
    const QString path = store::databasePath(forms::Path(), store::mainFilePart());
    if (store::inventoryOnServer(path) || !records::ReadAhead::quietToRead(path, &store::format()))
        return nullptr;
    return std::make_unique<records::ReadAhead>(
        records::ReadAhead::Order{path, store::recordSource(), searchColumns(), store::openOptions()});
}

Tamsel* Tamsel::Load(QWidget* parent)
{
    auto window = std::make_unique<Tamsel>(parent);
    window->Form_Load();
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window.release();
}

Tamsel* Tamsel::Load(std::unique_ptr<Tamsel> made)
{
    if (!made)
        made = std::make_unique<Tamsel>();
    made->Form_Load();
    made->setAttribute(Qt::WA_DeleteOnClose);
    return made.release();
}

Tamsel::Tamsel(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Tamsel>()), Timer1_(new forms::Timer(this))
{
    // The pictures live in this static library; register them before the design uses them.
    Q_INIT_RESOURCE(images);
    Q_INIT_RESOURCE(design);
    ui->setupUi(this);
    txtfields_ = {ui->txtfields_0, ui->txtfields_1, ui->txtfields_2,  ui->txtfields_3,
                  ui->txtfields_4, ui->txtfields_5, ui->txtfields_6,  ui->txtfields_7,
                  ui->txtfields_8, ui->txtfields_9, ui->txtfields_10, ui->txtfields_11};

    // The design's separators keep their names.
    const char* separators[] = {"mnuseparator2", "mnuseparado", "mnuseparator"};
    int next = 0;
    const auto fileItems = ui->mnufile->actions();
    for (QAction* a : fileItems)
        if (a->isSeparator() && next < 3)
            a->setObjectName(QString::fromLatin1(separators[next++]));

    applyLook();

    // The web-site link comes from its control library, with the properties the design
    // saved for it; without the library the window goes on without the link.
    link1_ = controls::placeControl(QStringLiteral("Zorbel.link"), ui->centralwidget,
                                    QStringLiteral(":/main_window/link1.json"), {7680, 480, {}, {}});
    backLink();

    // The keyboard order of the design's tab indices, for the controls that take the
    // focus; the tab control takes it on its tab bar.
    QWidget* bar = ui->SSTab1->findChild<QTabBar*>();
    QList<QWidget*> order{ui->BtnBusca,     ui->BtnProximo,         ui->List1,       ui->Text2,
                          ui->Command2,     bar ? bar : ui->SSTab1, ui->txtfields_1, ui->txtfields_0,
                          ui->txtfields_2,  ui->txtfields_3,        ui->txtfields_5, ui->txtfields_4,
                          ui->txtfields_6,  ui->txtfields_7,        ui->txtfields_8, ui->txtfields_9,
                          ui->txtfields_11, ui->txtfields_10};
    // The link takes the focus on its own children (its button look); Qt leaves widgets
    // that take no focus out of the order.
    if (link1_ && link1_->widget()) {
        qsizetype at = 2;
        const auto parts = link1_->widget()->findChildren<QWidget*>();
        for (QWidget* part : parts)
            if (part->focusPolicy() != Qt::NoFocus)
                order.insert(at++, part);
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    // The tab control's place in the order is its bar's: left in the chain, the control
    // would hand the focus to its bar again after the page's last box, and Tab would circle
    // in the page.
    if (bar) {
        ui->SSTab1->setFocusProxy(nullptr);
        ui->SSTab1->setFocusPolicy(Qt::NoFocus);
    }

    makeAccessible();

    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(100);
    connect(Timer1_, &QTimer::timeout, this, [this] { forms::guarded([this] { Timer1_Timer(); }); });
    connect(ui->Command2, &QPushButton::clicked, this,
            [this] { forms::guarded([this] { Command2_Click(); }); });
    ui->Text2->installEventFilter(this);
    connect(ui->List1, &forms::ListBox::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            forms::guarded([this] { List1_Click(); });
    });
    const std::pair<QAction*, void (Tamsel::*)()> commands[] = {
        {ui->nmunew, &Tamsel::nmunew_Click},     {ui->mnusave, &Tamsel::mnusave_Click},
        {ui->mnudel, &Tamsel::mnudel_Click},     {ui->mnurefresh, &Tamsel::mnurefresh_Click},
        {ui->mnuexit, &Tamsel::mnuexit_Click},   {ui->mnudbgrid, &Tamsel::mnudbgrid_Click},
        {ui->mnuabout, &Tamsel::mnuabout_Click}, {ui->mnustoragecheck, &Tamsel::mnustoragecheck_Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this,
                [this, handler] { forms::guarded([&] { (this->*handler)(); }); });
    connect(ui->Toolbar1, &QToolBar::actionTriggered, this,
            [this](QAction* button) { forms::guarded([&] { Toolbar1_ButtonClick(button); }); });
    connect(ui->Data1, &records::DataControl::Validate, this,
            [this](int& action, bool& save) { forms::guarded([&] { Data1_Validate(action, save); }); });
    connect(ui->Data1, &records::DataControl::Reposition, this,
            [this] { forms::guarded([this] { Data1_Reposition(); }); });
    connect(ui->Data1, &records::DataControl::Error, this,
            [this](int& dataErr, int& response) { forms::guarded([&] { Data1_Error(dataErr, response); }); });
}

Tamsel::~Tamsel() = default;

// For screen readers and the keyboard: names for what the design leaves unnamed or names
// only by where it stands (the labelled boxes are named by their labels, the design's
// buddies), and keys for the record moves.
void Tamsel::makeAccessible()
{
    // Boxes that sit on a frame rather than beside a label are named by its caption.
    const std::pair<QWidget*, QGroupBox*> framed[] = {
        {ui->txtfields_6, ui->Frame1}, {ui->txtfields_7, ui->Frame3},  {ui->txtfields_8, ui->Frame4},
        {ui->txtfields_9, ui->Frame5}, {ui->txtfields_11, ui->Frame6}, {ui->txtfields_10, ui->Frame7},
    };
    for (const auto& [box, frame] : framed)
        box->setAccessibleName(frame->title());
    // The tab control takes the focus on its tab bar.
    if (QTabBar* bar = ui->SSTab1->findChild<QTabBar*>())
        bar->setAccessibleName(ui->SSTab1->accessibleName());

    // The data control's buttons take no focus; these keys move between records from
    // anywhere in the window, and a screen reader names them with the buttons.
    const std::pair<int, QKeyCombination> keys[] = {
        {records::ActionMoveFirst, Qt::ALT | Qt::Key_Home},
        {records::ActionMovePrevious, Qt::ALT | Qt::Key_PageUp},
        {records::ActionMoveNext, Qt::ALT | Qt::Key_PageDown},
        {records::ActionMoveLast, Qt::ALT | Qt::Key_End},
    };
    for (const auto& [action, key] : keys)
        if (QToolButton* button = ui->Data1->button(action))
            button->setShortcut(QKeySequence(key));

    if (link1_ && link1_->widget())
        link1_->widget()->setAccessibleDescription(
            QCoreApplication::translate("Tamsel", "Opens the laboratory's web site"));
}

// A panel of the window under the link, just around the text of its label look; the
// link stays where the design puts it. Placed again when the lab's own address changes
// the caption; a text longer than the link is cut where the link ends, and so is the panel.
void Tamsel::backLink()
{
    if (!link1_ || !link1_->widget())
        return;
    const auto* label = link1_->widget()->findChild<QLabel*>(QStringLiteral("Label1"));
    if (!label || !label->isVisibleTo(ui->centralwidget))
        return;
    auto* back =
        ui->centralwidget->findChild<QWidget*>(QStringLiteral("LinkBack"), Qt::FindDirectChildrenOnly);
    if (!back) {
        back = new QWidget(ui->centralwidget);
        back->setObjectName(QStringLiteral("LinkBack"));
        back->setAttribute(Qt::WA_TransparentForMouseEvents);
        forms::setBackColor(back, kLinkBack);
        back->setAutoFillBackground(true);
    }
    const QRect text = QRect(label->mapTo(ui->centralwidget, QPoint(0, 0)), label->size())
                           .intersected(link1_->widget()->geometry());
    QRect area = text.adjusted(-kLinkBackMargin, -kLinkBackMargin, kLinkBackMargin, kLinkBackMargin);
    // The text begins where the logo's frame ends: the frame stays whole.
    const QRect logo = ui->Picture1->geometry();
    if (area.intersects(logo) && text.left() > logo.right())
        area.setLeft(logo.right() + 1);
    back->setGeometry(area);
    back->stackUnder(link1_->widget());
}

records::DataControl* Tamsel::Data1() const
{
    return ui->Data1;
}
QLineEdit* Tamsel::Text2() const
{
    return ui->Text2;
}
forms::ListBox* Tamsel::List1() const
{
    return ui->List1;
}

void Tamsel::applyLook()
{
    forms::applyLooks(this, kLooks);
    // Frames carry their caption in the border line, and the boxes sit inside it.
    ui->centralwidget->setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid #808080; border-radius: 2px; margin-top: 7px; }"
                       "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                       " left: 6px; padding: 0 2px; }"));
    // Every entry is one line: the list need not measure each of thousands of hits.
    ui->List1->setUniformItemSizes(true);

    // The data control sits on the raised panel, not under it.
    ui->Data1->raise();
    // The border label lies under everything it surrounds.
    ui->Label9->lower();
    ui->Label9->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The toolbar shows its six images from the image list.
    const QIcon images[] = {
        QIcon(QStringLiteral(":/main_window/images/tb_new.svg")),
        QIcon(QStringLiteral(":/main_window/images/tb_refresh.svg")),
        QIcon(QStringLiteral(":/main_window/images/tb_remove.svg")),
        QIcon(QStringLiteral(":/main_window/images/tb_save.svg")),
        QIcon(QStringLiteral(":/main_window/images/tb_exit.svg")),
        QIcon(QStringLiteral(":/main_window/images/tb_list.svg")),
    };
    const auto buttons = ui->Toolbar1->actions();
    for (QAction* a : buttons) {
        const int image = a->property("Image").toInt();
        if (image >= 1 && image <= 6)
            a->setIcon(images[image - 1]);
        // The buttons show pictures only; a screen reader says their tooltips.
        if (QWidget* button = ui->Toolbar1->widgetForAction(a))
            button->setAccessibleName(a->toolTip());
    }
    ui->Data1->setReadAhead(searchColumns());
    // The record number is shown in full up to six digits.
    ui->Data1->setCaptionRoom(QCoreApplication::translate("Tamsel", "Chemical #: 000000"));
}
