#pragma once
// A timer that calls OnTimer every Interval milliseconds while it is enabled. Its ticks arrive
// through the message loop, on a hidden message-only window of its own, so they run between
// other messages and never while the thread is busy elsewhere.
#include <functional>

#include "ui/Window.h"

namespace ui {

class Timer : public WindowObject {
public:
    // Enabled, with an interval of 1000 ms, as a newly placed timer is.
    Timer();
    Timer& Interval(unsigned milliseconds);
    unsigned Interval() const { return interval_; }
    // Starts (or stops) the ticks; enabling a running timer starts its interval anew.
    Timer& Enabled(bool on);
    bool Enabled() const { return enabled_; }
    // The hidden window that receives the WM_TIMER messages; the system timer dies with it.
    HWND Handle() const { return hwnd_.get(); }

    std::function<void()> OnTimer;

protected:
    LRESULT WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Restart();

    unsigned interval_ = 1000;
    bool enabled_ = true;
};

}  // namespace ui
