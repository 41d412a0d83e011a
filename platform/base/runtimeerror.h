#pragma once

#include <QString>

#include <exception>
#include <string>

namespace base {

// Anything thrown that is not a numbered error.
inline constexpr int ErrUnexpected = 1;

// Every error the program shows carries a number and a text the user can act on.
// It lives apart from the widgets so that the engine, the store and the command-line
// tools can raise it without linking a window.
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

} // namespace base
