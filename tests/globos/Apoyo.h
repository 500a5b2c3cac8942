#pragma once
// What the balloon tests share: the window they show hints over, message handling while
// they wait, and a picture to draw balloons on.
#include <functional>
#include <string>

#include "controls/Velhint.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace prueba {

constexpr COLORREF kFondo = RGB(0, 128, 128);

// The test program's main window, so the balloon finds the TVelHint a test gives it, with
// controls with and without hints on a known background colour.
class FormaPrueba : public ui::Form {
public:
    FormaPrueba();
    // The screen point at the centre of a control.
    POINT Centro(const ui::Control& c) const;

    ui::BitBtn Boton{this};
    ui::BitBtn Apagado{this};
    ui::PaintBox Dibujo{this};
    ui::Panel SinPista{this};
    ui::Panel ConPista{this};
    ui::Label Etiqueta{&ConPista};
};

// The test program's main window, made (and shown) on first use.
FormaPrueba& Forma();

// Handles the pending messages for ms milliseconds.
void Bombear(int ms);
// Handles messages until the condition holds; false if it did not within ms.
bool EsperarQue(const std::function<bool()>& condicion, int ms);
// Moves the cursor as the mouse would and lets the windows see it.
void MoverA(POINT p);

// A 32-bit picture filled from a background, with a balloon drawn on it.
class Lienzo {
public:
    Lienzo(SIZE tamano, THintDirection d, const std::function<COLORREF(int x, int y)>& fondo,
           const std::wstring& texto = L"Pulse el botón");
    COLORREF operator()(int x, int y) const;

private:
    int w_;
    win::UniqueMemoryDC dc_;
    win::UniqueBitmap bitmap_;
    const DWORD* pixels_ = nullptr;
};

}  // namespace prueba
