#pragma once
// A multi-line edit with a vertical scroll bar that wraps long lines at word boundaries.
// Besides holding text it tells how that text falls into display lines.
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class Memo : public Fluent<Memo, WinControl> {
public:
    explicit Memo(WinControl* parent);

    Memo& Text(const std::wstring& text);
    std::wstring Text() const;
    // The display lines of the text in the memo's text area and font: a line ends at every
    // line break, and a line too wide for the area ends after the last blank that still
    // fits, or, when no blank does, after the last character that fits.
    std::vector<std::wstring> Lines() const;
};

// The same breaking for any text, area width and font selected into dc.
std::vector<std::wstring> WrapLines(HDC dc, const std::wstring& text, int width);

}  // namespace ui
