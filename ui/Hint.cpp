#include "ui/Hint.h"

#include <algorithm>
#include <exception>

#include "ui/Application.h"
#include "ui/HitTest.h"

namespace ui {

namespace {
const wchar_t kHintClass[] = L"ui.HintWindow";
}  // namespace

// ---- HintWindow -------------------------------------------------------------------------

HintWindow::HintWindow() : color_(GetSysColor(COLOR_INFOBK)) {}

void HintWindow::CreateParams(HintWindowParams& params) {
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.ClassStyle = 0;
    params.ClassName = kHintClass;
}

HWND HintWindow::Handle() {
    if (!hwnd_) {
        HintWindowParams params;
        CreateParams(params);
        const wchar_t* name =
            RegisterWindowClass({params.ClassName.c_str(), params.ClassStyle, LoadCursorW(nullptr, IDC_ARROW)});
        CreateWindowHandle(true, name, caption_.c_str(), params.Style, params.ExStyle, 0, 0, 0, 0, App().Handle());
    }
    return hwnd_.get();
}

LRESULT HintWindow::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_.get(), &ps);
        Paint(dc);
        EndPaint(hwnd_.get(), &ps);
        return 0;
    }
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return DefaultMessage(msg, wp, lp);
    }
}

void HintWindow::Paint(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    Canvas(dc).FillRect(r, color_);
    r.left += 2;
    r.top += 2;
    win::UniqueFont font = font_.Create();
    win::SelectGuard select(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, font_.Color);
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

RECT HintWindow::CalcHintRect(int maxWidth, const std::wstring& text) {
    const SIZE s = MeasureText(text, font_, maxWidth);
    return RECT{0, 0, s.cx + 6, s.cy + 2};
}

void HintWindow::ActivateHint(const RECT& r, const std::wstring& text) {
    SetCaption(text);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int x = std::max(0, std::min<int>(r.left, GetSystemMetrics(SM_CXSCREEN) - w));
    const int y = std::max(0, std::min<int>(r.top, GetSystemMetrics(SM_CYSCREEN) - h));
    SetWindowPos(Handle(), HWND_TOPMOST, x, y, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

bool HintWindow::IsHintMsg(const MSG& msg) const {
    const UINT m = msg.message;
    return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m > WM_MOUSEMOVE && m <= WM_MOUSELAST) ||
           (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK) || m == WM_COMMAND || m == WM_SYSCOMMAND ||
           m == WM_ACTIVATE || m == WM_ACTIVATEAPP;
}

void HintWindow::ReleaseHint() {
    if (Showing())
        SetWindowPos(hwnd_.get(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

bool HintWindow::Showing() const { return hwnd_ && IsWindowVisible(hwnd_.get()); }

void HintWindow::SetCaption(std::wstring text) {
    caption_ = std::move(text);
    if (hwnd_) SetWindowTextW(hwnd_.get(), caption_.c_str());
}

void HintWindow::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOACTIVATE | SWP_NOZORDER);
}

RECT HintWindow::BoundsRect() const {
    RECT r{};
    if (hwnd_) GetWindowRect(hwnd_.get(), &r);
    return r;
}

Control* HintSource(Control* control) {
    while (control && control->Hint().empty()) control = control->Parent();
    return control;
}

// ---- HintManager ------------------------------------------------------------------------

HintManager& Hints() {
    static HintManager hints;
    return hints;
}

HintManager::HintManager() { SetHintWindowClass<HintWindow>(); }

void HintManager::RebuildWindow() {
    CancelHint();
    window_.reset();
    if (showHint_) window_ = windowFactory_();
}

void HintManager::SetShowHint(bool on) {
    if (on == showHint_) return;
    showHint_ = on;
    RebuildWindow();
}

bool HintManager::HintShowing() const { return window_ && window_->Showing(); }

void HintManager::CancelHint() {
    StopTimer();
    if (window_) window_->ReleaseHint();
    hintControl_ = nullptr;
    active_ = false;
    hook_.reset();
}

void HintManager::MessageSeen(const MSG& msg) {
    switch (msg.message) {
    case WM_MOUSEMOVE:
        MouseMoved(msg.hwnd);
        return;
    case WM_MOUSELEAVE:  // the cursor left the window it was tracked in: see where it went
        if (hintControl_) MouseMoved(nullptr);
        return;
    default:
        if (hintControl_ && window_ && window_->IsHintMsg(msg)) CancelHint();
        return;
    }
}

void HintManager::MouseMoved(HWND window) {
    if (!showHint_) return;
    if (!window_) window_ = windowFactory_();
    POINT cursor;
    GetCursorPos(&cursor);
    const Control* hinted = HintSource(ControlAtPos(cursor, true));
    if (!hinted) {
        CancelHint();
        return;
    }
    const bool moved = cursor.x != lastCursor_.x || cursor.y != lastCursor_.y;
    lastCursor_ = cursor;
    if (hinted != hintControl_) {
        const bool wasActive = active_;
        CancelHint();
        active_ = wasActive;
        hintControl_ = hinted;
        StartTimer(wasActive ? HintShortPause : hintPause_, TimerMode::Show);
        // Commands and activation changes reach windows as sent messages, which the message
        // loop never sees; a hook on this thread's window procedures sees them.
        if (!hook_)
            hook_.reset(SetWindowsHookExW(WH_CALLWNDPROC, &HintManager::CallWndProc, nullptr, GetCurrentThreadId()));
    } else if (timerMode_ == TimerMode::Show && moved) {
        StartTimer(active_ ? HintShortPause : hintPause_, TimerMode::Show);  // not resting yet
    }
    if (window) {  // to learn when the cursor leaves for a window that is not ours
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
    }
}

void HintManager::ShowDueHint() {
    POINT cursor;
    GetCursorPos(&cursor);
    Control* hinted = HintSource(ControlAtPos(cursor, true));
    if (!hinted || hinted != hintControl_ || !window_) {
        CancelHint();
        return;
    }
    RECT r = window_->CalcHintRect(GetSystemMetrics(SM_CXSCREEN), hinted->Hint());
    OffsetRect(&r, cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) * 2 / 3);
    window_->ActivateHint(r, hinted->Hint());
    active_ = true;
    StartTimer(HintHidePause, TimerMode::Hide);
}

void HintManager::TimerExpired() {
    const TimerMode mode = timerMode_;
    StopTimer();
    if (mode == TimerMode::Show)
        ShowDueHint();
    else
        CancelHint();
}

void HintManager::StartTimer(int ms, TimerMode mode) {
    StopTimer();
    timer_.reset(SetTimer(nullptr, 0, static_cast<UINT>(std::max(ms, 1)), &HintManager::TimerProc));
    timerMode_ = timer_ ? mode : TimerMode::None;
}

void HintManager::StopTimer() {
    timer_.reset();
    timerMode_ = TimerMode::None;
}

void CALLBACK HintManager::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    HintManager& hints = Hints();
    if (id != hints.timer_.get()) return;
    try {
        hints.TimerExpired();
    } catch (const std::exception& error) {  // a hint window's error ends the hint, not the program
        hints.CancelHint();
        App().ShowException(error);
    }
}

LRESULT CALLBACK HintManager::CallWndProc(int code, WPARAM wp, LPARAM lp) {
    HintManager& hints = Hints();
    const LRESULT result = CallNextHookEx(hints.hook_.get(), code, wp, lp);
    if (code == HC_ACTION && hints.hintControl_ && hints.window_) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
        const MSG msg{sent->hwnd, sent->message, sent->wParam, sent->lParam, 0, {}};
        const bool own = hints.window_->HandleAllocated() && sent->hwnd == hints.window_->Handle();
        try {
            if (!own && hints.window_->IsHintMsg(msg)) hints.CancelHint();
        } catch (const std::exception& error) {  // as in TimerProc: the hint ends, the program goes on
            hints.CancelHint();
            App().ShowException(error);
        }
    }
    return result;
}

}  // namespace ui
