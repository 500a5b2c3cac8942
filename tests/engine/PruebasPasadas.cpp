#include "PruebasPasadas.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

std::wstring ArchivoLleno(const prueba::CarpetaTemporal& carpeta, const std::wstring& nombre, uint64_t tamano,
                          uint8_t byte) {
    const std::filesystem::path ruta = carpeta / nombre;
    std::ofstream archivo(ruta, std::ios::binary);
    const std::vector<char> trozo(1 << 20, static_cast<char>(byte));
    for (uint64_t hechos = 0; hechos < tamano; hechos += trozo.size())
        archivo.write(trozo.data(), static_cast<std::streamsize>(std::min<uint64_t>(tamano - hechos, trozo.size())));
    return ruta.wstring();
}

std::vector<uint8_t> LeerBytes(const std::wstring& ruta) {
    std::ifstream archivo{std::filesystem::path(ruta), std::ios::binary};
    return {std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>()};
}

bool TodoEs(const std::wstring& ruta, uint64_t tamano, uint8_t byte) {
    const auto bytes = LeerBytes(ruta);
    return bytes.size() == tamano && std::all_of(bytes.begin(), bytes.end(), [=](uint8_t b) { return b == byte; });
}

void SeguimientoGrabado::Tras(ULONGLONG milisegundos, std::function<void()> accion) {
    plazo_ = GetTickCount64() + milisegundos;
    alPlazo_ = std::move(accion);
}

std::vector<int> SeguimientoGrabado::Posiciones() const {
    std::vector<int> posiciones;
    for (const auto& m : marcas_) posiciones.push_back(m.posicion);
    return posiciones;
}

void SeguimientoGrabado::PosicionPasada(int posicion) {
    Posicion = posicion;
    pendientes_.push_back(posicion);
}

void SeguimientoGrabado::Bombear() {
    for (const int posicion : std::exchange(pendientes_, {})) {
        marcas_.push_back({posicion, Etiqueta});
        if (auto it = acciones_.find(posicion); it != acciones_.end()) it->second();
    }
    AlPlazo();
}

void SeguimientoGrabado::EsperarAtendiendo(HANDLE listo) {
    esperando_ = true;
    while (WaitForSingleObject(listo, 5) == WAIT_TIMEOUT) AlPlazo();
    esperando_ = false;
}

void SeguimientoGrabado::AlPlazo() {
    if (alPlazo_ && GetTickCount64() >= plazo_) std::exchange(alPlazo_, nullptr)();
}
