#include "ui/RadioGroup.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

// One entry's button. The group decides which button is checked, so the buttons are the
// plain (not automatic) kind.
class RadioGroup::Button : public WinControl {
public:
    Button(RadioGroup* group, int index, const std::wstring& caption)
        : WinControl(group), group_(group), index_(index) {
        CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 0, caption.c_str());
        SetWindowSubclass(Handle(), &Button::Keys, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    ~Button() override {
        if (Handle()) RemoveWindowSubclass(Handle(), &Button::Keys, 0);
    }
    void Command(WORD code) override {
        if (code == BN_CLICKED) group_->ItemIndex(index_);
    }
    HBRUSH CtlColor(HDC dc) override { return group_->ButtonColors(dc); }

private:
    static LRESULT CALLBACK Keys(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
        int delta = 0;
        if (msg == WM_KEYDOWN && (wp == VK_LEFT || wp == VK_UP)) delta = -1;
        if (msg == WM_KEYDOWN && (wp == VK_RIGHT || wp == VK_DOWN)) delta = 1;
        if (delta != 0) {
            auto* self = reinterpret_cast<Button*>(data);
            self->group_->Step(self->index_, delta);
            return 0;
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    }

    RadioGroup* group_;
    int index_;
};

RadioGroup::RadioGroup(WinControl* parent) : Fluent(parent) {
    CreateHandle(ContainerClass(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

RadioGroup::~RadioGroup() = default;

RadioGroup& RadioGroup::Caption(std::wstring text) {
    caption_ = std::move(text);
    Invalidate();
    return *this;
}

RadioGroup& RadioGroup::Items(const std::vector<std::wstring>& items) {
    buttons_.clear();
    items_ = items;
    index_ = -1;
    for (size_t i = 0; i < items_.size(); ++i)
        buttons_.push_back(std::make_unique<Button>(this, static_cast<int>(i), items_[i]));
    Arrange();
    ItemIndex(-1);
    return *this;
}

RadioGroup& RadioGroup::Columns(int columns) {
    columns_ = std::max(columns, 1);
    Arrange();
    return *this;
}

HWND RadioGroup::ItemHandle(int index) const {
    return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[index]->Handle() : nullptr;
}

RadioGroup& RadioGroup::ItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(buttons_.size())) index = -1;
    const bool changed = index != index_;
    index_ = index;
    // Only the selected button (the first while none is) is a tab stop, so Tab enters the
    // group at its selection and leaves it with the next press.
    for (size_t i = 0; i < buttons_.size(); ++i) {
        HWND button = buttons_[i]->Handle();
        SendMessageW(button, BM_SETCHECK, static_cast<int>(i) == index_ ? BST_CHECKED : BST_UNCHECKED, 0);
        const bool stop = static_cast<int>(i) == std::max(index_, 0);
        LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        style = stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrW(button, GWL_STYLE, style);
    }
    if (changed) Click();
    return *this;
}

void RadioGroup::Step(int from, int delta) {
    const int n = static_cast<int>(buttons_.size());
    if (n == 0) return;
    const int to = ((from + delta) % n + n) % n;
    ItemIndex(to);
    buttons_[to]->SetFocus();
}

HBRUSH RadioGroup::ButtonColors(HDC dc) {
    if (!brush_ || brushColor_ != color_) {
        brush_.reset(CreateSolidBrush(color_));
        brushColor_ = color_;
    }
    SetTextColor(dc, font_.Color);
    SetBkColor(dc, color_);
    return brush_.get();
}

namespace {
int TextHeight(HFONT font) {
    win::WindowDC screen;
    win::SelectGuard select(screen.get(), font);
    TEXTMETRICW tm{};
    GetTextMetricsW(screen.get(), &tm);
    return tm.tmHeight;
}
}  // namespace

// The entries fill the columns top to bottom, in equal cells below the caption.
void RadioGroup::Arrange() {
    const int n = static_cast<int>(buttons_.size());
    if (n == 0) return;
    const int perColumn = (n + columns_ - 1) / columns_;
    const int textHeight = TextHeight(FontHandle());
    const int cellWidth = (width_ - 10) / columns_;
    const int room = height_ - textHeight - 5;
    const int cellHeight = room / perColumn;
    const int top = textHeight + 1 + (room % perColumn) / 2;
    for (int i = 0; i < n; ++i) {
        Button& b = *buttons_[i];
        b.SetFont(font_);
        b.SetBounds(8 + (i / perColumn) * cellWidth, top + (i % perColumn) * cellHeight, cellWidth, cellHeight);
    }
}

void RadioGroup::BoundsChanged() {
    WinControl::BoundsChanged();
    Arrange();
}

void RadioGroup::FontChanged() {
    WinControl::FontChanged();
    Arrange();
}

// The group's colour, an etched 3-D frame through the middle of the caption's line, and the
// caption on a patch of the group's colour over the frame.
void RadioGroup::PaintBackground(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    Canvas(dc).FillRect(r, color_);
    win::SelectGuard select(dc, FontHandle());
    SIZE text{};
    GetTextExtentPoint32W(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text);
    const int lineHeight = text.cy > 0 ? text.cy : TextHeight(FontHandle());
    RECT frame{r.left, r.top + lineHeight / 2, r.right, r.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (caption_.empty()) return;
    RECT label{8, 0, 8 + text.cx + 2, lineHeight};
    Canvas(dc).FillRect(label, color_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled_ ? font_.Color : GetSysColor(COLOR_GRAYTEXT));
    OffsetRect(&label, 1, 0);
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &label, DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace ui
