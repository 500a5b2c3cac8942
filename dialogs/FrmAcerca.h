#pragma once
// The about box: the title, the author's mail and web links, a marquee with the credit,
// a small picture that answers a click with a sound and a picture button that closes it.
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Timer.h"

class TFAcerca : public ui::Form {
public:
    TFAcerca();

    ui::Panel Panel1{this};
    ui::Image Image1{&Panel1};
    ui::Label Titulo{&Panel1};
    ui::Image Image2{&Panel1};
    ui::Label Label1{&Panel1};
    ui::Label LabelCorreo{&Panel1};
    ui::Label Label2{&Panel1};
    ui::Label LabelMiWeb{&Panel1};
    ui::Label Marquesina{&Panel1};
    ui::Panel PanelBoton{&Panel1};
    ui::Image Boton{&PanelBoton};
    ui::Image ImgSin{&Panel1};
    ui::Image ImgCon{&Panel1};
    ui::Timer Timer1;

    // The web link's colour remembered at a left-button press on a link, put back at release.
    COLORREF ColorGuardado = ui::colors::Red;
    // The web link's colour while the left button is held down on a link.
    COLORREF ColorPulsado = RGB(128, 0, 128);

    void FormCreate();
    void FormShow();
    void FormKeyPress(wchar_t& key);
    void Timer1Timer();
    void MarquesinaMouseDown(unsigned shift);
    void LabelMiWebMouseMove(ui::Label& enlace, int x, int y);
    void LabelMiWebMouseDown(ui::MouseButton boton);
    void LabelMiWebMouseUp(ui::MouseButton boton);
    void LabelMiWebClick();
    void LabelCorreoClick();
    void PanelBotonMouseMove();
    void BotonMouseMove();
    void BotonClick();
    void Image2Click();
};

extern TFAcerca* FAcerca;

// The line the marquee shows while it is clicked with Ctrl and the right button.
inline constexpr const wchar_t* kLineaOculta = L"¿Alguien ha dicho que yo no soy el autor...?";

// Plays the WAVE image stored under a name among the program's raw-data resources, from
// memory and without waiting for it; a new request cuts off a sound still playing. A name
// that is not there plays nothing. True when the sound was found and handed over.
bool ReproducirSonido(const wchar_t* nombre);
