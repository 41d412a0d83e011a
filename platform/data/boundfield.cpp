#include "platform/data/boundfield.h"

#include "platform/data/datacontrol.h"

#include <QTextDocument>

namespace records {

QString BoundField::Text()
{
    flushIfStale();
    return editorText();
}

void BoundField::setText(const QString& text)
{
    staleSource_ = nullptr;
    programmatic_ = true;
    setEditorText(text);
    programmatic_ = false;
}

void BoundField::markStale(DataControl* source)
{
    staleSource_ = source;
    dataChanged_ = false;
}

void BoundField::flush()
{
    DataControl* source = staleSource_;
    staleSource_ = nullptr;
    if (!source)
        return;
    const QString value = source->boundValue(this);
    if (value != editorText()) {
        programmatic_ = true;
        setEditorText(value);
        programmatic_ = false;
    }
    dataChanged_ = false;
}

BoundLineEdit::BoundLineEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] { userEdited(); });
}

bool BoundLineEdit::event(QEvent* e)
{
    flushIfStale();
    return QLineEdit::event(e);
}

BoundTextEdit::BoundTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { userEdited(); });
}

void BoundTextEdit::setScrollBars(int bars)
{
    scrollBars_ = bars;
    const bool vertical = bars == 2 || bars == 3;
    const bool horizontal = bars == 1 || bars == 3;
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

QString BoundTextEdit::editorText() const
{
    // toPlainText() turns no-break spaces into spaces and line separators into line
    // breaks, which would rewrite text the user never touched when the box is saved.
    // The raw text keeps them; only the paragraph breaks are the text's "\n".
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

bool BoundTextEdit::event(QEvent* e)
{
    flushIfStale();
    return QPlainTextEdit::event(e);
}

bool BoundTextEdit::viewportEvent(QEvent* e)
{
    flushIfStale();
    return QPlainTextEdit::viewportEvent(e);
}

} // namespace records
