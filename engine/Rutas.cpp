#include "engine/Rutas.h"

#include <vector>

#include "ui/Handle.h"

std::wstring RutaApi(const std::wstring& ruta) {
    constexpr size_t kLimite = MAX_PATH - 12;  // folders must leave room for an 8.3 name
    if (ruta.size() < kLimite || ruta.rfind(L"\\\\?\\", 0) == 0) return ruta;
    DWORD n = GetFullPathNameW(ruta.c_str(), 0, nullptr, nullptr);
    if (n == 0) return ruta;
    std::vector<wchar_t> buffer(n + 1);
    n = GetFullPathNameW(ruta.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    std::wstring completa(buffer.data(), n);
    if (completa.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + completa.substr(2);
    return L"\\\\?\\" + completa;
}

bool MismaRuta(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

std::wstring IncluirBarra(std::wstring ruta) {
    if (ruta.empty() || ruta.back() != L'\\') ruta += L'\\';
    return ruta;
}

std::wstring CarpetaDe(const std::wstring& ruta) {
    const size_t barra = ruta.rfind(L'\\');
    return barra == std::wstring::npos ? std::wstring() : ruta.substr(0, barra + 1);
}

std::wstring NombreDe(const std::wstring& ruta) {
    const size_t barra = ruta.rfind(L'\\');
    return barra == std::wstring::npos ? ruta : ruta.substr(barra + 1);
}

namespace {
// "C:" for drive paths, "\\server\share" for network paths, otherwise empty.
std::wstring UnidadDe(const std::wstring& ruta) {
    if (ruta.size() >= 2 && ruta[1] == L':') return ruta.substr(0, 2);
    if (ruta.rfind(L"\\\\", 0) == 0) {
        const size_t servidor = ruta.find(L'\\', 2);
        if (servidor == std::wstring::npos) return ruta;
        const size_t recurso = ruta.find(L'\\', servidor + 1);
        return ruta.substr(0, recurso);
    }
    return {};
}

// Replaces the first folder of a folder part with "...": "\a\b\" -> "\...\b\".
void QuitarPrimeraCarpeta(std::wstring& carpetas) {
    const bool raiz = !carpetas.empty() && carpetas[0] == L'\\';
    if (raiz) carpetas.erase(0, 1);
    if (carpetas.rfind(L"...\\", 0) == 0) carpetas.erase(0, 4);
    const size_t barra = carpetas.find(L'\\');
    if (barra != std::wstring::npos)
        carpetas = L"...\\" + carpetas.substr(barra + 1);
    else
        carpetas.clear();
    if (raiz) carpetas = L"\\" + carpetas;
}
}  // namespace

std::wstring AcortarRuta(const std::wstring& ruta, HFONT fuente, int anchoMaximo) {
    ui::WindowDC pantalla;
    ui::SelectGuard seleccion(pantalla.get(), fuente);
    auto ancho = [&](const std::wstring& texto) {
        SIZE s{};
        GetTextExtentPoint32W(pantalla.get(), texto.c_str(), static_cast<int>(texto.size()), &s);
        return static_cast<int>(s.cx);
    };
    std::wstring unidad = UnidadDe(ruta);
    const std::wstring nombre = NombreDe(ruta);
    std::wstring carpetas = CarpetaDe(ruta).substr(std::min(unidad.size(), CarpetaDe(ruta).size()));
    std::wstring resultado = ruta;
    while ((!carpetas.empty() || !unidad.empty()) && ancho(resultado) > anchoMaximo) {
        if (carpetas == L"\\...\\") {
            unidad.clear();
            carpetas = L"...\\";
        } else if (carpetas.empty()) {
            unidad.clear();
        } else {
            QuitarPrimeraCarpeta(carpetas);
        }
        resultado = unidad + carpetas + nombre;
    }
    return resultado;
}
