#include "ui/Bevel.h"

namespace ui {

Bevel& Bevel::Shape(BevelShape shape) {
    shape_ = shape;
    Invalidate();
    return *this;
}

Bevel& Bevel::Raised(bool on) {
    raised_ = on;
    Invalidate();
    return *this;
}

void Bevel::Paint(HDC dc) {
    const Canvas canvas(dc);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    if (shape_ == BevelShape::Line) {
        const int y = height_ / 2;
        canvas.FillRect(RECT{0, y - 1, width_, y}, shadow);
        canvas.FillRect(RECT{0, y, width_, y + 1}, highlight);
        return;
    }
    // Two one-pixel outlines, the second one pixel up and left of the first and over it.
    auto outline = [&](int l, int t, int r, int b, COLORREF color) {
        canvas.FillRect(RECT{l, t, r, t + 1}, color);
        canvas.FillRect(RECT{l, b - 1, r, b}, color);
        canvas.FillRect(RECT{l, t, l + 1, b}, color);
        canvas.FillRect(RECT{r - 1, t, r, b}, color);
    };
    outline(1, 1, width_, height_, raised_ ? shadow : highlight);
    outline(0, 0, width_ - 1, height_ - 1, raised_ ? highlight : shadow);
}

}  // namespace ui
