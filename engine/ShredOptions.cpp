#include "engine/ShredOptions.h"

#include "base/Numeros.h"

int NMetodos = 1;

namespace {
struct Fuente {
    std::function<ShredOptions()> opciones;
    std::function<std::wstring()> textoPasadas;
};
Fuente& LaFuente() {
    static Fuente fuente;
    return fuente;
}

// The text of the selected entry; empty with none selected.
std::wstring TextoPasadas() {
    if (LaFuente().textoPasadas) return LaFuente().textoPasadas();
    const int indice = OpcionesActuales().NPasadas;
    if (indice < 0 || indice >= static_cast<int>(std::size(kEntradasPasadas))) return L"";
    return kEntradasPasadas[indice];
}
}  // namespace

ShredOptions OpcionesActuales() { return LaFuente().opciones ? LaFuente().opciones() : ShredOptions{}; }

void FijarFuenteOpciones(std::function<ShredOptions()> fuente, std::function<std::wstring()> textoPasadas) {
    LaFuente() = Fuente{std::move(fuente), std::move(textoPasadas)};
}

int PasadasSeleccionadas() {
    constexpr int kPasadasSinEntrada = 10;  // those of the default entry
    return NumeroDeTexto(TextoPasadas(), kPasadasSinEntrada);
}
