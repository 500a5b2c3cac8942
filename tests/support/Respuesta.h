#pragma once
// Answers a window the program is about to show modally (a confirmation, a message box):
// a thread timer, which runs inside any message loop of the test thread, waits for the
// window with this caption to be visible and then types a key into it as the user would.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace prueba {

class RespuestaAutomatica {
public:
    // clase narrows the search to one window class (L"#32770" for a message box).
    RespuestaAutomatica(std::wstring caption, WORD tecla, std::function<void()> despues = {},
                        std::wstring clase = {});
    ~RespuestaAutomatica();
    RespuestaAutomatica(const RespuestaAutomatica&) = delete;
    RespuestaAutomatica& operator=(const RespuestaAutomatica&) = delete;
    bool Respondida() const { return respondida_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::wstring caption_;
    std::wstring clase_;
    WORD tecla_;
    std::function<void()> despues_;
    UINT_PTR timer_ = 0;
    bool respondida_ = false;
};

// Presses and releases a key through the system's input queue.
void PulsarTecla(WORD tecla);
// Handles the pending messages for ms milliseconds.
void Bombear(int ms);
// Handles messages until the condition holds; false if it did not within ms.
bool EsperarQue(const std::function<bool()>& condicion, int ms);
// Moves the cursor as the mouse would and lets the windows see it.
void MoverA(POINT p);

// Presses keys in order and releases them in reverse, as a person holding Alt would.
void PulsarTeclas(const std::vector<WORD>& teclas);
// Moves the mouse pointer to the middle of a window, and presses and releases its left button
// where the pointer is.
void LlevarRatonA(HWND ventana);
void PulsarRaton();

// Drives a modal window from inside its own loop: calls mostrar, which shows it and returns
// once it is closed; while ventana() gives a visible window, runs one step in it per tick. A
// window still open five seconds after the last step is closed with cerrar, as a failure.
// Answers how many steps ran.
size_t Conducir(const std::function<void()>& mostrar, std::function<HWND()> ventana,
                std::vector<std::function<void()>> pasos, std::function<void()> cerrar);

// Calls a function from inside the message loop every few milliseconds until it answers true.
class Vigilante {
public:
    explicit Vigilante(std::function<bool()> accion);
    ~Vigilante();
    Vigilante(const Vigilante&) = delete;
    Vigilante& operator=(const Vigilante&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::function<bool()> accion_;
    UINT_PTR timer_ = 0;
};

}  // namespace prueba
