#pragma once
// The error that the application's standard error box shows: a message in the program's
// own (wide) text. Raised by a step to stop it; the message loop, the window procedure and
// a form's creation catch it and show it (Application::ShowException).
#include <windows.h>

#include <exception>
#include <string>

namespace win {

class Exception : public std::exception {
public:
    explicit Exception(std::wstring message) : message_(std::move(message)) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, message_.c_str(), -1, nullptr, 0, nullptr, nullptr);
        if (n > 0) {
            what_.resize(static_cast<size_t>(n));
            WideCharToMultiByte(CP_UTF8, 0, message_.c_str(), -1, what_.data(), n, nullptr, nullptr);
            what_.resize(static_cast<size_t>(n - 1));
        }
    }
    const std::wstring& Message() const noexcept { return message_; }
    // The message in UTF-8, for whoever only knows std::exception.
    const char* what() const noexcept override { return what_.c_str(); }

private:
    std::wstring message_;
    std::string what_;
};

}  // namespace win
