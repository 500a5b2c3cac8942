#include "ui/Form.h"

#include <algorithm>
#include <vector>

#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Menu.h"

namespace ui {

Form::Form() : Fluent(nullptr) {
    visible_ = false;
    CreateHandle(ContainerClass(), WS_POPUP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    ApplyStyle();
}

Form& Form::Caption(std::wstring text) {
    caption_ = std::move(text);
    SetWindowTextW(Handle(), caption_.c_str());
    return *this;
}

Form& Form::ClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    ApplyStyle();
    return *this;
}

Form& Form::Position(FormPosition position) {
    position_ = position;
    return *this;
}

Form& Form::Border(BorderStyle style, unsigned icons) {
    border_ = style;
    icons_ = icons;
    ApplyStyle();
    return *this;
}

Form& Form::StayOnTop(bool on) {
    stayOnTop_ = on;
    SetWindowPos(Handle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return *this;
}

void Form::ApplyStyle() {
    DWORD style = WS_CLIPCHILDREN | (visible_ ? WS_VISIBLE : 0);
    DWORD ex = WS_EX_CONTROLPARENT;
    if (border_ == BorderStyle::None) {
        style |= WS_POPUP;
    } else {
        style |= WS_POPUP | WS_CAPTION;
        if (icons_ & biSystemMenu) style |= WS_SYSMENU;
        if (border_ == BorderStyle::Single) {
            if (icons_ & biMinimize) style |= WS_MINIMIZEBOX;
            if (icons_ & biMaximize) style |= WS_MAXIMIZEBOX;
        } else {
            ex |= WS_EX_DLGMODALFRAME;
        }
    }
    if (stayOnTop_) ex |= WS_EX_TOPMOST;
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex);
    RECT r{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&r, style, FALSE, ex);
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    SetWindowPos(Handle(), nullptr, left_, top_, width_, height_,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Realign();
}

void Form::DoCreate() {
    try {
        if (OnCreate) OnCreate();
    } catch (const std::exception& error) {  // the creation stops there; the program goes on
        App().ShowException(error);
    }
}

void Form::Show() {
    if (!visible_ && OnShow) OnShow();
    // Centred when first shown; afterwards it comes back where it was, moved or not. A form
    // with a caption keeps it on the screen, where it can be taken to move the form: under
    // Wine at 200% the screen a program unaware of scaling is told of is half the real one,
    // while its windows keep their size.
    if (position_ == FormPosition::ScreenCenter && !placed_) {
        int left = (GetSystemMetrics(SM_CXSCREEN) - width_) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - height_) / 2;
        if (border_ != BorderStyle::None) left = std::max(left, 0), top = std::max(top, 0);
        SetBounds(left, top, width_, height_);
    }
    placed_ = true;
    SetVisible(true);
}

void Form::Hide() { SetVisible(false); }

Form& Form::FrameRate(unsigned perSecond) {
    if (perSecond == 0) {
        frameTimer_.reset();
        PaintFrame();
        return *this;
    }
    if (!frameTimer_) {
        frameTimer_ = std::make_unique<Timer>();
        frameTimer_->Enabled(false);
        frameTimer_->OnTimer = [this] { PaintFrame(); };
    }
    frameTimer_->Interval(std::max(1u, 1000 / perSecond));
    return *this;
}

bool Form::PaintNow(HWND window) {
    if (!frameTimer_ || inFrame_) return true;
    win::UniqueRegion area(CreateRectRgn(0, 0, 0, 0));
    if (!area || GetUpdateRgn(window, area.get(), FALSE) == ERROR) return true;
    ValidateRect(window, nullptr);
    PaintAtNextFrame(window, std::move(area));
    return false;
}

bool Form::InvalidateAtNextFrame(HWND window, const RECT& area) {
    if (!frameTimer_ || inFrame_ || !IsWindowVisible(Handle())) return false;
    win::UniqueRegion region(CreateRectRgnIndirect(&area));
    if (!region) return false;
    PaintAtNextFrame(window, std::move(region));
    return true;
}

void Form::PaintAtNextFrame(HWND window, win::UniqueRegion area) {
    auto it = std::find_if(waitingPaint_.begin(), waitingPaint_.end(), [&](const auto& w) { return w.first == window; });
    if (it == waitingPaint_.end()) waitingPaint_.emplace_back(window, std::move(area));
    else CombineRgn(it->second.get(), it->second.get(), area.get(), RGN_OR);
    if (!frameTimer_->Enabled()) frameTimer_->Enabled(true);
}

bool Form::UpdateAtNextFrame(WinControl& control) {
    if (!frameTimer_ || !IsWindowVisible(Handle())) return false;
    if (std::find(waitingUpdate_.begin(), waitingUpdate_.end(), control.Handle()) == waitingUpdate_.end())
        waitingUpdate_.push_back(control.Handle());
    if (!frameTimer_->Enabled()) frameTimer_->Enabled(true);
    return true;
}

void Form::PaintFrame() {
    if (frameTimer_) frameTimer_->Enabled(false);
    for (HWND window : std::exchange(waitingUpdate_, {}))
        if (WinControl* control = FromHandle(window)) control->FrameUpdate();
    inFrame_ = true;
    for (auto& [window, area] : std::exchange(waitingPaint_, {})) {
        if (!IsWindow(window)) continue;
        InvalidateRgn(window, area.get(), FALSE);
        UpdateWindow(window);
    }
    inFrame_ = false;
}

void Form::VisibilityChanged() {
    if (!visible_) {
        // A control of the form that holds the mouse gives it up, or the hidden form would
        // go on taking every mouse message of the program.
        if (HWND c = GetCapture(); c && (c == Handle() || IsChild(Handle(), c))) ReleaseCapture();
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (first) ::SetFocus(first);
}

CloseAction Form::DoClose() {
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(action);
    return action;
}

void Form::Close() {
    if (modal_) {
        ModalResult = mrCancel;
        return;
    }
    const CloseAction action = DoClose();
    if (action == CloseAction::None) return;
    if (App().MainForm() == this) {
        App().Terminate();
        return;
    }
    if (action == CloseAction::Minimize)
        ShowWindow(Handle(), SW_MINIMIZE);
    else
        Hide();
}

int Form::ShowModal() {
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM param) -> BOOL {
            auto* list = reinterpret_cast<std::vector<HWND>*>(param);
            if (IsWindowVisible(w) && IsWindowEnabled(w)) list->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    std::erase(disabled, Handle());
    for (HWND w : disabled) EnableWindow(w, FALSE);

    modal_ = true;
    ModalResult = mrNone;
    Show();
    while (!App().Terminated()) {
        if (ModalResult != mrNone) {
            if (DoClose() != CloseAction::None) break;
            ModalResult = mrNone;
        }
        App().HandleMessage();
    }
    for (HWND w : disabled)
        if (IsWindow(w)) EnableWindow(w, TRUE);
    Hide();
    modal_ = false;
    return ModalResult;
}

LRESULT Form::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_COMMAND:
        if (lp == 0 && LOWORD(wp) == IDCANCEL && cancelButton_) {
            cancelButton_->Click();
            return 0;
        }
        if (lp == 0 && HIWORD(wp) == 0 && menu_ && menu_->Command(LOWORD(wp))) return 0;
        break;
    default:
        break;
    }
    return WinControl::WindowMessage(msg, wp, lp);
}

}  // namespace ui
