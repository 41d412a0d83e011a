#include "inventory/info_windows/frmabout.h"

#include "inventory/info_windows/look.h"
#include "inventory/info_windows/sysinfo.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/look.h"
#include "platform/forms/windows.h"
#include "ui_frmabout.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace info {

namespace {

constexpr forms::FontSpec kSmall{"MS Sans Serif", 8.25};

// The design's fonts and colours. The etched separator is a grey line with a white one
// just below it.
constexpr forms::ControlLook kLooks[] = {
    {.name = "lblTitle", .font = {"Arial", 20.25}, .back = 0x00C0C0C0, .fore = 0x00C06515},
    {.name = "lblVersion", .font = {"MS Sans Serif", 9.75, true}},
    {.name = "lblDescription", .font = kSmall},
    {.name = "lblDisclaimer", .font = kSmall, .back = 0x00800000, .fore = 0x00FFFFFF},
    {.name = "Line1_1", .back = 0x00808080},
    {.name = "Line1_0", .back = 0x00FFFFFF},
    {.name = "cmdOK", .font = kSmall},
    {.name = "cmdSysInfo", .font = kSmall},
};

// The picture's own proportions, fitted into its box.
constexpr int kPictureWidth = 200;
constexpr int kPictureHeight = 121;

} // namespace

frmAbout* frmAbout::Load()
{
    auto box = std::make_unique<frmAbout>();
    box->Form_Load();
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box.release();
}

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setFixedSize(size());
    setModal(false);

    forms::applyLooks(this, kLooks);

    ui->cmdOK->setDefault(true);
    ui->cmdOK->setFocus();
    connect(ui->cmdOK, &QPushButton::clicked, this, [this] { forms::guarded([this] { cmdOK_Click(); }); });
    connect(ui->cmdSysInfo, &QPushButton::clicked, this,
            [this] { forms::guarded([this] { cmdSysInfo_Click(); }); });
}

frmAbout::~frmAbout() = default;

QLabel* frmAbout::lblTitle() const
{
    return ui->lblTitle;
}
QLabel* frmAbout::lblVersion() const
{
    return ui->lblVersion;
}
QLabel* frmAbout::lblDescription() const
{
    return ui->lblDescription;
}
QPushButton* frmAbout::cmdOK() const
{
    return ui->cmdOK;
}
QPushButton* frmAbout::cmdSysInfo() const
{
    return ui->cmdSysInfo;
}

void frmAbout::Form_Load()
{
    setWindowTitle(QCoreApplication::translate("frmAbout", "About %1").arg(forms::Title()));
    ui->lblVersion->setText(forms::VersionText());
    ui->lblTitle->setText(forms::Title());
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        ui->cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The whole picture, as large as its box allows.
    const QRect box = ui->picIcon->contentsRect();
    QSize size(kPictureWidth, kPictureHeight);
    size.scale(box.size(), Qt::KeepAspectRatio);
    ui->picIcon->setPixmap(
        picture(QStringLiteral(":/info_windows/images/about_picture.svg"), size, devicePixelRatioF()));
}

frmAbout* showAbout()
{
    static QPointer<frmAbout> open;
    return forms::showModeless(open, [] { return frmAbout::Load(); });
}

} // namespace info
