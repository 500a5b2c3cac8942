// When hints show and go: the real balloon window over a real window, the cursor moved as
// the mouse moves it, and the application's own message handling in between.
#include <gtest/gtest.h>

#include "globos/Apoyo.h"
#include "ui/Application.h"

using namespace prueba;

namespace {
bool Visible() { return ui::Hints().HintShowing(); }
bool Oculto() { return !ui::Hints().HintShowing(); }
std::wstring Texto() { return ui::Hints().Window() ? ui::Hints().Window()->Caption() : L""; }

// Stays false for ms milliseconds while messages are handled.
bool SigueOculto(int ms) { return !EsperarQue(Visible, ms); }

class Ciclo : public testing::Test {
protected:
    void SetUp() override {
        MoverA(f.Centro(f.SinPista));
        ui::Hints().CancelHint();
        Bombear(50);
    }
    void TearDown() override {
        MoverA(f.Centro(f.SinPista));
        ui::Hints().CancelHint();
    }
    // Rests the cursor on a control until its hint shows; the milliseconds it took.
    int Reposar(const ui::Control& c) {
        MoverA(f.Centro(c));
        const ULONGLONG t0 = GetTickCount64();
        EXPECT_TRUE(EsperarQue(Visible, 5000));
        return static_cast<int>(GetTickCount64() - t0);
    }

    FormaPrueba& f = Forma();
    TVelHint globo{&f};
};
}  // namespace

TEST_F(Ciclo, AHintShowsAfterThePauseOfRestAndGoesAfter2500Milliseconds) {
    MoverA(f.Centro(f.Boton));
    const ULONGLONG t0 = GetTickCount64();
    EXPECT_TRUE(SigueOculto(450));
    ASSERT_TRUE(EsperarQue(Visible, 5000));
    const ULONGLONG mostrado = GetTickCount64();
    EXPECT_GE(mostrado - t0, 550u);
    EXPECT_EQ(Texto(), L"Pulse el botón");
    EXPECT_NE(dynamic_cast<TNewHint*>(ui::Hints().Window()), nullptr);

    EXPECT_FALSE(EsperarQue(Oculto, 2000));
    ASSERT_TRUE(EsperarQue(Oculto, 5000));
    EXPECT_GE(GetTickCount64() - mostrado, 2400u);
}

TEST_F(Ciclo, MovingOnTheControlPutsTheHintOffUntilTheCursorRests) {
    const POINT centro = f.Centro(f.Boton);
    MoverA(centro);
    for (int i = 1; i <= 4; ++i) {  // 4 moves 200 ms apart: no rest of 600 ms yet
        Bombear(200);
        MoverA(POINT{centro.x + 3 * i, centro.y});
        EXPECT_FALSE(Visible());
    }
    EXPECT_TRUE(SigueOculto(400));
    EXPECT_TRUE(EsperarQue(Visible, 5000));
}

TEST_F(Ciclo, LeavingTheControlHidesTheHintAndTheNextOneWaitsTheWholePause) {
    Reposar(f.Boton);
    MoverA(f.Centro(f.SinPista));  // a control without a hint
    EXPECT_TRUE(EsperarQue(Oculto, 2000));
    MoverA(f.Centro(f.Boton));
    EXPECT_TRUE(SigueOculto(450));
    EXPECT_TRUE(EsperarQue(Visible, 5000));

    // Off every window of the program, from a control painted by its window: the hint
    // still goes.
    MoverA(f.Centro(f.SinPista));
    Reposar(f.Dibujo);
    MoverA(POINT{50, 50});
    EXPECT_TRUE(EsperarQue(Oculto, 2000));
    EXPECT_TRUE(SigueOculto(1200));
}

TEST_F(Ciclo, WhileHintsAreActiveTheNextControlsHintFollowsAtOnce) {
    globo.HintPauseTime(3000);
    Reposar(f.Boton);
    MoverA(f.Centro(f.Dibujo));  // straight on to a control with a hint
    EXPECT_LT(Reposar(f.Dibujo), 1500);
    EXPECT_EQ(Texto(), L"Un dibujo");
}

TEST_F(Ciclo, AKeyAClickACommandOrAnotherActiveWindowHidesTheHint) {
    Reposar(f.Boton);
    PostMessageW(f.Boton.Handle(), WM_KEYDOWN, VK_SHIFT, 1);
    EXPECT_TRUE(EsperarQue(Oculto, 2000));

    MoverA(f.Centro(f.SinPista));
    Reposar(f.Dibujo);
    INPUT clic[2]{};
    clic[0].type = clic[1].type = INPUT_MOUSE;
    clic[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    clic[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, clic, sizeof(INPUT));
    EXPECT_TRUE(EsperarQue(Oculto, 2000));

    MoverA(f.Centro(f.SinPista));
    Reposar(f.Boton);
    SendMessageW(f.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(f.Boton.Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(f.Boton.Handle()));
    EXPECT_FALSE(Visible());

    MoverA(f.Centro(f.SinPista));
    Reposar(f.Boton);
    ui::Form otra;
    otra.Border(ui::BorderStyle::None).ClientSize(40, 40);
    otra.Show();
    SetActiveWindow(otra.Handle());
    EXPECT_TRUE(EsperarQue(Oculto, 2000));
    otra.Hide();
}

TEST_F(Ciclo, DisabledAndGraphicControlsShowHintsAndAControlWithoutOneShowsItsParents) {
    Reposar(f.Apagado);
    EXPECT_EQ(Texto(), L"Botón apagado");
    MoverA(f.Centro(f.SinPista));
    Reposar(f.Etiqueta);
    EXPECT_EQ(Texto(), L"El panel");
}
