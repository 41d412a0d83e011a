#include "platform/testing/messageboxes.h"

#include <QEventLoop>
#include <QTimer>

namespace forms {

namespace {

int defaultAnswer(int style)
{
    const bool second = (style & DefaultButton2) != 0;
    switch (style & 7) {
    case OkCancel:
        return second ? Cancel : Ok;
    case YesNo:
        return second ? No : Yes;
    default:
        return Ok;
    }
}

} // namespace

int ScriptedMessageBoxes::show(const MessageBoxRequest& request)
{
    shown_.append(request);
    if (nestedLoopMs_ > 0) {
        QEventLoop loop;
        QTimer::singleShot(nestedLoopMs_, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (answers_.isEmpty()) {
        ++unscripted_;
        return defaultAnswer(request.style);
    }
    return answers_.takeFirst();
}

ScopedScriptedMessageBoxes::ScopedScriptedMessageBoxes()
{
    auto boxes = std::make_unique<ScriptedMessageBoxes>();
    boxes_ = boxes.get();
    previous_ = setMessageBoxBackend(std::move(boxes));
}

ScopedScriptedMessageBoxes::~ScopedScriptedMessageBoxes()
{
    setMessageBoxBackend(std::move(previous_));
}

} // namespace forms
