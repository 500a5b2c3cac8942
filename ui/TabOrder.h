#pragma once
// The order in which Tab visits the windowed controls of one parent.
#include <initializer_list>

#include "ui/Control.h"

namespace ui {

// Tab visits the controls (children of one parent) in the order given, before any other
// child of that parent.
void SetTabOrder(std::initializer_list<WinControl*> controls);

}  // namespace ui
