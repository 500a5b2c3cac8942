// The balloon as the display shows it: the X server's own picture of the screen, taken
// before and while a balloon is shown, must differ exactly by the balloon drawn over what
// was there.
#include <gtest/gtest.h>

#include <vector>

#include "globos/Apoyo.h"
#include "support/Archivos.h"
#include "ui/Application.h"

using namespace prueba;

namespace {
// The whole screen as the X server has it, read with ImageMagick's import.
class Captura {
public:
    explicit Captura(const std::wstring& ruta) {
        const std::string destino = RutaUnix(ruta);
        const bool lanzada = EjecutarUnix(L"Z:\\bin\\sh", {"-c", "import -window root BMP3:'" + destino + ".tmp' && mv '" +
                                                                    destino + ".tmp' '" + destino + "'"});
        if (!lanzada || !EsperarQue([&] { return Existe(ruta); }, 20000)) return;
        win::UniqueBitmap imagen(static_cast<HBITMAP>(
            LoadImageW(nullptr, ruta.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
        BITMAP info{};
        if (!imagen || !GetObjectW(imagen.get(), sizeof info, &info)) return;
        ancho_ = info.bmWidth;
        alto_ = info.bmHeight;
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), ancho_, -alto_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        pixeles_.resize(static_cast<size_t>(ancho_) * alto_);
        win::WindowDC pantalla;
        GetDIBits(pantalla.get(), imagen.get(), 0, alto_, pixeles_.data(), &bi, DIB_RGB_COLORS);
    }
    bool Valida() const { return !pixeles_.empty(); }
    COLORREF operator()(int x, int y) const {
        const DWORD p = pixeles_[static_cast<size_t>(y) * ancho_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int ancho_ = 0, alto_ = 0;
    std::vector<DWORD> pixeles_;
};
}  // namespace

TEST(Pantalla, TheBalloonOnTheDisplayIsDrawnOverWhatTheScreenShowedBeforeAboveAndBelow) {
    CarpetaTemporal carpeta;
    FormaPrueba& f = Forma();
    TVelHint globo(&f);
    globo.HintPauseTime(60000);  // the hint rules stay out of the way
    TNewHint ventana;
    ventana.SetCanvasFont(globo.HintFont());
    const std::wstring texto = L"Pulse el botón";
    const POINT boton = f.Centro(f.Boton);
    struct Caso {
        THintDirection preferida;
        POINT cursor;
    };
    int n = 0;
    for (Caso caso : {Caso{hdUpRight, POINT{boton.x - 30, boton.y + 10}}, Caso{hdDownRight, POINT{boton.x - 30, boton.y - 8}}}) {
        SCOPED_TRACE(caso.preferida == hdUpRight ? "above" : "below");
        globo.HintDirection(caso.preferida);
        MoverA(caso.cursor);
        Bombear(200);
        const Captura antes(carpeta / (L"antes" + std::to_wstring(n) + L".bmp"));
        ventana.ActivateHint(ventana.CalcHintRect(GetSystemMetrics(SM_CXSCREEN), texto), texto);
        Bombear(200);
        const Captura durante(carpeta / (L"durante" + std::to_wstring(n++) + L".bmp"));
        const RECT r = ventana.BoundsRect();
        ventana.ReleaseHint();
        ASSERT_TRUE(antes.Valida() && durante.Valida());
        EXPECT_EQ(ventana.Direccion(), caso.preferida);

        const Lienzo esperado(SIZE{r.right - r.left, r.bottom - r.top}, ventana.Direccion(),
                              [&](int x, int y) { return antes(r.left + x, r.top + y); }, texto);
        int distintos = 0, fondo = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                if (durante(x, y) != esperado(x - r.left, y - r.top)) ++distintos;
                if (durante(x, y) == antes(x, y)) ++fondo;
            }
        EXPECT_EQ(distintos, 0);
        // The corners and the gaps between the shadow dots: a fair part of the window.
        EXPECT_GT(fondo, (r.right - r.left) * 8);
        const POINT esquina{r.left, r.top + (caso.preferida == hdUpRight ? 0 : 15)};  // of the body
        EXPECT_EQ(durante(esquina.x, esquina.y), antes(esquina.x, esquina.y));
    }
}
