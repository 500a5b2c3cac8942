#pragma once
// What one run knows beside its answers: where it reports, the objects the person chose,
// what it has already shredded, and why the item in hand failed first.
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "engine/Motivo.h"
#include "engine/Objeto.h"
#include "engine/ShredOptions.h"

class Seguimiento;

class Contexto {
public:
    Contexto(Seguimiento& seguimiento, int pasadas)
        : seguimiento(seguimiento), pasadas(pasadas), opciones(OpcionesActuales()) {}

    Seguimiento& seguimiento;
    const int pasadas;
    // The settings as they were when the run began, for every file of it.
    const ShredOptions opciones;
    // The chosen items that resolved, each once.
    std::vector<Objeto> elegidos;

    // Notes a failure; the first of an item is its reason.
    bool Fallar(const Fallo& fallo) {
        if (!fallo_) fallo_ = fallo;
        return false;
    }
    // Entries of a folder stayed: the reason becomes "elements stay inside", with the first
    // reason met inside.
    void QuedanDentro() {
        if (fallo_) fallo_->quedanDentro = true;
    }
    // The reason of the item in hand, and a clean slate for the next.
    std::optional<Fallo> TomarFallo() { return std::exchange(fallo_, std::nullopt); }

    void Hecho(const IdentidadArchivo& identidad) { hechos_.insert(Clave(identidad)); }
    bool YaHecho(const IdentidadArchivo& identidad) const { return hechos_.count(Clave(identidad)) > 0; }

    // Whether every name of a file with more than one lies inside what was chosen: its names
    // found there are as many as it has.
    bool NombresDentro(const Objeto& archivo);

private:
    using ClaveIdentidad = std::pair<DWORD, uint64_t>;
    static ClaveIdentidad Clave(const IdentidadArchivo& i) { return {i.volumen, i.indice}; }

    std::optional<Fallo> fallo_;
    std::set<ClaveIdentidad> hechos_;
    // Names found inside the chosen items, per file with more than one; counted when the first
    // such file is met.
    std::optional<std::map<ClaveIdentidad, DWORD>> nombresDentro_;
};
