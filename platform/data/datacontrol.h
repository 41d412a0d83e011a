#pragma once

#include "platform/data/datasource.h"
#include "platform/data/recordset.h"

#include <QFrame>
#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

class QToolButton;

namespace records {

class BoundField;
class BoundView;

// The data-source control: four navigation buttons around a caption, one connection
// and one cursor, and the bound boxes of its window. When a record is left it raises
// Validate, writes the boxes still flagged when the save flag is set, moves, and raises
// Reposition. Errors it meets by itself go to its Error event.
//
// It finds the controls bound to it by their DataSource name: boxes (BoundField) and views
// of the whole record set such as a grid (BoundView), and pushes values into them. They
// are brought up to the current record when control returns to the event loop (or at
// syncBound), not at every move: a loop of a million moves lays out no text. A control is
// brought up before it is painted or takes the user's input, and a move clears every box's
// changed flag at once.
class DataControl final : public QFrame, public DataSource, private CursorListener
{
    Q_OBJECT
    Q_PROPERTY(QString Connect READ Connect WRITE setConnect)
    Q_PROPERTY(QString DatabaseName READ DatabaseName WRITE setDatabaseName)
    Q_PROPERTY(QString RecordSource READ RecordSource WRITE setRecordSource)
    Q_PROPERTY(bool Exclusive READ Exclusive WRITE setExclusive)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    explicit DataControl(QWidget* parent = nullptr);
    ~DataControl() override;

    const QString& Connect() const { return connect_; }
    void setConnect(const QString& connect) { connect_ = connect; }
    // Takes effect at the next Refresh, as do the three below.
    const QString& DatabaseName() const { return databaseName_; }
    void setDatabaseName(const QString& path) override { databaseName_ = path; }
    void setOpener(Opener opener) override
    {
        // A file's control that stays one keeps its connection.
        if (!opener && !opener_)
            return;
        opener_ = std::move(opener);
        openerChanged_ = true;
    }
    void setFileFormat(const FileFormat* format) override { format_ = format; }
    const QString& RecordSource() const { return recordSource_; }
    void setRecordSource(const QString& source) override { recordSource_ = source; }
    bool Exclusive() const { return exclusive_; }
    void setExclusive(bool on) { exclusive_ = on; }
    bool ReadOnly() const { return readOnly_; }
    void setReadOnly(bool on) { readOnly_ = on; }
    const QString& Caption() const;
    void setCaption(const QString& caption);
    // The caption as a prefix and a number, "Chemical #: " and 12: a loop of moves that sets
    // it at every record only stores the number, and the text is made when it is shown.
    void setCaption(const QString& prefix, qint64 number);

    // How long a write waits for another program's lock before it reports one.
    void setBusyTimeout(int ms) { busyTimeoutMs_ = ms; }
    // Columns the window reads for every record when it opens (its search arrays): read
    // with the keyset at each Refresh, in one scan, rather than column by column. A reading
    // of the same file, record source and columns done ahead (ReadAhead) is taken by the
    // Refresh that opens the file.
    void setReadAhead(const QStringList& columns) { readAhead_ = columns; }

    // (Re)opens the record set; the record at position 0 becomes current. Edits pending
    // on the current record raise Validate with ActionClose first.
    void Refresh() override;
    bool isOpen() const { return rs_ != nullptr; }
    // The open record set; throws NotOpen before the first Refresh.
    records::Recordset* Recordset() const override;
    // Writes the edited boxes into the current record (a new record is added).
    void UpdateRecord();
    // Drops the edits in the bound boxes: they show the current record again (a new
    // record: empty), and nothing is written when it is left.
    void UpdateControls();
    // Closes the record set and the file at once, writing nothing and asking nothing: for
    // a program that ends without unloading its windows. Every data control of the program.
    static void closeAllWithoutSaving();

    // The widest caption the control must show in full; its buttons narrow to leave room.
    void setCaptionRoom(const QString& widestCaption);
    // Where the caption is drawn.
    QRect captionRect() const;

    // The error being reported while the Error event runs: its number and full text.
    const std::optional<base::RuntimeError>& currentError() const { return currentError_; }

    // The navigation buttons, by action code (ActionMoveFirst .. ActionMoveLast).
    QToolButton* button(int action) const;

    // Shows the current record in the bound boxes and views now rather than at the next
    // return to the event loop.
    void syncBound();

signals:
    void Reposition();
    void Validate(int& action, bool& save);
    void Error(int& dataErr, int& response);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding
    {
        QPointer<QWidget> widget;
        BoundField* field;
        int ordinal;
    };
    struct ViewBinding
    {
        QPointer<QWidget> widget;
        BoundView* view;
    };

    void leaving(int action) override;
    void arrived() override;
    void navigate(int action);
    void writeFlagged();
    bool anyChanged() const;
    std::vector<Binding> collectBindings(const records::Recordset& rs) const;
    std::vector<ViewBinding> collectViews(const records::Recordset& rs) const;
    void watchBound();
    void scheduleFlush();
    void flushNow();
    QString currentText(int ordinal);
    QString fileLineBreak();
    void reportOwnError(base::RuntimeError& error);
    void watchWindow();
    void closeWithoutSaving();
    int buttonWidth() const;
    void layoutButtons();

    QString connect_ = QStringLiteral("Access");
    QString databaseName_;
    QString recordSource_;
    mutable QString caption_;
    QString captionPrefix_;
    qint64 captionNumber_ = 0;
    mutable bool captionStale_ = false; // caption_ is still to be made from the two above
    QString captionRoom_;
    bool exclusive_ = false;
    bool readOnly_ = false;
    int busyTimeoutMs_ = 3000;
    QStringList readAhead_;

    Opener opener_;
    bool openerChanged_ = false;
    const FileFormat* format_ = nullptr;
    QString openedName_; // the database name, reading and format db_ was opened for
    bool openedReadOnly_ = false;
    const FileFormat* openedFormat_ = nullptr;
    std::unique_ptr<Connection> db_;
    std::unique_ptr<records::Recordset> rs_;
    std::vector<Binding> bindings_;
    std::vector<ViewBinding> views_;
    std::optional<base::RuntimeError> currentError_;
    std::optional<base::RuntimeError> fillError_;
    std::optional<QString> fileLineBreak_; // asked of the file once per opening
    bool flushPending_ = false;
    bool boundBehind_ = false; // bound controls still show an earlier record
    QPointer<QWidget> watchedWindow_;
    QToolButton* buttons_[4] = {};
};

} // namespace records
