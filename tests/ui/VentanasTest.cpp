// The window plumbing all the toolkit's windows share: which control lies under a point of
// the screen, and how a window and its object part.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "support/Respuesta.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/HitTest.h"
#include "ui/Timer.h"

namespace {

ULONGLONG Ahora() { return GetTickCount64(); }

void Bombear(int ms) {
    for (const ULONGLONG fin = Ahora() + static_cast<ULONGLONG>(ms); Ahora() < fin; Sleep(2)) ui::App().ProcessMessages();
}

// A form at a known place of the screen with, from back to front: a panel holding an
// enabled and a disabled label, an enabled button and a disabled one.
class Punteria : public testing::Test {
protected:
    void SetUp() override {
        form.Border(ui::BorderStyle::None).ClientSize(300, 200).Bounds(100, 100);
        panel.Bounds(10, 10, 150, 100);
        etiqueta.Bounds(10, 10, 50, 20).Caption(L"activa");
        apagada.Bounds(80, 10, 50, 20).Caption(L"apagada").Enabled(false);
        boton.Bounds(180, 10, 80, 30).Caption(L"Botón");
        inerte.Bounds(180, 60, 80, 30).Caption(L"Inerte").Enabled(false);
        form.Show();
        Bombear(50);
    }
    void TearDown() override { form.Hide(); }
    // A point of the form's client area on the screen.
    static POINT En(int x, int y) { return POINT{100 + x, 100 + y}; }

    ui::Form form;
    ui::Panel panel{&form};
    ui::Label etiqueta{&panel};
    ui::Label apagada{&panel};
    ui::BitBtn boton{&form};
    ui::BitBtn inerte{&form};
};

TEST_F(Punteria, LosDesactivadosSeHallanParaLasPistasYLosAtraviesaElArrastre) {
    struct Caso {
        const char* que;
        POINT punto;
        ui::Control* conDesactivados;
        ui::Control* sinDesactivados;
    };
    const Caso casos[] = {
        {"enabled label", En(30, 25), &etiqueta, &etiqueta},
        {"disabled label", En(100, 25), &apagada, &panel},
        {"panel", En(80, 90), &panel, &panel},
        {"enabled button", En(200, 20), &boton, &boton},
        {"disabled button", En(200, 70), &inerte, &form},
        {"form", En(280, 180), &form, &form},
        {"off the form", En(-50, 50), nullptr, nullptr},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.que);
        EXPECT_EQ(ui::ControlAtPos(caso.punto, true), caso.conDesactivados);
        EXPECT_EQ(ui::ControlAtPos(caso.punto, false), caso.sinDesactivados);
    }
}

TEST_F(Punteria, UnPuntoEnLasCoordenadasDeCadaControl) {
    const POINT p = En(35, 27);
    EXPECT_EQ(ui::ScreenToControl(etiqueta, p).x, 15);  // panel at 10, label at 10 in it
    EXPECT_EQ(ui::ScreenToControl(etiqueta, p).y, 7);
    EXPECT_EQ(ui::ScreenToControl(panel, p).x, 25);
    EXPECT_EQ(ui::ScreenToControl(form, p).y, 27);
}

TEST(Ventana, UnaVentanaDestruidaDesdeFueraSueltaASuObjeto) {
    ui::Form form;
    ui::Panel panel{&form};
    const HWND ventana = panel.Handle();
    ASSERT_EQ(ui::WinControl::FromHandle(ventana), &panel);
    DestroyWindow(ventana);
    EXPECT_EQ(panel.Handle(), nullptr);
    EXPECT_EQ(ui::WinControl::FromHandle(ventana), nullptr);
}

// An error escaping a handler run by a window's message ends in the error box, whichever
// kind of window ran it, and the program goes on.
TEST(Ventana, UnErrorEnUnManejadorSeMuestraYNoCruzaElSistema) {
    ui::Form form;
    form.OnClose = [](ui::CloseAction&) { throw std::runtime_error("cierre fallido"); };
    ui::Timer reloj;
    reloj.Interval(20).Enabled(false);
    reloj.OnTimer = [&reloj] {
        reloj.Enabled(false);
        throw std::runtime_error("tic fallido");
    };
    struct Caso {
        const char* que;
        std::function<void()> provocar;
    };
    const Caso casos[] = {
        {"form", [&] { SendMessageW(form.Handle(), WM_CLOSE, 0, 0); }},
        {"timer", [&] { reloj.Enabled(true); }},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.que);
        prueba::RespuestaAutomatica aceptar(ui::App().Title(), VK_RETURN, {}, L"#32770");
        caso.provocar();
        for (const ULONGLONG fin = Ahora() + 5000; !aceptar.Respondida() && Ahora() < fin; Sleep(2))
            ui::App().ProcessMessages();
        EXPECT_TRUE(aceptar.Respondida());
    }
}

}  // namespace
