#pragma once
// Dragging from one control to another inside the program. The drag carries no data: the
// target sees the source control and asks it what it holds.
//
// A drag is tracked by the source's window with the mouse captured, in a message loop of
// its own that lasts until the left button is released. On every move the control under
// the pointer (ControlAtPos in ui/HitTest.h, which passes through disabled controls) is
// asked through DragOver whether it would take the drop, and the cursor shows the answer.
// Releasing the button over a control that said yes calls its DragDrop. Escape, the right
// button or losing the capture cancel the drag. Messages other than mouse and keyboard
// input are dispatched meanwhile, so windows keep painting.
#include <windows.h>

#include "ui/Control.h"

namespace ui {

// Manual: the control starts no drag by itself. Automatic: pressing on the control and
// moving far enough starts one.
enum class DragMode { Manual, Automatic };

// Tracks a drag from source until it is dropped or cancelled; true when it was dropped
// on a control that accepted it.
bool TrackDrag(Control& source);

}  // namespace ui
