#pragma once
// Control hints: the popup window that shows one, and the application's rules for when a
// hint is due and when it goes away. What makes the hint window can be replaced; once the
// window is rebuilt, every hint of every window appears in a window of the new kind.
//
// The rules: a hint is shown once the cursor has rested HintPause milliseconds on a control
// that has a hint (or lies inside one that has); it is hidden when the cursor leaves that
// control, HintHidePause milliseconds after it was shown, and on a key or mouse button
// press, a command or a change of the active window. While hints are active, moving on to
// another control with a hint shows that one after HintShortPause milliseconds.
#include <functional>
#include <memory>
#include <string>

#include "base/Handle.h"
#include "ui/Control.h"
#include "ui/Graphics.h"
#include "ui/SystemHandles.h"
#include "ui/Window.h"

namespace ui {

// What a hint window asks for when its system window is made.
struct HintWindowParams {
    DWORD Style = 0;
    DWORD ExStyle = 0;
    UINT ClassStyle = 0;
    // Windows asking for different class styles need window classes of their own.
    std::wstring ClassName;
};

// The standard hint window: a bordered popup on the hint colour with the text in it. It
// never takes the focus and lets the mouse through to what lies below it.
class HintWindow : public WindowObject {
public:
    HintWindow();

    // The box a text needs: its size in the canvas font, broken into lines at maxWidth,
    // plus 6 pixels across and 2 down for the margins.
    virtual RECT CalcHintRect(int maxWidth, const std::wstring& text);
    // Shows a hint. r is the box CalcHintRect gave, placed below the cursor.
    virtual void ActivateHint(const RECT& r, const std::wstring& text);
    // Whether a message ends the hint on display: keys, mouse button presses, commands,
    // and activation changes.
    virtual bool IsHintMsg(const MSG& msg) const;
    // Hides the window.
    void ReleaseHint();
    bool Showing() const;

    // The system window, made on first use.
    HWND Handle();
    bool HandleAllocated() const { return static_cast<bool>(hwnd_); }
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring text);
    // The font hint texts are measured (and by default drawn) with.
    const ui::Font& CanvasFont() const { return font_; }
    void SetCanvasFont(const ui::Font& font) { font_ = font; }
    void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const;

protected:
    virtual void CreateParams(HintWindowParams& params);
    virtual void Paint(HDC dc);
    LRESULT WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    COLORREF color_;

private:
    std::wstring caption_;
    ui::Font font_;
};

// The application's hint mechanism. One for the whole application: see Hints().
class HintManager {
public:
    HintManager();
    HintManager(const HintManager&) = delete;
    HintManager& operator=(const HintManager&) = delete;

    using HintWindowFactory = std::function<std::unique_ptr<HintWindow>()>;
    // What makes the hint window from now on. The window in use stays until RebuildWindow,
    // or until hints are next switched on.
    void SetHintWindowFactory(HintWindowFactory factory) { windowFactory_ = std::move(factory); }
    // The same, for a hint window class that needs nothing to be made.
    template <class T>
    void SetHintWindowClass() {
        SetHintWindowFactory([] { return std::unique_ptr<HintWindow>(std::make_unique<T>()); });
    }
    // Hides the hint on display and makes the hint window anew from the current factory;
    // while hints are off, there is none to make.
    void RebuildWindow();
    bool ShowHint() const { return showHint_; }
    // Off frees the hint window; on makes a new one from the current factory.
    void SetShowHint(bool on);
    // The hint window in use; null while hints are off.
    HintWindow* Window() const { return window_.get(); }

    // The rest before a hint shows, in milliseconds.
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    // The standard times: to the next hint while hints are active, and for how long one shows.
    static constexpr int HintShortPause = 50, HintHidePause = 2500;

    // Whether a hint is on display.
    bool HintShowing() const;
    // Hides the hint on display, forgets the one that was due, and ends the active state.
    void CancelHint();

    // Shown every message the message loop takes, before it is dispatched.
    void MessageSeen(const MSG& msg);

private:
    enum class TimerMode { None, Show, Hide };
    void MouseMoved(HWND window);
    void StartTimer(int ms, TimerMode mode);
    void StopTimer();
    void TimerExpired();
    void ShowDueHint();
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    static LRESULT CALLBACK CallWndProc(int code, WPARAM wp, LPARAM lp);

    HintWindowFactory windowFactory_;
    std::unique_ptr<HintWindow> window_;
    bool showHint_ = true;
    int hintPause_ = 500;

    // The control whose hint is due or shown. Only ever compared, never used: it may be
    // gone by the time the cursor moves again.
    const Control* hintControl_ = nullptr;
    bool active_ = false;
    POINT lastCursor_{-1, -1};
    UniqueThreadTimer timer_;
    TimerMode timerMode_ = TimerMode::None;
    // Watches the messages sent to this thread's windows while a hint is pending.
    UniqueHook hook_;
};

HintManager& Hints();

// The control whose hint applies at a control: the nearest of it and its parents that
// has a hint, or null.
Control* HintSource(Control* control);

}  // namespace ui
