#pragma once

#include <QList>
#include <QString>

#include <memory>

namespace forms {

// Style bits: the buttons in the low bits, the icon in the next, the default button above.
enum MsgBoxStyle : int
{
    OkOnly = 0,
    OkCancel = 1,
    YesNo = 4,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton2 = 256,
};

enum MsgBoxResult : int
{
    Ok = 1,
    Cancel = 2,
    Yes = 6,
    No = 7,
};

struct MessageBoxRequest
{
    QString prompt;
    int style = OkOnly;
    QString title; // already resolved: never empty
};

class MessageBoxBackend
{
public:
    virtual ~MessageBoxBackend() = default;
    virtual int show(const MessageBoxRequest& request) = 0;
};

// Shows a modal message box and returns the button pressed. An empty title shows the
// application's title.
int MsgBox(const QString& prompt, int style = OkOnly, const QString& title = {});

// Replaces the backend (tests install one that answers from a script); returns the one
// that was installed. Null restores the default.
std::unique_ptr<MessageBoxBackend> setMessageBoxBackend(std::unique_ptr<MessageBoxBackend> backend);

// The default backend: a modal QMessageBox over the active window.
class QtMessageBoxBackend final : public MessageBoxBackend
{
public:
    int show(const MessageBoxRequest& request) override;
};

} // namespace forms
