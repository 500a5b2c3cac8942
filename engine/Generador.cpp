#include "engine/Generador.h"

#include <windows.h>

namespace {
uint32_t g_estado = 0;
}

uint32_t Sortear(uint32_t n) {
    g_estado = g_estado * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(g_estado) * n) >> 32);
}

void Resembrar() {
    SYSTEMTIME t;
    GetSystemTime(&t);
    g_estado = ((t.wHour * 60u + t.wMinute) * 60u + t.wSecond) * 1000u + t.wMilliseconds;
}

uint32_t EstadoGenerador() { return g_estado; }
void FijarEstadoGenerador(uint32_t estado) { g_estado = estado; }
