#pragma once
// Which control lies at a point of the screen: the one hit test hints and drags share.
#include <windows.h>

#include "ui/Control.h"

namespace ui {

// The control a person sees at a point of the screen: the topmost window of the program
// there (a system window inside one of ours counts as the control it lies in), and inside
// it the topmost visible graphic control at the point, or the window's own control where
// none lies. Null over anything that is not the program's.
//
// With includeDisabled, disabled controls are found too: a hint explains a control whether
// or not it can be used. Without it the point passes through them to what lies beneath, as
// a click does, so a disabled control never takes a drop.
Control* ControlAtPos(POINT screen, bool includeDisabled);

// A point of the screen in a control's own coordinates.
POINT ScreenToControl(const Control& control, POINT screen);

}  // namespace ui
