#include "dialogs/FrmAcerca.h"

#include <mmsystem.h>

#include <algorithm>

#include "base/AbrirDireccion.h"
#include "dialogs/Creditos.h"
#include "ui/Application.h"

using namespace ui;

TFAcerca* FAcerca = nullptr;

namespace {
constexpr COLORREF kAmarillo = colors::Yellow;
constexpr COLORREF kRojo = colors::Red;
constexpr COLORREF kVerdeLima = RGB(0, 255, 0);

// Paints a label's text in a colour (without a repaint when it has that colour already).
void Pintar(Label& etiqueta, COLORREF color) {
    if (etiqueta.Font().Color == color) return;
    ui::Font fuente = etiqueta.Font();
    fuente.Color = color;
    etiqueta.Font(fuente);
}
}  // namespace

TFAcerca::TFAcerca() {
    Border(BorderStyle::None);
    ClientSize(398, 306);
    Position(FormPosition::ScreenCenter);

    const ui::Font texto{L"MS Sans Serif", 11, Regular, kAmarillo};
    Panel1.AlignClient()
        .Color(colors::Black)
        .SingleBorder(true)
        .BevelInner(BevelKind::Lowered)
        .BevelWidth(3)
        .BorderWidth(5);
    Image1.AlignClient().Stretch(true).Picture(L"ACERCAFONDO");
    Titulo.AutoSize(false)
        .Bounds(24, 40, 353, 89)
        .Alignment(TextAlign::Center)
        .WordWrap(true)
        .Font({L"MS Serif", 32, Bold | Italic, kAmarillo})
        .Transparent(true)
        .Caption(L"Trituradora");
    Image2.Bounds(56, 40, 32, 32).Picture(L"ACERCAIMAGEN2");
    Label1.Bounds(64, 88).Font(texto).Caption(L"Correo electrónico:");
    LabelCorreo.Bounds(172, 88, 123, 13).Alignment(TextAlign::Right).Font({texto.Name, 11, Regular, kRojo});
    Label2.Bounds(64, 104).Font(texto).Caption(L"Web:");
    LabelMiWeb.Bounds(184, 104, 111, 13).Alignment(TextAlign::Right).Font({texto.Name, 11, Regular, kRojo});
    Marquesina.AutoSize(false)
        .Bounds(40, 168, 321, 13)
        .Alignment(TextAlign::Center)
        .Font({texto.Name, 11, Regular, kVerdeLima})
        .Transparent(true)
        .Caption(std::wstring(L"Programa realizado por ") + kAutor + std::wstring(18, L' '));
    PanelBoton.Bounds(40, 184, 313, 81).Color(colors::Black).BevelOuter(BevelKind::None);
    Boton.Bounds(96, 24, 106, 39).Picture(L"ACERCABOTONSIN");
    ImgSin.Bounds(0, 0, 106, 39).Visible(false).Picture(L"ACERCABOTONSIN");
    ImgCon.Bounds(0, 0, 106, 39).Visible(false).Picture(L"ACERCABOTONCON");
    Timer1.Interval(200).Enabled(true);

    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnKeyPress = [this](wchar_t& key) { FormKeyPress(key); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    Marquesina.OnMouseDown = [this](MouseButton, unsigned shift, int, int) { MarquesinaMouseDown(shift); };
    for (Label* enlace : {&LabelCorreo, &LabelMiWeb}) {
        enlace->OnMouseMove = [this, enlace](unsigned, int x, int y) { LabelMiWebMouseMove(*enlace, x, y); };
        enlace->OnMouseDown = [this](MouseButton boton, unsigned, int, int) { LabelMiWebMouseDown(boton); };
        enlace->OnMouseUp = [this](MouseButton boton, unsigned, int, int) { LabelMiWebMouseUp(boton); };
    }
    LabelMiWeb.OnClick = [this] { LabelMiWebClick(); };
    LabelCorreo.OnClick = [this] { LabelCorreoClick(); };
    PanelBoton.OnMouseMove = [this](unsigned, int, int) { PanelBotonMouseMove(); };
    Boton.OnMouseMove = [this](unsigned, int, int) { BotonMouseMove(); };
    Boton.OnClick = [this] { BotonClick(); };
    Image2.OnClick = [this] { Image2Click(); };
}

void TFAcerca::FormCreate() {
    LabelMiWeb.Cursor(100);
    LabelCorreo.Cursor(100);
    Boton.Cursor(100);
    LabelMiWeb.Caption(kWeb);
    LabelCorreo.Caption(kCorreo);
    ColorGuardado = LabelMiWeb.Font().Color;
    ColorPulsado = RGB(128, 0, 128);
}

void TFAcerca::FormShow() { ReproducirSonido(L"ACERCA"); }

void TFAcerca::FormKeyPress(wchar_t& /*key*/) { Close(); }

// Runs from creation on, shown or not: the first character goes to the end.
void TFAcerca::Timer1Timer() {
    std::wstring texto = Marquesina.Caption();
    if (texto.empty()) return;
    std::rotate(texto.begin(), texto.begin() + 1, texto.end());
    Marquesina.Caption(std::move(texto));
}

// Ctrl with the right button shows the hidden line for three seconds. The wait handles no
// message at all: the whole program, the marquee's timer included, stands still meanwhile.
void TFAcerca::MarquesinaMouseDown(unsigned shift) {
    if (!(shift & ssCtrl) || !(shift & ssRight)) return;
    const std::wstring guardado = Marquesina.Caption();
    Marquesina.Caption(kLineaOculta);
    UpdateWindow(Panel1.Handle());
    Sleep(3000);
    Marquesina.Caption(guardado);
}

// White while the pointer lies strictly inside the link, which then holds the mouse so that
// it also sees the move that leaves it; red otherwise. A pointer on the left or top edge
// counts as outside.
void TFAcerca::LabelMiWebMouseMove(Label& enlace, int x, int y) {
    if (x > 0 && x < enlace.Width() && y > 0 && y < enlace.Height()) {
        Panel1.CaptureMouse(&enlace);
        Pintar(enlace, colors::White);
    } else {
        if (Panel1.MouseCaptureControl() == &enlace) Panel1.CaptureMouse(nullptr);
        Pintar(enlace, kRojo);
    }
}

// A press on either link shows the web link pressed.
void TFAcerca::LabelMiWebMouseDown(MouseButton boton) {
    if (boton != MouseButton::Left) return;
    ColorGuardado = LabelMiWeb.Font().Color;
    Pintar(LabelMiWeb, ColorPulsado);
}

void TFAcerca::LabelMiWebMouseUp(MouseButton boton) {
    if (boton != MouseButton::Left) return;
    Pintar(LabelMiWeb, ColorGuardado);
}

void TFAcerca::LabelMiWebClick() {
    ReproducirSonido(L"SI");
    AbrirDireccion(App().Handle(), LabelMiWeb.Caption(), SW_SHOWNORMAL);
}

void TFAcerca::LabelCorreoClick() {
    ReproducirSonido(L"SI");
    AbrirDireccion(nullptr, L"Mailto:" + LabelCorreo.Caption() + L"?Subject=Dovrana", SW_SHOWNORMAL);
    Pintar(LabelCorreo, kRojo);
}

void TFAcerca::PanelBotonMouseMove() { Boton.Picture(ImgSin.Picture()); }

void TFAcerca::BotonMouseMove() { Boton.Picture(ImgCon.Picture()); }

void TFAcerca::BotonClick() { Close(); }

void TFAcerca::Image2Click() { ReproducirSonido(L"NO"); }

bool ReproducirSonido(const wchar_t* nombre) {
    HMODULE modulo = App().Instance();
    HRSRC recurso = FindResourceW(modulo, nombre, RT_RCDATA);
    if (!recurso) return false;
    HGLOBAL cargado = LoadResource(modulo, recurso);
    const void* datos = cargado ? LockResource(cargado) : nullptr;
    if (!datos) return false;
    // The resource stays mapped for the life of the program, so the sound can outlive the call.
    PlaySoundW(static_cast<LPCWSTR>(datos), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    return true;
}
