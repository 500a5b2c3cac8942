#include "support/Respuesta.h"

#include <map>

namespace prueba {

namespace {
std::map<UINT_PTR, RespuestaAutomatica*>& Respuestas() {
    static std::map<UINT_PTR, RespuestaAutomatica*> activas;
    return activas;
}
std::map<UINT_PTR, Vigilante*>& Vigilantes() {
    static std::map<UINT_PTR, Vigilante*> activos;
    return activos;
}
}  // namespace

void PulsarTecla(WORD tecla) {
    INPUT entrada[2]{};
    entrada[0].type = entrada[1].type = INPUT_KEYBOARD;
    entrada[0].ki.wVk = entrada[1].ki.wVk = tecla;
    entrada[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, entrada, sizeof(INPUT));
}

RespuestaAutomatica::RespuestaAutomatica(std::wstring caption, WORD tecla, std::function<void()> despues,
                                         std::wstring clase)
    : caption_(std::move(caption)), clase_(std::move(clase)), tecla_(tecla), despues_(std::move(despues)) {
    timer_ = SetTimer(nullptr, 0, 20, &RespuestaAutomatica::Tick);
    Respuestas()[timer_] = this;
}

RespuestaAutomatica::~RespuestaAutomatica() {
    if (timer_) KillTimer(nullptr, timer_);
    Respuestas().erase(timer_);
}

void CALLBACK RespuestaAutomatica::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Respuestas().find(id);
    if (it == Respuestas().end()) return;
    RespuestaAutomatica& r = *it->second;
    HWND ventana = FindWindowW(r.clase_.empty() ? nullptr : r.clase_.c_str(), r.caption_.c_str());
    if (!ventana || !IsWindowVisible(ventana) || !IsWindowEnabled(ventana)) return;
    KillTimer(nullptr, id);
    Respuestas().erase(it);
    r.timer_ = 0;
    SetForegroundWindow(ventana);
    PulsarTecla(r.tecla_);
    r.respondida_ = true;
    if (r.despues_) r.despues_();
}

Vigilante::Vigilante(std::function<bool()> accion) : accion_(std::move(accion)) {
    timer_ = SetTimer(nullptr, 0, 10, &Vigilante::Tick);
    Vigilantes()[timer_] = this;
}

Vigilante::~Vigilante() {
    if (timer_) KillTimer(nullptr, timer_);
    Vigilantes().erase(timer_);
}

void CALLBACK Vigilante::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Vigilantes().find(id);
    if (it == Vigilantes().end()) return;
    Vigilante& v = *it->second;
    if (v.accion_()) {
        KillTimer(nullptr, id);
        Vigilantes().erase(it);
        v.timer_ = 0;
    }
}

}  // namespace prueba
