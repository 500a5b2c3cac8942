// The balloon drawn over a known background: every pixel it leaves alone still shows what
// was there, so the test can tell the shadow dots, the body, the tail and the gaps apart.
#include <gtest/gtest.h>

#include <algorithm>

#include "globos/Apoyo.h"

namespace {
// What lay behind the balloon: a different colour at every pixel, none of them a colour
// the balloon draws with (its blue part is 77).
COLORREF Fondo(int x, int y) { return RGB(x * 2 % 256, y * 3 % 256, 77); }

// The balloon over that background; EsFondo tells whether a pixel still shows it.
class Lienzo : public prueba::Lienzo {
public:
    Lienzo(SIZE tamano, THintDirection d, const std::wstring& texto = L"Pulse el botón")
        : prueba::Lienzo(tamano, d, Fondo, texto) {}
    bool EsFondo(int x, int y) const { return (*this)(x, y) == Fondo(x, y); }
};

const COLORREF kAmarillo = RGB(255, 255, 0), kSombra = RGB(128, 0, 128), kNegro = RGB(0, 0, 0);
const COLORREF kAzul = RGB(0, 0, 255);
// Balloons of three lines of text, with long straight edges between their rounded corners.
constexpr int W = 132, Hu = 65, Hd = 74;

// Inside a shadow area: dots where x + y is even, the background in between.
void EsperarPunteado(const Lienzo& l, int x0, int x1, int y0, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
            if ((x + y) % 2 == 0)
                EXPECT_EQ(l(x, y), kSombra);
            else
                EXPECT_TRUE(l.EsFondo(x, y));
        }
}

void EsperarFondo(const Lienzo& l, int x0, int x1, int y0, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) EXPECT_TRUE(l.EsFondo(x, y)) << "pixel " << x << "," << y;
}
}  // namespace

TEST(Dibujo, AboveTheBodyCastsADottedShadowAndTheTailOpensItsOutline) {
    const Lienzo l(SIZE{W, Hu}, hdUpRight);
    // The shadow's rounded rectangle, as the system makes such regions, leaves out its
    // last column and row: the shadow ends one pixel short of the window's right edge.
    EsperarPunteado(l, W - 6, W - 2, 16, Hu - 19);  // right of the body
    EsperarPunteado(l, 30, W - 10, Hu - 14, Hu - 11);  // below it
    EsperarFondo(l, 26, W - 1, Hu - 10, Hu - 1);  // below the shadow
    EsperarFondo(l, W - 6, W - 1, 0, 7);  // above it
    EsperarFondo(l, W - 1, W - 1, 0, Hu - 1);
    // The rounded corners of the body and of its shadow.
    for (POINT p : {POINT{0, 0}, POINT{W - 7, 0}, POINT{W - 2, Hu - 11}, POINT{W - 2, 8}})
        EXPECT_TRUE(l.EsFondo(p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(l(60, 0), kNegro);
    EXPECT_EQ(l(W - 7, 30), kNegro);
    EXPECT_EQ(l(W - 12, 30), kAmarillo);
    // The tail: its base is open in the outline, its tip near (0, H), its shadow dotted.
    for (int x = 11; x <= 19; ++x) EXPECT_EQ(l(x, Hu - 15), kAmarillo) << x;
    for (int x = 21; x <= 30; ++x) EXPECT_EQ(l(x, Hu - 15), kNegro) << x;
    EXPECT_EQ(l(6, Hu - 6), kAmarillo);
    EsperarPunteado(l, 12, 15, Hu - 5, Hu - 5);
    EXPECT_TRUE(l.EsFondo(19, Hu - 5));
}

TEST(Dibujo, ExtendingLeftTheTailIsAtTheRightAndItsShadowStopsAtItsStrip) {
    const Lienzo l(SIZE{W, Hu}, hdUpLeft);
    for (int x = W - 25; x <= W - 17; ++x) EXPECT_EQ(l(x, Hu - 15), kAmarillo) << x;
    for (int x = 11; x <= 30; ++x) EXPECT_EQ(l(x, Hu - 15), kNegro) << x;
    EsperarPunteado(l, W - 20, W - 19, Hu - 8, Hu - 8);  // the tail's shadow, left of the tail
    // Inside the shadow's triangle, right of the tail, but past its strip, which ends 11
    // from the right: these would be dots if the whole triangle were scanned.
    EXPECT_TRUE(l.EsFondo(W - 10, Hu - 9));
    EXPECT_TRUE(l.EsFondo(W - 10, Hu - 7));
    EsperarFondo(l, 0, 9, Hu - 14, Hu - 1);  // nothing at the lower left
}

TEST(Dibujo, BelowTheTailIsOnTopAndCastsNoShadow) {
    for (THintDirection d : {hdDownRight, hdDownLeft}) {
        const Lienzo l(SIZE{W, Hd}, d);
        const bool derecha = d == hdDownRight;
        SCOPED_TRACE(derecha ? "down-right" : "down-left");
        const int a = derecha ? 10 : W - 26;
        for (int x = a + 1; x <= a + 9; ++x) EXPECT_EQ(l(x, 15), kAmarillo) << x;
        EXPECT_EQ(l(60, 15), kNegro);
        EXPECT_EQ(l(60, Hd - 9), kNegro);
        EXPECT_EQ(l(derecha ? 7 : W - 13, 7), kAmarillo);  // inside the tail, halfway to its tip
        // Above the body there is only the tail: no shadow anywhere there.
        EsperarFondo(l, derecha ? 25 : 0, derecha ? W - 1 : W - 31, 0, 14);
        EsperarPunteado(l, W - 6, W - 2, 31, Hd - 12);
        EsperarPunteado(l, 30, W - 10, Hd - 8, Hd - 4);
        EsperarFondo(l, 0, W - 1, Hd - 3, Hd - 1);
        EXPECT_TRUE(l.EsFondo(0, Hd - 4));
        EXPECT_TRUE(l.EsFondo(W - 2, 23));
    }
}

TEST(Dibujo, TheTextStartsInsideItsBoxAndIsNotWrapped) {
    // The extent of the text's colour in a balloon (below the cursor unless told).
    auto tinta = [](const std::wstring& texto, SIZE tamano = SIZE{W, 44}, THintDirection d = hdDownRight) {
        const Lienzo l(tamano, d, texto);
        RECT r{tamano.cx, tamano.cy, -1, -1};
        for (int y = 0; y < tamano.cy; ++y)
            for (int x = 0; x < tamano.cx; ++x)
                if (l(x, y) == kAzul)
                    r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x),
                             std::max<LONG>(r.bottom, y)};
        return r;
    };
    const RECT abajo = tinta(L"Pulse el botón");
    EXPECT_GE(abajo.left, 8);
    EXPECT_GE(abajo.top, 18);
    EXPECT_LT(abajo.top, 23);
    const RECT arriba = tinta(L"Pulse el botón", SIZE{W, 35}, hdUpRight);
    EXPECT_GE(arriba.top, 3);
    EXPECT_LT(arriba.top, 8);
    // Words that would not fit stay on their line; a line break starts a new one.
    const RECT una = tinta(L"una", SIZE{70, 60});
    EXPECT_EQ(tinta(L"una dos tres cuatro", SIZE{70, 60}).bottom, una.bottom);
    EXPECT_GT(tinta(L"una\ndos", SIZE{70, 60}).bottom, una.bottom + 8);
}
