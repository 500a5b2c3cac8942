#pragma once
// Opening an address (a web page, or a "Mailto:" message) in the program the user has for it.
#include <windows.h>

#include <functional>
#include <string>

// The request: the window that owns whatever the shell shows (may be null), the address, and
// how its window is to be shown (SW_SHOWNORMAL, SW_SHOWMAXIMIZED).
using AbridorDirecciones = std::function<void(HWND propietario, const std::wstring& direccion, int mostrar)>;

// Asks the shell to perform the verb "open" on the address, with no parameters and no working
// folder. The shell's answer is not looked at: with no browser or mail program registered,
// nothing happens and nothing is reported. Every address the program opens goes through here;
// the tests put a recorder in its place so that no browser is started.
extern AbridorDirecciones AbrirDireccion;

// The shell call itself.
void AbrirConElShell(HWND propietario, const std::wstring& direccion, int mostrar);
