#pragma once
// The program's credit line and addresses, shown by the main window and the about box.
#include <string>

inline constexpr const wchar_t* kCreditos = L"Por el equipo Trituradora";
inline constexpr const wchar_t* kWeb = L"http://www.example.org";
inline constexpr const wchar_t* kCorreo = L"trituradora@example.org";

// Asks the shell to open an address (a web page or a mail message) in a normally shown
// window. Tests replace it so that no browser is started.
void AbrirEnNavegador(const std::wstring& direccion);
