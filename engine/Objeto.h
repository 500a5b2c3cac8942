#pragma once
// What a chosen item, or an entry met in a folder walk, is: decided once from the object the
// path leads to, never again from the path string. Every later step checks that it still has
// this same object in hand.
#include <windows.h>

#include <optional>
#include <string>

#include "base/Existencia.h"
#include "base/Handle.h"
#include "engine/Motivo.h"

struct Objeto {
    // Where the object really lies: the final path of the folder it was found in plus its name
    // as stored (letter case, long name), with no "\\?\" prefix and no trailing separator but
    // for a root ("C:\", "\\servidor\recurso\"). An open handle that does not lead exactly
    // here is a link.
    std::wstring ruta;
    IdentidadArchivo identidad;
    bool carpeta = false;
    DWORD atributos = 0;
    DWORD nombres = 1;  // names the file has in its volume (hard links)
    FILETIME escritura{};
};

// The path as the person wrote it, made absolute: both separators, "." and ".." resolved, a
// "\\?\" prefix dropped, no trailing separator but for a root; every name kept literally.
// Empty when it cannot name anything (empty, wildcards, too long).
std::wstring RutaNormalizada(const std::wstring& escrita);

// Resolves what a written path names, following no link at its last step: a link (a symbolic
// link, a junction, a mount point, or anything whose handle leads elsewhere than where it
// lies) is refused with Motivo::Enlace. Nothing is changed on the disk.
std::optional<Objeto> Resolver(const std::wstring& escrita, Fallo& fallo);
// The same for an entry found in a walk of the folder `carpeta`: `datos` is what the search
// reported of it. The entry is opened for its attributes, with every sharing; given `abierto`,
// it is opened for `acceso` with the sharing `compartir` instead, and that handle, which
// decided what the entry is, is handed over for the work that follows.
std::optional<Objeto> ResolverEntrada(const Objeto& carpeta, const WIN32_FIND_DATAW& datos, Fallo& fallo);
std::optional<Objeto> ResolverEntrada(const Objeto& carpeta, const WIN32_FIND_DATAW& datos, DWORD acceso,
                                      DWORD compartir, win::UniqueFile& abierto, Fallo& fallo);

// Checks an open handle against the object it must be: the same file (its index on the
// object's volume), not a link, leading exactly where the object lies. Refreshes what the
// handle tells (names, time).
bool EsElMismo(HANDLE archivo, Objeto& objeto, Fallo& fallo);
// Opens the object's path for `acceso` with the given sharing, without following a link, and
// checks that the handle leads to the object; an invalid handle (and the reason) otherwise.
win::UniqueFile AbrirObjeto(Objeto& objeto, DWORD acceso, DWORD compartir, Fallo& fallo);

// Whether `interior` lies inside the folder `carpeta` (at any depth), by their resolved paths.
bool Dentro(const Objeto& interior, const Objeto& carpeta);

// The reason for a failed system call, from its error code.
Fallo FalloDeError(DWORD codigo);
