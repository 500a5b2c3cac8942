#pragma once
// Control hints: the popup window that shows one, and the application's rules for when a
// hint is due and when it goes away. The class of the hint window can be replaced; every
// hint of every window then appears in a window of the new class.
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
class HintWindow {
public:
    HintWindow();
    virtual ~HintWindow();
    HintWindow(const HintWindow&) = delete;
    HintWindow& operator=(const HintWindow&) = delete;

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
    COLORREF color_;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);

    win::UniqueWindow hwnd_;
    std::wstring caption_;
    ui::Font font_;
};

// The application's hint mechanism. One for the whole application: see Hints().
class HintManager {
public:
    HintManager();
    ~HintManager();
    HintManager(const HintManager&) = delete;
    HintManager& operator=(const HintManager&) = delete;

    // The class the hint window is made of from now on; the window in use stays until
    // hints are next switched on.
    template <class T>
    void SetHintWindowClass() {
        windowClass_ = [] { return std::unique_ptr<HintWindow>(std::make_unique<T>()); };
    }
    bool ShowHint() const { return showHint_; }
    // Off frees the hint window; on makes a new one of the current class.
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
    void Hook();
    void Unhook();
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    static LRESULT CALLBACK CallWndProc(int code, WPARAM wp, LPARAM lp);

    std::function<std::unique_ptr<HintWindow>()> windowClass_;
    std::unique_ptr<HintWindow> window_;
    bool showHint_ = true;
    int hintPause_ = 500;

    // The control whose hint is due or shown. Only ever compared, never used: it may be
    // gone by the time the cursor moves again.
    const Control* hintControl_ = nullptr;
    bool active_ = false;
    POINT lastCursor_{-1, -1};
    UINT_PTR timer_ = 0;
    TimerMode timerMode_ = TimerMode::None;
    HHOOK hook_ = nullptr;
};

HintManager& Hints();

// The control at a point of the screen, disabled controls included: the topmost visible
// one of our windows there, or null where none lies.
Control* ControlAtPos(POINT screen);
// The control whose hint applies at a control: the nearest of it and its parents that
// has a hint, or null.
Control* HintSource(Control* control);

}  // namespace ui
