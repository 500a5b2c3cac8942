#include "PruebasPasadas.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/Handle.h"

namespace {
constexpr UINT kMarca = WM_APP + 1;
constexpr UINT_PTR kSubclase = 1, kTemporizador = 1;

ui::UniqueFile AbrirParaLeer(const std::wstring& ruta) {
    return ui::UniqueFile(CreateFileW(ruta.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}
}  // namespace

CarpetaTemporal::CarpetaTemporal() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int serie = 0;
    for (;;) {
        ruta_ = std::wstring(temp) + L"sobrescribir-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++serie) + L"\\";
        if (CreateDirectoryW(ruta_.c_str(), nullptr)) break;
    }
}

CarpetaTemporal::~CarpetaTemporal() {
    WIN32_FIND_DATAW datos;
    {
        ui::UniqueFind busqueda(FindFirstFileW((ruta_ + L"*").c_str(), &datos));
        if (busqueda) do {
                const std::wstring ruta = ruta_ + datos.cFileName;
                if (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
                SetFileAttributesW(ruta.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(ruta.c_str());
            } while (FindNextFileW(busqueda.get(), &datos));
    }
    RemoveDirectoryW(ruta_.c_str());
}

std::wstring CarpetaTemporal::Archivo(const std::wstring& nombre, uint64_t tamano, uint8_t byte) const {
    const std::wstring ruta = ruta_ + nombre;
    ui::UniqueFile archivo(CreateFileW(ruta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                       nullptr));
    const std::vector<uint8_t> trozo(1 << 20, byte);
    for (uint64_t hechos = 0; hechos < tamano;) {
        const DWORD n = static_cast<DWORD>(std::min<uint64_t>(tamano - hechos, trozo.size()));
        DWORD escritos = 0;
        if (!WriteFile(archivo.get(), trozo.data(), n, &escritos, nullptr) || escritos == 0) break;
        hechos += escritos;
    }
    return ruta;
}

std::vector<uint8_t> LeerArchivo(const std::wstring& ruta) {
    std::vector<uint8_t> bytes(TamanoEnDisco(ruta));
    ui::UniqueFile archivo = AbrirParaLeer(ruta);
    size_t leidos = 0;
    while (leidos < bytes.size()) {
        DWORD n = 0;
        const DWORD pedir = static_cast<DWORD>(std::min<size_t>(bytes.size() - leidos, 1 << 20));
        if (!ReadFile(archivo.get(), bytes.data() + leidos, pedir, &n, nullptr) || n == 0) break;
        leidos += n;
    }
    bytes.resize(leidos);
    return bytes;
}

uint64_t TamanoEnDisco(const std::wstring& ruta) {
    WIN32_FILE_ATTRIBUTE_DATA datos;
    if (!GetFileAttributesExW(ruta.c_str(), GetFileExInfoStandard, &datos)) return 0;
    return (static_cast<uint64_t>(datos.nFileSizeHigh) << 32) | datos.nFileSizeLow;
}

bool TodoEs(const std::wstring& ruta, uint64_t tamano, uint8_t byte) {
    const auto bytes = LeerArchivo(ruta);
    if (bytes.size() != tamano) return false;
    for (uint8_t b : bytes)
        if (b != byte) return false;
    return true;
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
