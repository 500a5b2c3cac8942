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
}  // namespace

std::vector<std::wstring> Acortamientos(const std::wstring& ruta) {
    const std::wstring unidad = UnidadDe(ruta);
    const std::wstring nombre = NombreDe(ruta);
    const std::wstring parte = CarpetaDe(ruta).substr(std::min(unidad.size(), CarpetaDe(ruta).size()));
    const bool desdeRaiz = !parte.empty() && parte[0] == L'\\';
    std::vector<std::wstring> carpetas;
    for (size_t inicio = 0; inicio < parte.size();) {
        const size_t fin = parte.find(L'\\', inicio);
        if (fin > inicio) carpetas.push_back(parte.substr(inicio, fin - inicio));
        inicio = fin + 1;
    }

    std::vector<std::wstring> pasos{ruta};
    auto anadir = [&](std::wstring paso) {
        if (pasos.back() != paso) pasos.push_back(std::move(paso));
    };
    // Folders go one at a time from the left, behind "...".
    for (size_t k = 1; k <= carpetas.size(); ++k) {
        std::wstring paso = unidad + (desdeRaiz ? L"\\" : L"") + L"...\\";
        for (size_t i = k; i < carpetas.size(); ++i) paso += carpetas[i] + L"\\";
        anadir(paso + nombre);
    }
    // Then the drive, then everything but the name.
    if (!unidad.empty() || !carpetas.empty()) anadir(L"...\\" + nombre);
    anadir(nombre);
    return pasos;
}

std::wstring AcortarRuta(const std::wstring& ruta, const std::function<int(const std::wstring&)>& ancho,
                         int anchoMaximo) {
    const std::vector<std::wstring> pasos = Acortamientos(ruta);
    for (const std::wstring& paso : pasos)
        if (ancho(paso) <= anchoMaximo) return paso;
    return pasos.back();
}

std::wstring AcortarRuta(const std::wstring& ruta, HFONT fuente, int anchoMaximo) {
    const HDC dc = win::MeasureDC();
    win::SelectGuard seleccion(dc, fuente);
    return AcortarRuta(
        ruta,
        [&](const std::wstring& texto) {
            SIZE s{};
            GetTextExtentPoint32W(dc, texto.c_str(), static_cast<int>(texto.size()), &s);
            return static_cast<int>(s.cx);
        },
        anchoMaximo);
}
