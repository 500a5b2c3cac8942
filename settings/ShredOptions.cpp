#include "settings/ShredOptions.h"

#include <cwchar>

int NMetodos = 1;

namespace {
std::function<ShredOptions()>& Fuente() {
    static std::function<ShredOptions()> fuente;
    return fuente;
}
}  // namespace

ShredOptions OpcionesActuales() { return Fuente() ? Fuente()() : ShredOptions{}; }

void FijarFuenteOpciones(std::function<ShredOptions()> fuente) { Fuente() = std::move(fuente); }

int PasadasSeleccionadas() {
    const int indice = OpcionesActuales().NPasadas;
    if (indice < 0 || indice >= static_cast<int>(std::size(kEntradasPasadas))) return 0;
    return static_cast<int>(std::wcstol(kEntradasPasadas[indice], nullptr, 10));
}
