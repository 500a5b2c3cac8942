#include "ui/HitTest.h"

namespace ui {

namespace {
// The nearest of our windows at or above a window, through parents but never owners: a
// popup owned by one of our forms is not part of it.
WinControl* OwnWindowAt(HWND hwnd) {
    for (HWND h = hwnd; h;) {
        if (WinControl* control = WinControl::FromHandle(h)) return control;
        if (!(GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) break;
        h = GetParent(h);
    }
    return nullptr;
}

POINT ClientPoint(const WinControl& window, POINT screen) {
    ScreenToClient(window.Handle(), &screen);
    return screen;
}
}  // namespace

Control* ControlAtPos(POINT screen, bool includeDisabled) {
    // The system's own search follows the real stacking of the windows, and passes over
    // hidden windows, disabled child windows and windows that let the mouse through (the
    // hint window among them).
    WinControl* window = OwnWindowAt(WindowFromPoint(screen));
    if (!window) return nullptr;
    // The disabled child windows it passed over lie above the window it found.
    while (includeDisabled) {
        HWND child = ChildWindowFromPointEx(window->Handle(), ClientPoint(*window, screen),
                                            CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        WinControl* inner = WinControl::FromHandle(child);
        if (!inner || inner == window) break;
        window = inner;
    }
    if (GraphicControl* graphic = window->GraphicAt(ClientPoint(*window, screen), includeDisabled)) return graphic;
    return window;
}

POINT ScreenToControl(const Control& control, POINT screen) {
    if (control.IsWindowed()) return ClientPoint(static_cast<const WinControl&>(control), screen);
    POINT p = control.Parent() ? ClientPoint(*control.Parent(), screen) : screen;
    return POINT{p.x - control.Left(), p.y - control.Top()};
}

}  // namespace ui
