#pragma once

#include <QString>

#include <exception>
#include <string>

namespace forms {

// Every error the program shows carries a number and a text the user can act on.
class RuntimeError : public std::exception
{
public:
    RuntimeError(int number, QString text)
        : number_(number), text_(std::move(text)), what_(text_.toStdString())
    {}

    int number() const noexcept { return number_; }
    const QString& text() const noexcept { return text_; }
    const char* what() const noexcept override { return what_.c_str(); }

    // Set once the user has been told about this error, so that the handler guard
    // stops the handler without a second message.
    bool reported() const noexcept { return reported_; }
    void markReported() noexcept { reported_ = true; }

private:
    int number_;
    QString text_;
    std::string what_;
    bool reported_ = false;
};

// Errors of the form run-time itself.
enum FormsError : int
{
    ErrUnexpected = 1, // anything thrown that is not a RuntimeError
};

// Shows an error that escaped a handler: one message box with its number and text.
void reportError(const RuntimeError& error);
void reportError(const std::exception& error);

// Runs a handler so that no exception leaves it: errors become one message box and the
// window returns to the event loop, still usable. Returns false when the handler failed.
template <class F> bool guarded(F&& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const RuntimeError& e) {
        reportError(e);
    } catch (const std::exception& e) {
        reportError(e);
    } catch (...) {
        reportError(
            RuntimeError(ErrUnexpected, QStringLiteral("An unexpected error stopped the last action.")));
    }
    return false;
}

} // namespace forms
