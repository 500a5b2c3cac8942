#pragma once
// Fonts, colours, bitmaps from resources and a canvas over a device context.
#include <string>
#include "base/Handle.h"

namespace ui {

namespace colors {
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Navy = RGB(0, 0, 128);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Yellow = RGB(255, 255, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Silver = RGB(192, 192, 192);
constexpr COLORREF Gray = RGB(128, 128, 128);
}  // namespace colors

enum FontStyle : unsigned { Regular = 0, Bold = 1, Italic = 2, Underline = 4 };

// A font description: face, character height in pixels, style bits and text colour.
struct Font {
    std::wstring Name = L"MS Sans Serif";
    int Height = 11;
    unsigned Style = Regular;
    COLORREF Color = colors::Black;

    win::UniqueFont Create() const;
    bool operator==(const Font&) const = default;
};

// A bitmap loaded from the module's resources; 32-bit pictures carry alpha.
class Bitmap {
public:
    Bitmap() = default;
    explicit Bitmap(const wchar_t* resourceName);
    void Load(const wchar_t* resourceName);
    // Makes this bitmap a copy of another one (its own handle, the same pixels).
    void Assign(const Bitmap& source);
    bool Empty() const { return !handle_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasAlpha() const { return alpha_; }
    HBITMAP Handle() const { return handle_.get(); }

private:
    win::UniqueBitmap handle_;
    int width_ = 0, height_ = 0;
    bool alpha_ = false;
};

// Drawing on a device context.
class Canvas {
public:
    explicit Canvas(HDC dc) : dc_(dc) {}
    HDC Handle() const { return dc_; }
    void Draw(int x, int y, const Bitmap& picture) const;
    void StretchDraw(const RECT& r, const Bitmap& picture) const;
    void FillRect(const RECT& r, COLORREF color) const;
    // Covers width x height with copies of a tile, row by row from the top, each row left
    // to right; the last row and column are cut off at the edges.
    void Tile(const Bitmap& tile, int width, int height) const;
    // Writes a text of one or more lines (ending at CR, LF or CR LF) in the selected font,
    // the first line's top left at x, y, every character at the advance the font's metrics
    // give it: the text then covers the width MeasureText reports for it.
    void TextLines(int x, int y, const std::wstring& text) const;

private:
    HDC dc_;
};

// Size of a text in a font, as a label would paint it (single line unless maxWidth > 0).
SIZE MeasureText(const std::wstring& text, const Font& font, int maxWidth = 0);
// The same in a font already made.
SIZE MeasureText(const std::wstring& text, HFONT font, int maxWidth = 0);

}  // namespace ui
