#include "ui/Screen.h"

namespace ui {

HCURSOR Screen::Cursor(int id) const {
    if (auto it = cursors_.find(id); it != cursors_.end()) return it->second;
    const wchar_t* system = IDC_ARROW;
    switch (id) {
    case crHourGlass: system = IDC_WAIT; break;
    case crNoDrop: system = IDC_NO; break;
    case crHandPoint: system = IDC_HAND; break;
    default: break;
    }
    return LoadCursorW(nullptr, system);
}

}  // namespace ui
