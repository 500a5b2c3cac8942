#include "globos/Apoyo.h"

#include "ui/Application.h"

namespace prueba {

FormaPrueba::FormaPrueba() {
    Caption(L"Globos");
    Border(ui::BorderStyle::None);
    ClientSize(600, 400);
    Color(kFondo);
    Bounds(200, 150);
    Boton.Bounds(20, 20, 120, 30).Caption(L"Botón").Hint(L"Pulse el botón");
    Apagado.Bounds(20, 80, 120, 30).Caption(L"Apagado").Hint(L"Botón apagado").Enabled(false);
    Dibujo.Bounds(200, 20, 100, 40).Hint(L"Un dibujo");
    Dibujo.OnPaint = [this](ui::Canvas& c) { c.FillRect(RECT{0, 0, Dibujo.Width(), Dibujo.Height()}, ui::colors::White); };
    SinPista.Bounds(20, 200, 150, 80);
    ConPista.Bounds(300, 200, 200, 100).Hint(L"El panel");
    Etiqueta.Bounds(20, 20).Caption(L"Etiqueta sin pista");
}

POINT FormaPrueba::Centro(const ui::Control& c) const {
    POINT p{c.Left() + c.Width() / 2, c.Top() + c.Height() / 2};
    ClientToScreen(c.Parent()->Handle(), &p);
    return p;
}

FormaPrueba& Forma() {
    static FormaPrueba* forma = nullptr;
    if (!forma) {
        ui::App().CreateForm(forma);
        forma->Show();
        Bombear(200);
    }
    return *forma;
}

void Bombear(int ms) {
    const ULONGLONG fin = GetTickCount64() + static_cast<ULONGLONG>(ms);
    do {
        ui::App().ProcessMessages();
        Sleep(2);
    } while (GetTickCount64() < fin);
}

bool EsperarQue(const std::function<bool()>& condicion, int ms) {
    const ULONGLONG fin = GetTickCount64() + static_cast<ULONGLONG>(ms);
    for (;;) {
        ui::App().ProcessMessages();
        if (condicion()) return true;
        if (GetTickCount64() >= fin) return false;
        Sleep(2);
    }
}

void MoverA(POINT p) {
    SetCursorPos(p.x, p.y);
    Bombear(30);
}

Lienzo::Lienzo(SIZE tamano, THintDirection d, const std::function<COLORREF(int, int)>& fondo,
               const std::wstring& texto)
    : w_(tamano.cx), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), tamano.cx, -tamano.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels_ = static_cast<const DWORD*>(bits);
    win::SelectGuard select(dc_.get(), bitmap_.get());
    for (int y = 0; y < tamano.cy; ++y)
        for (int x = 0; x < tamano.cx; ++x) SetPixelV(dc_.get(), x, y, fondo(x, y));
    DibujarGlobo(dc_.get(), tamano, d, AspectoPorDefecto(), texto);
    GdiFlush();
}

COLORREF Lienzo::operator()(int x, int y) const {
    const DWORD p = pixels_[y * w_ + x];  // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

}  // namespace prueba
