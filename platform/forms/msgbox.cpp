#include "platform/forms/msgbox.h"

#include "platform/forms/identity.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace forms {

namespace {

std::unique_ptr<MessageBoxBackend>& backend()
{
    static std::unique_ptr<MessageBoxBackend> instance = std::make_unique<QtMessageBoxBackend>();
    return instance;
}

} // namespace

int MsgBox(const QString& prompt, int style, const QString& title)
{
    MessageBoxRequest request{prompt, style, title.isEmpty() ? Title() : title};
    return backend()->show(request);
}

std::unique_ptr<MessageBoxBackend> setMessageBoxBackend(std::unique_ptr<MessageBoxBackend> next)
{
    if (!next)
        next = std::make_unique<QtMessageBoxBackend>();
    std::swap(backend(), next);
    return next;
}

int QtMessageBoxBackend::show(const MessageBoxRequest& request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(request.title);
    box.setText(request.prompt);
    switch (request.style & 0x70) {
    case Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }

    struct Choice
    {
        QMessageBox::StandardButton button;
        int result;
    };
    QList<Choice> choices;
    switch (request.style & 7) {
    case OkCancel:
        choices = {{QMessageBox::Ok, Ok}, {QMessageBox::Cancel, Cancel}};
        break;
    case YesNo:
        choices = {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}};
        break;
    default:
        choices = {{QMessageBox::Ok, Ok}};
        break;
    }
    QList<QAbstractButton*> buttons;
    for (const Choice& c : choices)
        buttons.append(box.addButton(c.button));
    const int defaultIndex = (request.style & DefaultButton2) && buttons.size() > 1 ? 1 : 0;
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.at(defaultIndex)));
    // Closing the box answers with the last button: Cancel, No, or the only OK.
    box.setEscapeButton(buttons.last());

    box.exec();
    const int index = static_cast<int>(buttons.indexOf(box.clickedButton()));
    return index >= 0 ? choices.at(index).result : choices.last().result;
}

} // namespace forms
