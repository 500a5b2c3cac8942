// A label draws its text within the size it measured for it.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/Controls.h"
#include "ui/Form.h"

TEST(TextLines, ALabelsInkStaysWithinItsWidth) {
    ui::Form form;
    ui::Label label(&form);
    // Wine draws an "f" wider than it measures; many of them would push the end of the line
    // past the label, and its parent would cut off the last letters.
    label.Font({L"MS Sans Serif", 11, ui::Regular, ui::colors::Navy})
        .Caption(L"\rdefinitiva\\memoria anual final, fff ffff fffff revisada.pdf\r\nx");
    const int w = label.Width() + 40, h = label.Height() + 20;
    win::WindowDC screen;
    win::UniqueMemoryDC dc(CreateCompatibleDC(screen.get()));
    win::UniqueBitmap surface(CreateCompatibleBitmap(screen.get(), w, h));
    win::SelectGuard select(dc.get(), surface.get());
    ui::Canvas(dc.get()).FillRect(RECT{0, 0, w, h}, ui::colors::White);
    label.Paint(dc.get());  // unclipped, unlike in its parent
    int derecha = -1, abajo = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (GetPixel(dc.get(), x, y) != ui::colors::White) derecha = std::max(derecha, x), abajo = std::max(abajo, y);
    EXPECT_LT(derecha, label.Width());
    EXPECT_GE(derecha, label.Width() - 3) << "the text is narrower than measured";
    EXPECT_LT(abajo, label.Height());
    EXPECT_GE(abajo, label.Height() * 2 / 3) << "the third line, after CR LF, is drawn";
}
