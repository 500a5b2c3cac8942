#pragma once
// Path helpers of the engine.
#include <windows.h>

#include <functional>
#include <string>

// The form of a path to hand to the file API: paths too long for the classic limit get the
// "\\?\" prefix (after being made absolute), so that they work like any other.
std::wstring RutaApi(const std::wstring& ruta);
// The text of a system call that fills a buffer and answers the length written, or, when the
// buffer is too small, the length it needs (a second call then fills one of that length);
// empty when it fails.
std::wstring TextoDelSistema(const std::function<DWORD(wchar_t* buffer, DWORD tamano)>& llamada);
// The path made absolute by the system's rules; empty when it cannot be.
std::wstring RutaCompleta(const std::wstring& ruta);
// The absolute path with its "." and ".." steps resolved by hand and every name kept as
// written (the system's rules would drop a trailing dot or blank, or turn "con" into a device).
// Both separators count; the result has backslashes and keeps a trailing one.
std::wstring CompletaLiteral(const std::wstring& ruta);
// Whether two paths are the same text when letter case is ignored.
bool MismaRuta(const std::wstring& a, const std::wstring& b);
// The path with a trailing backslash.
std::wstring IncluirBarra(std::wstring ruta);
// The path up to and including its last backslash (empty when it has none).
std::wstring CarpetaDe(const std::wstring& ruta);
// The part after the last backslash.
std::wstring NombreDe(const std::wstring& ruta);
