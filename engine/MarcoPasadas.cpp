#include "engine/MarcoPasadas.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <optional>
#include <string>

#include "base/Handle.h"
#include "engine/Seguimiento.h"
#include "engine/ShredOptions.h"

namespace {
// How long the window's thread waits for a step without handling its messages: a pass over a
// small file ends well within it, and the wait costs no call to Wine's server; a longer step
// is waited for with the window answering.
constexpr DWORD kEsperaCortaMs = 10;

// The thread that does a method's file work, one step at a time. A step is handed over whole
// and its answer comes back whole, under a lock that orders every access to them, so the
// threads never touch them at once. Where no thread can be made, the steps run here instead.
class Obrero {
public:
    Obrero() : hecho_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
        if (hecho_) hilo_.reset(CreateThread(nullptr, 0, &Obrero::Bucle, this, 0, nullptr));
    }
    ~Obrero() {
        if (!hilo_) return;
        Cambiar([&] { estado_ = Estado::Fin; });
        WaitForSingleObject(hilo_.get(), INFINITE);
    }
    Obrero(const Obrero&) = delete;
    Obrero& operator=(const Obrero&) = delete;

    // Taken by one frame at a time; false when another frame has it.
    bool Tomar() { return !ocupado_.exchange(true); }
    void Soltar() { ocupado_ = false; }

    // Runs `paso` on the worker while the window answers, and gives back its answer or its
    // exception.
    bool Hacer(Seguimiento& seguimiento, const std::function<bool()>& paso) {
        if (!hilo_) return paso();
        Cambiar([&] {
            paso_ = &paso;
            error_ = nullptr;
            avisar_ = false;
            estado_ = Estado::Pedido;
        });
        if (!Esperado(kEsperaCortaMs)) {
            try {
                seguimiento.EsperarAtendiendo(hecho_.get());
            } catch (...) {  // the step still uses what the caller holds: let it end first
                WaitForSingleObject(hecho_.get(), INFINITE);
                throw;
            }
        }
        if (error_) std::rethrow_exception(error_);
        return respuesta_;
    }

private:
    enum class Estado { Libre, Pedido, Hecho, Fin };

    template <class F>
    void Cambiar(F cambio) {
        AcquireSRWLockExclusive(&cerrojo_);
        cambio();
        ReleaseSRWLockExclusive(&cerrojo_);
        WakeAllConditionVariable(&cambiado_);
    }

    // Waits up to `ms` for the step to end. When it has not, the worker is told to signal the
    // event when it does.
    bool Esperado(DWORD ms) {
        AcquireSRWLockExclusive(&cerrojo_);
        const ULONGLONG hasta = GetTickCount64() + ms;
        for (ULONGLONG ahora = GetTickCount64(); estado_ != Estado::Hecho && ahora < hasta; ahora = GetTickCount64())
            SleepConditionVariableSRW(&cambiado_, &cerrojo_, static_cast<DWORD>(hasta - ahora), 0);
        const bool hecho = estado_ == Estado::Hecho;
        if (hecho) estado_ = Estado::Libre;
        else avisar_ = true;
        ReleaseSRWLockExclusive(&cerrojo_);
        return hecho;
    }

    static DWORD WINAPI Bucle(void* yo) {
        auto& o = *static_cast<Obrero*>(yo);
        for (;;) {
            AcquireSRWLockExclusive(&o.cerrojo_);
            while (o.estado_ != Estado::Pedido && o.estado_ != Estado::Fin)
                SleepConditionVariableSRW(&o.cambiado_, &o.cerrojo_, INFINITE, 0);
            const bool fin = o.estado_ == Estado::Fin;
            ReleaseSRWLockExclusive(&o.cerrojo_);
            if (fin) return 0;
            bool respuesta = false;
            std::exception_ptr error;
            try {
                respuesta = (*o.paso_)();
            } catch (...) {
                error = std::current_exception();
            }
            bool avisar = false;
            o.Cambiar([&] {
                o.respuesta_ = respuesta;
                o.error_ = error;
                o.estado_ = Estado::Hecho;
                avisar = o.avisar_;
            });
            if (avisar) SetEvent(o.hecho_.get());
        }
    }

    SRWLOCK cerrojo_ = SRWLOCK_INIT;
    CONDITION_VARIABLE cambiado_ = CONDITION_VARIABLE_INIT;
    Estado estado_ = Estado::Libre;
    bool avisar_ = false;  // the window's thread waits on hecho_
    win::UniqueEvent hecho_;
    const std::function<bool()>* paso_ = nullptr;
    bool respuesta_ = false;
    std::exception_ptr error_;
    std::atomic<bool> ocupado_{false};
    win::UniqueThread hilo_;  // last: it ends first, while the rest still exists
};

// One worker serves every frame, one after another, for as long as the program runs: making a
// thread costs more than the passes over a small file. A frame that begins while another one
// has it (a run started from a window's handler during a wait) gets a worker of its own.
class ObreroPrestado {
public:
    ObreroPrestado() {
        static Obrero comun;
        if (comun.Tomar()) comun_ = &comun;
        else propio_.emplace();
    }
    ~ObreroPrestado() {
        if (comun_) comun_->Soltar();
    }
    ObreroPrestado(const ObreroPrestado&) = delete;
    ObreroPrestado& operator=(const ObreroPrestado&) = delete;
    Obrero* operator->() { return comun_ ? comun_ : &*propio_; }

private:
    Obrero* comun_ = nullptr;
    std::optional<Obrero> propio_;
};
}  // namespace

bool EnElObrero(Seguimiento& seguimiento, const std::function<bool()>& paso) {
    ObreroPrestado obrero;
    return obrero->Hacer(seguimiento, paso);
}

bool RecorrerPasadas(Seguimiento& seguimiento, int metodo, int pasadas, TrasFallo trasFallo,
                     const std::function<bool()>& preparar, const std::function<bool(int pasada)>& pasada) {
    if (seguimiento.CancelarPedido() || pasadas <= 0) return true;
    ObreroPrestado obrero;
    if (preparar && !obrero->Hacer(seguimiento, preparar)) return false;

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

        if (!obrero->Hacer(seguimiento, [&] { return pasada(i); })) {
            resultado = false;
            if (trasFallo == TrasFallo::Terminar) break;
        }
    }
    return resultado;
}
