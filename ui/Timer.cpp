#include "ui/Timer.h"

#include <exception>

#include "ui/Application.h"

namespace ui {

namespace {
constexpr UINT_PTR kTimerId = 1;
}  // namespace

Timer::Timer() {
    static const wchar_t* const className = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Timer::WndProc;
        wc.hInstance = App().Instance();
        wc.lpszClassName = L"ui.Timer";
        RegisterClassExW(&wc);
        return L"ui.Timer";
    }();
    window_.reset(CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, App().Instance(), this));
    Restart();
}

Timer& Timer::Interval(unsigned milliseconds) {
    if (milliseconds != interval_) {
        interval_ = milliseconds;
        Restart();
    }
    return *this;
}

Timer& Timer::Enabled(bool on) {
    enabled_ = on;
    Restart();
    return *this;
}

void Timer::Restart() {
    KillTimer(window_.get(), kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(window_.get(), kTimerId, interval_, nullptr);
}

LRESULT CALLBACK Timer::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (msg == WM_TIMER) {
        auto* self = reinterpret_cast<Timer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        // A tick already queued when the timer was stopped is dropped.
        if (self && self->enabled_ && self->OnTimer) {
            try {
                self->OnTimer();
            } catch (const std::exception& error) {  // never let an error unwind through the system's frames
                App().ShowException(error);
            }
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace ui
