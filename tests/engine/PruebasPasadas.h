#pragma once
// What the overwrite tests share: a fresh temporary folder, reading and writing whole files,
// and a recording display that watches the pass frame.
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "engine/Seguimiento.h"
#include "support/Archivos.h"

// A file in the folder holding `tamano` copies of `byte`.
std::wstring ArchivoLleno(const prueba::CarpetaTemporal& carpeta, const std::wstring& nombre, uint64_t tamano,
                          uint8_t byte = 0x5A);
std::vector<uint8_t> LeerBytes(const std::wstring& ruta);
// Whether the file has `tamano` bytes, every one of them `byte`.
bool TodoEs(const std::wstring& ruta, uint64_t tamano, uint8_t byte);
// A run's display that writes down what the engine tells it. Every move of the bar is noted
// when the engine next lets the display handle its messages (the boundary pump of that pass),
// with the pass counter shown at that moment. An action tied to a bar position runs inside
// that same pump, so it acts at the pass boundary, after the bar and counter are written and
// before the cancel test.
class SeguimientoGrabado : public Seguimiento {
public:
    struct Marca {
        int posicion;
        std::wstring etiqueta;
        bool operator==(const Marca&) const = default;
        friend void PrintTo(const Marca& m, std::ostream* os) {
            *os << "{" << m.posicion << ", \"" << std::string(m.etiqueta.begin(), m.etiqueta.end()) << "\"}";
        }
    };

    void En(int posicion, std::function<void()> accion) { acciones_[posicion] = std::move(accion); }
    // Runs `accion` at the first pump `milisegundos` or more from now, wherever it happens (at
    // a pass boundary, or while the engine waits for work done in another thread: there the
    // display handles its messages every few milliseconds, as a window does when they come).
    void Tras(ULONGLONG milisegundos, std::function<void()> accion);
    // Whether the engine is now waiting for work going on in another thread.
    bool Esperando() const { return esperando_; }
    // Cancelar pressed.
    void Cancelar() { Cancelado = true; }

    const std::vector<Marca>& Marcas() const { return marcas_; }
    std::vector<int> Posiciones() const;

    // What a window would show now.
    int Posicion = 0, Maximo = 0;
    std::wstring Etiqueta = L"0";
    bool Cancelado = false;

    void Totales(uint64_t, uint64_t) override {}
    void Carpeta(const std::wstring&) override {}
    void ArchivoContado() override {}
    void Archivo(const std::wstring&) override {}
    void MaximoPasadas(int maximo) override { Maximo = maximo; }
    int MaximoPasadas() const override { return Maximo; }
    void PosicionPasada(int posicion) override;
    void EtiquetaPasada(const std::wstring& texto) override { Etiqueta = texto; }
    void Bombear() override;
    void EsperarAtendiendo(HANDLE listo) override;
    bool CancelarPedido() const override { return Cancelado; }
    void ParadoPorCancelar(bool) override {}

private:
    void AlPlazo();
    std::vector<int> pendientes_;
    std::vector<Marca> marcas_;
    std::map<int, std::function<void()>> acciones_;
    std::function<void()> alPlazo_;
    ULONGLONG plazo_ = 0;
    bool esperando_ = false;
};
