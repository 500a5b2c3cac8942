#include "ui/DialogKeys.h"

#include <cwctype>
#include <vector>

#include "ui/Controls.h"
#include "ui/Form.h"

namespace ui {

namespace {
Form* FormOf(HWND root) { return dynamic_cast<Form*>(WinControl::FromHandle(root)); }

bool Usable(const BitBtn* button) { return button && button->Showing() && button->Enabled(); }

// The usable button of the form whose caption marks a letter, or null.
BitBtn* ButtonWithAccelerator(Form& form, wchar_t key) {
    std::vector<WinControl*> pending{&form};
    while (!pending.empty()) {
        WinControl* c = pending.back();
        pending.pop_back();
        for (Control* child : c->Children()) {
            if (auto* b = dynamic_cast<BitBtn*>(child); Usable(b) && b->Accelerator() == key) return b;
            if (auto* w = dynamic_cast<WinControl*>(child)) pending.push_back(w);
        }
    }
    return nullptr;
}

bool Press(BitBtn* button) {
    if (!Usable(button)) return false;
    button->Click();
    return true;
}
}  // namespace

bool HandleDialogKey(const MSG& msg) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    // Alt+F4 closes the form whatever control has the keyboard (some Win32 controls keep
    // the keystroke to themselves).
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
        if (root && (GetWindowLongPtrW(root, GWL_STYLE) & WS_SYSMENU)) PostMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
        return root != nullptr;
    }
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR) return false;
    Form* form = FormOf(root);
    if (!form || !IsWindowEnabled(root)) return false;
    if (msg.message == WM_SYSCHAR) {
        const auto key = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(msg.wParam)));
        return Press(ButtonWithAccelerator(*form, key));
    }
    switch (msg.wParam) {
    case VK_ESCAPE:
        return Press(form->CancelButton());
    case VK_RETURN:
        return Press(dynamic_cast<BitBtn*>(WinControl::FromHandle(GetFocus()))) || Press(form->DefaultButton());
    case VK_TAB: {
        // Tab is a character too: the form's key-press handler sees it first, and may keep it.
        if (form->OnKeyPress) {
            wchar_t key = L'\t';
            form->OnKeyPress(key);
            if (key == 0 || !form->Visible() || form->ModalResult != mrNone) return true;
        }
        HWND next = GetNextDlgTabItem(root, GetFocus(), GetKeyState(VK_SHIFT) < 0);
        if (next) SetFocus(next);
        return true;
    }
    default:
        return false;
    }
}

bool PreviewKeyPress(MSG& msg) {
    if (msg.message != WM_CHAR) return false;
    Form* form = FormOf(GetAncestor(msg.hwnd, GA_ROOT));
    if (!form || !form->OnKeyPress) return false;
    auto key = static_cast<wchar_t>(msg.wParam);
    form->OnKeyPress(key);
    msg.wParam = key;
    return key == 0;
}

}  // namespace ui
