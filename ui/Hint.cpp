#include "ui/Hint.h"

#include <algorithm>
#include <exception>

#include "ui/Application.h"

namespace ui {

namespace {
const wchar_t kHintClass[] = L"ui.HintWindow";

void RegisterHintClass(const HintWindowParams& params, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(App().Instance(), params.ClassName.c_str(), &wc)) return;
    wc.cbSize = sizeof wc;
    wc.style = params.ClassStyle;
    wc.lpfnWndProc = proc;
    wc.hInstance = App().Instance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = params.ClassName.c_str();
    RegisterClassExW(&wc);
}
}  // namespace

// ---- HintWindow -------------------------------------------------------------------------

HintWindow::HintWindow() : color_(GetSysColor(COLOR_INFOBK)) {}

HintWindow::~HintWindow() {
    if (hwnd_) SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, 0);  // no calls into a half-destroyed object
}

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
        RegisterHintClass(params, &HintWindow::WindowProc);
        CreateWindowExW(params.ExStyle, params.ClassName.c_str(), caption_.c_str(), params.Style, 0, 0, 0, 0,
                        App().Handle(), nullptr, App().Instance(), this);
    }
    return hwnd_.get();
}

LRESULT CALLBACK HintWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<HintWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_.reset(hwnd);
    }
    auto* self = reinterpret_cast<HintWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (self) self->hwnd_.release();
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    try {
        return self->WndProc(msg, wp, lp);
    } catch (const std::exception& error) {  // never let an error unwind through the system's frames
        App().ShowException(error);
        return 0;
    }
}

LRESULT HintWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
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
        return DefWindowProcW(hwnd_.get(), msg, wp, lp);
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

// ---- Finding the control under the cursor -----------------------------------------------

namespace {
// The topmost visible child of parent at p (parent's client coordinates), descending into
// windowed children; parent itself where no child lies there. Windowed children lie above
// the graphic ones, and later children above earlier ones.
Control* ChildAt(WinControl* parent, POINT p) {
    const auto& children = parent->Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* windowed = dynamic_cast<WinControl*>(*it);
        if (!windowed || !windowed->Visible()) continue;
        RECT r = windowed->BoundsRect();
        if (PtInRect(&r, p)) return ChildAt(windowed, POINT{p.x - r.left, p.y - r.top});
    }
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if ((*it)->IsWindowed() || !(*it)->Visible()) continue;
        RECT r = (*it)->BoundsRect();
        if (PtInRect(&r, p)) return *it;
    }
    return parent;
}
}  // namespace

Control* ControlAtPos(POINT screen) {
    HWND under = WindowFromPoint(screen);
    if (!under) return nullptr;
    HWND root = GetAncestor(under, GA_ROOT);
    WinControl* top = WinControl::FromHandle(root);
    if (!top || !top->Visible()) return nullptr;
    POINT p = screen;
    ScreenToClient(root, &p);
    return ChildAt(top, p);
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

HintManager::~HintManager() {
    StopTimer();
    Unhook();
}

void HintManager::SetShowHint(bool on) {
    if (on == showHint_) return;
    showHint_ = on;
    CancelHint();
    window_.reset();
    if (on) window_ = windowClass_();
}

bool HintManager::HintShowing() const { return window_ && window_->Showing(); }

void HintManager::CancelHint() {
    StopTimer();
    if (window_) window_->ReleaseHint();
    hintControl_ = nullptr;
    active_ = false;
    Unhook();
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
    if (!window_) window_ = windowClass_();
    POINT cursor;
    GetCursorPos(&cursor);
    const Control* hinted = HintSource(ControlAtPos(cursor));
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
        Hook();
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
    Control* hinted = HintSource(ControlAtPos(cursor));
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
    timer_ = SetTimer(nullptr, 0, static_cast<UINT>(std::max(ms, 1)), &HintManager::TimerProc);
    timerMode_ = timer_ ? mode : TimerMode::None;
}

void HintManager::StopTimer() {
    if (timer_) KillTimer(nullptr, timer_);
    timer_ = 0;
    timerMode_ = TimerMode::None;
}

void CALLBACK HintManager::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    HintManager& hints = Hints();
    if (id != hints.timer_) return;
    try {
        hints.TimerExpired();
    } catch (const std::exception& error) {  // a hint window's error ends the hint, not the program
        hints.CancelHint();
        App().ShowException(error);
    }
}

// Commands and activation changes reach windows as sent messages, which the message loop
// never sees; a hook on this thread's window procedures sees them while a hint is pending.
void HintManager::Hook() {
    if (!hook_) hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &HintManager::CallWndProc, nullptr, GetCurrentThreadId());
}

void HintManager::Unhook() {
    if (hook_) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
}

LRESULT CALLBACK HintManager::CallWndProc(int code, WPARAM wp, LPARAM lp) {
    HintManager& hints = Hints();
    const LRESULT result = CallNextHookEx(hints.hook_, code, wp, lp);
    if (code == HC_ACTION && hints.hintControl_ && hints.window_) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
        const MSG msg{sent->hwnd, sent->message, sent->wParam, sent->lParam, 0, {}};
        const bool own = hints.window_->HandleAllocated() && sent->hwnd == hints.window_->Handle();
        if (!own && hints.window_->IsHintMsg(msg)) hints.CancelHint();
    }
    return result;
}

}  // namespace ui
