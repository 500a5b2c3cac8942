#pragma once
// The control hierarchy: every component has bounds, visibility, a cursor number, a hint,
// a font and a Tag. Graphic controls own no window and are painted by their parent;
// windowed controls wrap a real Win32 window.
#include <functional>
#include <string>
#include <vector>

#include "base/Handle.h"
#include "ui/Graphics.h"
#include "ui/Window.h"

namespace ui {

class WinControl;
class Form;

enum class MouseButton { Left, Right, Middle };
// Shift state bits handed to mouse handlers: the keys, and the mouse buttons held down.
enum ShiftState : unsigned { ssShift = 1, ssCtrl = 2, ssAlt = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };

using MouseHandler = std::function<void(MouseButton, unsigned shift, int x, int y)>;
using MoveHandler = std::function<void(unsigned shift, int x, int y)>;
// Drag and drop between controls (ui/Drag.h): x and y are in the target's coordinates.
class Control;
using DragOverHandler = std::function<void(Control& source, int x, int y, bool& accept)>;
using DragDropHandler = std::function<void(Control& source, int x, int y)>;

class Control {
public:
    explicit Control(WinControl* parent);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    bool Visible() const { return visible_; }
    bool Enabled() const { return enabled_; }
    int Cursor() const { return cursor_; }
    const std::wstring& Hint() const { return hint_; }
    const ui::Font& Font() const { return font_; }
    COLORREF Color() const { return color_; }
    WinControl* Parent() const { return parent_; }
    // The form this control lies on (itself for a form).
    Form* OwnerForm();

    void SetBounds(int left, int top, int width, int height);
    void SetVisible(bool visible);
    void SetEnabled(bool enabled);
    void SetCursor(int cursor) { cursor_ = cursor; }
    void SetHint(std::wstring hint) { hint_ = std::move(hint); }
    void SetFont(const ui::Font& font);
    void SetColor(COLORREF color);
    // Fills the parent's client area (inside its borders), now and whenever the parent resizes.
    void SetAlignClient();
    bool AlignedClient() const { return alignClient_; }

    // The font as a GDI object, made when first needed and again after a change.
    HFONT FontHandle();
    virtual bool IsWindowed() const { return false; }
    virtual void Invalidate();
    // Whether the control, and every parent up to its form, is visible.
    bool Showing() const;

    std::wstring Name;
    int Tag = 0;
    std::function<void()> OnClick;
    MouseHandler OnMouseDown;
    MouseHandler OnMouseUp;
    MoveHandler OnMouseMove;
    // Asked while something is dragged over the control whether it would take it; told
    // when it is dropped there. Without OnDragOver the control takes nothing.
    DragOverHandler OnDragOver;
    DragDropHandler OnDragDrop;

    // Called by the hosting window's message handling.
    virtual void Click();
    virtual void MouseDown(MouseButton b, unsigned shift, int x, int y);
    virtual void MouseUp(MouseButton b, unsigned shift, int x, int y);
    virtual void MouseMove(unsigned shift, int x, int y);
    // Called by a drag in progress (defined in ui/Drag.cpp).
    virtual bool DragOver(Control& source, int x, int y);
    virtual void DragDrop(Control& source, int x, int y);

protected:
    virtual void BoundsChanged() {}
    virtual void VisibilityChanged() {}
    virtual void EnabledChanged() {}
    virtual void FontChanged() {}
    virtual void ColorChanged() {}


    WinControl* parent_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool alignClient_ = false;
    int cursor_ = 0;
    std::wstring hint_;
    ui::Font font_;
    win::UniqueFont hfont_;
    COLORREF color_ = colors::Silver;
};

// A control painted by its parent, in z-order, over the parent's background.
class GraphicControl : public Control {
public:
    using Control::Control;
    virtual void Paint(HDC dc) = 0;
};

// A control with a window of its own. Its graphic children are painted in its WM_PAINT.
class WinControl : public Control, public WindowObject {
public:
    explicit WinControl(WinControl* parent);
    ~WinControl() override;

    HWND Handle() const { return hwnd_.get(); }
    bool IsWindowed() const override { return true; }
    void Invalidate() override;
    void SetFocus();
    bool Focused() const;
    // Puts the window above its siblings.
    void BringToFront();

    // The area inside the borders, where client-aligned children go.
    virtual RECT ChildArea() const;
    const std::vector<Control*>& Children() const { return children_; }
    void AddChild(Control* child);
    void RemoveChild(Control* child);
    void Realign();
    // The topmost visible graphic child at a point of the client area, or null; disabled
    // children are passed over unless includeDisabled.
    GraphicControl* GraphicAt(POINT p, bool includeDisabled = true) const;
    // Sends every mouse message to a graphic child, wherever the pointer is, as a button
    // press on it does; null gives the capture up.
    void CaptureMouse(GraphicControl* child);
    GraphicControl* MouseCaptureControl() const { return captured_; }

    // Notifications the parent forwards from the Win32 control.
    virtual void Command(WORD /*code*/) {}
    virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual LRESULT Notify(NMHDR& /*header*/) { return 0; }
    // The brush (and text colours set on dc) a Win32 control paints its background with;
    // null for the system's.
    virtual HBRUSH CtlColor(HDC /*dc*/) { return nullptr; }

    // Tells the system window what changed since it was last told, when its form held that
    // back for a frame (see Form::FrameRate).
    virtual void FrameUpdate() {}

    // Finds the control that owns a window handle, if it is one of ours.
    static WinControl* FromHandle(HWND hwnd);

protected:
    // Wraps a window of any class; the container class is the toolkit's own.
    void CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle, const wchar_t* text = L"");
    // Message handling for windows of the toolkit's own class (forms, panels).
    LRESULT WindowMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void WindowDestroyed() override;
    // Paints the background and frame; graphic children are painted after it.
    virtual void PaintBackground(HDC dc);

    void BoundsChanged() override;
    void VisibilityChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;

    static const wchar_t* ContainerClass();

    std::vector<Control*> children_;
    GraphicControl* captured_ = nullptr;
    bool ownClass_ = false;

private:
    void PaintWindow();
    bool SetCursorFor(HWND target);
    LRESULT MouseMessage(UINT msg, WPARAM wp, LPARAM lp);
};

// Fluent setters that return the concrete control, so a layout reads like a table:
//   Label1.Bounds(40, 16).Caption(L"...").Font({...});
template <class Derived, class Base>
class Fluent : public Base {
public:
    using Base::Base;
    using Base::Visible;
    using Base::Enabled;
    using Base::Cursor;
    using Base::Hint;
    using Base::Font;
    using Base::Color;

    Derived& Bounds(int left, int top, int width = -1, int height = -1) {
        Base::SetBounds(left, top, width < 0 ? Base::Width() : width, height < 0 ? Base::Height() : height);
        return self();
    }
    Derived& Visible(bool v) { Base::SetVisible(v); return self(); }
    Derived& Enabled(bool v) { Base::SetEnabled(v); return self(); }
    Derived& Cursor(int c) { Base::SetCursor(c); return self(); }
    Derived& Hint(std::wstring h) { Base::SetHint(std::move(h)); return self(); }
    Derived& Font(const ui::Font& f) { Base::SetFont(f); return self(); }
    Derived& Color(COLORREF c) { Base::SetColor(c); return self(); }
    Derived& AlignClient() { Base::SetAlignClient(); return self(); }
    Derived& Named(std::wstring n) { Base::Name = std::move(n); return self(); }

protected:
    Derived& self() { return static_cast<Derived&>(*this); }
};

}  // namespace ui
