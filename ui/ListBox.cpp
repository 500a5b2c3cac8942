#include "ui/ListBox.h"

namespace ui {

ListBox::ListBox(WinControl* parent)
    : ListBox(parent, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
              WS_EX_CLIENTEDGE) {}

ListBox::ListBox(WinControl* parent, DWORD style, DWORD exStyle) : Fluent(parent) {
    color_ = colors::White;
    CreateHandle(L"LISTBOX", style, exStyle);
}

ListBox& ListBox::Flat(bool on) {
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE), ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    style = on ? (style | WS_BORDER) : (style & ~static_cast<LONG_PTR>(WS_BORDER));
    ex = on ? (ex & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE)) : (ex | WS_EX_CLIENTEDGE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, style);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    return *this;
}

ListBox& ListBox::Items(const std::vector<std::wstring>& items) {
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    for (const auto& item : items) SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
    return *this;
}

std::vector<std::wstring> ListBox::Items() const {
    std::vector<std::wstring> items;
    const int n = Count();
    for (int i = 0; i < n; ++i) items.push_back(Item(i));
    return items;
}

std::wstring ListBox::Item(int index) const {
    const LRESULT len = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (len == LB_ERR || len <= 0) return {};
    std::wstring text(static_cast<size_t>(len) + 1, L'\0');
    SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(len));
    return text;
}

int ListBox::Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

int ListBox::ItemIndex() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)); }

ListBox& ListBox::ItemIndex(int index) {
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return *this;
}

HBRUSH ListBox::CtlColor(HDC dc) {
    if (!brush_) brush_.reset(CreateSolidBrush(color_));
    SetTextColor(dc, font_.Color);
    SetBkColor(dc, color_);
    return brush_.get();
}

}  // namespace ui
