#include "ui/Bevel.h"

namespace ui {

void Bevel::Paint(HDC dc) {
    const int y = height_ / 2;
    const Canvas canvas(dc);
    canvas.FillRect(RECT{0, y - 1, width_, y}, GetSysColor(COLOR_BTNSHADOW));
    canvas.FillRect(RECT{0, y, width_, y + 1}, GetSysColor(COLOR_BTNHIGHLIGHT));
}

}  // namespace ui
