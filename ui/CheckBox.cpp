#include "ui/CheckBox.h"

namespace ui {

CheckBox::CheckBox(WinControl* parent) : Fluent(parent) {
    // Multi-line, so a caption longer than the box wraps inside its height instead of being cut.
    CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE, 0);
}

CheckBox& CheckBox::Caption(std::wstring text) {
    caption_ = std::move(text);
    SetWindowTextW(Handle(), caption_.c_str());
    return *this;
}

bool CheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

CheckBox& CheckBox::Checked(bool on) {
    if (on == Checked()) return *this;
    SendMessageW(Handle(), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    Click();
    return *this;
}

CheckBox& CheckBox::Flat(bool on) {
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    style = on ? (style | BS_FLAT) : (style & ~static_cast<LONG_PTR>(BS_FLAT));
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    Invalidate();
    return *this;
}

// The user's click has already toggled the box when the system reports it.
void CheckBox::Command(WORD code) {
    if (code == BN_CLICKED) Click();
}

HBRUSH CheckBox::CtlColor(HDC dc) {
    const COLORREF back = parent_ ? parent_->Color() : color_;
    if (!brush_ || brushColor_ != back) {
        brush_.reset(CreateSolidBrush(back));
        brushColor_ = back;
    }
    SetTextColor(dc, font_.Color);
    SetBkColor(dc, back);
    return brush_.get();
}

}  // namespace ui
