#include "ui/TabOrder.h"

namespace ui {

// The system's tab order is the windows' stacking order among their siblings.
void SetTabOrder(std::initializer_list<WinControl*> controls) {
    HWND previous = HWND_TOP;
    for (WinControl* control : controls) {
        SetWindowPos(control->Handle(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control->Handle();
    }
}

}  // namespace ui
