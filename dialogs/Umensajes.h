#pragma once
// The confirmation dialog: a borderless, always-on-top window with a blue frame, a centred
// title, a question-mark picture, the text, and the answers "&Si", "&No" and "Cancelar".
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Memo.h"

class TFMensajes : public ui::Form {
public:
    TFMensajes();

    // The width of the blue frame, which the layout of every question allows for.
    static constexpr int AnchoBorde = 5;

    ui::Panel PanelBorde{this};
    ui::Panel PanelInterior{&PanelBorde};
    ui::Label lblCaption{&PanelInterior};
    ui::Image Imagen{&PanelInterior};
    ui::Image ImgConfirmation{&PanelInterior};
    ui::Label lblTexto{&PanelInterior};
    ui::Memo Memo{&PanelInterior};
    ui::Panel PanelRespuesta{&PanelInterior};
    ui::BitBtn btnYes{&PanelRespuesta};
    ui::BitBtn btnNo{&PanelRespuesta};
    ui::BitBtn btnCancel{&PanelRespuesta};

    void FormCreate();
    void FormShow();
    void btnYesClick();
    void btnNoClick();
    void btnCancelClick();
};

// The message dialog of the current question while one is open; otherwise the instance
// made at start-up, which is never shown.
extern TFMensajes* FMensajes;

// Asks whether to go on, in a fresh dialog sized to the text (which may hold CR LF line
// breaks). Answers 1 for "&Si", 2 for "&No", and 0 for "Cancelar" or any other way of
// closing the window.
int MostrarMensaje(const std::wstring& texto);

// The layout the message dialog's look follows, for the content (from the text label's place
// down to fondo, ancho wide): as wide as the content or the buttons, whichever is wider, with
// the frame and a margin as wide as the label's left one on each side; the buttons under the
// content, as far below it as they are tall, centred; the title centred.
void AjustarAlContenido(ui::Form& ventana, ui::Label& titulo, const ui::Label& texto, ui::Panel& respuesta, int ancho,
                        int fondo);

// The question asked before a run: the heading, one path per line, an empty line and
// "¿Está seguro?".
std::wstring TextoConfirmacion(const std::vector<std::wstring>& rutas);
