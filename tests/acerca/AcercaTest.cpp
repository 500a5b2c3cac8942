// The about box driven through its real windows: the marquee, the hidden line, the links'
// colours and mouse capture, the button's looks, and what closes it.
#include <algorithm>
#include <atomic>
#include <thread>
#include <tuple>

#include "acerca/Ventanas.h"
#include "dialogs/Creditos.h"
#include "dialogs/FrmAcerca.h"

#include <mmsystem.h>

using namespace prueba;
using ui::colors::Red;
using ui::colors::White;

namespace {

const std::wstring kMarquesinaInicial = std::wstring(L"Programa realizado por ") + kAutor + std::wstring(18, L' ');
constexpr COLORREF kMorado = RGB(128, 0, 128);

std::wstring Rotado(std::wstring texto, size_t veces) {
    std::rotate(texto.begin(), texto.begin() + static_cast<std::ptrdiff_t>(veces % texto.size()), texto.end());
    return texto;
}

class Acerca : public PunteroApartado {
protected:
    void SetUp() override {
        PunteroApartado::SetUp();
        caja.DoCreate();
    }
    // From here on the marquee moves only with the ticks that Tic() sends.
    void SoloTicsManuales() { caja.Timer1.Interval(3600 * 1000); }
    void Tic() { SendMessageW(caja.Timer1.Handle(), WM_TIMER, 1, 0); }
    COLORREF Web() const { return caja.LabelMiWeb.Font().Color; }
    COLORREF Correo() const { return caja.LabelCorreo.Font().Color; }
    RECT ZonaMarquesina() const { return caja.Marquesina.BoundsRect(); }

    // What another thread saw while the marquee was clicked: the marquee painted otherwise
    // than before the click (empty if it never was), and whether the program still answered.
    struct Observado {
        std::vector<uint32_t> pintado;
        bool respondio = true;
    };
    Observado ClicEnMarquesina(UINT pulsa, UINT suelta, WPARAM teclas) {
        SoloTicsManuales();
        const HWND panel = caja.Panel1.Handle();
        UpdateWindow(panel);
        const auto antes = Captura(panel, ZonaMarquesina());
        Observado visto;
        std::atomic<bool> listo{false};
        std::thread observador([&] {
            const ULONGLONG fin = GetTickCount64() + 400;
            while (visto.pintado.empty() && GetTickCount64() < fin) {
                auto ahora = Captura(panel, ZonaMarquesina());
                if (ahora != antes) visto.pintado = std::move(ahora);
            }
            DWORD_PTR nada;
            visto.respondio = SendMessageTimeoutW(panel, WM_NULL, 0, 0, SMTO_NORMAL, 500, &nada) != 0;
            listo = true;
        });
        Raton(caja.Marquesina, pulsa, 10, 5, teclas);
        Raton(caja.Marquesina, suelta, 10, 5, teclas & (MK_CONTROL | MK_SHIFT));
        Esperar([&] { return listo.load(); }, 10000);
        observador.join();
        return visto;
    }

    TFAcerca caja;
};

}  // namespace

TEST_F(Acerca, TheLinksShowTheAddressesRightAlignedAndThePicturesFillThePanelInsideItsFrames) {
    EXPECT_EQ(caja.LabelMiWeb.Caption(), kWeb);
    EXPECT_EQ(caja.LabelCorreo.Caption(), kCorreo);
    // Each link grows to the left from where its right edge was laid out.
    EXPECT_EQ(caja.LabelMiWeb.Left() + caja.LabelMiWeb.Width(), 184 + 111);
    EXPECT_EQ(caja.LabelCorreo.Left() + caja.LabelCorreo.Width(), 172 + 123);
    EXPECT_GT(caja.LabelMiWeb.Left(), caja.Label2.Left() + caja.Label2.Width());
    EXPECT_GT(caja.LabelCorreo.Left(), caja.Label1.Left() + caja.Label1.Width());
    // Border, outer bevel 3, border width 5 and inner bevel 3 leave 372 x 280 at 11, 11.
    const RECT fondo = caja.Image1.BoundsRect();
    EXPECT_EQ(fondo.left, 11);
    EXPECT_EQ(fondo.top, 11);
    EXPECT_EQ(fondo.right - fondo.left, 372);
    EXPECT_EQ(fondo.bottom - fondo.top, 280);
    EXPECT_EQ(Pixeles(caja.Boton.Picture()), Pixeles(caja.ImgSin.Picture()));
    EXPECT_NE(Pixeles(caja.ImgSin.Picture()), Pixeles(caja.ImgCon.Picture()));
}

TEST_F(Acerca, EachTickMovesTheMarqueesFirstCharacterToItsEndAndTheCycleNeverResets) {
    SoloTicsManuales();
    ASSERT_EQ(caja.Marquesina.Caption(), kMarquesinaInicial);
    for (size_t n = 1; n <= 5; ++n) {
        Tic();
        EXPECT_EQ(caja.Marquesina.Caption(), Rotado(kMarquesinaInicial, n));
    }
    EXPECT_EQ(caja.Marquesina.Caption().substr(0, 5), L"ama r");
    for (size_t n = 6; n <= kMarquesinaInicial.size() + 3; ++n) Tic();
    EXPECT_EQ(caja.Marquesina.Caption(), Rotado(kMarquesinaInicial, 3));
}

TEST_F(Acerca, TheMarqueeRunsFromCreationEvenWhileTheBoxIsHidden) {
    ASSERT_FALSE(IsWindowVisible(caja.Handle()));
    EXPECT_EQ(caja.Timer1.Interval(), 200u);
    EXPECT_TRUE(Esperar([&] { return caja.Marquesina.Caption() != kMarquesinaInicial; }));
    EXPECT_EQ(caja.Marquesina.Caption(), Rotado(kMarquesinaInicial, 1));
}

TEST_F(Acerca, OnlyCtrlWithTheRightButtonShowsTheHiddenLine) {
    caja.Show();
    const std::wstring antes = caja.Marquesina.Caption();
    for (auto [pulsa, suelta, teclas] : {std::tuple{WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | MK_CONTROL},
                                         std::tuple{WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
                                         std::tuple{WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON | MK_CONTROL}}) {
        const Observado visto = ClicEnMarquesina(pulsa, suelta, teclas);
        EXPECT_TRUE(visto.pintado.empty()) << pulsa;
        EXPECT_TRUE(visto.respondio) << pulsa;
        EXPECT_EQ(caja.Marquesina.Caption(), antes);
    }
}

// While the hidden line is up the program handles nothing; the line was painted, and the
// marquee's own text comes back afterwards.
TEST_F(Acerca, CtrlWithARightClickPaintsTheHiddenLineStallsTheProgramAndPutsTheTextBack) {
    caja.Show();
    for (int i = 0; i < 7; ++i) Tic();
    const std::wstring antes = caja.Marquesina.Caption();

    const Observado visto = ClicEnMarquesina(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON | MK_CONTROL);
    EXPECT_FALSE(visto.respondio);
    EXPECT_EQ(caja.Marquesina.Caption(), antes);
    // What was painted meanwhile is the hidden line, as the marquee paints it.
    caja.Marquesina.Caption(kLineaOculta);
    UpdateWindow(caja.Panel1.Handle());
    EXPECT_FALSE(visto.pintado.empty());
    EXPECT_EQ(visto.pintado, Captura(caja.Panel1.Handle(), ZonaMarquesina()));
}

TEST_F(Acerca, ALinkIsWhiteAndHoldsTheMouseOnlyWhileThePointerIsStrictlyInsideIt) {
    caja.Show();
    auto& web = caja.LabelMiWeb;
    const HWND panel = caja.Panel1.Handle();
    const int w = web.Width(), h = web.Height();
    ASSERT_EQ(Web(), Red);

    Raton(web, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(Web(), White);
    EXPECT_EQ(GetCapture(), panel);
    EXPECT_EQ(caja.Panel1.MouseCaptureControl(), &web);

    // Held, the link sees the move that leaves it, wherever the pointer goes.
    Raton(web, WM_MOUSEMOVE, w + 40, h + 30);
    EXPECT_EQ(Web(), Red);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(caja.Panel1.MouseCaptureControl(), nullptr);

    // The left and top edges count as outside; the last pixel inside counts as inside.
    for (POINT borde : {POINT{0, 5}, POINT{5, 0}, POINT{0, 0}}) {
        Raton(web, WM_MOUSEMOVE, 5, 5);
        ASSERT_EQ(Web(), White);
        Raton(web, WM_MOUSEMOVE, borde.x, borde.y);
        EXPECT_EQ(Web(), Red) << borde.x << "," << borde.y;
        EXPECT_EQ(GetCapture(), nullptr);
    }
    Raton(web, WM_MOUSEMOVE, w - 1, h - 1);
    EXPECT_EQ(Web(), White);

    // Moving straight from one link onto the other: the first lets go, the second takes over.
    Raton(caja.LabelCorreo, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(Web(), Red);
    Raton(caja.LabelCorreo, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(Correo(), White);
    EXPECT_EQ(caja.Panel1.MouseCaptureControl(), &caja.LabelCorreo);
}

TEST_F(Acerca, PressingTheMailLinkShowsTheWebLinkPressedAndAClickOpensAMessage) {
    RegistroDirecciones abiertas;
    caja.Show();
    auto& correo = caja.LabelCorreo;
    Raton(correo, WM_MOUSEMOVE, 6, 6);
    ASSERT_EQ(Correo(), White);

    Raton(correo, WM_LBUTTONDOWN, 6, 6, MK_LBUTTON);
    EXPECT_EQ(Web(), kMorado);
    EXPECT_EQ(Correo(), White);
    EXPECT_EQ(caja.ColorGuardado, Red);
    EXPECT_TRUE(abiertas.Peticiones.empty());

    Raton(correo, WM_LBUTTONUP, 6, 6);
    EXPECT_EQ(Web(), Red);
    EXPECT_EQ(abiertas.Peticiones,
              (std::vector<Peticion>{{nullptr, L"Mailto:" + std::wstring(kCorreo) + L"?Subject=Dovrana", SW_SHOWNORMAL}}));
    // Red although the pointer is still on it, until the pointer moves again.
    EXPECT_EQ(Correo(), Red);
    Raton(correo, WM_MOUSEMOVE, 7, 6);
    EXPECT_EQ(Correo(), White);
}

TEST_F(Acerca, AClickOnTheWebLinkOpensTheSiteOwnedByTheApplicationAndOtherButtonsDoNothing) {
    RegistroDirecciones abiertas;
    caja.Show();
    auto& web = caja.LabelMiWeb;
    Raton(web, WM_MOUSEMOVE, 6, 6);

    Raton(web, WM_RBUTTONDOWN, 6, 6, MK_RBUTTON);
    EXPECT_EQ(Web(), White);
    Raton(web, WM_RBUTTONUP, 6, 6);
    EXPECT_EQ(Web(), White);
    EXPECT_TRUE(abiertas.Peticiones.empty());

    Raton(web, WM_LBUTTONDOWN, 6, 6, MK_LBUTTON);
    EXPECT_EQ(caja.ColorGuardado, White);
    EXPECT_EQ(Web(), kMorado);
    Raton(web, WM_LBUTTONUP, 6, 6);
    EXPECT_EQ(Web(), White);
    EXPECT_EQ(abiertas.Peticiones, (std::vector<Peticion>{{ui::App().Handle(), kWeb, SW_SHOWNORMAL}}));

    // A press that leaves the link before the release opens nothing.
    Raton(web, WM_LBUTTONDOWN, 6, 6, MK_LBUTTON);
    Raton(web, WM_LBUTTONUP, web.Width() + 20, 6);
    EXPECT_EQ(abiertas.Peticiones.size(), 1u);
}

TEST_F(Acerca, TheButtonLightsUpUnderThePointerAndGoesDarkOnItsPanel) {
    caja.Show();
    Raton(caja.Boton, WM_MOUSEMOVE, 50, 20);
    EXPECT_EQ(Pixeles(caja.Boton.Picture()), Pixeles(caja.ImgCon.Picture()));
    Raton(caja.PanelBoton, WM_MOUSEMOVE, 10, 10);
    EXPECT_EQ(Pixeles(caja.Boton.Picture()), Pixeles(caja.ImgSin.Picture()));
}

TEST_F(Acerca, CharacterKeysCloseTheBoxButArrowFunctionAndShiftKeysDoNot) {
    for (UINT cierra : {UINT{'A'}, UINT{VK_SPACE}, UINT{VK_ESCAPE}, UINT{VK_RETURN}, UINT{VK_TAB}}) {
        bool siguioAbierta = false;
        const int resultado = MostrarModal(caja, [&] {
            ASSERT_EQ(GetFocus(), caja.Handle());
            for (UINT tecla : {VK_LEFT, VK_DOWN, VK_F1, VK_F5, VK_SHIFT, VK_CONTROL}) PulsarTecla(tecla);
            siguioAbierta = caja.ModalResult == ui::mrNone && IsWindowVisible(caja.Handle());
            PulsarTecla(cierra);
        });
        EXPECT_TRUE(siguioAbierta) << cierra;
        EXPECT_EQ(resultado, ui::mrCancel) << cierra;
        EXPECT_FALSE(IsWindowVisible(caja.Handle()));
    }
}

TEST_F(Acerca, ALinkHoldingTheMouseLetsGoWhenTheBoxCloses) {
    for (UINT cierra : {UINT{'X'}, UINT{VK_TAB}}) {
        const int resultado = MostrarModal(caja, [&] {
            Raton(caja.LabelMiWeb, WM_MOUSEMOVE, 5, 5);
            ASSERT_EQ(GetCapture(), caja.Panel1.Handle());
            PulsarTecla(cierra);
        });
        EXPECT_EQ(resultado, ui::mrCancel);
        EXPECT_EQ(GetCapture(), nullptr) << "the hidden box still takes the mouse";
        EXPECT_EQ(caja.Panel1.MouseCaptureControl(), nullptr);
    }
}

TEST_F(Acerca, AClickOnTheButtonClosesTheBoxAndTheMarqueeCarriesOnBetweenShowings) {
    SoloTicsManuales();
    for (int i = 0; i < 4; ++i) Tic();
    const int resultado = MostrarModal(caja, [&] {
        Tic();
        Clic(caja.Boton, 50, 20);
    });
    EXPECT_EQ(resultado, ui::mrCancel);
    EXPECT_EQ(caja.Marquesina.Caption(), Rotado(kMarquesinaInicial, 5));
}

TEST(ReproducirSonido, TheThreeSoundsAreWaveImagesAndAMissingNamePlaysNothing) {
    for (const wchar_t* nombre : {L"ACERCA", L"SI", L"NO"}) {
        HRSRC recurso = FindResourceW(ui::App().Instance(), nombre, RT_RCDATA);
        ASSERT_NE(recurso, nullptr) << nombre;
        const auto* datos = static_cast<const char*>(LockResource(LoadResource(ui::App().Instance(), recurso)));
        ASSERT_GT(SizeofResource(ui::App().Instance(), recurso), 44u);
        EXPECT_EQ(std::string(datos, 4), "RIFF");
        EXPECT_EQ(std::string(datos + 8, 4), "WAVE");
        EXPECT_TRUE(ReproducirSonido(nombre));
    }
    EXPECT_FALSE(ReproducirSonido(L"NOEXISTE"));
    PlaySoundW(nullptr, nullptr, 0);
}
