#pragma once
// Why an item was not shredded: a side record of a run, kept beside the answers. The first
// failing step of the first file that failed in an item gives the item its reason.
#include <windows.h>

#include <string>
#include <vector>

enum class Motivo {
    Ninguno,
    EnUso,            // sharing violation or lock
    AccesoDenegado,
    Enlace,           // a link, never followed
    OtrosNombres,     // a hard link with names outside what was chosen
    NoExiste,
    DiscoLleno,
    ErrorEscritura,   // any other write failure
    Cambiado,         // replaced or removed by another program during the run
    Cancelado,
};

// The reason of one item, with the system's error code where there was one. A folder that
// could not be removed says so and carries the first reason met inside it.
struct Fallo {
    Motivo motivo = Motivo::Ninguno;
    DWORD codigo = 0;
    bool quedanDentro = false;
    bool operator==(const Fallo&) const = default;
};

// The text shown to the person: "en uso por otro programa", "acceso denegado", ...; for a
// folder "quedan elementos dentro" followed by the reason met inside.
std::wstring TextoMotivo(Motivo motivo);
std::wstring TextoFallo(const Fallo& fallo);

// An item the run could not shred, as the list held it, and why.
struct NoTriturado {
    std::wstring ruta;
    Fallo fallo;
    bool operator==(const NoTriturado&) const = default;
};
using InformeRun = std::vector<NoTriturado>;
