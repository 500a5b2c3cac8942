#pragma once
// A timer that calls OnTimer every Interval milliseconds while it is enabled. Its ticks arrive
// through the message loop, on a hidden message-only window of its own, so they run between
// other messages and never while the thread is busy elsewhere.
#include <functional>

#include "base/Handle.h"

namespace ui {

class Timer {
public:
    // Enabled, with an interval of 1000 ms, as a newly placed timer is.
    Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    Timer& Interval(unsigned milliseconds);
    unsigned Interval() const { return interval_; }
    // Starts (or stops) the ticks; enabling a running timer starts its interval anew.
    Timer& Enabled(bool on);
    bool Enabled() const { return enabled_; }
    // The hidden window that receives the WM_TIMER messages.
    HWND Handle() const { return window_.get(); }

    std::function<void()> OnTimer;

private:
    void Restart();
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    win::UniqueWindow window_;  // destroying it kills the system timer
    unsigned interval_ = 1000;
    bool enabled_ = true;
};

}  // namespace ui
