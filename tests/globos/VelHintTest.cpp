// The hint component: its defaults, how it installs the balloon window, and the balloons it
// makes the real window show.
#include <gtest/gtest.h>

#include <vector>

#include "globos/Apoyo.h"
#include "ui/Application.h"

using namespace prueba;

static bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b); }
static std::ostream& operator<<(std::ostream& o, const RECT& r) {
    return o << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {
TNewHint* Globo() { return dynamic_cast<TNewHint*>(ui::Hints().Window()); }

// Shows the balloon for a box of the given size with the cursor at a point of the screen.
// The cursor's move is handled first, so that the hint rules do not take it away again.
TNewHint& Activar(POINT cursor, SIZE caja = SIZE{106, 15}) {
    MoverA(cursor);
    ui::Hints().CancelHint();
    TNewHint& ventana = *Globo();
    ventana.ActivateHint(RECT{0, 0, caja.cx, caja.cy}, L"Prueba");
    EXPECT_TRUE(ventana.Showing());
    return ventana;
}

RECT Rect(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }
}  // namespace

TEST(VelHint, SetsTheHintPauseWhenMadeAndWhenItChanges) {
    ui::Hints().SetHintPause(100);
    TVelHint globo(&Forma());
    EXPECT_EQ(ui::Hints().HintPause(), 600);
    globo.HintPauseTime(800);
    EXPECT_EQ(ui::Hints().HintPause(), 800);
    ui::Hints().SetHintPause(100);
    globo.HintPauseTime(800);  // unchanged: not applied again
    EXPECT_EQ(ui::Hints().HintPause(), 100);
}

TEST(VelHint, InstallsTheBalloonForGoodAndLeavesHintsOnOrOffAsTheyWere) {
    ui::Hints().SetHintWindowClass<ui::HintWindow>();
    ui::Hints().SetShowHint(false);
    ui::Hints().SetShowHint(true);
    EXPECT_EQ(Globo(), nullptr);
    {
        TVelHint globo(&Forma());
        EXPECT_TRUE(ui::Hints().ShowHint());
        ASSERT_NE(Globo(), nullptr);
        EXPECT_EQ(Globo()->CanvasFont(), globo.HintFont());
    }
    // Without a component the balloon stays, and shows with the default look.
    ASSERT_EQ(ui::Component::FindFirst<TVelHint>(&Forma()), nullptr);
    ASSERT_NE(Globo(), nullptr);
    EXPECT_EQ(Activar(POINT{640, 512}).Direccion(), hdUpRight);
    Globo()->ReleaseHint();

    ui::Hints().SetHintWindowClass<ui::HintWindow>();
    ui::Hints().SetShowHint(false);
    {
        TVelHint globo(&Forma());
        EXPECT_FALSE(ui::Hints().ShowHint());
        EXPECT_EQ(ui::Hints().Window(), nullptr);
    }
    ui::Hints().SetShowHint(true);
    EXPECT_NE(Globo(), nullptr);
}

TEST(VelHint, AFontWriteOrAFontChangeMakesTheWindowAnewWithHintFont) {
    TVelHint globo(&Forma());
    const ui::Font grande{L"Arial", 24, ui::Bold | ui::Italic, RGB(200, 0, 0)};
    Globo()->SetCaption(L"la de antes");
    globo.HintFont(grande);
    EXPECT_EQ(globo.HintFont(), grande);
    EXPECT_EQ(Globo()->CanvasFont(), grande);
    EXPECT_EQ(Globo()->Caption(), L"");

    Globo()->SetCanvasFont(ui::Font{});
    Globo()->SetCaption(L"la de antes");
    globo.FontChanged();
    EXPECT_EQ(Globo()->CanvasFont(), grande);
    EXPECT_EQ(Globo()->Caption(), L"");
}

namespace {
class Activacion : public testing::Test {
protected:
    void TearDown() override { Globo()->ReleaseHint(); }
    FormaPrueba& f = Forma();
    TVelHint globo{&f};
};
}  // namespace

TEST_F(Activacion, ATextOf100By13Gives132By35AboveAnd132By44Below) {
    TNewHint& arriba = Activar(POINT{640, 512});
    EXPECT_EQ(arriba.Direccion(), hdUpRight);
    EXPECT_EQ(arriba.BoundsRect(), Rect(640, 472, 132, 35));
    // Near the top-left corner there is no room above: below, 15 under the cursor.
    TNewHint& abajo = Activar(POINT{5, 5});
    EXPECT_EQ(abajo.Direccion(), hdDownRight);
    EXPECT_EQ(abajo.BoundsRect(), Rect(5, 20, 132, 44));
    // A text wider than the screen starts at its left edge and runs off its right one.
    EXPECT_EQ(Activar(POINT{640, 512}, SIZE{1400, 15}).BoundsRect(), Rect(0, 472, 1426, 35));
}

TEST_F(Activacion, TheHandlerChoosesTheDirectionForOneControlAndTheComponentKeepsItsOwn) {
    std::vector<ui::Control*> vistos;
    globo.OnSelectHintDirection = [&](ui::Control* control, THintDirection& d) {
        vistos.push_back(control);
        EXPECT_EQ(d, hdUpRight);
        if (control == &f.Boton) d = hdDownLeft;
    };
    const POINT boton = f.Centro(f.Boton);
    TNewHint& ventana = Activar(boton);
    EXPECT_EQ(ventana.Direccion(), hdDownLeft);
    EXPECT_EQ(ventana.BoundsRect(), Rect(boton.x + 6 - 122, boton.y + 15, 132, 44));
    EXPECT_EQ(globo.HintDirection(), hdUpRight);

    EXPECT_EQ(Activar(f.Centro(f.Dibujo)).Direccion(), hdUpRight);
    Activar(f.Centro(f.Apagado));  // disabled controls are handed over too
    Activar(f.Centro(f.Etiqueta));
    EXPECT_EQ(vistos, (std::vector<ui::Control*>{&f.Boton, &f.Dibujo, &f.Apagado, &f.Etiqueta}));

    // A direction written to the component is the one preferred from the next hint on.
    globo.OnSelectHintDirection = nullptr;
    globo.HintDirection(hdDownRight);
    EXPECT_EQ(Activar(f.Centro(f.Dibujo)).Direccion(), hdDownRight);
}

TEST_F(Activacion, TheHintTextIsMeasuredInHintFontAndTheBalloonGrowsWithIt) {
    const ui::Font grande{L"Arial", 24, ui::Bold, RGB(0, 0, 255)};
    globo.HintFont(grande);
    MoverA(f.Centro(f.Boton));
    ASSERT_TRUE(EsperarQue([] { return ui::Hints().HintShowing(); }, 5000));
    const SIZE texto = ui::MeasureText(L"Pulse el botón", grande, GetSystemMetrics(SM_CXSCREEN));
    const RECT r = Globo()->BoundsRect();
    EXPECT_EQ(r.right - r.left, texto.cx + 6 + 26);
    EXPECT_EQ(r.bottom - r.top, texto.cy + 2 + 20);
    MoverA(f.Centro(f.SinPista));
}
