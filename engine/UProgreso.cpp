#include "engine/UProgreso.h"

#include <map>

#include "dialogs/Umensajes.h"
#include "engine/AcortarRuta.h"
#include "engine/ShredOptions.h"
#include "engine/Trituracion.h"

using namespace ui;

TFProgreso* FProgreso = nullptr;

TFProgreso::TFProgreso() {
    Caption(L"Trituradora");
    Border(BorderStyle::Single, 0);
    ClientSize(416, 258);
    Position(FormPosition::ScreenCenter);
    // However fast the passes go, the bars and labels are painted at most 15 times a second:
    // smooth to the eye, where over many small files painting 30 times a second cost about a
    // tenth of the time per file here.
    FrameRate(15);

    Panel1.AlignClient().BevelInner(BevelKind::Lowered).BorderWidth(5).Color(colors::Silver).Cursor(crHourGlass);
    PaintBox1.AlignClient();
    PaintBox1.OnPaint = [this](Canvas& c) { PaintBox1Paint(c); };

    const ui::Font navyBold{L"MS Sans Serif", 11, Bold, colors::Navy};
    const ui::Font blue{L"MS Sans Serif", 11, Regular, colors::Blue};
    Label1.Bounds(40, 16).Font({L"Arial Black", 32, Italic | Underline, colors::Navy}).Caption(L"Triturando datos...");
    Label2.Bounds(24, 64).Font(navyBold).Caption(L"Triturando carpeta:");
    LabelCarpeta.AutoSize(false).Bounds(24, 80, 369, 13).Font(blue);
    Label3.Bounds(24, 96).Font(navyBold).Caption(L"Triturando archivo:");
    LabelArchivo.AutoSize(false).Bounds(27, 112, 366, 13).Font(blue);
    Label4.Bounds(24, 128).Font(navyBold).Caption(L"Pasada nº :");
    LabelNpasada.Bounds(104, 128).Caption(L"0");
    Progreso.Bounds(23, 148, 371, 17);
    LabelProgresoTotal.Bounds(24, 168).Caption(L"Progreso total:");
    LabelNArchivos.Bounds(120, 168).Caption(L"0");
    ProgresoTotal.Bounds(24, 184, 369, 9);
    BitBtnCancelar.Bounds(134, 200, 150, 41)
        .Font({L"Arial", 24, Bold | Italic, colors::Navy})
        .Caption(L"Cancelar")
        .Glyph(L"CANCELAR")
        .Cancel(true);

    BitBtnCancelar.OnClick = [this] { BitBtnCancelarClick(); };
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
}

void TFProgreso::FormShow() {
    Progreso.Position(0);
    ProgresoTotal.Position(0);
    LabelNArchivos.Caption(L"0");
    LabelCarpeta.Caption(L"");
    LabelArchivo.Caption(L"");
    LabelNpasada.Caption(L"0");
    Cancelado = false;
    Tag = 0;
}

void TFProgreso::Totales(uint64_t kb, uint64_t archivos) {
    LabelProgresoTotal.Caption(L"Tamaño total: " + std::to_wstring(kb) + L" Kb.  Archivo nº ");
    // The counter follows the size text directly.
    LabelNArchivos.Bounds(LabelProgresoTotal.Left() + LabelProgresoTotal.Width(), LabelNArchivos.Top());
    ProgresoTotal.Max(archivos > INT32_MAX ? INT32_MAX : static_cast<int>(archivos));
    LabelNArchivos.Caption(L"0 de " + std::to_wstring(archivos));
    // A single file shows no overall progress.
    const bool varios = archivos > 1;
    LabelProgresoTotal.Visible(varios);
    ProgresoTotal.Visible(varios);
    LabelNArchivos.Visible(varios);
}

void TFProgreso::Carpeta(const std::wstring& ruta) {
    LabelCarpeta.Caption(AcortarRuta(ruta, LabelCarpeta.FontHandle(), LabelCarpeta.Width()));
}

void TFProgreso::ArchivoContado() {
    ProgresoTotal.Position(ProgresoTotal.Position() + 1);
    LabelNArchivos.Caption(std::to_wstring(ProgresoTotal.Position()) + L" de " + std::to_wstring(ProgresoTotal.Max()));
}

void TFProgreso::Archivo(const std::wstring& ruta) {
    LabelArchivo.Caption(AcortarRuta(ruta, LabelArchivo.FontHandle(), LabelArchivo.Width()));
}

void TFProgreso::BitBtnCancelarClick() { Cancelado = true; }

void TFProgreso::PaintBox1Paint(Canvas& canvas) { canvas.Tile(marmol, PaintBox1.Width(), PaintBox1.Height()); }

void TFProgreso::FormCreate() {
    BitBtnCancelar.Cursor(100);
    const auto& argumentos = App().Arguments();
    if (argumentos.empty()) return;  // the interactive route

    App().ShowMainForm = false;
    std::vector<std::wstring> lista(argumentos.begin(), argumentos.end());
    if (MostrarMensaje(TextoConfirmacion(lista)) == 1) {
        Show();
        InformeRun informe;
        TriturarLista(*this, lista, PasadasSeleccionadas(), &informe);
        Hide();
        MostrarInforme(LineasInforme(lista, informe));
    }
    App().Terminate();
}

std::vector<LineaInforme> LineasInforme(const std::vector<std::wstring>& quedan, const InformeRun& informe) {
    std::map<std::wstring, const Fallo*> motivos;
    for (const auto& n : informe) motivos.emplace(n.ruta, &n.fallo);
    std::vector<LineaInforme> lineas;
    for (const auto& ruta : quedan) {
        const auto it = motivos.find(ruta);
        lineas.push_back({ruta, it == motivos.end() ? std::wstring() : TextoFallo(*it->second)});
    }
    return lineas;
}
