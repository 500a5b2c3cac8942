#pragma once
// The registry layer of the settings and of the system switches. Every key is opened with
// full access, for reading as well as for writing, so a key that the user may not write
// cannot be read either. Failures are raised as ErrorRegistro, which the application's
// standard error box shows. Names and texts go through the wide calls, so an accented name
// such as "Nº de pasadas" is stored as an ANSI program on code page 1252 would store it.
#include <optional>
#include <string>
#include <string_view>

#include "base/Exception.h"
#include "base/Handle.h"

class ErrorRegistro : public win::Exception {
public:
    using win::Exception::Exception;

    // "Failed to create key %s", with the key's path.
    static ErrorRegistro CrearClave(std::wstring_view clave);
    // "Failed to set data for '%s'", with the value's name (empty for a default value).
    static ErrorRegistro EscribirDatos(std::wstring_view valor);
    // "Failed to get data for '%s'".
    static ErrorRegistro LeerDatos(std::wstring_view valor);
    // "Invalid data type for '%s'".
    static ErrorRegistro TipoDeDatos(std::wstring_view valor);
};

enum class Apertura { SoloAbrir, AbrirOCrear };

class ClaveRegistro {
public:
    // Opens the key at ruta below raiz (a root key or a key already open) with full access;
    // AbrirOCrear creates it, and whatever is missing on the way, first. A leading
    // backslash means "from the root" and is dropped (the system refuses it). The result is
    // empty (false) when the key cannot be opened or created.
    static ClaveRegistro Abrir(HKEY raiz, std::wstring_view ruta, Apertura modo = Apertura::SoloAbrir);
    // Opens or creates the key; a failure raises "Failed to create key %s".
    static ClaveRegistro Crear(HKEY raiz, std::wstring_view ruta);

    explicit operator bool() const noexcept { return static_cast<bool>(clave_); }
    HKEY Handle() const noexcept { return clave_.get(); }

    // A text value (REG_SZ or REG_EXPAND_SZ, not expanded), ending at its first zero or at
    // the end of its data. Nothing when the value is missing; empty text for a value of
    // another type that holds no data. A value of another type that holds data raises
    // "Invalid data type for '%s'", a failed read "Failed to get data for '%s'". An empty
    // name is the key's default value.
    std::optional<std::wstring> LeerTexto(const std::wstring& nombre) const;
    // Writes the text as zero-terminated REG_SZ; a failure raises "Failed to set data for '%s'".
    void EscribirTexto(const std::wstring& nombre, const std::wstring& texto) const;

    // A REG_DWORD value. A missing value, a failed read or data longer than 4 bytes raise
    // "Failed to get data for '%s'", another type "Invalid data type for '%s'". Shorter
    // data is read as far as it goes, the missing high bytes as zero.
    DWORD LeerEntero(const std::wstring& nombre) const;
    // Writes a 4-byte REG_DWORD; a failure raises "Failed to set data for '%s'".
    void EscribirEntero(const std::wstring& nombre, DWORD valor) const;

private:
    ClaveRegistro() = default;
    win::UniqueKey clave_;
};

// Deletes the key at ruta below raiz with everything below it, depth first: each subkey,
// with what lies below it, before the key itself. A key that is missing or cannot be
// deleted is passed over, and its siblings are still tried. True when the key is gone.
bool BorrarArbol(HKEY raiz, std::wstring_view ruta);
