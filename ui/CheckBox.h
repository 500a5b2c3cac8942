#pragma once
// A check box: the system's automatic check box with its caption beside it, painted over its
// parent's colour in its own font's colour.
#include <string>

#include "ui/Control.h"

namespace ui {

class CheckBox : public Fluent<CheckBox, WinControl> {
public:
    explicit CheckBox(WinControl* parent);
    CheckBox& Caption(std::wstring text);
    const std::wstring& Caption() const { return caption_; }
    // The state the box shows now.
    bool Checked() const;
    // Ticks or clears the box. A change runs OnClick, as the user's click does; setting the
    // state the box already has is no change and runs nothing.
    CheckBox& Checked(bool on);
    // A flat box instead of the sunken 3-D one.
    CheckBox& Flat(bool on);

    void Command(WORD code) override;
    HBRUSH CtlColor(HDC dc) override;

private:
    std::wstring caption_;
    win::UniqueBrush brush_;
    COLORREF brushColor_ = 0;
};

}  // namespace ui
