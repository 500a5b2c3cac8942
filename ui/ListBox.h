#pragma once
// A list box of text items with a selection.
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class ListBox : public Fluent<ListBox, WinControl> {
public:
    explicit ListBox(WinControl* parent);
    // Flat draws a thin line instead of the sunken 3-D edge.
    ListBox& Flat(bool on);
    // Replaces every item; afterwards nothing is selected.
    ListBox& Items(const std::vector<std::wstring>& items);
    std::vector<std::wstring> Items() const;
    int Count() const;
    // The selected index, or -1.
    int ItemIndex() const;
    ListBox& ItemIndex(int index);
    HBRUSH CtlColor(HDC dc) override;

protected:
    void ColorChanged() override { brush_.reset(); }

private:
    win::UniqueBrush brush_;
};

}  // namespace ui
