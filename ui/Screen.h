#pragma once
// The screen: its size, and the cursors the program uses, by number.
#include <windows.h>

#include <map>

namespace ui {

// Built-in cursor numbers; positive numbers are registered by the program.
enum CursorId : int {
    crDefault = 0,
    crArrow = -2,
    crDrag = -12,
    crNoDrop = -13,
    crHourGlass = -11,
    crHandPoint = -21,
};

class Screen {
public:
    // The cursor registered under a number; the arrow for an unknown number.
    HCURSOR Cursor(int id) const;
    void SetCursor(int id, HCURSOR cursor) { cursors_[id] = cursor; }
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

private:
    std::map<int, HCURSOR> cursors_;
};

}  // namespace ui
