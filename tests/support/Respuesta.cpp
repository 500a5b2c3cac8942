#include "support/Respuesta.h"

#include <gtest/gtest.h>

#include <map>

#include "ui/Application.h"

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

void Bombear(int ms) {
    const ULONGLONG fin = GetTickCount64() + static_cast<ULONGLONG>(ms);
    do {
        ui::App().ProcessMessages();
        Sleep(2);
    } while (GetTickCount64() < fin);
}

bool EsperarQue(const std::function<bool()>& condicion, int ms) {
    const ULONGLONG fin = GetTickCount64() + static_cast<ULONGLONG>(ms);
    for (;;) {
        ui::App().ProcessMessages();
        if (condicion()) return true;
        if (GetTickCount64() >= fin) return false;
        Sleep(2);
    }
}

void MoverA(POINT p) {
    SetCursorPos(p.x, p.y);
    Bombear(30);
}

void PulsarTeclas(const std::vector<WORD>& teclas) {
    std::vector<INPUT> e;
    auto tecla = [&e](WORD vk, DWORD flags) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.dwFlags = flags;
        e.push_back(i);
    };
    for (WORD vk : teclas) tecla(vk, 0);
    for (auto it = teclas.rbegin(); it != teclas.rend(); ++it) tecla(*it, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(e.size()), e.data(), sizeof(INPUT));
}

void LlevarRatonA(HWND ventana) {
    RECT r;
    GetWindowRect(ventana, &r);
    INPUT i{};
    i.type = INPUT_MOUSE;
    i.mi.dx = (r.left + r.right) / 2 * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    i.mi.dy = (r.top + r.bottom) / 2 * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    i.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &i, sizeof i);
}

void PulsarRaton() {
    INPUT i[2]{};
    i[0].type = i[1].type = INPUT_MOUSE;
    i[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    i[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, i, sizeof(INPUT));
}

namespace {
struct Conduccion {
    std::function<HWND()> ventana;
    std::vector<std::function<void()>> pasos;
    std::function<void()> cerrar;
    size_t hechos = 0;
    DWORD ultimo = 0;
};
Conduccion* g_conduccion = nullptr;

void CALLBACK Avanzar(HWND, UINT, UINT_PTR, DWORD) {
    Conduccion& c = *g_conduccion;
    const HWND ventana = c.ventana();
    if (!ventana || !IsWindowVisible(ventana)) return;
    if (c.hechos < c.pasos.size()) {
        c.pasos[c.hechos++]();
        c.ultimo = GetTickCount();
    } else if (GetTickCount() - c.ultimo > 5000) {
        ADD_FAILURE() << "the window did not close";
        c.cerrar();
    }
}
}  // namespace

size_t Conducir(const std::function<void()>& mostrar, std::function<HWND()> ventana,
                std::vector<std::function<void()>> pasos, std::function<void()> cerrar) {
    Conduccion c{std::move(ventana), std::move(pasos), std::move(cerrar)};
    Conduccion* const anterior = g_conduccion;
    g_conduccion = &c;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, Avanzar);
    mostrar();
    KillTimer(nullptr, timer);
    g_conduccion = anterior;
    return c.hechos;
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
