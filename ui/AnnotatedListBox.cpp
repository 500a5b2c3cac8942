#include "ui/AnnotatedListBox.h"

#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "ui/Hint.h"

namespace ui {

namespace {
constexpr int kMargin = 2;  // before the text, as the system's list box leaves
constexpr int kGap = 8;     // between the text and its note

int TextWidth(HDC dc, const std::wstring& text) {
    SIZE s{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &s);
    return s.cx;
}

void DrawRowText(HDC dc, const std::wstring& text, int left, int width, const RECT& row, UINT shorten) {
    RECT r{left, row.top, left + std::max(width, 0), row.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | shorten);
}

// A path too wide for width loses the middle to "...", keeping its last name whole as far as
// it can. The system's shortening keeps what follows the last backslash, which for a folder
// is nothing: its name is kept and its final backslash put back after it.
std::wstring ShortenPath(HDC dc, const std::wstring& path, int width) {
    if (TextWidth(dc, path) <= width) return path;
    const bool folder = path.size() > 1 && path.back() == L'\\';
    std::wstring body = folder ? path.substr(0, path.size() - 1) : path;
    const size_t length = body.size();
    body.resize(length + 5, L'\0');  // the shortened text may take four characters more
    RECT r{0, 0, std::max(width - (folder ? TextWidth(dc, L"\\") : 0), 0), 0};
    DrawTextW(dc, body.data(), static_cast<int>(length), &r,
              DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT);
    body.resize(std::wcslen(body.c_str()));
    return folder ? body + L"\\" : body;
}
}  // namespace

RowSplit SplitRow(int textWidth, int noteWidth, int rowWidth, int gap) {
    if (textWidth + gap + noteWidth <= rowWidth) return {textWidth, textWidth + gap, noteWidth};
    const int room = std::max(rowWidth - gap, 0);
    const int note = std::min(noteWidth, std::max(room / 2, room - textWidth));
    const int text = room - note;
    return {text, text + gap, note};
}

AnnotatedListBox::AnnotatedListBox(WinControl* parent)
    : ListBox(parent,
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                  LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
              WS_EX_CLIENTEDGE) {
    FitItemHeight();
    SetWindowSubclass(Handle(), &AnnotatedListBox::Watch, 0, reinterpret_cast<DWORD_PTR>(this));
}

AnnotatedListBox::~AnnotatedListBox() {
    if (Handle()) RemoveWindowSubclass(Handle(), &AnnotatedListBox::Watch, 0);
}

AnnotatedListBox& AnnotatedListBox::Items(const std::vector<std::wstring>& items,
                                          const std::vector<std::wstring>& notes) {
    notes_ = notes;
    notes_.resize(items.size());
    ListBox::Items(items);
    return *this;
}

std::wstring AnnotatedListBox::Note(int index) const {
    return index >= 0 && index < static_cast<int>(notes_.size()) ? notes_[static_cast<size_t>(index)]
                                                                    : std::wstring();
}

int AnnotatedListBox::ItemAt(POINT p) const {
    RECT client;
    GetClientRect(Handle(), &client);
    if (!PtInRect(&client, p)) return -1;
    const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
    return HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
}

std::wstring AnnotatedListBox::ItemHint(int index) const {
    const std::wstring note = Note(index);
    return note.empty() ? Item(index) : Item(index) + L"\r\n" + note;
}

bool AnnotatedListBox::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const bool selected = item.itemState & ODS_SELECTED;
    Canvas(dc).FillRect(item.rcItem, selected ? GetSysColor(COLOR_HIGHLIGHT) : color_);
    if (item.itemID != static_cast<UINT>(-1)) {
        const int index = static_cast<int>(item.itemID);
        const std::wstring text = Item(index), note = Note(index);
        const COLORREF ink = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : font_.Color;
        win::SelectGuard font(dc, FontHandle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ink);
        const int left = item.rcItem.left + kMargin, width = item.rcItem.right - left;
        if (note.empty()) {
            DrawRowText(dc, text, left, width, item.rcItem, 0);  // cut at the row's end, as a plain list box does
        } else {
            // Both stay readable: the text loses its middle (a path keeps its last name),
            // the note its end.
            const RowSplit split = SplitRow(TextWidth(dc, text), TextWidth(dc, note), width, kGap);
            DrawRowText(dc, ShortenPath(dc, text, split.TextWidth), left, split.TextWidth, item.rcItem, 0);
            SetTextColor(dc, selected ? ink : NoteColor);
            DrawRowText(dc, note, left + split.NoteLeft, split.NoteWidth, item.rcItem, DT_END_ELLIPSIS);
        }
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
    return true;
}

void AnnotatedListBox::FontChanged() {
    ListBox::FontChanged();
    FitItemHeight();
}

void AnnotatedListBox::FitItemHeight() {
    win::WindowDC dc(Handle());
    win::SelectGuard font(dc.get(), FontHandle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.get(), &tm);
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, tm.tmHeight);
}

LRESULT CALLBACK AnnotatedListBox::Watch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    if (msg == WM_MOUSEMOVE)
        reinterpret_cast<AnnotatedListBox*>(self)->Pointed({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)},
                                                           MSG{hwnd, msg, wp, lp, 0, {}});
    return DefSubclassProc(hwnd, msg, wp, lp);
}

void AnnotatedListBox::Pointed(POINT p, const MSG& msg) {
    const int index = ItemAt(p);
    if (!onItem_) ownHint_ = Hint();
    onItem_ = index >= 0;
    std::wstring hint = onItem_ ? ItemHint(index) : ownHint_;
    if (hint == Hint()) return;
    SetHint(std::move(hint));
    // A hint on display belongs to the row the cursor has left: the next one comes as if the
    // cursor had arrived from another control.
    if (Hints().HintShowing()) {
        Hints().CancelHint();
        Hints().MessageSeen(msg);
    }
}

}  // namespace ui
