#include "engine/MarcoPasadas.h"

#include <algorithm>
#include <string>

#include "engine/Seguimiento.h"
#include "engine/ShredOptions.h"

Latido::Latido(Seguimiento& seguimiento) : seguimiento_(seguimiento), ultimoBombeo_(GetTickCount64()) {}

void Latido::Mirar() {
    pendientes_ = 0;
    const ULONGLONG ahora = GetTickCount64();
    if (ahora - ultimoBombeo_ < kMilisegundosEntreBombeos) return;
    seguimiento_.Bombear();
    ultimoBombeo_ = GetTickCount64();
}

bool RecorrerPasadas(Seguimiento& seguimiento, int metodo, int pasadas, TrasFallo trasFallo,
                     const std::function<bool()>& preparar,
                     const std::function<bool(int pasada, Latido& latido)>& pasada) {
    if (seguimiento.CancelarPedido() || pasadas <= 0) return true;
    if (preparar && !preparar()) return false;

    // The methods in use are always 1 to NMetodos, at least method 1.
    const int k = std::max(NMetodos, 1);
    bool resultado = true;
    for (int i = 1; i <= pasadas; ++i) {
        const int posicion = (metodo - 1) * pasadas + i;
        seguimiento.PosicionPasada(posicion);
        if (posicion % k == 0)
            seguimiento.EtiquetaPasada(std::to_wstring(posicion / k) + L" de " +
                                       std::to_wstring(seguimiento.MaximoPasadas() / k));
        seguimiento.Bombear();
        if (seguimiento.CancelarPedido()) break;

        Latido latido(seguimiento);
        if (!pasada(i, latido)) {
            resultado = false;
            if (trasFallo == TrasFallo::Terminar) break;
        }
    }
    return resultado;
}
