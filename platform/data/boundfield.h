#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include <vector>

namespace records {

// A text box bound to a column of a data control's current record. The data control
// pushes each record's value into it (showValue); only the user's typing sets
// DataChanged. The box knows nothing of the control.
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

    QString Text() const { return editorText(); }
    // Sets the text as a program does: DataChanged is left as it is.
    void setText(const QString& text);
    // Shows a record's value: the box then holds no edit.
    void showValue(const QString& value);
    // The value last shown, or last saved from the box: what the record held when the
    // user began to edit it.
    const QString& shownValue() const { return shown_; }
    // The box's text was saved as the record's value.
    void markSaved(const QString& saved)
    {
        setShown(saved);
        dataChanged_ = false;
    }

    // A box that writes line breaks of its own asks for the ones the file uses when the
    // value it showed had none.
    virtual bool wantsFileLineBreak() const { return false; }
    virtual void setFileLineBreak(const QString&) {}

    virtual QWidget* widget() = 0;

protected:
    virtual QString editorText() const = 0;
    virtual void setEditorText(const QString& text) = 0;
    // The value the box now stands for, before the editor shows it.
    virtual void shownChanged(const QString&) {}
    // Called by the editors on a change the user made.
    void userEdited()
    {
        if (!programmatic_)
            dataChanged_ = true;
    }

private:
    void setShown(const QString& value)
    {
        shown_ = value;
        shownChanged(value);
    }

    QString dataField_;
    QString dataSource_;
    bool dataChanged_ = false;
    bool programmatic_ = false;
    QString shown_;
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
    QString editorText() const override { return QLineEdit::text(); }
    void setEditorText(const QString& text) override { QLineEdit::setText(text); }
};

// A multi-line bound box, with a vertical scroll bar when ScrollBars is 2. The editor
// knows paragraphs, not line endings: the box gives back the CRLF, LF or CR each line of
// the value had, and new lines take the value's own habit (or the file's, for a value
// that had none), so a saved box changes no more than what the user typed.
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

    bool wantsFileLineBreak() const override;
    void setFileLineBreak(const QString& lineBreak) override { fileBreak_ = lineBreak; }

protected:
    QString editorText() const override;
    void setEditorText(const QString& text) override { setPlainText(text); }
    void shownChanged(const QString& value) override;

private:
    int scrollBars_ = 0;
    QString original_;   // the value shown, with its own line endings
    QString paragraphs_; // the same with each line ending as one paragraph separator
    std::vector<qsizetype>
        originalAt_;   // per character of paragraphs_ (and its end): where it starts in original_
    QString ownBreak_; // the value's most common line ending; empty when it had none
    QString fileBreak_ = QStringLiteral("\n");
};

} // namespace records
