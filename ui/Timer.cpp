#include "ui/Timer.h"

namespace ui {

namespace {
constexpr UINT_PTR kTimerId = 1;
}  // namespace

Timer::Timer() {
    CreateWindowHandle(true, RegisterWindowClass({L"ui.Timer"}), L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
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
    KillTimer(hwnd_.get(), kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(hwnd_.get(), kTimerId, interval_, nullptr);
}

LRESULT Timer::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_TIMER) return DefaultMessage(msg, wp, lp);
    if (enabled_ && OnTimer) OnTimer();  // a tick already queued when the timer was stopped is dropped
    return 0;
}

}  // namespace ui
