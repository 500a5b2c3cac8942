#include "ui/PageControl.h"

#include <commctrl.h>

namespace ui {

PageControl::PageControl(WinControl* parent) : Fluent(parent) {
    CreateHandle(WC_TABCONTROLW, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP, WS_EX_CONTROLPARENT);
}

RECT PageControl::ChildArea() const {
    RECT r = WinControl::ChildArea();
    TabCtrl_AdjustRect(Handle(), FALSE, &r);
    return r;
}

int PageControl::AddTab(const std::wstring& caption) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption.c_str());
    const int index = TabCtrl_InsertItem(Handle(), TabCtrl_GetItemCount(Handle()), &item);
    Realign();
    return index;
}

TabSheet::TabSheet(PageControl* parent, const std::wstring& caption) : Fluent(parent) {
    parent->AddTab(caption);
    BevelOuter(BevelKind::None);
    AlignClient();
}

}  // namespace ui
