#pragma once
// The per-file routine and its finishing steps: the write test, clearing read-only,
// truncation, the two renames and the false dates.
#include <string>

class Seguimiento;

// Shreds one file: shows it, tests it, overwrites it with the enabled methods and finishes
// it with the enabled steps. True when the file counts as shredded; a file stopped by the
// cancel request, or replaced by another file before its finishing steps, answers false.
bool TriturarArchivo(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas);
// The ultra-fast path: no overwriting; clears read-only, truncates, renames and deletes.
bool TriturarUltraRapido(const std::wstring& ruta);
// Opens the file exclusively for writing and writes "X" over its first byte.
bool ProbarEscritura(const std::wstring& ruta);
// Clears the read-only attribute; true when the path is not (or no longer) read-only.
bool QuitarSoloLectura(const std::wstring& ruta);
// Empties the file.
bool TruncarArchivo(const std::wstring& ruta);
// Moves the file to a meaningless 8.3 name in its folder, then to "~"; answers the name
// the file really has after the moves.
std::wstring CambiarNombre(const std::wstring& ruta);
// Gives the existing file three false times (1990 to 2005); never creates a file.
std::wstring FalsearFechas(const std::wstring& ruta);
