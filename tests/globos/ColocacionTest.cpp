// Where a balloon goes and how big it is, for a hint box at the cursor on a 1280 x 1024 screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "controls/Velhint.h"

namespace {
constexpr SIZE kPantalla{1280, 1024};
constexpr SIZE kCaja{106, 15};  // a one-line text of 100 x 13 with the hint box's margins

ColocacionGlobo Colocar(THintDirection d, int cx, int cy, SIZE caja = kCaja) {
    return ColocarGlobo(d, POINT{cx, cy}, caja, kPantalla);
}
}  // namespace

TEST(Colocacion, AOneLineTextOf100By13GivesABalloonOf132By35AboveAnd132By44Below) {
    for (THintDirection d : {hdUpRight, hdUpLeft, hdDownRight, hdDownLeft}) {
        const bool arriba = d == hdUpRight || d == hdUpLeft;
        EXPECT_EQ(TamanoGlobo(kCaja, d).cx, 132);
        EXPECT_EQ(TamanoGlobo(kCaja, d).cy, arriba ? 35 : 44);
    }
}

TEST(Colocacion, EachFailedTestMovesToTheDirectionItsRowNames) {
    // No room to the right (cursor at the right edge) or to the left (at the left edge).
    EXPECT_EQ(Colocar(hdUpRight, 1270, 500), (ColocacionGlobo{hdUpLeft, 1270 + 16 - 132, 460}));
    EXPECT_EQ(Colocar(hdUpLeft, 5, 500).Direccion, hdUpRight);
    EXPECT_EQ(Colocar(hdDownRight, 1270, 500).Direccion, hdDownLeft);
    EXPECT_EQ(Colocar(hdDownLeft, 5, 500).Direccion, hdDownRight);
    // No room above (cursor at the top) or below (at the bottom).
    EXPECT_EQ(Colocar(hdUpRight, 640, 10), (ColocacionGlobo{hdDownRight, 640, 25}));
    EXPECT_EQ(Colocar(hdUpLeft, 640, 10), (ColocacionGlobo{hdDownLeft, 524, 25}));
    EXPECT_EQ(Colocar(hdDownRight, 640, 1020), (ColocacionGlobo{hdUpRight, 640, 980}));
    EXPECT_EQ(Colocar(hdDownLeft, 640, 1020), (ColocacionGlobo{hdUpLeft, 524, 980}));
    // Two turns: top-right and bottom-left corners.
    EXPECT_EQ(Colocar(hdUpRight, 1270, 5), (ColocacionGlobo{hdDownLeft, 1154, 20}));
    EXPECT_EQ(Colocar(hdDownLeft, 5, 1020), (ColocacionGlobo{hdUpRight, 5, 980}));
}

TEST(Colocacion, ABalloonThatJustFitsStaysAndOnePixelMoreTurns) {
    EXPECT_EQ(Colocar(hdUpRight, 1158, 500).Direccion, hdUpRight);  // cx + 122 <= 1280
    EXPECT_EQ(Colocar(hdUpRight, 1159, 500).Direccion, hdUpLeft);
    EXPECT_EQ(Colocar(hdUpLeft, 116, 500), (ColocacionGlobo{hdUpLeft, 0, 460}));  // cx + 6 - 122 >= 0
    EXPECT_EQ(Colocar(hdUpLeft, 115, 500).Direccion, hdUpRight);
    EXPECT_EQ(Colocar(hdUpRight, 600, 40), (ColocacionGlobo{hdUpRight, 600, 0}));  // cy - 5 - 35 >= 0
    EXPECT_EQ(Colocar(hdUpRight, 600, 39).Direccion, hdDownRight);
    EXPECT_EQ(Colocar(hdDownRight, 600, 965), (ColocacionGlobo{hdDownRight, 600, 980}));  // cy + 15 + 44 <= 1024
    EXPECT_EQ(Colocar(hdDownRight, 600, 966).Direccion, hdUpRight);
}

TEST(Colocacion, ABalloonThatFitsNowhereTakesThePreferredDirectionInsideTheScreen) {
    // Wider than the screen: it starts at the left edge, and what does not fit is cut off.
    for (THintDirection d : {hdUpRight, hdUpLeft, hdDownRight, hdDownLeft})
        EXPECT_EQ(Colocar(d, 640, 512, SIZE{1400, 15}).X, 0);
    EXPECT_EQ(Colocar(hdUpLeft, 640, 512, SIZE{1400, 15}), (ColocacionGlobo{hdUpLeft, 0, 472}));
    // Too tall for above and below: pushed down, or up, to fit.
    EXPECT_EQ(Colocar(hdUpRight, 640, 512, SIZE{106, 700}), (ColocacionGlobo{hdUpRight, 640, 0}));
    EXPECT_EQ(Colocar(hdDownLeft, 640, 512, SIZE{106, 700}), (ColocacionGlobo{hdDownLeft, 524, 1024 - 729}));
    EXPECT_EQ(Colocar(hdDownRight, 1270, 1000, SIZE{300, 1200}), (ColocacionGlobo{hdDownRight, 1280 - 326, 0}));
}

// Over a grid of cursor positions and box sizes: the direction chosen passes both its tests
// and sits where its row says; the preferred one is kept whenever it fits; and only when no
// direction at all fits does the balloon fall back on the preferred one.
TEST(Colocacion, TheChosenDirectionAlwaysFitsUnlessNoneDoes) {
    const THintDirection todas[] = {hdUpRight, hdUpLeft, hdDownRight, hdDownLeft};
    for (SIZE caja : {SIZE{106, 15}, SIZE{700, 40}, SIZE{1300, 15}, SIZE{200, 1000}})
        for (int cx = 0; cx <= kPantalla.cx; cx += 40)
            for (int cy = 0; cy <= kPantalla.cy; cy += 32) {
                const int w = caja.cx + 16;
                auto derecha = [](THintDirection d) { return d == hdUpRight || d == hdDownRight; };
                auto arriba = [](THintDirection d) { return d == hdUpRight || d == hdUpLeft; };
                auto cabe = [&](THintDirection d) {
                    return (derecha(d) ? cx + w <= kPantalla.cx : cx + 6 - w >= 0) &&
                           (arriba(d) ? cy - 5 - (caja.cy + 20) >= 0 : cy + 15 + caja.cy + 29 <= kPantalla.cy);
                };
                const bool alguna = std::any_of(std::begin(todas), std::end(todas), cabe);
                for (THintDirection preferida : todas) {
                    const ColocacionGlobo c = Colocar(preferida, cx, cy, caja);
                    SCOPED_TRACE(testing::Message() << "cursor " << cx << "," << cy << " box " << caja.cx << "x"
                                                    << caja.cy << " preferred " << int(preferida));
                    if (!alguna) {
                        EXPECT_EQ(c.Direccion, preferida);
                        EXPECT_TRUE(c.X >= 0 && c.Y >= 0);
                        continue;
                    }
                    ASSERT_TRUE(cabe(c.Direccion));
                    EXPECT_TRUE(!cabe(preferida) || c.Direccion == preferida);
                    EXPECT_EQ(c.X, derecha(c.Direccion) ? cx : cx + 6 - w);
                    EXPECT_EQ(c.Y, arriba(c.Direccion) ? cy - 5 - (caja.cy + 20) : cy + 15);
                }
            }
}
