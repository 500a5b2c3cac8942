#include "base/AbrirDireccion.h"

#include <shellapi.h>

void AbrirConElShell(HWND propietario, const std::wstring& direccion, int mostrar) {
    ShellExecuteW(propietario, L"open", direccion.c_str(), nullptr, nullptr, mostrar);
}

AbridorDirecciones AbrirDireccion = AbrirConElShell;
