#pragma once
// What the overwrite tests share: a fresh temporary folder, reading and writing whole files,
// and an observer of the pass frame that watches the real progress window from outside.
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "engine/UProgreso.h"
#include "support/Archivos.h"

// A file in the folder holding `tamano` copies of `byte`.
std::wstring ArchivoLleno(const prueba::CarpetaTemporal& carpeta, const std::wstring& nombre, uint64_t tamano,
                          uint8_t byte = 0x5A);
std::vector<uint8_t> LeerBytes(const std::wstring& ruta);
// Whether the file has `tamano` bytes, every one of them `byte`.
bool TodoEs(const std::wstring& ruta, uint64_t tamano, uint8_t byte);
// Presses the progress window's Cancelar button as a click would, through the button itself.
void PulsarCancelar(TFProgreso& ventana);

// Watches the pass frame as the user sees it: every move of the bar is noted when the window
// next handles its messages (the boundary pump of that pass), with the pass counter shown at
// that moment. An action tied to a bar position runs inside that same handling, so it acts at
// the pass boundary, after the bar and counter are written and before the cancel test.
class ObservadorPasadas {
public:
    struct Marca {
        int posicion;
        std::wstring etiqueta;
        bool operator==(const Marca&) const = default;
        friend void PrintTo(const Marca& m, std::ostream* os) {
            *os << "{" << m.posicion << ", \"" << std::string(m.etiqueta.begin(), m.etiqueta.end()) << "\"}";
        }
    };

    explicit ObservadorPasadas(TFProgreso& ventana);
    ~ObservadorPasadas();
    ObservadorPasadas(const ObservadorPasadas&) = delete;
    ObservadorPasadas& operator=(const ObservadorPasadas&) = delete;

    void En(int posicion, std::function<void()> accion) { acciones_[posicion] = std::move(accion); }
    // Runs `accion` the first time the window handles its messages `milisegundos` or more from
    // now, wherever that happens (at a pass boundary or inside a long pass).
    void Tras(UINT milisegundos, std::function<void()> accion);
    const std::vector<Marca>& Marcas() const { return marcas_; }
    std::vector<int> Posiciones() const;

private:
    static LRESULT CALLBACK BarraProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static LRESULT CALLBACK AyudanteProc(HWND, UINT, WPARAM, LPARAM);

    TFProgreso& ventana_;
    HWND ayudante_ = nullptr;
    std::vector<Marca> marcas_;
    std::map<int, std::function<void()>> acciones_;
    std::function<void()> alTemporizador_;
};
