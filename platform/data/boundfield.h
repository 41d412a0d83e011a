#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

namespace records {

class DataControl;

// A text box bound to a column of a data control's current record. Only the user's
// typing sets DataChanged; showing a record clears it.
//
// Filling is lazy: when the record changes the box only learns that it is out of date
// and takes the new value before it next handles an event, or when Text() is read.
// A loop of moves costs no text layout per move. Read a bound box through Text().
class BoundField
{
public:
    virtual ~BoundField() = default;

    const QString& DataField() const { return dataField_; }
    void setDataField(const QString& column) { dataField_ = column; }
    const QString& DataSource() const { return dataSource_; }
    void setDataSource(const QString& controlName) { dataSource_ = controlName; }

    bool DataChanged() const { return dataChanged_; }
    void setDataChanged(bool changed) { dataChanged_ = changed; }

    // The box's text, up to date with the current record.
    QString Text();
    // Sets the text as a program does: DataChanged is left as it is.
    void setText(const QString& text);

    virtual QWidget* widget() = 0;

    // For the data control.
    void markStale(DataControl* source);
    void flush();

protected:
    virtual QString editorText() const = 0;
    virtual void setEditorText(const QString& text) = 0;
    void flushIfStale()
    {
        if (staleSource_)
            flush();
    }
    // Called by the editors on a change the user made.
    void userEdited()
    {
        if (!programmatic_)
            dataChanged_ = true;
    }

private:
    QString dataField_;
    QString dataSource_;
    bool dataChanged_ = false;
    bool programmatic_ = false;
    DataControl* staleSource_ = nullptr;
};

// A single-line bound box.
class BoundLineEdit final : public QLineEdit, public BoundField
{
    Q_OBJECT
    Q_PROPERTY(QString DataField READ DataField WRITE setDataField)
    Q_PROPERTY(QString DataSource READ DataSource WRITE setDataSource)
public:
    explicit BoundLineEdit(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

protected:
    bool event(QEvent* e) override;
    QString editorText() const override { return QLineEdit::text(); }
    void setEditorText(const QString& text) override { QLineEdit::setText(text); }
};

// A multi-line bound box, with a vertical scroll bar when ScrollBars is 2.
class BoundTextEdit final : public QPlainTextEdit, public BoundField
{
    Q_OBJECT
    Q_PROPERTY(QString DataField READ DataField WRITE setDataField)
    Q_PROPERTY(QString DataSource READ DataSource WRITE setDataSource)
    Q_PROPERTY(int ScrollBars READ ScrollBars WRITE setScrollBars)
public:
    explicit BoundTextEdit(QWidget* parent = nullptr);
    QWidget* widget() override { return this; }

    int ScrollBars() const { return scrollBars_; }
    void setScrollBars(int bars);

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    QString editorText() const override;
    void setEditorText(const QString& text) override { setPlainText(text); }

private:
    int scrollBars_ = 0;
};

} // namespace records
