#include "platform/data/datacontrol.h"

#include "platform/data/boundfield.h"
#include "platform/data/boundview.h"
#include "platform/data/readahead.h"
#include "platform/forms/msgbox.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include <algorithm>

namespace records {

namespace {

// The arrows of the four buttons, drawn so they scale with the control.
QIcon arrowIcon(int action)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    const bool left = action == ActionMoveFirst || action == ActionMovePrevious;
    const bool bar = action == ActionMoveFirst || action == ActionMoveLast;
    QPainterPath tri;
    if (left) {
        tri.moveTo(12, 3);
        tri.lineTo(12, 13);
        tri.lineTo(5, 8);
    } else {
        tri.moveTo(4, 3);
        tri.lineTo(4, 13);
        tri.lineTo(11, 8);
    }
    tri.closeSubpath();
    p.drawPath(tri);
    if (bar)
        p.drawRect(left ? QRectF(3, 3, 2, 10) : QRectF(11, 3, 2, 10));
    return QIcon(pm);
}

const char* buttonName(int action)
{
    switch (action) {
    case ActionMoveFirst:
        return "First";
    case ActionMovePrevious:
        return "Previous";
    case ActionMoveNext:
        return "Next";
    default:
        return "Last";
    }
}

QString buttonDescription(int action)
{
    switch (action) {
    case ActionMoveFirst:
        return QCoreApplication::translate("records", "First record");
    case ActionMovePrevious:
        return QCoreApplication::translate("records", "Previous record");
    case ActionMoveNext:
        return QCoreApplication::translate("records", "Next record");
    default:
        return QCoreApplication::translate("records", "Last record");
    }
}

} // namespace

DataControl::DataControl(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    for (int action = ActionMoveFirst; action <= ActionMoveLast; ++action) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(buttonName(action)));
        b->setIcon(arrowIcon(action));
        b->setFocusPolicy(Qt::NoFocus);
        b->setToolTip(buttonDescription(action));
        b->setAccessibleName(buttonDescription(action));
        connect(b, &QToolButton::clicked, this, [this, action] { navigate(action); });
        buttons_[action - ActionMoveFirst] = b;
    }
}

DataControl::~DataControl()
{
    // A view may outlive this control by a moment; it must not read a closed record set.
    for (const ViewBinding& v : views_)
        if (v.widget)
            v.view->showRecordset(nullptr);
    rs_.reset();
}

QToolButton* DataControl::button(int action) const
{
    if (action < ActionMoveFirst || action > ActionMoveLast)
        return nullptr;
    return buttons_[action - ActionMoveFirst];
}

const QString& DataControl::Caption() const
{
    if (captionStale_) {
        caption_ = captionPrefix_ + QString::number(captionNumber_);
        captionStale_ = false;
    }
    return caption_;
}

void DataControl::setCaption(const QString& caption)
{
    if (!captionStale_ && caption == caption_)
        return;
    captionStale_ = false;
    caption_ = caption;
    update();
}

void DataControl::setCaption(const QString& prefix, qint64 number)
{
    if (captionStale_ && number == captionNumber_ && prefix == captionPrefix_)
        return;
    // A stale caption has asked for its paint already: a loop of moves asks once.
    const bool paintAsked = captionStale_;
    captionPrefix_ = prefix;
    captionNumber_ = number;
    captionStale_ = true;
    if (!paintAsked)
        update();
}

records::Recordset* DataControl::Recordset() const
{
    if (!rs_)
        throw DataError(NotOpen,
                        QStringLiteral("The record set of '%1' is not open: it has not been refreshed "
                                       "yet, or its last opening failed.")
                            .arg(objectName()));
    return rs_.get();
}

void DataControl::Refresh()
{
    if (rs_ && rs_->hasRecordToLeave())
        leaving(ActionClose);

    if (!connect_.isEmpty() && connect_.compare(QStringLiteral("Access"), Qt::CaseInsensitive) != 0)
        throw DataError(UnsupportedConnect,
                        QStringLiteral("The connect string '%1' names a database format this program cannot "
                                       "open.")
                            .arg(connect_));

    // Everything new is built before anything old is dropped: a failed Refresh leaves
    // the control as it was.
    const QString path = normalizePath(databaseName_);
    std::unique_ptr<Connection> opened;
    Connection* db = db_.get();
    if (!db || openerChanged_ || openedName_ != path || openedReadOnly_ != readOnly_ ||
        (!opener_ && openedFormat_ != format_)) {
        if (opener_) {
            opened = opener_(readOnly_);
        } else {
            OpenOptions options;
            options.readOnly = readOnly_;
            options.exclusive = exclusive_;
            options.busyTimeoutMs = busyTimeoutMs_;
            options.format = format_;
            // A reading of this very cursor done ahead saves reading the file now.
            opened = ReadAhead::claim({path, recordSource_, readAhead_, options});
            if (!opened)
                opened = Database::open(path, options);
        }
        db = opened.get();
    }
    auto rs = std::make_unique<records::Recordset>(*db, recordSource_, readAhead_);
    std::vector<Binding> bindings = collectBindings(*rs);
    std::vector<ViewBinding> views = collectViews(*rs);

    // The views leave the old record set before it goes.
    for (const ViewBinding& v : views)
        v.view->showRecordset(rs.get());
    for (const ViewBinding& v : views_)
        if (v.widget &&
            std::none_of(views.begin(), views.end(), [&](const ViewBinding& n) { return n.view == v.view; }))
            v.view->showRecordset(nullptr);
    rs_.reset();
    if (opened) {
        db_ = std::move(opened);
        openedName_ = path;
        openedReadOnly_ = readOnly_;
        openedFormat_ = format_;
        openerChanged_ = false;
        db_->setReadBursts([this] { scheduleFlush(); });
    }
    rs_ = std::move(rs);
    rs_->setListener(this);
    fileLineBreak_.reset();
    bindings_ = std::move(bindings);
    views_ = std::move(views);
    watchBound();
    watchWindow();
    arrived();
}

void DataControl::watchBound()
{
    // A bound control is brought up to the current record before it is shown or takes the
    // user's input. Installing a filter twice keeps one.
    auto watch = [this](QWidget* w) {
        w->installEventFilter(this);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
            area->viewport()->installEventFilter(this);
    };
    for (const Binding& b : bindings_)
        watch(b.widget);
    for (const ViewBinding& v : views_)
        watch(v.widget);
}

std::vector<DataControl::ViewBinding> DataControl::collectViews(const records::Recordset& rs) const
{
    std::vector<ViewBinding> views;
    const auto widgets = window()->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        auto* view = dynamic_cast<BoundView*>(w);
        if (!view || view->DataSource() != objectName())
            continue;
        if (const QString missing = view->missingColumn(rs); !missing.isEmpty())
            throw DataError(ColumnNotFound,
                            QStringLiteral("Item not found in this collection: '%1' shows the column "
                                           "'%2', which the table '%3' in '%4' does not have.")
                                .arg(w->objectName(), missing, rs.table(), rs.database().where()));
        views.push_back({w, view});
    }
    return views;
}

std::vector<DataControl::Binding> DataControl::collectBindings(const records::Recordset& rs) const
{
    std::vector<Binding> bindings;
    QWidget* top = window();
    const auto widgets = top->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        auto* field = dynamic_cast<BoundField*>(w);
        if (!field || field->DataSource() != objectName())
            continue;
        const int ordinal = rs.ordinalOf(field->DataField());
        if (ordinal < 0)
            throw DataError(ColumnNotFound,
                            QStringLiteral("Item not found in this collection: the box '%1' shows "
                                           "the column '%2', which the table '%3' in '%4' does not have.")
                                .arg(w->objectName(), field->DataField(), rs.table(), rs.database().where()));
        bindings.push_back({w, field, ordinal});
    }
    return bindings;
}

void DataControl::UpdateControls()
{
    for (const Binding& b : bindings_)
        if (b.widget)
            b.field->setDataChanged(false);
    boundBehind_ = true;
    syncBound();
}

void DataControl::closeWithoutSaving()
{
    for (const Binding& b : bindings_)
        if (b.widget)
            b.field->setDataChanged(false);
    for (const ViewBinding& v : views_)
        if (v.widget)
            v.view->showRecordset(nullptr);
    views_.clear();
    bindings_.clear();
    rs_.reset();
    db_.reset();
}

void DataControl::closeAllWithoutSaving()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        const auto controls = window->findChildren<DataControl*>();
        for (DataControl* control : controls)
            control->closeWithoutSaving();
    }
}

void DataControl::UpdateRecord()
{
    if (!Recordset()->hasRecordToLeave())
        throw DataError(NoCurrentRecord, QStringLiteral("No current record: there is no record to save."));
    leaving(ActionUpdate);
}

bool DataControl::anyChanged() const
{
    for (const Binding& b : bindings_)
        if (b.widget && b.field->DataChanged())
            return true;
    return false;
}

void DataControl::leaving(int action)
{
    bool save = anyChanged();
    // Closing or unloading an unedited record has nothing to guard.
    if (!save && (action == ActionClose || action == ActionUnload))
        return;
    int code = action;
    emit Validate(code, save);
    if (code == ActionCancel)
        throw DataError(Cancelled, QStringLiteral("The action was cancelled while the record was checked."));
    if (save && action != ActionDelete)
        writeFlagged();
}

void DataControl::writeFlagged()
{
    std::vector<FieldValue> values;
    std::vector<FieldValue> shown;
    std::vector<std::pair<BoundField*, QString>> written;
    for (const Binding& b : bindings_) {
        if (!b.widget || !b.field->DataChanged())
            continue;
        if (b.field->wantsFileLineBreak())
            b.field->setFileLineBreak(fileLineBreak());
        const QString text = b.field->Text();
        // An emptied box empties the column.
        values.push_back({b.ordinal, text.isEmpty() ? QVariant() : QVariant(text)});
        // What the box showed of this record, so a change made elsewhere since is not
        // overwritten. A box not yet filled with this record showed the user nothing of it.
        if (!boundBehind_)
            shown.push_back({b.ordinal, b.field->shownValue()});
        written.emplace_back(b.field, text);
    }
    if (values.empty())
        return;
    try {
        rs_->writeCurrent(values, shown);
    } catch (base::RuntimeError& e) {
        reportOwnError(e);
        throw;
    }
    for (const auto& [field, text] : written)
        field->markSaved(text);
}

QString DataControl::fileLineBreak()
{
    if (!fileLineBreak_) {
        QStringList multiLine;
        for (const Binding& b : bindings_)
            if (b.widget && dynamic_cast<BoundTextEdit*>(b.field))
                multiLine.append(rs_->fieldNames().at(b.ordinal));
        fileLineBreak_ = rs_->database().lineBreakInUse(rs_->table(), multiLine);
    }
    return *fileLineBreak_;
}

void DataControl::arrived()
{
    // What was typed belongs to the record left, written or dropped by now.
    for (const Binding& b : bindings_)
        if (b.widget)
            b.field->setDataChanged(false);
    boundBehind_ = true;
    scheduleFlush();
    emit Reposition();
}

void DataControl::syncBound()
{
    if (!boundBehind_)
        return;
    boundBehind_ = false;
    for (const Binding& b : bindings_)
        if (b.widget)
            b.field->showValue(currentText(b.ordinal));
    const int position = rs_ ? rs_->AbsolutePosition() : -1;
    for (const ViewBinding& v : views_)
        if (v.widget)
            v.view->showCurrent(position);
}

QString DataControl::currentText(int ordinal)
{
    if (!rs_ || (!rs_->isNewRecord() && !rs_->hasCurrentRecord()))
        return {};
    try {
        return rs_->value(ordinal).toString();
    } catch (const base::RuntimeError& e) {
        // Reported once, from the event loop; the box shows nothing.
        if (!fillError_)
            fillError_ = e;
        scheduleFlush();
        return {};
    }
}

void DataControl::scheduleFlush()
{
    if (flushPending_)
        return;
    flushPending_ = true;
    QMetaObject::invokeMethod(this, &DataControl::flushNow, Qt::QueuedConnection);
}

void DataControl::flushNow()
{
    // Filling the boxes reads within the burst that ends here; nothing new is scheduled.
    syncBound();
    // A screen reader hears the caption (the record's number) with the control's name,
    // once the moves of an event are over.
    if (accessibleDescription() != Caption())
        setAccessibleDescription(Caption());
    if (db_)
        db_->endReadBurst();
    flushPending_ = false;
    if (fillError_) {
        base::RuntimeError error = *fillError_;
        fillError_.reset();
        reportOwnError(error);
    }
}

void DataControl::navigate(int action)
{
    if (!rs_)
        return;
    try {
        if (rs_->RecordCount() == 0 && !rs_->isNewRecord())
            return;
        rs_->moveBy(action);
    } catch (base::RuntimeError& e) {
        if (e.number() != Cancelled)
            reportOwnError(e);
    } catch (const std::exception& e) {
        base::RuntimeError error(base::ErrUnexpected, QString::fromLocal8Bit(e.what()));
        reportOwnError(error);
    }
}

void DataControl::reportOwnError(base::RuntimeError& error)
{
    if (error.reported())
        return;
    error.markReported();
    currentError_ = error;
    int number = error.number();
    int response = 1;
    emit Error(number, response);
    currentError_.reset();
    if (response != 0)
        forms::MsgBox(
            QCoreApplication::translate("records", "Error %1: %2").arg(error.number()).arg(error.text()),
            forms::Critical);
}

void DataControl::watchWindow()
{
    QWidget* top = window();
    if (top == this || top == watchedWindow_)
        return;
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
    watchedWindow_ = top;
    top->installEventFilter(this);
}

bool DataControl::eventFilter(QObject* watched, QEvent* event)
{
    if (boundBehind_ && watched != watchedWindow_) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Paint:
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::FocusIn:
        case QEvent::ContextMenu:
        case QEvent::Drop:
            syncBound();
            break;
        default:
            break;
        }
    }
    // Unloading the window leaves the current record: its edits are written, and a
    // failed write keeps the window open so nothing is lost.
    if (watched == watchedWindow_ && event->type() == QEvent::Close && rs_ && rs_->hasRecordToLeave()) {
        try {
            leaving(ActionUnload);
        } catch (base::RuntimeError& e) {
            reportOwnError(e);
            event->ignore();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void DataControl::setCaptionRoom(const QString& widestCaption)
{
    captionRoom_ = widestCaption;
    layoutButtons();
}

// Square buttons a sixth of the width at most, narrower when the caption needs the room.
int DataControl::buttonWidth() const
{
    constexpr int kMargin = 4;
    const QRect inner = contentsRect();
    int side = std::min(inner.height(), std::max(inner.width() / 6, 1));
    if (!captionRoom_.isEmpty()) {
        const int needed = fontMetrics().horizontalAdvance(captionRoom_) + 2 * kMargin;
        side = std::min(side, std::max((inner.width() - needed) / 4, 12));
    }
    return side;
}

QRect DataControl::captionRect() const
{
    const int side = buttonWidth();
    return contentsRect().adjusted(2 * side + 4, 0, -2 * side - 4, 0);
}

void DataControl::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    layoutButtons();
}

void DataControl::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layoutButtons();
}

void DataControl::layoutButtons()
{
    const QRect inner = contentsRect();
    const int side = buttonWidth();
    const int icon = std::min(side, inner.height()) * 2 / 3;
    for (int i = 0; i < 4; ++i) {
        const int x = i < 2 ? inner.left() + i * side : inner.right() + 1 - (4 - i) * side;
        buttons_[i]->setGeometry(x, inner.top(), side, inner.height());
        buttons_[i]->setIconSize(QSize(icon, icon));
    }
    update();
}

void DataControl::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(captionRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Caption());
}

} // namespace records
