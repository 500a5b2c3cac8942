#include "ui/Memo.h"

#include <algorithm>

namespace ui {

Memo::Memo(WinControl* parent) : Fluent(parent) {
    // Without a horizontal scroll bar or ES_AUTOHSCROLL the edit wraps its lines.
    CreateHandle(L"EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                 WS_EX_CLIENTEDGE);
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);  // no limit on what the program puts in
}

Memo& Memo::Text(const std::wstring& text) {
    SetWindowTextW(Handle(), text.c_str());
    return *this;
}

std::wstring Memo::Text() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
    return text;
}

// The lines are worked out here rather than read back from the edit with EM_GETLINE: Wine's
// edit also breaks before punctuation such as a backslash, and it forces a break in a line
// without blanks one character before the last one that fits.
std::vector<std::wstring> Memo::Lines() const {
    RECT area{};
    SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    win::WindowDC dc(Handle());
    win::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    return WrapLines(dc.get(), Text(), area.right - area.left);
}

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Breaks one line of text (no line breaks in it) into display lines.
void WrapLine(HDC dc, const wchar_t* p, int length, int width, std::vector<std::wstring>& lines) {
    do {
        int fit = 0;
        SIZE size{};
        GetTextExtentExPointW(dc, p, length, width, &fit, nullptr, &size);
        if (fit >= length) {
            lines.emplace_back(p, static_cast<size_t>(length));
            return;
        }
        // A word that ends right at the edge stays on this line; the blanks after it, which
        // do not fit, are dropped at the break.
        if (fit > 0 && IsBlank(p[fit])) {
            lines.emplace_back(p, static_cast<size_t>(fit));
            while (fit < length && IsBlank(p[fit])) ++fit;
            p += fit;
            length -= fit;
            continue;
        }
        // Otherwise the last word that starts within what fits begins the next line; its
        // blanks stay at the end of this one.
        int cut = 0;
        for (int b = fit; b > 0 && cut == 0; --b)
            if (IsBlank(p[b - 1]) && !IsBlank(p[b])) cut = b;
        if (cut == 0) {
            cut = std::max(fit, 1);
            if (cut > 1 && IS_LOW_SURROGATE(p[cut])) --cut;  // keep a surrogate pair whole
        }
        lines.emplace_back(p, static_cast<size_t>(cut));
        p += cut;
        length -= cut;
    } while (length > 0);
}

}  // namespace

std::vector<std::wstring> WrapLines(HDC dc, const std::wstring& text, int width) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(L'\n', start);
        size_t stop = end == std::wstring::npos ? text.size() : end;
        if (stop > start && end != std::wstring::npos && text[stop - 1] == L'\r') --stop;  // CR LF
        WrapLine(dc, text.data() + start, static_cast<int>(stop - start), width, lines);
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace ui
