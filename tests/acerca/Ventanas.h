#pragma once
// Helpers for driving the about box and the visit window as a person would: mouse messages
// to a panel, keys through the application's own message handling, steps run inside a modal
// loop, pictures and screen areas compared pixel by pixel, and a record of the addresses the
// program asks the shell to open (so that no browser is started).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/AbrirDireccion.h"
#include "ui/Application.h"
#include "ui/Controls.h"

namespace prueba {

struct Peticion {
    HWND propietario;
    std::wstring direccion;
    int mostrar;
    bool operator==(const Peticion&) const = default;
};

// While alive, the addresses the program opens are recorded here instead of going to the shell.
class RegistroDirecciones {
public:
    RegistroDirecciones() : anterior_(AbrirDireccion) {
        AbrirDireccion = [this](HWND propietario, const std::wstring& direccion, int mostrar) {
            Peticiones.push_back({propietario, direccion, mostrar});
        };
    }
    ~RegistroDirecciones() { AbrirDireccion = anterior_; }
    RegistroDirecciones(const RegistroDirecciones&) = delete;
    RegistroDirecciones& operator=(const RegistroDirecciones&) = delete;

    std::vector<Peticion> Peticiones;

private:
    AbridorDirecciones anterior_;
};

// A mouse message to the window that hosts a control, at x, y in that control's coordinates.
inline void Raton(const ui::Control& control, UINT mensaje, int x, int y, WPARAM teclas = 0) {
    const ui::WinControl* anfitrion = control.IsWindowed() ? static_cast<const ui::WinControl*>(&control)
                                                            : control.Parent();
    const int dx = control.IsWindowed() ? 0 : control.Left(), dy = control.IsWindowed() ? 0 : control.Top();
    SendMessageW(anfitrion->Handle(), mensaje, teclas, MAKELPARAM(dx + x, dy + y));
}

// A click (press and release of the left button) at x, y of a control.
inline void Clic(const ui::Control& control, int x, int y) {
    Raton(control, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    Raton(control, WM_LBUTTONUP, x, y);
}

// Presses and releases a key on the window with the focus, and lets the application handle it
// as it handles typing: its dialog keys, then translation into characters.
inline void PulsarTecla(UINT tecla) {
    HWND destino = GetFocus();
    const LPARAM escaneo = static_cast<LPARAM>(MapVirtualKeyW(tecla, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(destino, WM_KEYDOWN, tecla, 1 | escaneo);
    PostMessageW(destino, WM_KEYUP, tecla, 1 | escaneo | (LPARAM{1} << 30) | (LPARAM{1} << 31));
    ui::App().ProcessMessages();
}

// Shows a form modally and runs paso once its modal loop handles messages. A form still open
// after paso is closed with mrAbort, so that a failing test cannot hang.
inline int MostrarModal(ui::Form& ventana, std::function<void()> paso) {
    static std::function<void()> pendiente;
    pendiente = [&ventana, paso = std::move(paso)] {
        paso();
        if (ventana.Modal() && ventana.ModalResult == ui::mrNone) ventana.ModalResult = ui::mrAbort;
    };
    SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        auto ahora = std::move(pendiente);
        pendiente = nullptr;
        if (ahora) ahora();
    });
    return ventana.ShowModal();
}

// Handles messages until the condition holds or the time is up; whether it holds.
inline bool Esperar(const std::function<bool()>& condicion, DWORD limiteMs = 5000) {
    const ULONGLONG fin = GetTickCount64() + limiteMs;
    while (!condicion()) {
        if (GetTickCount64() > fin) return false;
        ui::App().ProcessMessages();
        Sleep(5);
    }
    return true;
}

// The pixels of a bitmap, top row first, as 0x00RRGGBB.
inline std::vector<uint32_t> Pixeles(const ui::Bitmap& imagen) {
    std::vector<uint32_t> pixeles(static_cast<size_t>(imagen.Width()) * imagen.Height());
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), imagen.Width(), -imagen.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    win::WindowDC pantalla;
    GetDIBits(pantalla.get(), imagen.Handle(), 0, static_cast<UINT>(imagen.Height()), pixeles.data(), &info,
              DIB_RGB_COLORS);
    for (auto& p : pixeles) p &= 0xFFFFFF;
    return pixeles;
}

// What a window shows in an area of its client area (callable from any thread).
inline std::vector<uint32_t> Captura(HWND ventana, RECT zona) {
    const int w = zona.right - zona.left, h = zona.bottom - zona.top;
    std::vector<uint32_t> pixeles(static_cast<size_t>(w) * h);
    win::WindowDC origen(ventana);
    win::UniqueMemoryDC memoria(CreateCompatibleDC(origen.get()));
    win::UniqueBitmap superficie(CreateCompatibleBitmap(origen.get(), w, h));
    {
        win::SelectGuard elegir(memoria.get(), superficie.get());
        BitBlt(memoria.get(), 0, 0, w, h, origen.get(), zona.left, zona.top, SRCCOPY);
    }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memoria.get(), superficie.get(), 0, static_cast<UINT>(h), pixeles.data(), &info, DIB_RGB_COLORS);
    for (auto& p : pixeles) p &= 0xFFFFFF;
    return pixeles;
}

// Keeps the real pointer away from the windows under test, so that only our messages move it.
class PunteroApartado : public testing::Test {
protected:
    void SetUp() override { SetCursorPos(0, 0); }
};

}  // namespace prueba
