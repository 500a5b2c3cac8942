#include "controls/Velhint.h"

#include <algorithm>
#include <exception>

#include "ui/Application.h"

using namespace ui;

namespace {
using UniquePen = win::UniqueHandle<win::GdiObjectTraits<HPEN>>;

// The pixel height of a font of the given size in points on this screen.
int AlturaDePuntos(int puntos) {
    win::WindowDC pantalla;
    return MulDiv(puntos, GetDeviceCaps(pantalla.get(), LOGPIXELSY), 72);
}

bool Arriba(THintDirection d) { return d == hdUpRight || d == hdUpLeft; }

// The TVelHint in force: the first among the components of the main window.
TVelHint* VelHintEnVigor() { return Component::FindFirst<TVelHint>(App().MainForm()); }
}  // namespace

AspectoGlobo AspectoPorDefecto() {
    return AspectoGlobo{RGB(255, 255, 0), RGB(128, 0, 128),
                        ui::Font{L"MS Sans Serif", AlturaDePuntos(10), Bold, RGB(0, 0, 255)}};
}

// ---- TVelHint ---------------------------------------------------------------------------

TVelHint::TVelHint(Control* owner) : Component(owner), aspecto_(AspectoPorDefecto()) {
    Hints().SetHintPause(hintPauseTime_);
    InstalarGlobo();
}

// The balloon window stays installed: it finds no TVelHint and falls back on the defaults.
TVelHint::~TVelHint() = default;

void TVelHint::Loaded() { InstalarGlobo(); }

void TVelHint::InstalarGlobo() {
    Hints().SetHintWindowClass<TNewHint>();
    RecrearVentana();
}

// Switching hints off and on again makes the hint window anew, of the installed class; the
// application measures hint texts with its canvas font, so that is HintFont.
void TVelHint::RecrearVentana() {
    HintManager& hints = Hints();
    hints.SetShowHint(!hints.ShowHint());
    hints.SetShowHint(!hints.ShowHint());
    if (HintWindow* ventana = hints.Window()) ventana->SetCanvasFont(aspecto_.HintFont);
}

TVelHint& TVelHint::HintDirection(THintDirection direction) {
    hintDirection_ = direction;
    return *this;
}

TVelHint& TVelHint::HintColor(COLORREF color) {
    aspecto_.HintColor = color;
    return *this;
}

TVelHint& TVelHint::HintShadowColor(COLORREF color) {
    aspecto_.HintShadowColor = color;
    return *this;
}

TVelHint& TVelHint::HintFont(const ui::Font& font) {
    aspecto_.HintFont = font;
    RecrearVentana();
    return *this;
}

TVelHint& TVelHint::HintPauseTime(int ms) {
    if (ms != hintPauseTime_) {
        hintPauseTime_ = ms;
        Hints().SetHintPause(ms);
    }
    return *this;
}

void TVelHint::FontChanged() { RecrearVentana(); }

// ---- Placement --------------------------------------------------------------------------

SIZE TamanoGlobo(SIZE caja, THintDirection direccion) {
    return SIZE{caja.cx + 26, caja.cy + (Arriba(direccion) ? 20 : 29)};
}

ColocacionGlobo ColocarGlobo(THintDirection preferida, POINT cursor, SIZE caja, SIZE pantalla) {
    const int cx = cursor.x, cy = cursor.y;
    const int w = caja.cx + 16;  // the balloon's width less 10
    const int hu = caja.cy + 20, hd = caja.cy + 29;
    const bool derecha = cx + w <= pantalla.cx, izquierda = cx + 6 - w >= 0;
    const bool arriba = cy - 5 - hu >= 0, abajo = cy + 15 + hd <= pantalla.cy;
    struct Regla {
        bool primera;
        THintDirection siFallaPrimera;
        bool segunda;
        THintDirection siFallaSegunda;
        int x, y;
    };
    const Regla reglas[] = {
        /* hdUpRight   */ {derecha, hdUpLeft, arriba, hdDownRight, cx, cy - 5 - hu},
        /* hdUpLeft    */ {izquierda, hdUpRight, arriba, hdDownLeft, cx + 6 - w, cy - 5 - hu},
        /* hdDownRight */ {derecha, hdDownLeft, abajo, hdUpRight, cx, cy + 15},
        /* hdDownLeft  */ {izquierda, hdDownRight, abajo, hdUpLeft, cx + 6 - w, cy + 15},
    };
    bool probada[4] = {};
    for (THintDirection d = preferida; !probada[d];) {
        probada[d] = true;
        const Regla& r = reglas[d];
        if (!r.primera)
            d = r.siFallaPrimera;
        else if (!r.segunda)
            d = r.siFallaSegunda;
        else
            return ColocacionGlobo{d, r.x, r.y};
    }
    // It fits nowhere: the preferred direction, moved inside the screen as far as it goes
    // (a balloon wider than the screen starts at its left edge and is cut off at the right).
    const SIZE t = TamanoGlobo(caja, preferida);
    const Regla& r = reglas[preferida];
    return ColocacionGlobo{preferida, std::max(0, std::min<int>(r.x, pantalla.cx - t.cx)),
                           std::max(0, std::min<int>(r.y, pantalla.cy - t.cy))};
}

// ---- Paint ------------------------------------------------------------------------------

namespace {
// Sets every pixel with x + y even that lies in the region, within x0..x1 and y0..y1
// (both inclusive).
void Punteado(HDC dc, HRGN region, int x0, int x1, int y0, int y1, COLORREF color) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0 + ((x0 + y) & 1); x <= x1; x += 2)
            if (PtInRegion(region, x, y)) SetPixel(dc, x, y, color);
}
}  // namespace

void DibujarGlobo(HDC dc, SIZE tamano, THintDirection d, const AspectoGlobo& aspecto, const std::wstring& texto) {
    const int W = tamano.cx, H = tamano.cy;
    const bool arriba = Arriba(d);
    RECT caja{8, arriba ? 3 : 18, W, H};

    // Shadow of the body, scanned only in its strips right and below the body.
    win::UniqueRegion sombra(arriba ? CreateRoundRectRgn(10, 8, W, H - 9, 8, 8) : CreateRoundRectRgn(10, 23, W, H - 2, 8, 8));
    Punteado(dc, sombra.get(), W - 14, W, arriba ? 8 : 23, arriba ? H - 14 : H - 8, aspecto.HintShadowColor);
    Punteado(dc, sombra.get(), 10, W, arriba ? H - 14 : H - 8, arriba ? H - 9 : H - 2, aspecto.HintShadowColor);

    // Shadow of the tail: only a tail hanging below the body casts one.
    if (arriba) {
        const POINT t[3] = {d == hdUpRight ? POINT{12, H - 15} : POINT{W - 33, H - 15},
                            d == hdUpRight ? POINT{25, H - 15} : POINT{W - 11, H - 15},
                            d == hdUpRight ? POINT{12, H} : POINT{W - 6, H}};
        win::UniqueRegion cola(CreatePolygonRgn(t, 3, WINDING));
        Punteado(dc, cola.get(), t[0].x, t[1].x, H - 15, H, aspecto.HintShadowColor);
    }

    // Body.
    UniquePen negro(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    win::UniqueBrush relleno(CreateSolidBrush(aspecto.HintColor));
    {
        win::SelectGuard pluma(dc, negro.get()), brocha(dc, relleno.get());
        if (arriba)
            RoundRect(dc, 0, 0, W - 6, H - 14, 9, 9);
        else
            RoundRect(dc, 0, 15, W - 6, H - 8, 9, 9);
    }

    // Tail: its base opens the body's outline, its tip points at the cursor.
    const int fila = arriba ? H - 15 : 15;
    const bool derecha = d == hdUpRight || d == hdDownRight;
    const POINT a{derecha ? 10 : W - 26, fila}, b{derecha ? 20 : W - 16, fila};
    const POINT t{derecha ? 0 : W - 6, arriba ? H : 0};
    {
        UniquePen fondo(CreatePen(PS_SOLID, 1, aspecto.HintColor));
        win::SelectGuard pluma(dc, fondo.get());
        MoveToEx(dc, a.x, a.y, nullptr);
        LineTo(dc, b.x, b.y);
    }
    const POINT punta[3] = {a, b, t};
    win::UniqueRegion triangulo(CreatePolygonRgn(punta, 3, WINDING));
    FillRgn(dc, triangulo.get(), relleno.get());
    {
        win::SelectGuard pluma(dc, negro.get());
        MoveToEx(dc, b.x, b.y, nullptr);
        LineTo(dc, t.x, t.y);
        LineTo(dc, a.x, a.y);
    }

    // Text, as written: only its own line breaks start new lines.
    win::UniqueFont fuente = aspecto.HintFont.Create();
    win::SelectGuard letra(dc, fuente.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, aspecto.HintFont.Color);
    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &caja, DT_LEFT | DT_TOP | DT_NOPREFIX);
}

// ---- TNewHint ---------------------------------------------------------------------------

TNewHint::TNewHint() : aspecto_(AspectoPorDefecto()) {
    SetCanvasFont(ui::Font{L"MS Sans Serif", AlturaDePuntos(10), Bold, colors::Black});
}

TNewHint::~TNewHint() = default;

void TNewHint::CreateParams(HintWindowParams& params) {
    HintWindow::CreateParams(params);
    params.Style &= ~static_cast<DWORD>(WS_BORDER);
    params.ClassStyle |= CS_SAVEBITS;
    params.ClassName = L"TNewHint";
}

void TNewHint::ActivateHint(const RECT& r, const std::wstring& text) {
    SetCaption(text);
    TVelHint* velHint = VelHintEnVigor();
    aspecto_ = velHint ? velHint->Aspecto() : AspectoPorDefecto();
    const SIZE caja{r.right - r.left, r.bottom - r.top};
    const SIZE pantalla{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    POINT cursor;
    GetCursorPos(&cursor);

    ColocacionGlobo sitio;
    if (velHint) {
        // The handler changes the component's direction for this one choice only.
        struct Restaurar {
            TVelHint& v;
            THintDirection antes;
            ~Restaurar() { v.hintDirection_ = antes; }
        } restaurar{*velHint, velHint->hintDirection_};
        if (velHint->OnSelectHintDirection) velHint->OnSelectHintDirection(ControlAtPos(cursor), velHint->hintDirection_);
        sitio = ColocarGlobo(velHint->hintDirection_, cursor, caja, pantalla);
    } else {
        sitio = ColocarGlobo(hdUpRight, cursor, caja, pantalla);
    }
    direccion_ = sitio.Direccion;

    const SIZE tamano = TamanoGlobo(caja, direccion_);
    SetBounds(sitio.X, sitio.Y, tamano.cx, tamano.cy);
    CapturarPantalla(tamano);
    SetWindowPos(Handle(), HWND_TOPMOST, sitio.X, sitio.Y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    InvalidateRect(Handle(), nullptr, FALSE);
}

// Copies the screen area the window is about to cover into the balloon's picture.
void TNewHint::CapturarPantalla(SIZE tamano) {
    win::WindowDC pantalla;
    imagen_.reset(CreateCompatibleBitmap(pantalla.get(), tamano.cx, tamano.cy));
    tamano_ = tamano;
    dibujado_ = false;
    POINT origen{0, 0};
    ClientToScreen(Handle(), &origen);
    win::UniqueMemoryDC lienzo(CreateCompatibleDC(pantalla.get()));
    win::SelectGuard seleccion(lienzo.get(), imagen_.get());
    BitBlt(lienzo.get(), 0, 0, tamano.cx, tamano.cy, pantalla.get(), origen.x, origen.y, SRCCOPY);
}

void TNewHint::Paint(HDC dc) {
    if (!imagen_) return;
    win::UniqueMemoryDC lienzo(CreateCompatibleDC(dc));
    win::SelectGuard seleccion(lienzo.get(), imagen_.get());
    if (!dibujado_) {
        DibujarGlobo(lienzo.get(), tamano_, direccion_, aspecto_, Caption());
        dibujado_ = true;
    }
    BitBlt(dc, 0, 0, tamano_.cx, tamano_.cy, lienzo.get(), 0, 0, SRCCOPY);
}
