#include "inventory/list_window/frmdatagrid.h"

#include "inventory/store/chemical_table.h"
#include "inventory/store/format.h"
#include "inventory/store/server_inventory.h"
#include "platform/data/datacontrol.h"
#include "platform/data/datagrid.h"
#include "platform/data/readahead.h"
#include "platform/data/recordset.h"
#include "platform/forms/errors.h"
#include "platform/forms/identity.h"
#include "platform/forms/keys.h"
#include "platform/forms/listbox.h"
#include "platform/forms/look.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
#include "platform/forms/windows.h"
#include "ui_frmdatagrid.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoopLocker>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

namespace list_window {

namespace {

// The load and Refresh fill the search arrays from these columns.
QStringList searchColumns()
{
    return {store::columnName(store::NOME), store::columnName(store::FORMULA)};
}

} // namespace

frmDataGrid* frmDataGrid::Load()
{
    auto window = std::make_unique<frmDataGrid>();
    window->Form_Load();
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window.release();
}

frmDataGrid::frmDataGrid(QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmDataGrid>()), Timer1_(new forms::Timer(this))
{
    ui->setupUi(this);
    // The design's font, the one every control of it takes.
    setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 8.25));
    // The seek's list lies over the grid; the data control over the strip of buttons, and
    // the Seek button over the end of the seek box.
    ui->List1->raise();
    ui->Data1->raise();
    ui->Command1->raise();
    ui->List1->setUniformItemSizes(true);
    ui->grdDataGrid->setColumnWidthTwips(0, 3600);
    ui->Data1->setReadAhead(searchColumns());
    // Positions are shown in full up to seven digits.
    ui->Data1->setCaptionRoom(QStringLiteral("0000000"));
    ui->grdDataGrid->setFocus();

    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setInterval(1000);
    connect(Timer1_, &QTimer::timeout, this, [this] { forms::guarded([this] { Timer1_Timer(); }); });
    // The design has the timer enabled: its first tick comes a second after the window opens.
    Timer1_->setEnabled(true);

    connect(ui->cmdrefresh, &QPushButton::clicked, this,
            [this] { forms::guarded([this] { cmdRefresh_Click(); }); });
    connect(ui->cmdClose, &QPushButton::clicked, this,
            [this] { forms::guarded([this] { cmdClose_Click(); }); });
    connect(ui->Command1, &QPushButton::clicked, this,
            [this] { forms::guarded([this] { Command1_Click(); }); });
    connect(ui->Command2, &QPushButton::clicked, this,
            [this] { forms::guarded([this] { Command2_Click(); }); });
    connect(ui->Command3, &QPushButton::clicked, this,
            [this] { forms::guarded([this] { Command3_Click(); }); });
    connect(ui->List1, &forms::ListBox::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            forms::guarded([this] { List1_Click(); });
    });
    connect(ui->Data1, &records::DataControl::Reposition, this,
            [this] { forms::guarded([this] { Data1_Reposition(); }); });
    ui->Text1->installEventFilter(this);
}

frmDataGrid::~frmDataGrid() = default;

records::DataGrid* frmDataGrid::grdDataGrid() const
{
    return ui->grdDataGrid;
}
records::DataControl* frmDataGrid::Data1() const
{
    return ui->Data1;
}
QWidget* frmDataGrid::picButtons() const
{
    return ui->picButtons;
}
QLineEdit* frmDataGrid::Text1() const
{
    return ui->Text1;
}
QPushButton* frmDataGrid::Command1() const
{
    return ui->Command1;
}
QPushButton* frmDataGrid::cmdClose() const
{
    return ui->cmdClose;
}
QPushButton* frmDataGrid::cmdrefresh() const
{
    return ui->cmdrefresh;
}
forms::ListBox* frmDataGrid::List1() const
{
    return ui->List1;
}
QPushButton* frmDataGrid::Command2() const
{
    return ui->Command2;
}
QPushButton* frmDataGrid::Command3() const
{
    return ui->Command3;
}

// Opens the cursor, clears the seek box, hides Previous and Next, builds the search arrays.
void frmDataGrid::Form_Load()
{
    store::openCursor(*ui->Data1, forms::Path(), store::listFilePart());
    ui->Text1->setText(QString());
    ui->Command2->hide();
    ui->Command3->hide();
    buildSearchArrays();
    search::noticeWhyNothingIsSaved(*this, *ui->Data1);
}

// The arrays are replaced first and filled one record at a time: a failure part way
// leaves what was read so far, and the rest empty.
void frmDataGrid::buildSearchArrays()
{
    records::Recordset* rs = ui->Data1->Recordset();
    const int count = rs->RecordCount();
    chemNames.reset(static_cast<std::size_t>(count) + 1);
    formulas.reset(static_cast<std::size_t>(count) + 1);
    // As the main window: columns the engine holds for every record are shared whole, and the
    // cursor makes the pass's last move.
    const auto all = static_cast<std::size_t>(count);
    if (count > 0 && chemNames.takeColumn(rs->textAt(0, store::NOME), all) &&
        formulas.takeColumn(rs->textAt(0, store::FORMULA), all)) {
        rs->setAbsolutePosition(count - 1);
    } else {
        chemNames.reset(all + 1);
        formulas.reset(all + 1);
        readSearchArraysByRecord();
    }
    ui->Data1->Refresh();
}

void frmDataGrid::readSearchArraysByRecord()
{
    records::Recordset* rs = ui->Data1->Recordset();
    const int count = rs->RecordCount();
    for (int i = 0; i < count; ++i) {
        rs->setAbsolutePosition(i);
        const auto p = static_cast<std::size_t>(i);
        chemNames.take(p, rs->Fields(store::NOME).text());
        formulas.take(p, rs->Fields(store::FORMULA).text());
    }
}

void frmDataGrid::cmdRefresh_Click()
{
    try {
        store::reopenCursor(*ui->Data1);
        buildSearchArrays();
    } catch (const base::RuntimeError& e) {
        forms::MsgBox(QCoreApplication::translate("frmDataGrid", "Error:%1 %2").arg(e.number()).arg(e.text()),
                      forms::OkOnly);
    }
}

void frmDataGrid::cmdClose_Click()
{
    close();
}

void frmDataGrid::Data1_Reposition()
{
    ui->Data1->setCaption(QString(), ui->Data1->Recordset()->AbsolutePosition() + 1);
}

// The grid's height follows the window's outer height; nothing else moves. A height that
// is not a height (a very low window) is left alone, as is a minimised window.
void frmDataGrid::Form_Resize()
{
    if (isMinimized())
        return;
    const QMargins frame = forms::frameEstimate(this);
    const float outer = static_cast<float>(forms::twips(height() + frame.top() + frame.bottom()));
    const float strip = static_cast<float>(forms::twips(ui->picButtons->height()));
    const float grid = outer - (strip + 425.0f);
    const int pixels = forms::px(grid);
    if (pixels <= 0)
        return;
    ui->grdDataGrid->resize(ui->grdDataGrid->width(), pixels);
}

// A resize ignores every error.
void frmDataGrid::resizeIgnoringErrors()
{
    try {
        Form_Resize();
    } catch (...) {
    }
}

void frmDataGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resizeIgnoringErrors();
}

void frmDataGrid::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restoring a minimised window is a resize too.
    if (event->type() == QEvent::WindowStateChange)
        resizeIgnoringErrors();
}

void frmDataGrid::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The first resize comes before the window is on the screen, when its frame is only
    // assumed; the outer height is known once the window is exposed.
    if (QWindow* handle = windowHandle())
        handle->installEventFilter(this);
}

bool frmDataGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed())
        resizeIgnoringErrors();
    if (watched == ui->Text1 && event->type() == QEvent::KeyPress) {
        int code = forms::keyAscii(*static_cast<QKeyEvent*>(event));
        if (code != 0)
            forms::guarded([&] { Text1_KeyPress(code); });
        // The key still reaches the box.
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

QPointer<frmDataGrid>& shownWindow()
{
    static QPointer<frmDataGrid> window;
    return window;
}

// The reading of a window on its way, and the hold on the program while it is.
struct Opening
{
    std::uint64_t serial = 0;
    std::unique_ptr<records::ReadAhead> reading;
    QEventLoopLocker keepRunning;
};

std::unique_ptr<Opening>& opening()
{
    static std::unique_ptr<Opening> current;
    return current;
}

// What the window's load opens, with the columns its search arrays read.
records::ReadAhead::Order listOrder()
{
    return {store::databasePath(forms::Path(), store::listFilePart()), store::recordSource(), searchColumns(),
            store::openOptions()};
}

} // namespace

frmDataGrid* showDataGrid()
{
    // The window's load takes the reading on its way, if there is one.
    const std::unique_ptr<Opening> wasOnItsWay = std::move(opening());
    return forms::showModeless(shownWindow(), [] { return frmDataGrid::Load(); });
}

bool dataGridOnItsWay()
{
    return opening() != nullptr;
}

void openDataGrid()
{
    if (shownWindow() || opening()) {
        if (shownWindow())
            showDataGrid();
        return;
    }
    // A server's inventory is read by the window's own load: the file here is not the inventory.
    if (store::inventoryOnServer(listOrder().path)) {
        showDataGrid();
        return;
    }
    static std::uint64_t serials = 0;
    const std::uint64_t serial = ++serials;
    opening() = std::make_unique<Opening>();
    opening()->serial = serial;
    // The program ending first stops the reading, while the program can still be told.
    static const QMetaObject::Connection stopAtQuit =
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { opening().reset(); });
    Q_UNUSED(stopAtQuit);
    opening()->reading = std::make_unique<records::ReadAhead>(listOrder(), [serial] {
        // From the reading's thread: the window is loaded on the thread that shows it.
        QMetaObject::invokeMethod(
            qApp,
            [serial] {
                if (opening() && opening()->serial == serial)
                    forms::guarded([] { showDataGrid(); });
            },
            Qt::QueuedConnection);
    });
}

} // namespace list_window
