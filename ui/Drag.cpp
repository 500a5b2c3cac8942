#include "ui/Drag.h"

#include "ui/Application.h"
#include "ui/HitTest.h"

namespace ui {

bool Control::DragOver(Control& source, int x, int y) {
    bool accept = false;
    if (OnDragOver) {
        accept = true;
        OnDragOver(source, x, y, accept);
    }
    return accept;
}

void Control::DragDrop(Control& source, int x, int y) {
    if (OnDragDrop) OnDragDrop(source, x, y);
}

namespace {
bool IsInput(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}
}  // namespace

bool TrackDrag(Control& source) {
    auto* owner = source.IsWindowed() ? static_cast<WinControl*>(&source) : source.Parent();
    if (!owner || !owner->Handle()) return false;
    const HWND window = owner->Handle();
    SetCapture(window);

    Control* target = nullptr;
    bool accepted = false;
    POINT local{};
    auto track = [&](POINT screen) {
        target = ControlAtPos(screen, false);
        if (target) local = ScreenToControl(*target, screen);
        accepted = target && target->DragOver(source, local.x, local.y);
        ::SetCursor(App().Screen().Cursor(accepted ? crDrag : crNoDrop));
    };
    POINT start;
    GetCursorPos(&start);
    track(start);

    bool dropped = false;
    while (GetCapture() == window) {
        MSG msg;
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // the main loop still has to see it
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            track(msg.pt);
        } else if (msg.message == WM_LBUTTONUP) {
            track(msg.pt);
            ReleaseCapture();
            if (accepted) {
                target->DragDrop(source, local.x, local.y);
                dropped = true;
            }
            break;
        } else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_RBUTTONDOWN) {
            break;
        } else if (!IsInput(msg.message)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (GetCapture() == window) ReleaseCapture();
    return dropped;
}

}  // namespace ui
