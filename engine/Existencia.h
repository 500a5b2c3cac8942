#pragma once
// Existence tests of the engine and the link test that keeps it inside what was chosen.
#include <string>

// The path's attributes can be read and carry the folder bit.
bool ExisteCarpeta(const std::wstring& ruta);
// A search for the exact path finds an entry that is not a folder, whose last-write time in
// local time is a valid DOS date and time (1980 to 2107). Wildcards never match.
bool ExisteArchivo(const std::wstring& ruta);
// The path is a link: a reparse point (junction, symbolic link), or a file whose opened
// handle resolves to another place than the folder it lies in. Links are never walked,
// written or deleted through.
bool EsEnlace(const std::wstring& ruta);
