#include "app/Creditos.h"

#include <windows.h>
#include <shellapi.h>

void AbrirEnNavegador(const std::wstring& direccion) {
    ShellExecuteW(nullptr, L"open", direccion.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
