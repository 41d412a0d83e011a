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

// Replaces the backend; returns the one that was installed. Null restores the default.
std::unique_ptr<MessageBoxBackend> setMessageBoxBackend(std::unique_ptr<MessageBoxBackend> backend);

// The default backend: a modal QMessageBox over the active window.
class QtMessageBoxBackend final : public MessageBoxBackend
{
public:
    int show(const MessageBoxRequest& request) override;
};

// A backend for tests: records every box and answers from a script, so no test ever
// blocks. A box the script has no answer for is answered with its default button and
// counted in unscripted().
class ScriptedMessageBoxes final : public MessageBoxBackend
{
public:
    int show(const MessageBoxRequest& request) override;

    void answer(int button) { answers_.append(button); }
    void answer(std::initializer_list<int> buttons)
    {
        for (int b : buttons)
            answers_.append(b);
    }

    // While a box is "open", run the event loop for this long, as a modal box does.
    void setNestedLoopMs(int ms) { nestedLoopMs_ = ms; }

    const QList<MessageBoxRequest>& shown() const { return shown_; }
    int unscripted() const { return unscripted_; }
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }
    void clear()
    {
        shown_.clear();
        answers_.clear();
        unscripted_ = 0;
    }

private:
    QList<MessageBoxRequest> shown_;
    QList<int> answers_;
    int unscripted_ = 0;
    int nestedLoopMs_ = 0;
};

// Installs a scripted backend for the lifetime of this object.
class ScopedScriptedMessageBoxes
{
public:
    ScopedScriptedMessageBoxes();
    ~ScopedScriptedMessageBoxes();
    ScopedScriptedMessageBoxes(const ScopedScriptedMessageBoxes&) = delete;
    ScopedScriptedMessageBoxes& operator=(const ScopedScriptedMessageBoxes&) = delete;

    ScriptedMessageBoxes* operator->() { return boxes_; }
    ScriptedMessageBoxes& operator*() { return *boxes_; }

private:
    ScriptedMessageBoxes* boxes_;
    std::unique_ptr<MessageBoxBackend> previous_;
};

} // namespace forms
