#include "engine/MarcoPasadas.h"

#include <algorithm>
#include <string>

#include "engine/UProgreso.h"
#include "engine/ShredOptions.h"

Latido::Latido() : ultimoBombeo_(GetTickCount64()) {}

void Latido::Mirar() {
    pendientes_ = 0;
    const ULONGLONG ahora = GetTickCount64();
    if (ahora - ultimoBombeo_ < kMilisegundosEntreBombeos) return;
    ui::App().ProcessMessages();
    ultimoBombeo_ = GetTickCount64();
}

bool RecorrerPasadas(TFProgreso& ventana, int metodo, int pasadas, TrasFallo trasFallo,
                     const std::function<bool()>& preparar,
                     const std::function<bool(int pasada, Latido& latido)>& pasada) {
    if (ventana.Cancelado || pasadas <= 0) return true;
    if (preparar && !preparar()) return false;

    // The methods in use are always 1 to NMetodos, at least method 1.
    const int k = std::max(NMetodos, 1);
    bool resultado = true;
    for (int i = 1; i <= pasadas; ++i) {
        const int posicion = (metodo - 1) * pasadas + i;
        ventana.Progreso.Position(posicion);
        if (posicion % k == 0)
            ventana.LabelNpasada.Caption(std::to_wstring(posicion / k) + L" de " +
                                         std::to_wstring(ventana.Progreso.Max() / k));
        ui::App().ProcessMessages();
        if (ventana.Cancelado) break;

        Latido latido;
        if (!pasada(i, latido)) {
            resultado = false;
            if (trasFallo == TrasFallo::Terminar) break;
        }
    }
    return resultado;
}
