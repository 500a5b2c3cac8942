#include "ui/Graphics.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "ui/Application.h"

namespace ui {

win::UniqueFont Font::Create() const {
    LOGFONTW lf{};
    lf.lfHeight = -Height;
    lf.lfWeight = (Style & Bold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (Style & Italic) ? TRUE : FALSE;
    lf.lfUnderline = (Style & Underline) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    Name.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return win::UniqueFont(CreateFontIndirectW(&lf));
}

Bitmap::Bitmap(const wchar_t* resourceName) { Load(resourceName); }

void Bitmap::Load(const wchar_t* resourceName) {
    handle_.reset(static_cast<HBITMAP>(
        LoadImageW(App().Instance(), resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (handle_ && GetObjectW(handle_.get(), sizeof info, &info)) {
        width_ = info.bmWidth;
        height_ = info.bmHeight;
        alpha_ = info.bmBitsPixel == 32;
    } else {
        width_ = height_ = 0;
        alpha_ = false;
    }
}

void Bitmap::Assign(const Bitmap& source) {
    if (&source == this) return;
    handle_.reset(source.Empty() ? nullptr
                                 : static_cast<HBITMAP>(CopyImage(source.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const bool copied = static_cast<bool>(handle_);
    width_ = copied ? source.width_ : 0;
    height_ = copied ? source.height_ : 0;
    alpha_ = copied && source.alpha_;
}

void Canvas::Draw(int x, int y, const Bitmap& picture) const {
    StretchDraw(RECT{x, y, x + picture.Width(), y + picture.Height()}, picture);
}

void Canvas::StretchDraw(const RECT& r, const Bitmap& picture) const {
    if (picture.Empty()) return;
    win::UniqueMemoryDC source(CreateCompatibleDC(dc_));
    win::SelectGuard select(source.get(), picture.Handle());
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (picture.HasAlpha()) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc_, r.left, r.top, w, h, source.get(), 0, 0, picture.Width(), picture.Height(), blend);
    } else if (w == picture.Width() && h == picture.Height()) {
        BitBlt(dc_, r.left, r.top, w, h, source.get(), 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc_, HALFTONE);
        StretchBlt(dc_, r.left, r.top, w, h, source.get(), 0, 0, picture.Width(), picture.Height(), SRCCOPY);
    }
}

void Canvas::FillRect(const RECT& r, COLORREF color) const {
    win::UniqueBrush brush(CreateSolidBrush(color));
    ::FillRect(dc_, &r, brush.get());
}

void Canvas::Tile(const Bitmap& tile, int width, int height) const {
    if (tile.Width() <= 0 || tile.Height() <= 0) return;
    for (int y = 0; y < height; y += tile.Height())
        for (int x = 0; x < width; x += tile.Width()) Draw(x, y, tile);
}

namespace {
// Calls each(line, length) for every line of a text; a line ends at CR, LF or CR LF, as it
// does for DrawText.
template <class Each>
void ForEachLine(const std::wstring& text, Each each) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        each(text.data() + start, static_cast<int>(end - start));
        if (end + 1 < text.size() && text[end] == L'\r' && text[end + 1] == L'\n') ++end;
        start = end + 1;
    }
}

// The widest line of a text including what its last glyph reaches past its advance, as an
// italic letter or an "f" does in many TrueType fonts; a label cut to the advances alone
// would clip it.
LONG InkWidth(HDC dc, const std::wstring& text) {
    LONG widest = 0;
    ForEachLine(text, [&](const wchar_t* line, int length) {
        if (length == 0) return;
        RECT r{0, 0, 0, 0};
        DrawTextW(dc, line, length, &r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE);
        ABC abc{};
        const wchar_t last = line[length - 1];
        const LONG overhang = GetCharABCWidthsW(dc, last, last, &abc) && abc.abcC < 0 ? -abc.abcC : 0;
        widest = std::max(widest, r.right + overhang);
    });
    return widest;
}
}  // namespace

// Wine draws some glyphs of a TrueType font wider than their metrics (an 11-pixel "f"
// advances 4 pixels on the screen but measures 3), so text drawn with its own advances
// outgrows the size measured for it; explicit advances keep the two equal.
void Canvas::TextLines(int x, int y, const std::wstring& text) const {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    std::vector<int> advances;
    ForEachLine(text, [&](const wchar_t* line, int length) {
        if (std::wstring_view(line, static_cast<size_t>(length)).find(L'\t') != std::wstring_view::npos) {
            RECT r{x, y, x, y};
            DrawTextW(dc_, line, length, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
            DrawTextW(dc_, line, length, &r, DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP);
        } else if (length > 0) {
            // GetTextExtentExPoint gives the extent of each prefix; their differences are the advances.
            advances.assign(static_cast<size_t>(length), 0);
            SIZE size{};
            GetTextExtentExPointW(dc_, line, length, 0, nullptr, advances.data(), &size);
            for (size_t i = advances.size() - 1; i > 0; --i) advances[i] -= advances[i - 1];
            ExtTextOutW(dc_, x, y, 0, nullptr, line, static_cast<UINT>(length), advances.data());
        }
        y += tm.tmHeight;
    });
}

SIZE MeasureText(const std::wstring& text, const Font& font, int maxWidth) {
    win::UniqueFont hfont = font.Create();
    return MeasureText(text, hfont.get(), maxWidth);
}

SIZE MeasureText(const std::wstring& text, HFONT font, int maxWidth) {
    const HDC dc = win::MeasureDC();
    win::SelectGuard select(dc, font);
    RECT r{0, 0, maxWidth > 0 ? maxWidth : 0, 0};
    UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (maxWidth > 0 ? DT_WORDBREAK : 0);
    const std::wstring measured = text.empty() ? std::wstring(L" ") : text;
    DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &r, flags);
    if (maxWidth <= 0) r.right = std::max<LONG>(r.right, InkWidth(dc, measured));
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace ui
