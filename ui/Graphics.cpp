#include "ui/Graphics.h"

#include "ui/Application.h"

namespace ui {

UniqueFont Font::Create() const {
    LOGFONTW lf{};
    lf.lfHeight = -Height;
    lf.lfWeight = (Style & Bold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (Style & Italic) ? TRUE : FALSE;
    lf.lfUnderline = (Style & Underline) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    Name.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&lf));
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

void Canvas::Draw(int x, int y, const Bitmap& picture) const {
    StretchDraw(RECT{x, y, x + picture.Width(), y + picture.Height()}, picture);
}

void Canvas::StretchDraw(const RECT& r, const Bitmap& picture) const {
    if (picture.Empty()) return;
    UniqueMemoryDC source(CreateCompatibleDC(dc_));
    SelectGuard select(source.get(), picture.Handle());
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
    UniqueBrush brush(CreateSolidBrush(color));
    ::FillRect(dc_, &r, brush.get());
}

void Canvas::Tile(const Bitmap& tile, int width, int height) const {
    if (tile.Width() <= 0 || tile.Height() <= 0) return;
    for (int y = 0; y < height; y += tile.Height())
        for (int x = 0; x < width; x += tile.Width()) Draw(x, y, tile);
}

SIZE MeasureText(const std::wstring& text, const Font& font, int maxWidth) {
    WindowDC screen;
    UniqueFont hfont = font.Create();
    SelectGuard select(screen.get(), hfont.get());
    RECT r{0, 0, maxWidth > 0 ? maxWidth : 0, 0};
    UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (maxWidth > 0 ? DT_WORDBREAK : 0);
    const std::wstring measured = text.empty() ? std::wstring(L" ") : text;
    DrawTextW(screen.get(), measured.c_str(), static_cast<int>(measured.size()), &r, flags);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace ui
