#include "base/Registro.h"

#include <vector>

namespace {

// A leading backslash means "from the root", which is where every path here starts anyway.
std::wstring DesdeLaRaiz(std::wstring_view ruta) {
    if (!ruta.empty() && ruta.front() == L'\\') ruta.remove_prefix(1);
    return std::wstring(ruta);
}

std::wstring Texto(std::wstring_view plantilla, std::wstring_view nombre, std::wstring_view cierre = {}) {
    std::wstring texto(plantilla);
    texto += nombre;
    texto += cierre;
    return texto;
}

// The names of the direct subkeys of a key.
std::vector<std::wstring> Subclaves(HKEY clave) {
    DWORD maximo = 0;
    if (RegQueryInfoKeyW(clave, nullptr, nullptr, nullptr, nullptr, &maximo, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return {};
    std::vector<std::wstring> nombres;
    std::wstring nombre(maximo + 1, L'\0');
    for (DWORD i = 0;; ++i) {
        DWORD largo = static_cast<DWORD>(nombre.size());
        const LONG r = RegEnumKeyExW(clave, i, nombre.data(), &largo, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_MORE_DATA) {  // a longer name appeared since the count was taken
            nombre.resize(nombre.size() * 2);
            --i;
            continue;
        }
        if (r != ERROR_SUCCESS) break;
        nombres.emplace_back(nombre.data(), largo);
    }
    return nombres;
}

}  // namespace

ErrorRegistro ErrorRegistro::CrearClave(std::wstring_view clave) { return ErrorRegistro(Texto(L"Failed to create key ", clave)); }
ErrorRegistro ErrorRegistro::EscribirDatos(std::wstring_view valor) {
    return ErrorRegistro(Texto(L"Failed to set data for '", valor, L"'"));
}
ErrorRegistro ErrorRegistro::LeerDatos(std::wstring_view valor) {
    return ErrorRegistro(Texto(L"Failed to get data for '", valor, L"'"));
}
ErrorRegistro ErrorRegistro::TipoDeDatos(std::wstring_view valor) {
    return ErrorRegistro(Texto(L"Invalid data type for '", valor, L"'"));
}

ClaveRegistro ClaveRegistro::Abrir(HKEY raiz, std::wstring_view ruta, Apertura modo) {
    const std::wstring camino = DesdeLaRaiz(ruta);
    HKEY h = nullptr;
    const LONG r = modo == Apertura::AbrirOCrear
                       ? RegCreateKeyExW(raiz, camino.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                         nullptr, &h, nullptr)
                       : RegOpenKeyExW(raiz, camino.c_str(), 0, KEY_ALL_ACCESS, &h);
    ClaveRegistro clave;
    if (r == ERROR_SUCCESS) clave.clave_.reset(h);
    return clave;
}

ClaveRegistro ClaveRegistro::Crear(HKEY raiz, std::wstring_view ruta) {
    ClaveRegistro clave = Abrir(raiz, ruta, Apertura::AbrirOCrear);
    if (!clave) throw ErrorRegistro::CrearClave(ruta);
    return clave;
}

std::optional<std::wstring> ClaveRegistro::LeerTexto(const std::wstring& nombre) const {
    DWORD tipo = 0, bytes = 0;
    LONG r = RegQueryValueExW(Handle(), nombre.c_str(), nullptr, &tipo, nullptr, &bytes);
    if (r == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (r != ERROR_SUCCESS) throw ErrorRegistro::LeerDatos(nombre);
    if (tipo != REG_SZ && tipo != REG_EXPAND_SZ) {
        if (bytes > 0) throw ErrorRegistro::TipoDeDatos(nombre);
        return std::wstring();
    }
    std::vector<wchar_t> datos;
    do {  // the value may grow between the two calls
        datos.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(datos.size() * sizeof(wchar_t));
        r = RegQueryValueExW(Handle(), nombre.c_str(), nullptr, &tipo, reinterpret_cast<BYTE*>(datos.data()), &bytes);
    } while (r == ERROR_MORE_DATA);
    if (r != ERROR_SUCCESS) throw ErrorRegistro::LeerDatos(nombre);
    if (tipo != REG_SZ && tipo != REG_EXPAND_SZ) throw ErrorRegistro::TipoDeDatos(nombre);
    std::wstring texto(datos.data(), bytes / sizeof(wchar_t));
    if (const size_t cero = texto.find(L'\0'); cero != std::wstring::npos) texto.resize(cero);
    return texto;
}

void ClaveRegistro::EscribirTexto(const std::wstring& nombre, const std::wstring& texto) const {
    const auto bytes = static_cast<DWORD>((texto.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(Handle(), nombre.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(texto.c_str()), bytes) !=
        ERROR_SUCCESS)
        throw ErrorRegistro::EscribirDatos(nombre);
}

DWORD ClaveRegistro::LeerEntero(const std::wstring& nombre) const {
    DWORD valor = 0, tipo = 0, bytes = sizeof valor;
    if (RegQueryValueExW(Handle(), nombre.c_str(), nullptr, &tipo, reinterpret_cast<BYTE*>(&valor), &bytes) !=
        ERROR_SUCCESS)
        throw ErrorRegistro::LeerDatos(nombre);
    if (tipo != REG_DWORD) throw ErrorRegistro::TipoDeDatos(nombre);
    return valor;
}

void ClaveRegistro::EscribirEntero(const std::wstring& nombre, DWORD valor) const {
    if (RegSetValueExW(Handle(), nombre.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&valor), sizeof valor) !=
        ERROR_SUCCESS)
        throw ErrorRegistro::EscribirDatos(nombre);
}

bool BorrarArbol(HKEY raiz, std::wstring_view ruta) {
    const std::wstring camino = DesdeLaRaiz(ruta);
    if (camino.empty()) return false;  // never the root itself
    if (const ClaveRegistro clave = ClaveRegistro::Abrir(raiz, camino))
        for (const std::wstring& subclave : Subclaves(clave.Handle())) BorrarArbol(clave.Handle(), subclave);
    const LONG r = RegDeleteKeyW(raiz, camino.c_str());
    return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
}
