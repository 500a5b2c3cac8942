#include "dialogs/Creditos.h"

#include "base/AbrirDireccion.h"

void AbrirEnNavegador(const std::wstring& direccion) { AbrirDireccion(nullptr, direccion, SW_SHOWNORMAL); }
