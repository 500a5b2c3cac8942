#pragma once
// The pass frame shared by the five overwrite methods: before every pass it moves the bar,
// writes the pass counter, lets the progress window handle its messages and looks at the
// cancel request. During a long pass the window is kept answering by a heartbeat.
#include <windows.h>

#include <cstdint>
#include <functional>

class Seguimiento;

// Keeps the progress window answering while one pass runs: every 256 KiB written it looks at
// the clock, and once 100 ms have gone by since the window last handled its messages it lets
// it handle them again (repaints, a click on Cancelar). A cancel request set here only sets the
// flag; the pass goes on to its end and the flag is seen at the next pass boundary. Small files
// never reach the clock.
class Latido {
public:
    static constexpr uint64_t kBytesEntreMiradas = 256 * 1024;
    static constexpr ULONGLONG kMilisegundosEntreBombeos = 100;

    explicit Latido(Seguimiento& seguimiento);
    // Counts bytes written in the pass.
    void Escritos(uint64_t bytes) {
        pendientes_ += bytes;
        if (pendientes_ >= kBytesEntreMiradas) Mirar();
    }

private:
    void Mirar();
    Seguimiento& seguimiento_;
    uint64_t pendientes_ = 0;
    ULONGLONG ultimoBombeo_;
};

// What a failed pass means for the method: the end of its passes, or only that pass.
enum class TrasFallo { Terminar, Seguir };

// Runs passes 1 to `pasadas` of method `metodo` (1 to 5). With the cancel request already set,
// or with no passes, it does nothing and answers true. Otherwise `preparar` (when given) runs
// once before the first pass; false there ends the method with false. Before each pass i the
// bar goes to (metodo - 1) * pasadas + i; when that position is a multiple of NMetodos the
// counter becomes "N de P"; pending messages are handled; a cancel request then ends the
// method. `pasada` does pass i and answers whether it succeeded. The answer is the AND of the
// passes done; with TrasFallo::Terminar a failed pass is the last.
bool RecorrerPasadas(Seguimiento& seguimiento, int metodo, int pasadas, TrasFallo trasFallo,
                     const std::function<bool()>& preparar,
                     const std::function<bool(int pasada, Latido& latido)>& pasada);
