#include "base/Rutas.h"

#include <string_view>
#include <vector>

#include "base/Handle.h"

std::wstring TextoDelSistema(const std::function<DWORD(wchar_t*, DWORD)>& llamada) {
    // A buffer that holds most paths answers in one call (each call may read folders or ask
    // another process); a longer answer is asked for again with the size the first gave.
    std::vector<wchar_t> buffer(1024);
    for (int intento = 0; intento < 2; ++intento) {
        const DWORD n = llamada(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return std::wstring(buffer.data(), n);
        buffer.resize(n + 1);
    }
    return {};
}

std::wstring RutaCompleta(const std::wstring& ruta) {
    return TextoDelSistema([&](wchar_t* b, DWORD t) { return GetFullPathNameW(ruta.c_str(), t, b, nullptr); });
}

namespace {
bool EsSeparador(wchar_t c) { return c == L'\\' || c == L'/'; }

// A name that the system's handling of ordinary paths would change: a trailing dot or blank is
// dropped ("informe." would open "informe"), and a device name such as "con", "aux" or
// "com1.txt" stands for that device instead of the file.
bool NombreAlterado(std::wstring_view nombre) {
    if (nombre.empty() || nombre == L"." || nombre == L"..") return false;
    if (nombre.back() == L'.' || nombre.back() == L' ') return true;
    std::wstring base(nombre.substr(0, nombre.find(L'.')));
    while (!base.empty() && base.back() == L' ') base.pop_back();
    CharUpperBuffW(base.data(), static_cast<DWORD>(base.size()));
    if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL" || base == L"CONIN$" ||
        base == L"CONOUT$")
        return true;
    return base.size() == 4 && (base.rfind(L"COM", 0) == 0 || base.rfind(L"LPT", 0) == 0) && base[3] >= L'1' &&
           base[3] <= L'9';
}

bool TieneNombreAlterado(const std::wstring& ruta) {
    size_t inicio = 0;
    while (inicio <= ruta.size()) {
        size_t fin = inicio;
        while (fin < ruta.size() && !EsSeparador(ruta[fin])) ++fin;
        if (NombreAlterado(std::wstring_view(ruta).substr(inicio, fin - inicio))) return true;
        inicio = fin + 1;
    }
    return false;
}

}  // namespace

std::wstring CompletaLiteral(const std::wstring& ruta) {
    std::wstring base;  // what the path is relative to, up to its first name
    size_t resto = 0;
    if (ruta.size() >= 2 && EsSeparador(ruta[0]) && EsSeparador(ruta[1])) {  // \\server\share\...
        base = L"\\\\";
        resto = 2;
    } else if (ruta.size() >= 3 && ruta[1] == L':' && EsSeparador(ruta[2])) {  // C:\...
        base = ruta.substr(0, 2);
        resto = 3;
    } else {  // relative to the current folder, the current drive's root or a drive's current folder
        const bool raiz = !ruta.empty() && EsSeparador(ruta[0]);
        const bool unidad = ruta.size() >= 2 && ruta[1] == L':';
        base = RutaCompleta(raiz ? L"\\" : unidad ? ruta.substr(0, 2) : L".");
        if (raiz) base = base.substr(0, 2);
        while (!base.empty() && EsSeparador(base.back())) base.pop_back();
        resto = raiz ? 1 : unidad ? 2 : 0;
    }
    std::vector<std::wstring> nombres;
    size_t inicio = resto;
    while (inicio <= ruta.size()) {
        size_t fin = inicio;
        while (fin < ruta.size() && !EsSeparador(ruta[fin])) ++fin;
        const std::wstring nombre = ruta.substr(inicio, fin - inicio);
        if (nombre == L"..") {
            if (!nombres.empty()) nombres.pop_back();
        } else if (!nombre.empty() && nombre != L".") {
            nombres.push_back(nombre);
        }
        inicio = fin + 1;
    }
    std::wstring completa = base;
    for (size_t i = 0; i < nombres.size(); ++i) completa += (i == 0 && base == L"\\\\" ? L"" : L"\\") + nombres[i];
    if (!ruta.empty() && EsSeparador(ruta.back())) completa += L'\\';
    return completa;
}

std::wstring RutaApi(const std::wstring& ruta) {
    constexpr size_t kLimite = MAX_PATH - 12;  // folders must leave room for an 8.3 name
    if (ruta.rfind(L"\\\\?\\", 0) == 0) return ruta;
    // Names the system would change go to it literally, behind the prefix that turns its path
    // handling off; so do paths too long for the classic limit.
    const bool literal = TieneNombreAlterado(ruta);
    if (ruta.size() < kLimite && !literal) return ruta;
    const std::wstring completa = literal ? CompletaLiteral(ruta) : RutaCompleta(ruta);
    if (completa.empty()) return ruta;
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
