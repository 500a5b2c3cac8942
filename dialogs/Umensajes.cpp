#include "dialogs/Umensajes.h"

#include <algorithm>
#include <memory>

#include "ui/Application.h"

using namespace ui;

TFMensajes* FMensajes = nullptr;

TFMensajes::TFMensajes() {
    Border(BorderStyle::None);
    StayOnTop(true);
    Position(FormPosition::ScreenCenter);
    ClientSize(517, 301);

    const ui::Font texto{L"MS Sans Serif", 11, Regular, colors::Navy};
    PanelBorde.AlignClient().BevelInner(BevelKind::Lowered).BorderWidth(AnchoBorde).Color(colors::Blue);
    PanelInterior.AlignClient().BevelOuter(BevelKind::None).Color(colors::White).Font(texto);
    lblCaption.Bounds(220, 8).Font({L"Courier New", 16, Bold | Underline, colors::Navy});
    Imagen.Bounds(16, 16, 41, 45);
    ImgConfirmation.Bounds(16, 16, 39, 40).Picture(L"CONFIRMACION").Visible(false);
    lblTexto.Bounds(68, 36).Font(texto);
    Memo.Bounds(76, 164, 385, 61).Font(texto).Visible(false);
    PanelRespuesta.Bounds(102, 224, 313, 37).BevelOuter(BevelKind::None).Color(colors::White).Font(texto).Visible(false);
    btnYes.Bounds(4, 4, 97, 29).Font(texto).Caption(L"&Si").Default(true).ModalResult(mrYes);
    btnNo.Bounds(108, 4, 97, 29).Font(texto).Caption(L"&No").Glyph(L"BOTONNO").ModalResult(mrNo);
    btnCancel.Bounds(212, 4, 97, 29).Font(texto).Caption(L"Cancelar").Cancel(true).ModalResult(mrCancel);

    btnYes.OnClick = [this] { btnYesClick(); };
    btnNo.OnClick = [this] { btnNoClick(); };
    btnCancel.OnClick = [this] { btnCancelClick(); };
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
}

void TFMensajes::FormCreate() {
    btnYes.Cursor(100);
    btnNo.Cursor(100);
    btnCancel.Cursor(100);
}

void TFMensajes::FormShow() {
    btnYes.SetFocus();
    SetBounds((App().Screen().Width() - Width()) / 2, (App().Screen().Height() - Height()) / 2, Width(), Height());
}

void TFMensajes::btnYesClick() { Tag = 1; }
void TFMensajes::btnNoClick() { Tag = 2; }
void TFMensajes::btnCancelClick() { Tag = 0; }

int MostrarMensaje(const std::wstring& texto) {
    // A fresh window for every question; the shared reference goes back to what it was
    // once this one is freed, so it never points at a window that is gone.
    TFMensajes* const anterior = FMensajes;
    auto ventana = std::make_unique<TFMensajes>();
    TFMensajes& d = *ventana;
    FMensajes = &d;
    d.DoCreate();

    d.PanelRespuesta.Visible(true);
    d.Imagen.Picture(d.ImgConfirmation.Picture());
    d.Caption(L"Confirmación");
    d.lblCaption.Caption(L"Confirmación");
    d.lblTexto.Caption(L"");

    // The memo breaks the text into the lines it would display; the label shows them one
    // under the other, after an empty first line.
    d.Memo.Text(texto);
    std::wstring lineas;
    for (const std::wstring& linea : d.Memo.Lines()) lineas += L'\r' + linea;
    d.lblTexto.Caption(lineas);

    AjustarAlContenido(d, d.lblCaption, d.lblTexto, d.PanelRespuesta, d.lblTexto.Width(),
                       d.lblTexto.Top() + d.lblTexto.Height());

    d.ShowModal();
    const int respuesta = d.Tag & 0xFF;

    ventana.reset();
    FMensajes = anterior;
    return respuesta;
}

void AjustarAlContenido(Form& ventana, Label& titulo, const Label& texto, Panel& respuesta, int ancho, int fondo) {
    ventana.ClientSize(std::max(ancho, respuesta.Width()) + 2 * TFMensajes::AnchoBorde + 2 * texto.Left(),
                       ventana.ClientHeight());
    respuesta.Bounds((ventana.ClientWidth() - respuesta.Width()) / 2, fondo + respuesta.Height());
    ventana.ClientSize(ventana.ClientWidth(),
                       respuesta.Top() + respuesta.Height() + 2 * TFMensajes::AnchoBorde + texto.Top());
    titulo.Bounds((ventana.ClientWidth() - titulo.Width()) / 2, titulo.Top());
}

std::wstring TextoConfirmacion(const std::vector<std::wstring>& rutas) {
    std::wstring texto = L"Va a triturar de forma definitiva:\r\n";
    for (const auto& ruta : rutas) texto += ruta + L"\r\n";
    return texto + L"\r\n¿Está seguro?";
}
