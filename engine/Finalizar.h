#pragma once
// The per-file routine and its finishing steps: the write test, clearing read-only,
// truncation, the two renames and the false dates.
#include <windows.h>

#include <string>

#include "base/Existencia.h"
#include "base/Handle.h"
#include "engine/Motivo.h"

class Contexto;
class Seguimiento;
struct Objeto;
struct ShredOptions;

// Shreds one file: shows it, tests it, overwrites it with the enabled methods and finishes
// it with the enabled steps. True when the file counts as shredded; a file stopped by the
// cancel request, a link, a file with names outside what was chosen, or one that another
// program replaced or holds answers false and is left as it was. `abierto`, when given, is
// the handle the object was resolved through, opened already without sharing for at least
// AccesoRetenido.
bool TriturarArchivo(Contexto& contexto, Objeto& objeto, win::UniqueFile abierto = {});
// The same for a path on its own, resolved first.
bool TriturarArchivo(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas);
// The access the per-file routine holds a file with (deletion included) under these settings.
DWORD AccesoRetenido(const ShredOptions& opciones);
// The ultra-fast path: no overwriting; clears read-only, truncates, renames and deletes.
bool TriturarUltraRapido(Contexto& contexto, Objeto& objeto, win::UniqueFile abierto = {});

// The file the per-file routine holds from its write test to its deletion: opened once,
// exclusively and without following a link, checked to be the chosen object, and renamed,
// dated and deleted through that same handle.
class ArchivoRetenido {
public:
    // Clears the object's read-only attribute, then opens it for `acceso` (and deletion).
    static ArchivoRetenido Abrir(Objeto& objeto, DWORD acceso, Fallo& fallo);
    // Takes over a handle the object was resolved through, opened already as Abrir opens it.
    static ArchivoRetenido Tomar(const Objeto& objeto, win::UniqueFile abierto);

    explicit operator bool() const { return static_cast<bool>(archivo_); }
    HANDLE get() const { return archivo_.get(); }
    const std::wstring& Ruta() const { return ruta_; }

    // Whether its name still leads to it. Where another program can move a file over one that
    // is held open (a Unix system under the Windows layer), renaming or deleting "through the
    // handle" goes by the name; this is asked first.
    bool Sigue(Fallo& fallo) const;
    bool Truncar(Fallo& fallo);
    void CambiarNombre();
    void FalsearFechas();
    // Deletes the file; it is gone once this handle, the last, is closed here.
    bool Borrar(Fallo& fallo);

private:
    win::UniqueFile archivo_;
    std::wstring ruta_;
    IdentidadArchivo identidad_;
};

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
