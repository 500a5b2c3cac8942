#include "dialogs/UVisitanos.h"

#include "base/AbrirDireccion.h"
#include "dialogs/Creditos.h"

using namespace ui;

TFVisitanos* FVisitanos = nullptr;

TFVisitanos::TFVisitanos() {
    Caption(L"Visítanos");  // not shown (no border); names the window for the system
    Border(BorderStyle::None);
    ClientSize(533, 159);
    Position(FormPosition::ScreenCenter);

    Panel1.AlignClient().Color(colors::Silver).BevelInner(BevelKind::Lowered).BorderWidth(5);
    Bevel1.AlignClient().Shape(BevelShape::Frame).Raised(true);
    Image.Bounds(16, 24, 500, 78).Stretch(true).Picture(L"VISITANOS1");
    const wchar_t* const banderolas[] = {L"VISITANOS1", L"VISITANOS2", L"VISITANOS3",
                                         L"VISITANOS4", L"VISITANOS5", L"VISITANOS6"};
    for (int i = 0; i < 6; ++i) marcos_[i]->Bounds(16, 24, 500, 78).Visible(false).Picture(banderolas[i]);
    BitBtn1.Bounds(184, 112, 153, 33).Caption(L"Aceptar").Glyph(L"VISITANOSOK").ModalResult(mrOk).Default(true);
    Timer1.Interval(1000).Enabled(false);

    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](CloseAction& action) { FormClose(action); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

void TFVisitanos::FormCreate() {
    ImagenActual = 1;
    BitBtn1.Cursor(100);
}

void TFVisitanos::FormShow() { Timer1.Enabled(true); }

// Frames 1, 2, ..., 6, 1, ... one a tick.
void TFVisitanos::Timer1Timer() {
    ImagenActual = ImagenActual % 6 + 1;
    Image.Picture(marcos_[ImagenActual - 1]->Picture());
}

// However the window is closed, the web site opens.
void TFVisitanos::FormClose(CloseAction& /*action*/) {
    Timer1.Enabled(false);
    Hide();
    AbrirDireccion(nullptr, kWeb, SW_SHOWMAXIMIZED);
}
