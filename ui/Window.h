#pragma once
// The window plumbing every window of the toolkit's own classes shares: one window procedure
// that hands each message to the C++ object behind the window, and the registration of those
// classes.
#include <windows.h>

#include "base/Handle.h"

namespace ui {

// What a class of the toolkit's own is made of; its window procedure is always
// WindowObject's.
struct WindowClass {
    const wchar_t* Name;
    UINT Style = 0;
    HCURSOR Cursor = nullptr;
    HICON Icon = nullptr;
};

// The owner of a system window. A window of one of the toolkit's own classes is attached to
// the object it was made for from WM_NCCREATE to WM_NCDESTROY, and every message in between
// goes to WindowMessage. A window of any other class (a system control) is only owned: it
// is destroyed with the object.
class WindowObject {
public:
    WindowObject(const WindowObject&) = delete;
    WindowObject& operator=(const WindowObject&) = delete;

    // Registers one of the toolkit's classes the first time its name is asked for; later
    // calls find it registered and leave it as it is. Returns the name, for CreateWindowHandle.
    static const wchar_t* RegisterWindowClass(const WindowClass& windowClass);

protected:
    WindowObject() = default;
    // Detaches the window before destroying it: its last messages must not reach an object
    // whose derived parts are already gone.
    virtual ~WindowObject();

    // Makes the window, which is this object's from then on. attach is for the toolkit's own
    // classes: their procedure hands the messages to this object, already during creation.
    HWND CreateWindowHandle(bool attach, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                            int x, int y, int width, int height, HWND parent, HMENU menu = nullptr);
    // The messages of an attached window. An error escaping it is shown to the user and the
    // message counts as handled.
    virtual LRESULT WindowMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefaultMessage(msg, wp, lp); }
    // The system's handling of a message.
    LRESULT DefaultMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_.get(), msg, wp, lp); }
    // Called when the attached window is being destroyed, whoever destroys it, just before
    // the object lets go of it.
    virtual void WindowDestroyed() {}

    win::UniqueWindow hwnd_;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace ui
