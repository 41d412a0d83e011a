#include "inventory/info_windows/frmsplash.h"

#include "inventory/info_windows/look.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/look.h"
#include "platform/forms/timer.h"
#include "ui_frmsplash.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace info {

namespace {

constexpr quint32 kBlue = 0x00C06515;

constexpr forms::ControlLook kLooks[] = {
    {.name = "Frame1", .back = 0x00FFFFFF},
    {.name = "lblProductName", .font = {"Arial", 32.25, true}, .fore = kBlue},
    {.name = "lblVersion", .font = {"Arial", 12, true}},
    {.name = "Label1", .font = {"Arial", 15.75, true}, .fore = kBlue},
    {.name = "lblPlatform", .font = {"Arial", 15.75, true}, .fore = kBlue},
    {.name = "Label2", .font = {"Arial", 12, true}},
};

} // namespace

frmSplash* frmSplash::Load(std::function<void()> showMainWindow)
{
    auto window = std::make_unique<frmSplash>(std::move(showMainWindow));
    window->Form_Load();
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window.release();
}

frmSplash::frmSplash(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), ui(std::make_unique<Ui::frmSplash>()),
      showMainWindow_(std::move(showMainWindow)), Timer1_(new forms::Timer(this))
{
    ui->setupUi(this);
    setFixedSize(size());
    // No control takes the focus, so every key reaches the window.
    setFocusPolicy(Qt::StrongFocus);

    forms::applyLooks(this, kLooks);
    ui->lblPlatform->adjustSize();
    // A translated word longer than the design's widens its label to the right.
    ui->Label1->resize(std::max(ui->Label1->width(), ui->Label1->sizeHint().width()), ui->Label1->height());
    // The stored name is wider than its place at this size: it breaks after a hyphen
    // rather than being cut off at both ends.
    ui->Label2->setWordWrap(true);
    ui->Label2->setFixedHeight(ui->Label2->heightForWidth(ui->Label2->width()));

    ui->Frame1->installEventFilter(this);

    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(2000);
    // Two seconds, not a tenth either way, as a timer left to group its wake-ups would.
    Timer1_->setTimerType(Qt::PreciseTimer);
    connect(Timer1_, &QTimer::timeout, this, &frmSplash::onTimer);
    Timer1_->setEnabled(true);
}

frmSplash::~frmSplash() = default;

QFrame* frmSplash::Frame1() const
{
    return ui->Frame1;
}
QLabel* frmSplash::imgLogo() const
{
    return ui->imgLogo;
}
QLabel* frmSplash::lblProductName() const
{
    return ui->lblProductName;
}
QLabel* frmSplash::lblVersion() const
{
    return ui->lblVersion;
}
QLabel* frmSplash::lblPlatform() const
{
    return ui->lblPlatform;
}

void frmSplash::Form_Load()
{
    ui->lblVersion->setText(forms::VersionText());
    ui->lblVersion->adjustSize();
    ui->lblProductName->setText(forms::Title());
    ui->lblProductName->adjustSize();
    // The window has no title bar, and takes the focus itself: a screen reader names it so.
    setAccessibleName(forms::Title());
    setAccessibleDescription(ui->lblVersion->text());
}

// Shows the main window, then closes the splash; the program lives on in the main window.
void frmSplash::Timer1_Timer()
{
    showMainWindow_();
    Timer1_->setEnabled(false);
    close();
}

void frmSplash::Form_KeyPress(int)
{
    close();
}

void frmSplash::Frame1_Click()
{
    close();
}

void frmSplash::onTimer()
{
    if (!forms::guarded([this] { Timer1_Timer(); })) {
        // The main window could not be loaded and the user has been told: waiting two
        // more seconds would only fail again, so the program ends.
        Timer1_->setEnabled(false);
        close();
    }
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    // Only keys that type a character, as Enter, Escape and Backspace also do.
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int KeyAscii = event->text().at(0).unicode();
    forms::guarded([&] { Form_KeyPress(KeyAscii); });
}

// A click on the frame itself: pressed and released over it, not over a label or the logo.
bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Frame1 &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        const bool onFrame = ui->Frame1->rect().contains(at) && !ui->Frame1->childAt(at);
        if (mouse->button() != Qt::LeftButton)
            return true;
        if (event->type() == QEvent::MouseButtonPress) {
            pressedOnFrame_ = onFrame;
        } else if (pressedOnFrame_) {
            pressedOnFrame_ = false;
            if (onFrame)
                forms::guarded([this] { Frame1_Click(); });
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The fixed border of a window without a caption.
void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
}

void frmSplash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ui->imgLogo->setPixmap(picture(QStringLiteral(":/info_windows/images/splash_logo.svg"),
                                   ui->imgLogo->size(), devicePixelRatioF()));
    if (!parentWidget() && screen())
        move(screen()->availableGeometry().center() - rect().center());
}

} // namespace info
