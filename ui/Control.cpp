#include "ui/Control.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

namespace {
const wchar_t kControlProp[] = L"ui.Control";
int g_nextChildId = 1000;

unsigned ShiftFromKeys(WPARAM keys) {
    unsigned shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    if (keys & MK_LBUTTON) shift |= ssLeft;
    if (keys & MK_RBUTTON) shift |= ssRight;
    if (keys & MK_MBUTTON) shift |= ssMiddle;
    return shift;
}
}  // namespace

// ---- Control ----------------------------------------------------------------------------

Control::Control(WinControl* parent) : parent_(parent) {
    if (parent_) {
        font_ = parent_->Font();
        parent_->AddChild(this);
    }
}

Control::~Control() {
    if (parent_) {
        Invalidate();
        parent_->RemoveChild(this);
    }
}

Form* Control::OwnerForm() {
    Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(c);
}

void Control::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
    Invalidate();
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (!visible) Invalidate();
    visible_ = visible;
    VisibilityChanged();
    if (visible) Invalidate();
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
    Invalidate();
}

void Control::SetFont(const ui::Font& font) {
    font_ = font;
    hfont_.reset();
    FontChanged();
    Invalidate();
}

void Control::SetColor(COLORREF color) {
    color_ = color;
    ColorChanged();
    Invalidate();
}

void Control::SetAlignClient() {
    alignClient_ = true;
    if (parent_) {
        RECT r = parent_->ChildArea();
        SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
}

HFONT Control::FontHandle() {
    if (!hfont_) hfont_ = font_.Create();
    return hfont_.get();
}

void Control::Invalidate() {
    if (parent_ && parent_->Handle()) {
        RECT r = BoundsRect();
        if (Form* form = OwnerForm(); form && form->InvalidateAtNextFrame(parent_->Handle(), r)) return;
        InvalidateRect(parent_->Handle(), &r, FALSE);
    }
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::Click() {
    if (OnClick) OnClick();
}
void Control::MouseDown(MouseButton b, unsigned shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(b, shift, x, y);
}
void Control::MouseUp(MouseButton b, unsigned shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(b, shift, x, y);
}
void Control::MouseMove(unsigned shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(shift, x, y);
}

// ---- WinControl -------------------------------------------------------------------------

WinControl::WinControl(WinControl* parent) : Control(parent) {}

WinControl::~WinControl() {
    if (hwnd_) RemovePropW(hwnd_.get(), kControlProp);
}

const wchar_t* WinControl::ContainerClass() {
    return RegisterWindowClass({L"ui.Container", CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW), App().Icon()});
}

void WinControl::CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle, const wchar_t* text) {
    ownClass_ = className == ContainerClass();
    HWND parentWindow = parent_ ? parent_->Handle() : App().Handle();
    HMENU id = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(g_nextChildId++)) : nullptr;
    if (style & WS_CHILD) style |= WS_CLIPSIBLINGS;
    exStyle |= WS_EX_NOPARENTNOTIFY;
    HWND hwnd = CreateWindowHandle(ownClass_, className, text, style, exStyle, left_, top_, width_, height_,
                                   parentWindow, id);
    if (hwnd) {
        SetPropW(hwnd, kControlProp, this);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    }
}

WinControl* WinControl::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<WinControl*>(GetPropW(hwnd, kControlProp)) : nullptr;
}

void WinControl::WindowDestroyed() { RemovePropW(hwnd_.get(), kControlProp); }

LRESULT WinControl::WindowMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (Form* form = OwnerForm(); !form || form->PaintNow(Handle())) PaintWindow();
        return 0;
    case WM_COMMAND:
        if (auto* c = FromHandle(reinterpret_cast<HWND>(lp))) {
            c->Command(HIWORD(wp));
            return 0;
        }
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (auto* c = FromHandle(item->hwndItem); c && c->DrawItem(*item)) return TRUE;
        break;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (auto* c = FromHandle(header->hwndFrom)) return c->Notify(*header);
        break;
    }
    case WM_CTLCOLORLISTBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN:
        if (auto* c = FromHandle(reinterpret_cast<HWND>(lp)))
            if (HBRUSH brush = c->CtlColor(reinterpret_cast<HDC>(wp))) return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT && SetCursorFor(reinterpret_cast<HWND>(wp))) return TRUE;
        break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
        return MouseMessage(msg, wp, lp);
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != Handle()) captured_ = nullptr;  // not when capturing anew
        return 0;
    default:
        break;
    }
    return DefaultMessage(msg, wp, lp);
}

void WinControl::PaintBackground(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    Canvas(dc).FillRect(r, color_);
}

void WinControl::PaintWindow() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT client;
    GetClientRect(Handle(), &client);
    const int w = std::max<int>(client.right, 1), h = std::max<int>(client.bottom, 1);
    win::UniqueMemoryDC buffer(CreateCompatibleDC(dc));
    win::UniqueBitmap surface(CreateCompatibleBitmap(dc, w, h));
    {
        win::SelectGuard select(buffer.get(), surface.get());
        PaintBackground(buffer.get());
        for (Control* child : children_) {
            auto* graphic = dynamic_cast<GraphicControl*>(child);
            if (!graphic || !graphic->Visible()) continue;
            RECT r = graphic->BoundsRect();
            RECT visible;
            if (!IntersectRect(&visible, &r, &ps.rcPaint)) continue;
            const int saved = SaveDC(buffer.get());
            SetViewportOrgEx(buffer.get(), r.left, r.top, nullptr);
            IntersectClipRect(buffer.get(), 0, 0, r.right - r.left, r.bottom - r.top);
            graphic->Paint(buffer.get());
            RestoreDC(buffer.get(), saved);
        }
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, buffer.get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    }
    EndPaint(Handle(), &ps);
}

GraphicControl* WinControl::GraphicAt(POINT p, bool includeDisabled) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        auto* graphic = dynamic_cast<GraphicControl*>(*it);
        if (!graphic || !graphic->Visible() || (!includeDisabled && !graphic->Enabled())) continue;
        RECT r = graphic->BoundsRect();
        if (PtInRect(&r, p)) return graphic;
    }
    return nullptr;
}

void WinControl::CaptureMouse(GraphicControl* child) {
    if (child) {
        SetCapture(Handle());
        captured_ = child;
    } else {
        captured_ = nullptr;
        if (GetCapture() == Handle()) ReleaseCapture();
    }
}

bool WinControl::SetCursorFor(HWND target) {
    int id = 0;
    if (target == Handle()) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(Handle(), &p);
        GraphicControl* g = GraphicAt(p);
        id = (g && g->Cursor() != 0) ? g->Cursor() : Cursor();
    } else if (WinControl* c = FromHandle(target); c && !c->ownClass_) {
        id = c->Cursor();
    }
    if (id == 0) return false;
    ::SetCursor(App().Screen().Cursor(id));
    return true;
}

LRESULT WinControl::MouseMessage(UINT msg, WPARAM wp, LPARAM lp) {
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    const unsigned shift = ShiftFromKeys(wp);
    MouseButton button = MouseButton::Left;
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP || msg == WM_RBUTTONDBLCLK) button = MouseButton::Right;
    if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP || msg == WM_MBUTTONDBLCLK) button = MouseButton::Middle;
    GraphicControl* target = captured_ ? captured_ : GraphicAt(p);
    Control* receiver = target ? static_cast<Control*>(target) : this;
    const int x = target ? p.x - target->Left() : p.x, y = target ? p.y - target->Top() : p.y;
    switch (msg) {
    case WM_MOUSEMOVE:
        receiver->MouseMove(shift, x, y);
        break;
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
        const bool wasCaptured = target && target == captured_;
        if (wasCaptured) {
            captured_ = nullptr;
            ReleaseCapture();
        }
        receiver->MouseUp(button, shift, x, y);
        if (wasCaptured && button == MouseButton::Left && target->Enabled()) {
            RECT r = target->BoundsRect();
            if (PtInRect(&r, p)) target->Click();
        }
        break;
    }
    default:  // a button going down
        if (target) {
            captured_ = target;
            SetCapture(Handle());
        }
        receiver->MouseDown(button, shift, x, y);
        break;
    }
    return 0;
}

RECT WinControl::ChildArea() const {
    RECT r{0, 0, width_, height_};
    if (Handle()) GetClientRect(Handle(), &r);
    return r;
}

void WinControl::AddChild(Control* child) { children_.push_back(child); }

void WinControl::RemoveChild(Control* child) {
    if (captured_ == child) captured_ = nullptr;
    children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

void WinControl::Realign() {
    RECT r = ChildArea();
    for (Control* child : children_)
        if (child->AlignedClient()) child->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void WinControl::Invalidate() {
    if (Handle()) InvalidateRect(Handle(), nullptr, ownClass_ ? FALSE : TRUE);
}

void WinControl::SetFocus() {
    if (Handle()) ::SetFocus(Handle());
}

void WinControl::BringToFront() {
    if (Handle()) SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool WinControl::Focused() const { return Handle() && GetFocus() == Handle(); }

void WinControl::BoundsChanged() {
    if (Handle()) SetWindowPos(Handle(), nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
    Realign();
}

void WinControl::VisibilityChanged() {
    if (Handle()) ShowWindow(Handle(), visible_ ? SW_SHOWNA : SW_HIDE);
}

void WinControl::EnabledChanged() {
    if (Handle()) EnableWindow(Handle(), enabled_);
}

void WinControl::FontChanged() {
    if (Handle()) SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

}  // namespace ui
