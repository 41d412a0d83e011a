#include "platform/data/boundfield.h"

#include <QTextDocument>

#include <algorithm>
#include <limits>

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
    setShown(value);
    if (value != editorText())
        setText(value);
    dataChanged_ = false;
}

BoundLineEdit::BoundLineEdit(QWidget* parent) : QLineEdit(parent)
{
    // A line edit keeps 32,767 characters unless told otherwise, and would cut a longer
    // value silently when it is shown and then saved: the box holds whatever the file holds.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textEdited, this, [this] { userEdited(); });
}

BoundTextEdit::BoundTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { userEdited(); });
    shownChanged(QString());
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

void BoundTextEdit::shownChanged(const QString& value)
{
    // The editor turns CRLF, LF and CR alike into one paragraph separator.
    original_ = value;
    paragraphs_.clear();
    paragraphs_.reserve(value.size());
    originalAt_.clear();
    originalAt_.reserve(static_cast<std::size_t>(value.size()) + 1);
    qsizetype crlf = 0, lf = 0, cr = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        originalAt_.push_back(i);
        const QChar c = value.at(i);
        if (c == QLatin1Char('\r') && i + 1 < value.size() && value.at(i + 1) == QLatin1Char('\n')) {
            ++crlf;
            ++i;
        } else if (c == QLatin1Char('\n')) {
            ++lf;
        } else if (c == QLatin1Char('\r')) {
            ++cr;
        } else {
            paragraphs_.append(c);
            continue;
        }
        paragraphs_.append(QChar::ParagraphSeparator);
    }
    originalAt_.push_back(value.size());
    if (crlf == 0 && lf == 0 && cr == 0)
        ownBreak_.clear();
    else if (crlf >= lf && crlf >= cr)
        ownBreak_ = QStringLiteral("\r\n");
    else
        ownBreak_ = lf >= cr ? QStringLiteral("\n") : QStringLiteral("\r");
}

bool BoundTextEdit::wantsFileLineBreak() const
{
    return ownBreak_.isEmpty() && document()->blockCount() > 1;
}

QString BoundTextEdit::editorText() const
{
    // toPlainText() turns no-break spaces into spaces and line separators into line
    // breaks, which would rewrite text the user never touched when the box is saved.
    // The raw text keeps them; only the paragraph breaks are the text's line endings.
    const QString raw = document()->toRawText();
    if (raw == paragraphs_)
        return original_;
    // What lies before and after the user's change keeps its own line endings; lines the
    // user made take the value's habit, or the file's.
    const qsizetype most = std::min(raw.size(), paragraphs_.size());
    qsizetype head = 0;
    while (head < most && raw.at(head) == paragraphs_.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < most - head &&
           raw.at(raw.size() - 1 - tail) == paragraphs_.at(paragraphs_.size() - 1 - tail))
        ++tail;
    QString middle = raw.mid(head, raw.size() - head - tail);
    middle.replace(QChar::ParagraphSeparator, ownBreak_.isEmpty() ? fileBreak_ : ownBreak_);
    const qsizetype keptHead = originalAt_[static_cast<std::size_t>(head)];
    const qsizetype keptTail = originalAt_[static_cast<std::size_t>(paragraphs_.size() - tail)];
    return original_.left(keptHead) + middle + original_.mid(keptTail);
}

} // namespace records
