#pragma once
// The program's credit line and addresses, shown by the main window, the about box and the
// visit window; resources/src/make_about_pictures.py reads them from here for the pictures.
#include <string>

// The author's name, as it follows "Programa realizado por " in the about box's marquee.
inline constexpr const wchar_t* kAutor = L"el equipo Trituradora";
inline constexpr const wchar_t* kCreditos = L"Por el equipo Trituradora";
inline constexpr const wchar_t* kWeb = L"http://www.example.org";
inline constexpr const wchar_t* kCorreo = L"trituradora@example.org";

// Asks the shell to open an address (a web page or a mail message) in a normally shown
// window with no owner. It goes through AbrirDireccion (base/AbrirDireccion.h), which the
// tests replace so that no browser is started.
void AbrirEnNavegador(const std::wstring& direccion);
