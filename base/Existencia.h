#pragma once
// Existence tests of the engine and the link test that keeps it inside what was chosen.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// The path's attributes can be read and carry the folder bit.
bool ExisteCarpeta(const std::wstring& ruta);
// A search for the exact path finds an entry that is not a folder, whose last-write time in
// local time is a valid DOS date and time (1980 to 2107). Wildcards never match.
bool ExisteArchivo(const std::wstring& ruta);
// Whether a last-write time, in local time, is a valid DOS date and time (1980 to 2107): a file
// dated outside that range counts as missing.
bool FechaDos(const FILETIME& escritura);
// The path is a link: a reparse point (junction, symbolic link), or a file whose opened
// handle resolves to another place than the folder it lies in. Links are never walked,
// written or deleted through.
bool EsEnlace(const std::wstring& ruta);

// Which file a path or an open handle leads to: its volume and its index there. A file put in
// the place of another (moved over it, or deleted and created again) is a different file.
struct IdentidadArchivo {
    DWORD volumen = 0;
    uint64_t indice = 0;
    bool operator==(const IdentidadArchivo&) const = default;
};
std::optional<IdentidadArchivo> IdentidadDe(HANDLE archivo);
// Nothing when there is no file at the path.
std::optional<IdentidadArchivo> IdentidadDe(const std::wstring& ruta);

// The index alone, for a file whose volume is already known (it lies in a folder that was
// identified whole). Asked of the handle only: the volume's serial number, which Wine fetches
// from another process at every request, is left out.
std::optional<uint64_t> IndiceDe(HANDLE archivo);
// Nothing when there is no file at the path; a link at the path is not followed.
std::optional<uint64_t> IndiceDe(const std::wstring& ruta);
