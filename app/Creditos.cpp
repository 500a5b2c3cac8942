#include "app/Creditos.h"

#include "app/AbrirDireccion.h"

void AbrirEnNavegador(const std::wstring& direccion) { AbrirDireccion(nullptr, direccion, SW_SHOWNORMAL); }
