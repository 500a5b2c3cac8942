#pragma once
// Shortening a path to the width of a progress label.
#include <windows.h>

#include <string>

// Shortens a path to fit a pixel width in a font: leading folders become "...", then the
// drive goes, and last of all only the name is left. The name itself is never cut.
std::wstring AcortarRuta(const std::wstring& ruta, HFONT fuente, int anchoMaximo);
