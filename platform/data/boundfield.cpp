#include "platform/data/boundfield.h"

#include <QTextDocument>

namespace records {

void BoundField::setText(const QString& text)
{
    programmatic_ = true;
    setEditorText(text);
    programmatic_ = false;
}

void BoundField::showValue(const QString& value)
{
    // Setting a text lays it out: skip that when the box already shows it.
    if (value != editorText())
        setText(value);
    shown_ = value;
    dataChanged_ = false;
}

BoundLineEdit::BoundLineEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] { userEdited(); });
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

} // namespace records
