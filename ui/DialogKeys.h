#pragma once
// The keyboard of a form, as a dialog box has it: Tab and Shift+Tab move the focus, Enter
// presses the focused button or else the form's default button, Escape its cancel button,
// Alt+letter the button whose caption marks that letter, and Alt+F4 closes the form. A
// form also sees every typed character before the control with the focus does.
//
// The dialog manager (IsDialogMessage) is not used for this: it dispatches the message
// itself, so the form could not see a character first; it finds the default button by the
// default push-button style, which the toolkit's owner-drawn buttons cannot carry; and it
// leaves Alt+F4 to the control with the focus, which some system controls keep to
// themselves.
#include <windows.h>

namespace ui {

// Handles a key message of the message loop as the form's keyboard; true when it did.
bool HandleDialogKey(const MSG& msg);
// Hands a typed character to its form's key-press handler first; true when the handler
// swallowed it. The handler may change the character the message carries on.
bool PreviewKeyPress(MSG& msg);

}  // namespace ui
