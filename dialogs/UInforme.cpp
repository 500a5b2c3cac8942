#include "dialogs/UInforme.h"

#include <algorithm>
#include <memory>

#include "dialogs/Umensajes.h"
#include "ui/Application.h"
#include "ui/Memo.h"
#include "ui/TabOrder.h"

using namespace ui;

TFInforme* FInforme = nullptr;

namespace {
// Room the list box leaves around its text: the system draws each row a little inside.
constexpr int kHolgura = 6;
}  // namespace

std::wstring TextoLinea(const LineaInforme& linea) {
    return linea.motivo.empty() ? linea.ruta : linea.ruta + L": " + linea.motivo;
}

ListaLineas::ListaLineas(WinControl* parent)
    : ListBox(parent, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0) {}

TFInforme::TFInforme() {
    Caption(kEncabezadoInforme);  // not drawn, the window has no title bar; read out by screen readers
    Border(BorderStyle::None);
    StayOnTop(true);
    ClientSize(517, 301);  // replaced by the size the lines need; placed when shown

    const ui::Font texto{L"MS Sans Serif", 11, Regular, colors::Navy};
    PanelBorde.AlignClient().BevelInner(BevelKind::Lowered).BorderWidth(AnchoBorde).Color(colors::Blue);
    PanelInterior.AlignClient().BevelOuter(BevelKind::None).Color(colors::White).Font(texto);
    lblCaption.Bounds(220, 8).Font({L"Courier New", 16, Bold | Underline, colors::Navy}).Caption(App().Title());
    Imagen.Bounds(16, 16, 41, 45).Picture(L"AVISO");
    lblTexto.Bounds(68, 36).Font(texto).Caption(L"\r" + std::wstring(kEncabezadoInforme));
    ListBoxLineas.Bounds(68, 62, 385, 100).Font(texto).Color(colors::White);
    PanelRespuesta.Bounds(206, 224, 105, 37).BevelOuter(BevelKind::None).Color(colors::White).Font(texto);
    btnAceptar.Bounds(4, 4, 97, 29).Font(texto).Caption(L"Aceptar").Default(true).Cancel(true).ModalResult(mrOk);
    SetTabOrder({&PanelRespuesta, &ListBoxLineas});  // Aceptar first, then the lines to scroll

    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
}

void TFInforme::FormCreate() {
    btnAceptar.Cursor(100);
}

void TFInforme::FormShow() {
    btnAceptar.SetFocus();
    SetBounds(area_.left + (area_.right - area_.left - Width()) / 2,
              area_.top + (area_.bottom - area_.top - Height()) / 2, Width(), Height());
}

void TFInforme::Ajustar(const std::vector<std::wstring>& lineas, const RECT& area) {
    area_ = area;
    const int margenes = 2 * AnchoBorde + 2 * lblTexto.Left();
    const int barra = GetSystemMetrics(SM_CXVSCROLL);

    // Each line as wide as it is, up to what the area leaves beside the margins and a scroll
    // bar; a wider line goes on in the rows below it, broken as the confirmation breaks its text.
    std::vector<std::wstring> filas;
    {
        win::WindowDC dc(ListBoxLineas.Handle());
        win::SelectGuard font(dc.get(), ListBoxLineas.FontHandle());
        const int cabe = std::max(static_cast<int>(area.right - area.left) - margenes - barra - kHolgura, 1);
        int ancho = 0;
        for (const auto& linea : lineas) {
            for (auto& fila : WrapLines(dc.get(), linea, cabe)) {
                SIZE s{};
                GetTextExtentPoint32W(dc.get(), fila.c_str(), static_cast<int>(fila.size()), &s);
                ancho = std::max(ancho, static_cast<int>(s.cx));
                filas.push_back(std::move(fila));
            }
        }
        ListBoxLineas.Items(filas);
        ListBoxLineas.Bounds(lblTexto.Left(), lblTexto.Top() + lblTexto.Height(), ancho + kHolgura);
    }

    // As many rows as the area holds once the heading, the buttons and the margins are in;
    // the rest scroll.
    const int alto = static_cast<int>(SendMessageW(ListBoxLineas.Handle(), LB_GETITEMHEIGHT, 0, 0));
    const int fijo = ListBoxLineas.Top() + 2 * PanelRespuesta.Height() + 2 * AnchoBorde + lblTexto.Top();
    const int caben = std::max((static_cast<int>(area.bottom - area.top) - fijo) / std::max(alto, 1), 1);
    const int visibles = std::min(static_cast<int>(filas.size()), caben);
    const bool desplaza = static_cast<int>(filas.size()) > visibles;
    ListBoxLineas.Bounds(ListBoxLineas.Left(), ListBoxLineas.Top(), ListBoxLineas.Width() + (desplaza ? barra : 0),
                         visibles * alto);

    AjustarAlContenido(*this, lblCaption, lblTexto, PanelRespuesta, std::max(lblTexto.Width(), ListBoxLineas.Width()),
                       ListBoxLineas.Top() + ListBoxLineas.Height());
}

void MostrarInforme(const std::vector<LineaInforme>& lineas) {
    if (lineas.empty()) return;
    std::vector<std::wstring> textos;
    for (const auto& linea : lineas) textos.push_back(TextoLinea(linea));
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        area = RECT{0, 0, App().Screen().Width(), App().Screen().Height()};

    TFInforme* const anterior = FInforme;
    auto ventana = std::make_unique<TFInforme>();
    TFInforme& d = *ventana;
    FInforme = &d;
    d.DoCreate();
    d.Ajustar(textos, area);
    d.ShowModal();
    ventana.reset();
    FInforme = anterior;
}
