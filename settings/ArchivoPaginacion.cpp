#include "settings/ArchivoPaginacion.h"

#include "base/Registro.h"

namespace {
const wchar_t kClave[] = L"\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const wchar_t kValor[] = L"ClearPageFileAtShutdown";
}  // namespace

bool LeerClearPageFile(bool& activado) { return LeerClearPageFile(HKEY_LOCAL_MACHINE, kClave, activado); }
bool EscribirClearPageFile(bool activado) { return EscribirClearPageFile(HKEY_LOCAL_MACHINE, kClave, activado); }

bool LeerClearPageFile(HKEY raiz, const std::wstring& ruta, bool& activado) {
    const ClaveRegistro clave = ClaveRegistro::Abrir(raiz, ruta);
    if (!clave) return false;
    try {
        activado = clave.LeerEntero(kValor) != 0;
        return true;
    } catch (const ErrorRegistro&) {
        return false;
    }
}

bool EscribirClearPageFile(HKEY raiz, const std::wstring& ruta, bool activado) {
    const ClaveRegistro clave = ClaveRegistro::Abrir(raiz, ruta);
    if (!clave) return false;
    try {
        clave.EscribirEntero(kValor, activado ? 1 : 0);
        return true;
    } catch (const ErrorRegistro&) {
        return false;
    }
}
