#include "PruebasPasadas.h"

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>


namespace {
constexpr UINT kMarca = WM_APP + 1;
constexpr UINT_PTR kSubclase = 1, kTemporizador = 1;
}  // namespace

std::wstring ArchivoLleno(const prueba::CarpetaTemporal& carpeta, const std::wstring& nombre, uint64_t tamano,
                          uint8_t byte) {
    const std::filesystem::path ruta = carpeta / nombre;
    std::ofstream archivo(ruta, std::ios::binary);
    const std::vector<char> trozo(1 << 20, static_cast<char>(byte));
    for (uint64_t hechos = 0; hechos < tamano; hechos += trozo.size())
        archivo.write(trozo.data(), static_cast<std::streamsize>(std::min<uint64_t>(tamano - hechos, trozo.size())));
    return ruta.wstring();
}

std::vector<uint8_t> LeerBytes(const std::wstring& ruta) {
    std::ifstream archivo{std::filesystem::path(ruta), std::ios::binary};
    return {std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>()};
}

bool TodoEs(const std::wstring& ruta, uint64_t tamano, uint8_t byte) {
    const auto bytes = LeerBytes(ruta);
    return bytes.size() == tamano && std::all_of(bytes.begin(), bytes.end(), [=](uint8_t b) { return b == byte; });
}

void PulsarCancelar(TFProgreso& ventana) {
    // BM_CLICK runs the button's own press and release, which notifies its parent.
    SendMessageW(ventana.BitBtnCancelar.Handle(), BM_CLICK, 0, 0);
}

ObservadorPasadas::ObservadorPasadas(TFProgreso& ventana) : ventana_(ventana) {
    static const wchar_t* const clase = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = AyudanteProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PruebasPasadas.Observador";
        RegisterClassExW(&wc);
        return wc.lpszClassName;
    }();
    ayudante_ = CreateWindowExW(0, clase, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(ayudante_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowSubclass(ventana_.Progreso.Handle(), BarraProc, kSubclase, reinterpret_cast<DWORD_PTR>(ayudante_));
}

ObservadorPasadas::~ObservadorPasadas() {
    RemoveWindowSubclass(ventana_.Progreso.Handle(), BarraProc, kSubclase);
    DestroyWindow(ayudante_);
}

void ObservadorPasadas::Tras(UINT milisegundos, std::function<void()> accion) {
    alTemporizador_ = std::move(accion);
    SetTimer(ayudante_, kTemporizador, milisegundos, nullptr);
}

std::vector<int> ObservadorPasadas::Posiciones() const {
    std::vector<int> posiciones;
    for (const auto& m : marcas_) posiciones.push_back(m.posicion);
    return posiciones;
}

LRESULT CALLBACK ObservadorPasadas::BarraProc(HWND barra, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ayudante) {
    if (msg == PBM_SETPOS) PostMessageW(reinterpret_cast<HWND>(ayudante), kMarca, wp, 0);
    return DefSubclassProc(barra, msg, wp, lp);
}

LRESULT CALLBACK ObservadorPasadas::AyudanteProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ObservadorPasadas*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == kMarca) {
        const int posicion = static_cast<int>(wp);
        self->marcas_.push_back({posicion, self->ventana_.LabelNpasada.Caption()});
        if (auto it = self->acciones_.find(posicion); it != self->acciones_.end()) it->second();
        return 0;
    }
    if (self && msg == WM_TIMER && wp == kTemporizador) {
        KillTimer(hwnd, kTemporizador);
        if (auto accion = std::move(self->alTemporizador_)) accion();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}
