#include "support/Archivos.h"

#include <algorithm>
#include <stdexcept>

#include "base/Handle.h"

namespace prueba {

namespace {
std::wstring ConPrefijo(const std::wstring& ruta) {
    return ruta.rfind(L"\\\\?\\", 0) == 0 || ruta.size() < 240 ? ruta : L"\\\\?\\" + ruta;
}

// Waits until a condition holds, for at most a few seconds.
template <class Condicion>
bool Esperar(Condicion condicion) {
    for (int i = 0; i < 200; ++i) {
        if (condicion()) return true;
        Sleep(25);
    }
    return condicion();
}

bool ExisteEntrada(const std::wstring& ruta) {
    WIN32_FIND_DATAW datos;
    win::UniqueFind b(FindFirstFileW(ConPrefijo(ruta).c_str(), &datos));
    return static_cast<bool>(b);
}
}  // namespace

CarpetaTemporal::CarpetaTemporal() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static unsigned contador = 0;
    for (;;) {
        ruta_ = std::wstring(base) + L"trituradora-prueba-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++contador) + L"\\";
        if (CreateDirectoryW(ruta_.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("no temporary folder");
    }
}

CarpetaTemporal::~CarpetaTemporal() {
    const std::string unix = RutaUnix(ruta_);
    // Removed by the system's own tools, which never follow links out of the folder.
    if (!unix.empty() && unix.find("trituradora-prueba-") != std::string::npos &&
        EjecutarUnix(L"Z:\\bin\\sh", {"-c", "chmod -R u+rwX '" + unix + "'; rm -rf '" + unix + "'"}))
        Esperar([&] { return !ExisteEntrada(ruta_.substr(0, ruta_.size() - 1)); });
}

void EscribirArchivo(const std::wstring& ruta, const std::string& contenido) {
    win::UniqueFile f(CreateFileW(ConPrefijo(ruta).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) throw std::runtime_error("cannot create test file");
    DWORD escritos = 0;
    if (!contenido.empty())
        WriteFile(f.get(), contenido.data(), static_cast<DWORD>(contenido.size()), &escritos, nullptr);
}

std::string LeerArchivo(const std::wstring& ruta) {
    win::UniqueFile f(CreateFileW(ConPrefijo(ruta).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
    if (!f) return {};
    std::string datos;
    char bloque[65536];
    DWORD leidos = 0;
    while (ReadFile(f.get(), bloque, sizeof bloque, &leidos, nullptr) && leidos > 0) datos.append(bloque, leidos);
    return datos;
}

void CrearCarpeta(const std::wstring& ruta) { CreateDirectoryW(ConPrefijo(ruta).c_str(), nullptr); }

bool Existe(const std::wstring& ruta) {
    return GetFileAttributesW(ConPrefijo(ruta).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> Nombres(const std::wstring& carpeta) {
    std::vector<std::wstring> nombres;
    WIN32_FIND_DATAW datos;
    std::wstring patron = carpeta;
    if (patron.back() != L'\\') patron += L'\\';
    win::UniqueFind b(FindFirstFileW(ConPrefijo(patron + L"*").c_str(), &datos));
    if (!b) return nombres;
    do {
        std::wstring n = datos.cFileName;
        if (n != L"." && n != L"..") nombres.push_back(n);
    } while (FindNextFileW(b.get(), &datos));
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

void FijarFechaEscritura(const std::wstring& ruta, WORD anio, WORD mes, WORD dia) {
    SYSTEMTIME t{};
    t.wYear = anio;
    t.wMonth = mes;
    t.wDay = dia;
    t.wHour = 12;
    FILETIME ft;
    SystemTimeToFileTime(&t, &ft);
    win::UniqueFile f(CreateFileW(ConPrefijo(ruta).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr));
    SetFileTime(f.get(), nullptr, nullptr, &ft);
}

std::string RutaUnix(const std::wstring& ruta) {
    using Conversor = char*(CDECL*)(LPCWSTR);
    auto conversor = reinterpret_cast<Conversor>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (!conversor) return {};
    char* unix = conversor(ruta.c_str());
    if (!unix) return {};
    std::string resultado = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    while (resultado.size() > 1 && resultado.back() == '/') resultado.pop_back();
    return resultado;
}


bool EjecutarUnix(const std::wstring& programa, const std::vector<std::string>& argumentos) {
    std::wstring linea = programa;
    for (const auto& a : argumentos) {
        std::wstring ancho(a.begin(), a.end());
        linea += L" \"" + ancho + L"\"";
    }
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, linea.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    // Wine gives no usable handle for a Unix process: callers wait for its effect instead.
    if (pi.hThread) CloseHandle(pi.hThread);
    if (pi.hProcess && pi.hProcess != INVALID_HANDLE_VALUE) CloseHandle(pi.hProcess);
    return true;
}

bool CrearEnlace(const std::wstring& destino, const std::wstring& enlace) {
    // The link does not exist yet: convert its folder and append its (ASCII) name.
    const size_t barra = enlace.rfind(L'\\');
    const std::string carpeta = RutaUnix(enlace.substr(0, barra + 1));
    const std::wstring nombre = enlace.substr(barra + 1);
    const std::string d = RutaUnix(destino), e = carpeta + "/" + std::string(nombre.begin(), nombre.end());
    if (d.empty() || carpeta.empty() || !EjecutarUnix(L"Z:\\bin\\ln", {"-s", d, e})) return false;
    return Esperar([&] { return ExisteEntrada(enlace); });
}

}  // namespace prueba
