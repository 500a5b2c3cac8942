#pragma once
// Shortening a path to the width of a progress label.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The shortenings of a path, in the order they are tried: the whole path; leading folders
// replaced by "..." one at a time; then the drive dropped too ("...\" and the name); last of
// all the name alone, which is never cut. Each differs from the one before.
std::vector<std::wstring> Acortamientos(const std::wstring& ruta);
// The first shortening no wider than `anchoMaximo` by the measure `ancho`, or the name alone.
std::wstring AcortarRuta(const std::wstring& ruta, const std::function<int(const std::wstring&)>& ancho,
                         int anchoMaximo);
// The same measured in a font.
std::wstring AcortarRuta(const std::wstring& ruta, HFONT fuente, int anchoMaximo);
