#include "hyperlink/link.h"

#include "hyperlink/about.h"
#include "hyperlink/pictures.h"
#include "hyperlink/typelib.h"
#include "platform/controls/convert.h"
#include "platform/controls/errors.h"
#include "platform/forms/colors.h"
#include "platform/forms/errors.h"
#include "platform/forms/look.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace zorbel {

namespace {

constexpr quint32 kFlashColor = 0x008080FF; // light red
constexpr quint32 kActiveBorder = 0x8000000A;
const QString kDefaultCaption = QStringLiteral("Dorwen's ActiveX");

// Reads one saved key; an absent key keeps the value held, so an older or hand-written
// design still loads. A value that does not convert names its key.
template <class T, class Convert>
void readKey(const controls::PropertyBag& bag, const char* key, T& held, Convert convert)
{
    const QString name = QString::fromLatin1(key);
    if (!bag.contains(name))
        return;
    try {
        held = convert(bag.ReadProperty(name, QString()));
    } catch (const base::RuntimeError& e) {
        throw controls::ControlError(
            e.number(), QCoreApplication::translate("zorbel", "The saved property %1 cannot be used: %2")
                            .arg(name, e.text()));
    }
}

} // namespace

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

// A double-click is one click: its second press neither presses nor clicks again.
void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void ClickButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

link::link(QWidget* parent)
    : controls::UserControl(parent), Command1(new ClickButton(this)), Label1(new ClickLabel(this)),
      Timer1(new forms::Timer(this))
{
    resize(forms::twipsSize(1125, 630));

    Command1->setObjectName(QStringLiteral("Command1"));
    forms::placeTwips(Command1, 0, 0, 1095, 615);
    Command1->setText(kDefaultCaption);
    Command1->setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 8.25));
    forms::setBackColor(Command1, kActiveBorder);

    Label1->setObjectName(QStringLiteral("Label1"));
    forms::placeTwips(Label1, 120, 120, 1110, 195);
    // A caption is shown as written, never read as markup.
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(kDefaultCaption);
    Label1->setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 8.25, false, true));
    Label1->setCursor(handCursor());
    Label1->adjustSize();
    // Reachable from the keyboard as the button look is.
    Label1->setFocusPolicy(Qt::TabFocus);

    QWidget::setTabOrder(Command1, Label1);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60);
    Timer1->setEnabled(false);

    connect(Command1, &QPushButton::clicked, this, [this] { forms::guarded([this] { Command1_Click(); }); });
    connect(Label1, &ClickLabel::clicked, this, [this] { forms::guarded([this] { Label1_Click(); }); });
    connect(Timer1, &QTimer::timeout, this, [this] { forms::guarded([this] { Timer1_Timer(); }); });
}

link::~link() = default;

const controls::InterfaceInfo& link::typeInfo() const
{
    return linkInterface();
}
const controls::InterfaceInfo* link::eventInfo() const
{
    return &linkEventInterface();
}

QVariant link::url() const
{
    return QVariant(url_);
}

void link::let_url(const QVariant& vNewValue)
{
    url_ = controls::toText(vNewValue);
    PropertyChanged(QStringLiteral("url"));
}

QVariant link::caption() const
{
    return QVariant(caption_);
}

void link::let_caption(const QVariant& vNewValue)
{
    caption_ = controls::toText(vNewValue);
    setCaptions();
    PropertyChanged(QStringLiteral("caption"));
}

void link::ShowAboutBox()
{
    if (!about_)
        about_ = std::make_unique<about>(this);
    about_->exec();
    // Unloaded by its button or by closing it; released here, so the next call makes a fresh one.
    about_->close();
    about_.reset();
}

void link::let_enable(bool vNewValue)
{
    enable_ = vNewValue;
    PropertyChanged(QStringLiteral("enable"));
    Command1->setEnabled(enable_);
    Label1->setEnabled(enable_);
}

void link::let_font_size(qint16 vNewValue)
{
    font_size_ = vNewValue;
    PropertyChanged(QStringLiteral("font_size"));
    // A size below 8 is held and saved, but not shown.
    if (font_size_ >= 8)
        setFontSizes(font_size_);
}

void link::let_bold(bool vNewValue)
{
    bold_ = vNewValue;
    PropertyChanged(QStringLiteral("bold"));
    setWeights();
}

QVariant link::style() const
{
    return controls::integerValue(style_);
}

void link::let_style(const QVariant& vNewValue)
{
    // Converted first: a value that is no 16-bit integer changes nothing.
    style_ = controls::toInteger(vNewValue);
    PropertyChanged(QStringLiteral("style"));
    applyLook();
}

void link::let_Color(quint32 vNewValue)
{
    // The one let without a change notification.
    Color_ = vNewValue;
    setLabelColor(Color_);
}

QVariant link::invokeMember(const controls::FuncInfo& function, const QVariantList& args)
{
    const bool get = function.kind == controls::InvokeKind::PropertyGet;
    const QVariant v = args.isEmpty() ? QVariant() : args.front();
    switch (function.dispid) {
    case DispUrl:
        if (get)
            return url();
        let_url(v);
        return {};
    case DispCaption:
        if (get)
            return caption();
        let_caption(v);
        return {};
    case DispShowAboutBox:
        ShowAboutBox();
        return {};
    case DispEnable:
        if (get)
            return QVariant(enable());
        let_enable(v.toBool());
        return {};
    case DispFontSize:
        if (get)
            return controls::integerValue(font_size());
        let_font_size(v.value<qint16>());
        return {};
    case DispBold:
        if (get)
            return QVariant(bold());
        let_bold(v.toBool());
        return {};
    case DispStyle:
        if (get)
            return style();
        let_style(v);
        return {};
    case DispColor:
        if (get)
            return controls::colorValue(Color());
        let_Color(v.value<quint32>());
        return {};
    default:
        return {};
    }
}

void link::UserControl_Initialize()
{
    if (caption_.isEmpty())
        caption_ = kDefaultCaption;
    if (font_size_ < 8)
        font_size_ = 8;
    setCaptions();
    Command1->setEnabled(enable_);
    Label1->setEnabled(enable_);
    setFontSizes(font_size_);
    applyLook();
    setLabelColor(Color_);
    // The weight stays the design's until a load or a let.
}

void link::UserControl_ReadProperties(const controls::PropertyBag& PropBag)
{
    readKey(PropBag, "caption", caption_, controls::toText);
    readKey(PropBag, "url", url_, controls::toText);
    readKey(PropBag, "enable", enable_, controls::toBoolean);
    readKey(PropBag, "font_size", font_size_, controls::toInteger);
    readKey(PropBag, "bold", bold_, controls::toBoolean);
    readKey(PropBag, "style", style_, controls::toInteger);
    readKey(PropBag, "Color", Color_, controls::toColor);

    setCaptions();
    Command1->setEnabled(enable_);
    Label1->setEnabled(enable_);
    setLabelColor(Color_);
    if (font_size_ < 8)
        font_size_ = 8;
    setFontSizes(font_size_);
    setWeights();
    applyLook();
}

void link::UserControl_WriteProperties(controls::PropertyBag& PropBag)
{
    // Every key, every time, also where it holds the value a fresh control has.
    PropBag.WriteProperty(QStringLiteral("caption"), QVariant(caption_));
    PropBag.WriteProperty(QStringLiteral("url"), QVariant(url_));
    PropBag.WriteProperty(QStringLiteral("enable"), QVariant(enable_));
    PropBag.WriteProperty(QStringLiteral("font_size"), controls::integerValue(font_size_));
    PropBag.WriteProperty(QStringLiteral("bold"), QVariant(bold_));
    PropBag.WriteProperty(QStringLiteral("style"), controls::integerValue(style_));
    PropBag.WriteProperty(QStringLiteral("Color"), controls::longValue(static_cast<qint32>(Color_)));
}

void link::UserControl_Show()
{
    Command1->setEnabled(enable_);
    Label1->setEnabled(enable_);
}

void link::UserControl_Resize()
{
    // The button fills the control. The label is given the same size but sizes itself
    // to its text, so only the text answers clicks and shows the hand; it keeps its
    // 120-twip offset.
    Command1->resize(forms::px(Width()), forms::px(Height()));
    Label1->resize(forms::px(Width()), forms::px(Height()));
    Label1->adjustSize();
}

void link::Command1_Click()
{
    RaiseEvent(EventClick);
    // Read after the event: a host may change the address in its Click handler.
    if (!url_.isEmpty())
        navigate();
}

void link::Label1_Click()
{
    RaiseEvent(EventClick);
    setLabelColor(kFlashColor);
    Timer1->setEnabled(true);
}

void link::Timer1_Timer()
{
    Timer1->setEnabled(false);
    setLabelColor(Color_);
    if (!url_.isEmpty())
        navigate();
}

void link::applyLook()
{
    if (style_ == 1) {
        Command1->hide();
        Label1->show();
    } else {
        Command1->show();
        Label1->hide();
    }
}

void link::setCaptions()
{
    // The button shows an ampersand as written rather than as a keyboard shortcut.
    Command1->setText(QString(caption_).replace(QLatin1Char('&'), QLatin1String("&&")));
    Label1->setText(caption_);
    Label1->adjustSize();
}

void link::setFontSizes(int points)
{
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Label1)}) {
        QFont f = w->font();
        f.setPointSize(points);
        w->setFont(f);
    }
    Label1->adjustSize();
}

void link::setWeights()
{
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Label1)}) {
        QFont f = w->font();
        f.setBold(bold_);
        w->setFont(f);
    }
    Label1->adjustSize();
}

void link::setLabelColor(quint32 color)
{
    // A disabled label keeps the greyed look.
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::Active, QPalette::WindowText, forms::color(color));
    pal.setColor(QPalette::Inactive, QPalette::WindowText, forms::color(color));
    Label1->setPalette(pal);
}

void link::navigate()
{
    Hyperlink().NavigateTo(url_, QString(), QString());
}

} // namespace zorbel
