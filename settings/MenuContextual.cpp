#include "settings/MenuContextual.h"

#include "base/Registro.h"

namespace {

// The verb keys below HKEY_CLASSES_ROOT: the file entry first, then the folder entry.
constexpr const wchar_t* kVerbos[] = {L"*\\shell\\Trituradora de archivo", L"Directory\\shell\\Trituradora de carpeta"};

// The "command" key of an entry, opened (or created) with full access, through its verb key.
ClaveRegistro AbrirComando(const wchar_t* verbo, Apertura modo) {
    ClaveRegistro clave = ClaveRegistro::Abrir(HKEY_CLASSES_ROOT, verbo, modo);
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
    for (const wchar_t* verbo : kVerbos) BorrarArbol(HKEY_CLASSES_ROOT, verbo);
}

bool MenuContextualInstalado(const std::wstring& comando) {
    for (const wchar_t* verbo : kVerbos) {
        const ClaveRegistro clave = AbrirComando(verbo, Apertura::SoloAbrir);
        const std::wstring guardado = clave ? clave.LeerTexto(L"").value_or(L"") : L"";
        if (guardado != comando) return false;  // the next entry is not looked at
    }
    return true;
}
