#include "ui/Controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>

#include "ui/Application.h"
#include "ui/Form.h"

namespace ui {

// ---- Label ------------------------------------------------------------------------------

Label::Label(WinControl* parent) : Fluent(parent) { AdjustSize(); }

Label& Label::Caption(std::wstring text) {
    if (text != caption_) {
        caption_ = std::move(text);
        AdjustSize();
        Invalidate();
    }
    return *this;
}

Label& Label::AutoSize(bool on) {
    autoSize_ = on;
    AdjustSize();
    return *this;
}

Label& Label::Transparent(bool on) {
    transparent_ = on;
    Invalidate();
    return *this;
}

Label& Label::WordWrap(bool on) {
    wordWrap_ = on;
    AdjustSize();
    Invalidate();
    return *this;
}

Label& Label::Alignment(TextAlign align) {
    align_ = align;
    AdjustSize();
    Invalidate();
    return *this;
}

void Label::AdjustSize() {
    if (!autoSize_) return;
    SIZE s = MeasureText(caption_, FontHandle(), wordWrap_ ? width_ : 0);
    const int width = wordWrap_ ? width_ : s.cx;
    const int left = align_ == TextAlign::Right ? left_ + width_ - width : left_;
    SetBounds(left, top_, width, s.cy);
}

void Label::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    if (!transparent_) Canvas(dc).FillRect(r, color_);
    win::SelectGuard select(dc, FontHandle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled_ ? font_.Color : GetSysColor(COLOR_GRAYTEXT));
    if (wordWrap_) {
        DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
                  DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK |
                      (align_ == TextAlign::Center ? DT_CENTER : align_ == TextAlign::Right ? DT_RIGHT : 0));
    } else {
        // Centred or right-aligned, the text is placed as one block within the width.
        const int room = align_ == TextAlign::Left ? 0 : width_ - MeasureText(caption_, FontHandle()).cx;
        Canvas(dc).TextLines(align_ == TextAlign::Center ? room / 2 : room, 0, caption_);
    }
}

// ---- Image ------------------------------------------------------------------------------

Image& Image::Picture(const wchar_t* resourceName) {
    picture_.Load(resourceName);
    Invalidate();
    return *this;
}

Image& Image::Picture(const Bitmap& source) {
    picture_.Assign(source);
    Invalidate();
    return *this;
}

Image& Image::Stretch(bool on) {
    stretch_ = on;
    Invalidate();
    return *this;
}

void Image::Paint(HDC dc) {
    Canvas canvas(dc);
    if (stretch_)
        canvas.StretchDraw(RECT{0, 0, width_, height_}, picture_);
    else
        canvas.Draw(0, 0, picture_);
}

// ---- PaintBox ---------------------------------------------------------------------------

void PaintBox::Paint(HDC dc) {
    if (!OnPaint) return;
    Canvas canvas(dc);
    OnPaint(canvas);
}

// ---- Panel ------------------------------------------------------------------------------

namespace {
void Frame3D(HDC dc, RECT& r, BevelKind kind) {
    if (kind == BevelKind::None) return;
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF topLeft = kind == BevelKind::Raised ? light : dark;
    const COLORREF bottomRight = kind == BevelKind::Raised ? dark : light;
    Canvas c(dc);
    c.FillRect(RECT{r.left, r.top, r.right, r.top + 1}, topLeft);
    c.FillRect(RECT{r.left, r.top, r.left + 1, r.bottom}, topLeft);
    c.FillRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    c.FillRect(RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    InflateRect(&r, -1, -1);
}
}  // namespace

Panel::Panel(WinControl* parent) : Fluent(parent) {
    CreateHandle(ContainerClass(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

Panel& Panel::BevelOuter(BevelKind kind) {
    outer_ = kind;
    Realign();
    Invalidate();
    return *this;
}

Panel& Panel::BevelInner(BevelKind kind) {
    inner_ = kind;
    Realign();
    Invalidate();
    return *this;
}

Panel& Panel::BorderWidth(int width) {
    borderWidth_ = width;
    Realign();
    Invalidate();
    return *this;
}

Panel& Panel::BevelWidth(int width) {
    bevelWidth_ = width;
    Realign();
    Invalidate();
    return *this;
}

Panel& Panel::SingleBorder(bool on) {
    const LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, on ? ex | WS_EX_CLIENTEDGE : ex & ~WS_EX_CLIENTEDGE);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Realign();
    Invalidate();
    return *this;
}

RECT Panel::ChildArea() const {
    RECT r = WinControl::ChildArea();
    const int inset = bevelWidth_ * ((outer_ != BevelKind::None) + (inner_ != BevelKind::None)) + borderWidth_;
    InflateRect(&r, -inset, -inset);
    return r;
}

void Panel::PaintBackground(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    Canvas(dc).FillRect(r, color_);
    for (int i = 0; i < bevelWidth_; ++i) Frame3D(dc, r, outer_);
    InflateRect(&r, -borderWidth_, -borderWidth_);
    for (int i = 0; i < bevelWidth_; ++i) Frame3D(dc, r, inner_);
}

// ---- BitBtn -----------------------------------------------------------------------------

BitBtn::BitBtn(WinControl* parent) : Fluent(parent) {
    CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0);
}

BitBtn& BitBtn::Caption(std::wstring text) {
    caption_ = std::move(text);
    SetWindowTextW(Handle(), caption_.c_str());
    Invalidate();
    return *this;
}

BitBtn& BitBtn::Glyph(const wchar_t* resourceName) {
    glyph_.Load(resourceName);
    Invalidate();
    return *this;
}

BitBtn& BitBtn::Default(bool on) {
    default_ = on;
    if (Form* f = OwnerForm()) f->SetDefaultButton(on ? this : nullptr);
    Invalidate();
    return *this;
}

BitBtn& BitBtn::Cancel(bool on) {
    cancel_ = on;
    if (Form* f = OwnerForm()) f->SetCancelButton(on ? this : nullptr);
    return *this;
}

BitBtn& BitBtn::ModalResult(int result) {
    modalResult_ = result;
    return *this;
}

wchar_t BitBtn::Accelerator() const {
    for (size_t i = 0; i + 1 < caption_.size(); ++i) {
        if (caption_[i] != L'&') continue;
        if (caption_[i + 1] == L'&') { ++i; continue; }
        return static_cast<wchar_t>(std::towupper(caption_[i + 1]));
    }
    return 0;
}

void BitBtn::Click() {
    if (modalResult_ != 0)
        if (Form* f = OwnerForm()) f->ModalResult = modalResult_;
    Control::Click();
}

void BitBtn::Command(WORD code) {
    if (code == BN_CLICKED) Click();
}

bool BitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    if (default_ || focused) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

    win::SelectGuard select(dc, FontHandle());
    std::wstring text;
    for (size_t i = 0; i < caption_.size(); ++i) {  // measure without the mnemonic marks
        if (caption_[i] == L'&' && i + 1 < caption_.size()) ++i;
        text += caption_[i];
    }
    SIZE ts{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &ts);
    const int spacing = glyph_.Empty() || text.empty() ? 0 : 4;
    const int total = glyph_.Width() + spacing + ts.cx;
    int x = (item.rcItem.right - item.rcItem.left - total) / 2;
    const int cy = (item.rcItem.bottom - item.rcItem.top) / 2;
    const int shift = pressed ? 1 : 0;
    if (!glyph_.Empty()) {
        Canvas(dc).Draw(x + shift, cy - glyph_.Height() / 2 + shift, glyph_);
        x += glyph_.Width() + spacing;
    }
    RECT tr{x + shift, cy - ts.cy / 2 + shift, x + ts.cx + shift + 2, cy + ts.cy / 2 + ts.cy % 2 + shift};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled_ ? font_.Color : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &tr, DT_SINGLELINE | DT_LEFT | DT_TOP);
    if (focused) {
        RECT fr = item.rcItem;
        InflateRect(&fr, -4, -4);
        DrawFocusRect(dc, &fr);
    }
    return true;
}

// ---- ProgressBar ------------------------------------------------------------------------

ProgressBar::ProgressBar(WinControl* parent) : Fluent(parent) {
    CreateHandle(PROGRESS_CLASSW, WS_CHILD | WS_VISIBLE, 0);
    SendMessageW(Handle(), PBM_SETRANGE32, min_, max_);
}

ProgressBar& ProgressBar::Min(int value) {
    if (value != min_) Range(value, max_);
    return *this;
}

ProgressBar& ProgressBar::Max(int value) {
    if (value != max_) Range(min_, value);
    return *this;
}

void ProgressBar::Range(int min, int max) {
    min_ = min;
    max_ = max;
    SendMessageW(Handle(), PBM_SETRANGE32, min_, max_);
    shown_ = std::clamp(shown_, min_, std::max(min_, max_));  // as the system's bar moves its own
}

ProgressBar& ProgressBar::Position(int value) {
    position_ = value < min_ ? min_ : (value > max_ ? max_ : value);
    if (OnChange) OnChange(position_);
    // The system's bar paints itself as soon as it is told a new position (a millisecond under
    // Wine): on a form that paints by frames it is told at the next one.
    if (Form* form = OwnerForm(); !form || !form->UpdateAtNextFrame(*this)) FrameUpdate();
    return *this;
}

void ProgressBar::FrameUpdate() {
    if (shown_ == position_) return;
    shown_ = position_;
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

}  // namespace ui
