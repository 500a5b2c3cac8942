#include "engine/AcortarRuta.h"

#include "base/Handle.h"
#include "base/Rutas.h"

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
    win::WindowDC pantalla;
    win::SelectGuard seleccion(pantalla.get(), fuente);
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
