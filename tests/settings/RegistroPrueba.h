#pragma once
// Helpers of the registry tests: a fresh key per test, and raw reads and writes straight
// through the system, to set up and inspect what the code under test sees.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/Registro.h"

namespace prueba {

// HKEY_CURRENT_USER\TrituradoraPruebas\<test name>, created empty and deleted with
// everything below it when the test ends.
class ClavePrueba {
public:
    ClavePrueba() {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        const std::string nombre = std::string(info->test_suite_name()) + "." + info->name();
        ruta_ = L"TrituradoraPruebas\\" + std::wstring(nombre.begin(), nombre.end());
        RegDeleteTreeW(HKEY_CURRENT_USER, ruta_.c_str());
        HKEY h = nullptr;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, ruta_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(h);
    }
    ~ClavePrueba() {
        RegDeleteTreeW(HKEY_CURRENT_USER, ruta_.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"TrituradoraPruebas");  // only once it is empty
    }
    ClavePrueba(const ClavePrueba&) = delete;
    ClavePrueba& operator=(const ClavePrueba&) = delete;
    const std::wstring& Ruta() const { return ruta_; }

private:
    std::wstring ruta_;
};

inline void PonerValor(HKEY raiz, const std::wstring& ruta, const std::wstring& nombre, DWORD tipo, const void* datos,
                       DWORD bytes) {
    ASSERT_EQ(RegSetKeyValueW(raiz, ruta.c_str(), nombre.c_str(), tipo, datos, bytes), ERROR_SUCCESS);
}
// Text with its terminating zero.
inline void PonerTexto(HKEY raiz, const std::wstring& ruta, const std::wstring& nombre, const std::wstring& texto,
                       DWORD tipo = REG_SZ) {
    PonerValor(raiz, ruta, nombre, tipo, texto.c_str(), static_cast<DWORD>((texto.size() + 1) * sizeof(wchar_t)));
}
inline void PonerDword(HKEY raiz, const std::wstring& ruta, const std::wstring& nombre, DWORD valor) {
    PonerValor(raiz, ruta, nombre, REG_DWORD, &valor, sizeof valor);
}

struct ValorCrudo {
    DWORD tipo = REG_NONE;
    std::vector<BYTE> datos;
};
// A value as stored, or nothing when the key or the value is missing.
inline std::optional<ValorCrudo> LeerValor(HKEY raiz, const std::wstring& ruta, const std::wstring& nombre) {
    ValorCrudo valor;
    valor.datos.resize(4096);
    DWORD bytes = 4096;
    if (RegGetValueW(raiz, ruta.c_str(), nombre.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &valor.tipo, valor.datos.data(),
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    valor.datos.resize(bytes);
    return valor;
}
inline std::wstring ComoTexto(const ValorCrudo& valor) {
    std::wstring texto(reinterpret_cast<const wchar_t*>(valor.datos.data()), valor.datos.size() / sizeof(wchar_t));
    if (!texto.empty() && texto.back() == L'\0') texto.pop_back();
    return texto;
}

inline bool ExisteClave(HKEY raiz, const std::wstring& ruta) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(raiz, ruta.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    RegCloseKey(h);
    return true;
}

// The names of the subkeys, or of the values, of a key.
inline std::vector<std::wstring> Nombres(HKEY raiz, const std::wstring& ruta, bool valores) {
    std::vector<std::wstring> nombres;
    HKEY h = nullptr;
    if (RegOpenKeyExW(raiz, ruta.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return nombres;
    win::UniqueKey clave(h);
    for (DWORD i = 0;; ++i) {
        wchar_t nombre[512];
        DWORD largo = 512;
        const LONG r = valores ? RegEnumValueW(h, i, nombre, &largo, nullptr, nullptr, nullptr, nullptr)
                               : RegEnumKeyExW(h, i, nombre, &largo, nullptr, nullptr, nullptr, nullptr);
        if (r != ERROR_SUCCESS) break;
        nombres.emplace_back(nombre, largo);
    }
    return nombres;
}

// Runs a step and gives the message of the registry error it raised; empty when none.
template <class Paso>
std::wstring ErrorDe(Paso&& paso) {
    try {
        paso();
    } catch (const ErrorRegistro& error) {
        return error.Message();
    }
    return L"";
}

}  // namespace prueba
