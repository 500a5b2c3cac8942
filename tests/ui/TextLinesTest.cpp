// A label draws its text within the size it measured for it.
#include <gtest/gtest.h>

#include <algorithm>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Memo.h"

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

// Breaking at the exact edge: the area is measured here from the text itself, a pixel either
// side of where a word ends.
TEST(TextLines, WrapBreaksAtWordsAtTheExactEdge) {
    win::WindowDC screen;
    win::UniqueMemoryDC dc(CreateCompatibleDC(screen.get()));
    win::UniqueFont font(CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif"));
    win::SelectGuard select(dc.get(), font.get());
    auto ancho = [&](const std::wstring& t) {
        SIZE s{};
        GetTextExtentPoint32W(dc.get(), t.c_str(), static_cast<int>(t.size()), &s);
        return static_cast<int>(s.cx);
    };
    using Lineas = std::vector<std::wstring>;
    struct Caso {
        std::wstring texto;
        int area;
        Lineas lineas;
    } casos[] = {
        // A word that ends right at the edge stays; the blank after it goes at the break.
        {L"casa casa casa", ancho(L"casa casa"), {L"casa casa", L"casa"}},
        {L"casa casa    casa", ancho(L"casa casa"), {L"casa casa", L"casa"}},
        {L"casa casa casa", ancho(L"casa casa "), {L"casa casa ", L"casa"}},
        // One pixel short: the word moves down, its blank stays behind.
        {L"casa casa casa", ancho(L"casa casa") - 1, {L"casa ", L"casa ", L"casa"}},
        {L"casa casa casa", ancho(L"casa casa casa"), {L"casa casa casa"}},
        // Blanks the edge cuts off at the end of the text are not a line of their own.
        {L"casa casa   ", ancho(L"casa casa"), {L"casa casa"}},
        // No blank to break at: the last character that fits.
        {L"casacasa", ancho(L"casa"), {L"casa", L"casa"}},
        {L"aaaaaaaa", ancho(L"aaaa") - 1, {L"aaa", L"aaa", L"aa"}},
        {L"uno\r\n\r\ndos", 1000, {L"uno", L"", L"dos"}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(ui::WrapLines(dc.get(), c.texto, c.area), c.lineas)
            << std::string(c.texto.begin(), c.texto.end()) << " in " << c.area << " px";
}
