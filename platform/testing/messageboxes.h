#pragma once

#include "platform/forms/msgbox.h"

#include <QList>

#include <initializer_list>
#include <memory>

namespace forms {

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
