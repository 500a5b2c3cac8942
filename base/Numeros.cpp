#include "base/Numeros.h"

#include <cstdint>

namespace {

int ValorDeCifra(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// The digits that make up the whole of cifras, in base; false for none or for any other
// character, or once the number has outgrown every 32-bit value.
bool LeerCifras(std::wstring_view cifras, int base, int64_t& valor) {
    if (cifras.empty()) return false;
    valor = 0;
    for (const wchar_t c : cifras) {
        const int cifra = ValorDeCifra(c);
        if (cifra < 0 || cifra >= base) return false;
        valor = valor * base + cifra;
        if (valor > int64_t{1} << 32) return false;
    }
    return true;
}

}  // namespace

int NumeroDeTexto(std::wstring_view texto, int porDefecto) {
    int64_t valor = 0;
    bool leido = false;
    if (texto.size() > 2 && texto[0] == L'0' && (texto[1] == L'x' || texto[1] == L'X')) {
        leido = LeerCifras(texto.substr(2), 16, valor);
    } else {
        size_t i = texto.find_first_not_of(L' ');
        if (i == std::wstring_view::npos) return porDefecto;
        bool negativo = false;
        if (texto[i] == L'+' || texto[i] == L'-') negativo = texto[i++] == L'-';
        if (i < texto.size() && texto[i] == L'$')
            leido = LeerCifras(texto.substr(i + 1), 16, valor);
        else
            leido = LeerCifras(texto.substr(i), 10, valor);
        if (negativo) valor = -valor;
    }
    if (!leido || valor < INT32_MIN || valor > INT32_MAX) return porDefecto;
    return static_cast<int>(valor);
}
