#include "ui/Window.h"

#include <exception>

#include "ui/Application.h"

namespace ui {

namespace {
WindowObject* AttachedTo(HWND hwnd) { return reinterpret_cast<WindowObject*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }
}  // namespace

const wchar_t* WindowObject::RegisterWindowClass(const WindowClass& windowClass) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, windowClass.Name, &wc)) return windowClass.Name;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.style = windowClass.Style;
    wc.lpfnWndProc = &WindowObject::Procedure;
    wc.hInstance = instance;
    wc.hCursor = windowClass.Cursor;
    wc.hIcon = windowClass.Icon;
    wc.lpszClassName = windowClass.Name;
    RegisterClassExW(&wc);
    return windowClass.Name;
}

WindowObject::~WindowObject() {
    if (hwnd_ && AttachedTo(hwnd_.get()) == this) SetWindowLongPtrW(hwnd_.get(), GWLP_USERDATA, 0);
}

HWND WindowObject::CreateWindowHandle(bool attach, const wchar_t* className, const wchar_t* text, DWORD style,
                                      DWORD exStyle, int x, int y, int width, int height, HWND parent, HMENU menu) {
    HWND hwnd = CreateWindowExW(exStyle, className, text, style, x, y, width, height, parent, menu,
                                GetModuleHandleW(nullptr), attach ? this : nullptr);
    if (hwnd_.get() != hwnd) hwnd_.reset(hwnd);  // an attached window is stored at WM_NCCREATE
    return hwnd;
}

LRESULT CALLBACK WindowObject::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<WindowObject*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        // The messages sent before CreateWindowEx returns may already use the handle.
        if (self && !self->hwnd_) self->hwnd_.reset(hwnd);
    }
    WindowObject* self = AttachedTo(hwnd);
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);  // before WM_NCCREATE, or detached
    if (msg == WM_NCDESTROY) {  // destroyed from outside the object too: it no longer owns the window
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->WindowDestroyed();
        self->hwnd_.release();
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    try {
        return self->WindowMessage(msg, wp, lp);
    } catch (const std::exception& error) {  // an error must never unwind through the system's frames
        App().ShowException(error);
        return 0;
    }
}

}  // namespace ui
