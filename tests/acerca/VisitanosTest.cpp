// The visit window driven through its real window: its banners by tick, its timer, and the
// web site it opens however it is closed.
#include "acerca/Ventanas.h"
#include "dialogs/Creditos.h"
#include "dialogs/UVisitanos.h"

using namespace prueba;

namespace {

class Visitanos : public PunteroApartado {
protected:
    void SetUp() override {
        PunteroApartado::SetUp();
        ventana.DoCreate();
    }
    const ui::Image& Marco(int n) const {
        const ui::Image* marcos[] = {&ventana.Image1, &ventana.Image2, &ventana.Image3,
                                     &ventana.Image4, &ventana.Image5, &ventana.Image6};
        return *marcos[n - 1];
    }
    // The number of the banner frame the display picture shows, 0 for none of them.
    int MarcoMostrado() const {
        const auto mostrado = Pixeles(ventana.Image.Picture());
        for (int n = 1; n <= 6; ++n)
            if (Pixeles(Marco(n).Picture()) == mostrado) return n;
        return 0;
    }
    void Tic() { SendMessageW(ventana.Timer1.Handle(), WM_TIMER, 1, 0); }

    RegistroDirecciones abiertas;
    TFVisitanos ventana;
    const Peticion webMaximizada{nullptr, kWeb, SW_SHOWMAXIMIZED};
};

}  // namespace

TEST_F(Visitanos, TheSixBannersDifferAndTheFirstIsShownUntilTheWindowIs) {
    for (int a = 1; a <= 6; ++a)
        for (int b = a + 1; b <= 6; ++b) EXPECT_NE(Pixeles(Marco(a).Picture()), Pixeles(Marco(b).Picture()));
    EXPECT_EQ(Marco(1).Picture().Width(), 500);
    EXPECT_EQ(Marco(1).Picture().Height(), 78);
    EXPECT_EQ(ventana.ImagenActual, 1);
    EXPECT_EQ(MarcoMostrado(), 1);
    EXPECT_FALSE(ventana.Timer1.Enabled());
    Esperar([] { return false; }, 1300);  // more than a second: no tick while hidden
    EXPECT_EQ(MarcoMostrado(), 1);
}

TEST_F(Visitanos, EachTickShowsTheNextBannerAfterTheSixthTheFirstAndEnterClosesOpeningTheSite) {
    std::vector<int> vistos;
    const int resultado = MostrarModal(ventana, [&] {
        EXPECT_TRUE(ventana.Timer1.Enabled());
        EXPECT_EQ(ventana.Timer1.Interval(), 1000u);
        ventana.Timer1.Interval(3600 * 1000);  // only the ticks sent here
        for (int i = 0; i < 8; ++i) {
            Tic();
            EXPECT_EQ(MarcoMostrado(), ventana.ImagenActual);
            vistos.push_back(ventana.ImagenActual);
        }
        EXPECT_TRUE(abiertas.Peticiones.empty());
        PulsarTecla(VK_RETURN);
    });
    EXPECT_EQ(vistos, (std::vector<int>{2, 3, 4, 5, 6, 1, 2, 3}));
    EXPECT_EQ(resultado, ui::mrOk);
    EXPECT_FALSE(IsWindowVisible(ventana.Handle()));
    EXPECT_FALSE(ventana.Timer1.Enabled());
    EXPECT_EQ(abiertas.Peticiones, std::vector<Peticion>{webMaximizada});
}

TEST_F(Visitanos, TheTimerStartsWhenTheWindowIsShown) {
    MostrarModal(ventana, [&] {
        EXPECT_TRUE(Esperar([&] { return ventana.ImagenActual == 2; }));
        EXPECT_EQ(MarcoMostrado(), 2);
        ventana.BitBtn1.Click();
    });
    EXPECT_EQ(abiertas.Peticiones, std::vector<Peticion>{webMaximizada});
}

TEST_F(Visitanos, AnyOtherCloseRequestAlsoStopsTheTimerAndOpensTheSite) {
    const int resultado = MostrarModal(ventana, [&] {
        PostMessageW(ventana.Handle(), WM_CLOSE, 0, 0);
        ui::App().ProcessMessages();
    });
    EXPECT_EQ(resultado, ui::mrCancel);
    EXPECT_FALSE(ventana.Timer1.Enabled());
    EXPECT_FALSE(IsWindowVisible(ventana.Handle()));
    EXPECT_EQ(abiertas.Peticiones, std::vector<Peticion>{webMaximizada});
    // A tick already on its way when the window closed changes nothing.
    Tic();
    EXPECT_EQ(ventana.ImagenActual, 1);
}
