#pragma once
// A tab control whose pages are panels filling its display area.
#include <string>

#include "ui/Controls.h"

namespace ui {

class PageControl : public Fluent<PageControl, WinControl> {
public:
    explicit PageControl(WinControl* parent);
    // The area inside the tabs and frame, where the pages go.
    RECT ChildArea() const override;
    // Adds a tab with this caption; its page is the next TabSheet created on this control.
    int AddTab(const std::wstring& caption);
};

class TabSheet : public Fluent<TabSheet, Panel> {
public:
    TabSheet(PageControl* parent, const std::wstring& caption);
};

}  // namespace ui
