#include "inventory/main_window/tamsel.h"

#include "inventory/info_windows/frmabout.h"
#include "inventory/search/search_text.h"
#include "inventory/store/chemical_table.h"
#include "platform/controls/host.h"
#include "platform/data/boundfield.h"
#include "platform/data/datacontrol.h"
#include "platform/forms/app.h"
#include "platform/forms/colors.h"
#include "platform/forms/errors.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"
#include "ui_tamsel.h"

#include <QKeyEvent>
#include <QTabBar>

namespace {

QFont designFont(const char* family, double points, bool bold = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

constexpr quint32 kLightGrey = 0x00C0C0C0;

} // namespace

Tamsel* Tamsel::Load(QWidget* parent)
{
    auto window = std::make_unique<Tamsel>(parent);
    window->Form_Load();
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window.release();
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
    connect(ui->mnuabout, &QAction::triggered, this, [] { forms::guarded([] { info::showAbout(); }); });
    connect(ui->Data1, &records::DataControl::Validate, this,
            [this](int& action, bool& save) { forms::guarded([&] { Data1_Validate(action, save); }); });
    connect(ui->Data1, &records::DataControl::Reposition, this,
            [this] { forms::guarded([this] { Data1_Reposition(); }); });
    connect(ui->Data1, &records::DataControl::Error, this,
            [this](int& dataErr, int& response) { forms::guarded([&] { Data1_Error(dataErr, response); }); });
}

Tamsel::~Tamsel() = default;

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

// uic takes whole points only, and the colours are the design's 0x00BBGGRR values.
void Tamsel::applyLook()
{
    forms::setBackColor(ui->centralwidget, kLightGrey);
    // Frames carry their caption in the border line, and the boxes sit inside it.
    ui->centralwidget->setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid #808080; border-radius: 2px; margin-top: 7px; }"
                       "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                       " left: 6px; padding: 0 2px; }"));

    ui->List1->setFont(designFont("MS Sans Serif", 9.75, true));
    // Every entry is one line: the list need not measure each of thousands of hits.
    ui->List1->setUniformItemSizes(true);
    forms::setBackColor(ui->List1, 0x00FFFFFF, true);
    forms::setForeColor(ui->List1, 0x00800000);

    ui->Frame2->setFont(designFont("Arial", 9.75, true));
    forms::setBackColor(ui->Frame2, kLightGrey);
    forms::setForeColor(ui->Frame2, 0x80000002);
    ui->Text2->setFont(designFont("Arial", 9.75, true));
    forms::setForeColor(ui->Text2, 0x00000000);
    ui->Command2->setFont(designFont("MS Sans Serif", 8.25));
    forms::setForeColor(ui->Command2, 0x00000000);

    ui->Data1->setFont(designFont("MS Sans Serif", 13.5, true));
    forms::setBackColor(ui->Data1, 0x00FFFFFF);
    forms::setForeColor(ui->Data1, 0x00400000);

    forms::setBackColor(ui->Command3, kLightGrey);
    ui->SSTab1->setFont(designFont("MS Sans Serif", 9.75));

    ui->Label3->setFont(designFont("MS Sans Serif", 12, true));
    forms::setBackColor(ui->Label3, kLightGrey);
    forms::setForeColor(ui->Label3, 0x8000000D);

    ui->Label8->setFont(designFont("Arial", 29.25, true));
    forms::setBackColor(ui->Label8, kLightGrey);
    forms::setForeColor(ui->Label8, 0x00FF0000);

    for (int i = 0; i < store::kColumnCount; ++i)
        txtfields(i)->widget()->setFont(
            designFont("MS Sans Serif", 9.75, i == store::NOME || i == store::HAZARDS));
    txtfields(store::NOME)->widget()->setFont(designFont("MS Sans Serif", 12, true));
    for (QLabel* l : {ui->Label1, ui->Label2, ui->Label4, ui->Label5, ui->Label6, ui->Label7})
        l->setFont(designFont("MS Sans Serif", 9.75));
    for (QGroupBox* f : {ui->Frame1, ui->Frame3, ui->Frame4, ui->Frame5, ui->Frame6, ui->Frame7})
        f->setFont(designFont("MS Sans Serif", 9.75));

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
    }
}

// Sizes the window, opens the cursor, clears the search box, fills the search arrays.
void Tamsel::Form_Load()
{
    forms::setOuterHeightTwips(this, 6849);
    forms::setOuterWidthTwips(this, 12500);
    ui->Data1->setDatabaseName(forms::Path() + store::mainFilePart());
    ui->Data1->setRecordSource(store::recordSource());
    ui->Data1->Refresh();
    store::checkColumns(*ui->Data1->Recordset());
    ui->Text2->setText(QString());
    readSearchArrays();
    ui->Data1->Refresh();
}

void Tamsel::LoadSearchArrays()
{
    ui->Data1->setRecordSource(store::recordSource());
    ui->Data1->Refresh();
    readSearchArrays();
    ui->Data1->Refresh();
}

// Every record by position, three columns each; an empty or Null value leaves its
// element empty.
void Tamsel::readSearchArrays()
{
    records::Recordset* rs = ui->Data1->Recordset();
    chemNames.assign(static_cast<std::size_t>(rs->RecordCount()) + 1, QString());
    aldrichNames.assign(static_cast<std::size_t>(rs->RecordCount()) + 1, QString());
    formulas.assign(static_cast<std::size_t>(rs->RecordCount()) + 1, QString());
    auto take = [](const QVariant& v, QString& element) {
        if (!v.isNull()) {
            QString text = v.toString();
            if (!text.isEmpty())
                element = std::move(text);
        }
    };
    const int count = rs->RecordCount();
    for (int i = 0; i < count; ++i) {
        rs->setAbsolutePosition(i);
        const auto p = static_cast<std::size_t>(i);
        take(rs->Fields(store::NOME).Value(), chemNames[p]);
        take(rs->Fields(store::ALDRICH).Value(), aldrichNames[p]);
        take(rs->Fields(store::FORMULA).Value(), formulas[p]);
    }
}

void Tamsel::List1_Click()
{
    const int k = ui->List1->currentRow() + 1;
    if (k < 1 || k > hitCount || k >= static_cast<int>(hitPositions.size()))
        return;
    ui->Data1->Recordset()->setAbsolutePosition(hitPositions[static_cast<std::size_t>(k)]);
}

void Tamsel::setList1HeightTwips(double twips)
{
    ui->List1->resize(ui->List1->width(), forms::px(twips));
}

void Tamsel::Command2_Click()
{
    const int count = ui->Data1->Recordset()->RecordCount();
    hitPositions.assign(static_cast<std::size_t>(count) + 1, 0);
    setList1HeightTwips(286.747);
    ui->List1->hide();
    ui->Label3->hide();

    const QString s = ui->Text2->text();
    if (s.isEmpty())
        return;
    if (!searchReady) {
        Timer1_->setEnabled(true);
        return;
    }

    searchReady = false;
    const search::Matcher matcher(s, search::twin(s));
    ui->List1->clear();
    hitCount = 0;
    forms::setMousePointer(forms::Pointer::Hourglass);

    // Arrays read before records were added elsewhere end early: the scan stops there.
    const std::size_t end = std::min<std::size_t>(static_cast<std::size_t>(count), chemNames.size());
    QStringList hits;
    for (std::size_t i = 0; i < end; ++i) {
        const QString* hit = nullptr;
        if (matcher.matches(chemNames[i]))
            hit = &chemNames[i];
        else if (i < aldrichNames.size() && matcher.matches(aldrichNames[i]))
            hit = &aldrichNames[i];
        else if (i < formulas.size() && matcher.matches(formulas[i]))
            hit = &formulas[i];
        if (hit) {
            ++hitCount;
            hits.append(*hit);
            hitPositions[static_cast<std::size_t>(hitCount)] = static_cast<std::int32_t>(i);
        }
    }
    ui->List1->setItems(hits);

    setList1HeightTwips(hitCount >= 21 ? 4486.747 : 210.0 * hitCount + 286.747);
    if (hitCount >= 1) {
        ui->List1->show();
        ui->List1->setCurrentRow(0);
        ui->List1->setFocus();
        ui->Label3->setText(QStringLiteral("Found: %1 Record(s)").arg(hitCount));
        ui->Label3->adjustSize();
        ui->Label3->show();
    } else {
        forms::MsgBox(QStringLiteral("No Chemical Found!\r\nTry Another Name"), forms::Critical,
                      forms::Title());
    }
    forms::setMousePointer(forms::Pointer::Default);
}

void Tamsel::Text2_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        Command2_Click();
}

void Tamsel::Timer1_Timer()
{
    // A tick that comes while this timer's search (or its message box) still runs
    // would start a second search: one arming gives one search.
    if (timerSearchRunning_)
        return;
    timerSearchRunning_ = true;
    searchReady = true;
    const bool ok = forms::guarded([this] { Command2_Click(); });
    timerSearchRunning_ = false;
    Timer1_->setEnabled(false);
    if (!ok)
        searchReady = false;
}

bool Tamsel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Text2 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        int code = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            code = 13;
        else if (!key->text().isEmpty())
            code = key->text().at(0).unicode();
        if (code != 0)
            forms::guarded([&] { Text2_KeyPress(code); });
        // The key still reaches the box.
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tamsel::Data1_Validate(int& Action, bool& Save)
{
    Q_UNUSED(Save);
    const bool asks = (Action >= 1 && Action <= 4) || Action == 10;
    if (asks) {
        for (int i = 0; i < store::kColumnCount; ++i) {
            records::BoundField* box = txtfields(i);
            if (!box->DataChanged())
                continue;
            const int answer =
                forms::MsgBox(QStringLiteral("The Record was Changed. Do you want Update this Record?"),
                              forms::YesNo, QStringLiteral("Save"));
            if (answer == forms::No) {
                box->setDataChanged(false);
                continue;
            }
            if (txtfields(store::NOME)->Text().isEmpty()) {
                forms::MsgBox(QStringLiteral("The CHEMICAL NAME Field must be filled!"), forms::Critical);
                box->setDataChanged(false);
                // An empty name is never written, also when the name box was not asked yet.
                txtfields(store::NOME)->setDataChanged(false);
                return;
            }
        }
    }
    forms::setMousePointer(forms::Pointer::Hourglass);
}

void Tamsel::Data1_Reposition()
{
    forms::setMousePointer(forms::Pointer::Default);
    try {
        ui->Data1->setCaption(QStringLiteral("Chemical #: ") +
                              QString::number(ui->Data1->Recordset()->AbsolutePosition() + 1));
    } catch (...) {
        // The caption keeps its previous text.
    }
}

void Tamsel::Data1_Error(int& DataErr, int& Response)
{
    const auto& current = ui->Data1->currentError();
    const QString text =
        current && current->number() == DataErr ? current->text() : records::dataErrorText(DataErr);
    forms::MsgBox(QStringLiteral("Data error event hit err:") + text);
    Response = 0;
}
