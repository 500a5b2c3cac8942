#include "settings/MenuContextual.h"

#include "base/Registro.h"

namespace {

// The verb keys, the file entry first, then the folder entry, below the classes of the
// current user (HKEY_CURRENT_USER\Software\Classes), which the system merges into
// HKEY_CLASSES_ROOT for that user. A standard user may write there; the machine-wide classes
// that a write through HKEY_CLASSES_ROOT would reach need an administrator.
constexpr const wchar_t* kVerbos[] = {L"Software\\Classes\\*\\shell\\Trituradora de archivo",
                                      L"Software\\Classes\\Directory\\shell\\Trituradora de carpeta"};

// The "command" key of an entry, opened (or created) with full access, through its verb key.
ClaveRegistro AbrirComando(const wchar_t* verbo, Apertura modo) {
    ClaveRegistro clave = ClaveRegistro::Abrir(HKEY_CURRENT_USER, verbo, modo);
    if (!clave) return clave;
    return ClaveRegistro::Abrir(clave.Handle(), L"command", modo);
}

}  // namespace

std::wstring RutaPrograma() {
    std::wstring ruta(MAX_PATH, L'\0');
    for (;;) {
        const DWORD largo = GetModuleFileNameW(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()));
        if (largo < ruta.size()) {  // not cut short
            ruta.resize(largo);
            return ruta;
        }
        ruta.resize(ruta.size() * 2);
    }
}

std::wstring TextoComando(const std::wstring& programa) { return L"\"" + programa + L"\" \"%1\""; }

void InstalarMenuContextual() { InstalarMenuContextual(TextoComando(RutaPrograma())); }
bool MenuContextualInstalado() { return MenuContextualInstalado(TextoComando(RutaPrograma())); }

void InstalarMenuContextual(const std::wstring& comando) {
    for (const wchar_t* verbo : kVerbos) {
        const ClaveRegistro clave = AbrirComando(verbo, Apertura::AbrirOCrear);
        // A key that cannot be created ends the install as a value that cannot be written.
        if (!clave) throw ErrorRegistro::EscribirDatos(L"");
        clave.EscribirTexto(L"", comando);
    }
}

void DesinstalarMenuContextual() {
    // Earlier versions wrote the same keys in the machine-wide classes; they go too where
    // this user may delete them, and stay silently where not.
    for (const HKEY raiz : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        for (const wchar_t* verbo : kVerbos) BorrarArbol(raiz, verbo);
}

bool MenuContextualInstalado(const std::wstring& comando) {
    for (const wchar_t* verbo : kVerbos) {
        const ClaveRegistro clave = AbrirComando(verbo, Apertura::SoloAbrir);
        const std::wstring guardado = clave ? clave.LeerTexto(L"").value_or(L"") : L"";
        if (guardado != comando) return false;  // the next entry is not looked at
    }
    return true;
}
