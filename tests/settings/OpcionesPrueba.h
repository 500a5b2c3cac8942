#pragma once
// Helpers of the options dialog's tests: the registry places the dialog touches, saved before
// a test and put back after it; the application's error boxes, answered as a person would;
// and the dialog shown modally with a watchdog.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "RegistroPrueba.h"
#include "engine/ShredOptions.h"
#include "ui/Form.h"

namespace prueba {

// A key with its values and subkeys, as it was when copied.
struct CopiaClave {
    std::vector<std::pair<std::wstring, ValorCrudo>> valores;
    std::vector<std::pair<std::wstring, CopiaClave>> subclaves;

    static std::optional<CopiaClave> De(HKEY raiz, const std::wstring& ruta) {
        HKEY h = nullptr;
        if (RegOpenKeyExW(raiz, ruta.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return std::nullopt;
        const win::UniqueKey clave(h);
        CopiaClave copia;
        for (const std::wstring& nombre : Nombres(raiz, ruta, true))
            if (auto valor = LeerValor(raiz, ruta, nombre)) copia.valores.emplace_back(nombre, std::move(*valor));
        for (const std::wstring& nombre : Nombres(raiz, ruta, false))
            if (auto sub = De(raiz, ruta + L"\\" + nombre)) copia.subclaves.emplace_back(nombre, std::move(*sub));
        return copia;
    }
    // Leaves the key exactly as copied: removed if it did not exist.
    static void Reponer(HKEY raiz, const std::wstring& ruta, const std::optional<CopiaClave>& copia) {
        RegDeleteTreeW(raiz, ruta.c_str());
        RegDeleteKeyW(raiz, ruta.c_str());
        if (copia) copia->Escribir(raiz, ruta);
    }

private:
    void Escribir(HKEY raiz, const std::wstring& ruta) const {
        HKEY h = nullptr;
        RegCreateKeyExW(raiz, ruta.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr);
        const win::UniqueKey clave(h);
        for (const auto& [nombre, valor] : valores)
            RegSetValueExW(h, nombre.c_str(), 0, valor.tipo, valor.datos.data(), static_cast<DWORD>(valor.datos.size()));
        for (const auto& [nombre, sub] : subclaves) sub.Escribir(raiz, ruta + L"\\" + nombre);
    }
};

inline const std::wstring kTrituradora = L"Trituradora";
inline const std::wstring kOpciones = L"Trituradora\\Opciones";
inline const std::wstring kMemoria = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
inline const std::wstring kPaginacion = L"ClearPageFileAtShutdown";
// The Explorer entries, in the current user's classes.
inline const std::wstring kVerboArchivo = L"Software\\Classes\\*\\shell\\Trituradora de archivo";
inline const std::wstring kVerboCarpeta = L"Software\\Classes\\Directory\\shell\\Trituradora de carpeta";

// Every place the options dialog reads or writes, saved and cleared before a test (nothing
// stored, no Explorer entries, no page-file value, NMetodos 1 as at start-up) and put back
// as it was afterwards.
class EntornoOpciones : public testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* padre : {L"Software\\Classes\\Directory", L"Software\\Classes\\Directory\\shell",
                                     L"Software\\Classes\\*", L"Software\\Classes\\*\\shell"})
            if (!ExisteClave(HKEY_CURRENT_USER, padre)) padresCreados_.push_back(padre);
        trituradora_ = CopiaClave::De(HKEY_CURRENT_USER, kTrituradora);
        archivo_ = CopiaClave::De(HKEY_CURRENT_USER, kVerboArchivo);
        carpeta_ = CopiaClave::De(HKEY_CURRENT_USER, kVerboCarpeta);
        paginacion_ = LeerValor(HKEY_LOCAL_MACHINE, kMemoria, kPaginacion);
        CopiaClave::Reponer(HKEY_CURRENT_USER, kTrituradora, std::nullopt);
        CopiaClave::Reponer(HKEY_CURRENT_USER, kVerboArchivo, std::nullopt);
        CopiaClave::Reponer(HKEY_CURRENT_USER, kVerboCarpeta, std::nullopt);
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kMemoria.c_str(), kPaginacion.c_str());
        NMetodos = 1;
    }
    void TearDown() override {
        NMetodos = nMetodos_;
        CopiaClave::Reponer(HKEY_CURRENT_USER, kTrituradora, trituradora_);
        CopiaClave::Reponer(HKEY_CURRENT_USER, kVerboArchivo, archivo_);
        CopiaClave::Reponer(HKEY_CURRENT_USER, kVerboCarpeta, carpeta_);
        for (auto it = padresCreados_.rbegin(); it != padresCreados_.rend(); ++it)
            RegDeleteKeyW(HKEY_CURRENT_USER, *it);
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kMemoria.c_str(), kPaginacion.c_str());
        if (paginacion_)
            PonerValor(HKEY_LOCAL_MACHINE, kMemoria, kPaginacion, paginacion_->tipo, paginacion_->datos.data(),
                       static_cast<DWORD>(paginacion_->datos.size()));
    }

    // A value of "Opciones" as the dialog stores it: REG_SZ text, or nothing.
    static std::optional<std::wstring> Guardado(const std::wstring& nombre) {
        const auto valor = LeerValor(HKEY_CURRENT_USER, kOpciones, nombre);
        if (!valor) return std::nullopt;
        EXPECT_EQ(valor->tipo, static_cast<DWORD>(REG_SZ)) << "value " << std::string(nombre.begin(), nombre.end());
        return ComoTexto(*valor);
    }
    static void Guardar(const std::wstring& nombre, const std::wstring& texto) {
        PonerTexto(HKEY_CURRENT_USER, kOpciones, nombre, texto);
    }

private:
    int nMetodos_ = NMetodos;
    std::optional<CopiaClave> trituradora_, archivo_, carpeta_;
    std::optional<ValorCrudo> paginacion_;
    std::vector<const wchar_t*> padresCreados_;
};

// Answers every error box the application shows while this lives, as a person would with
// Enter, and keeps the texts they showed.
class CajasDeError {
public:
    CajasDeError() : hiloGui_(GetCurrentThreadId()), vigia_([this] { Vigilar(); }) {}
    ~CajasDeError() {
        fin_ = true;
        vigia_.join();
    }
    CajasDeError(const CajasDeError&) = delete;
    CajasDeError& operator=(const CajasDeError&) = delete;

    std::vector<std::wstring> Textos() {
        const std::lock_guard<std::mutex> cerrojo(mutex_);
        return textos_;
    }

private:
    static std::wstring TextoDe(HWND ventana) {
        wchar_t texto[1024] = {};
        GetWindowTextW(ventana, texto, 1024);
        return texto;
    }
    void Vigilar() {
        while (!fin_) {
            HWND caja = nullptr;
            EnumThreadWindows(
                hiloGui_,
                [](HWND w, LPARAM p) -> BOOL {
                    wchar_t clase[16] = {};
                    GetClassNameW(w, clase, 16);
                    if (std::wstring(clase) != L"#32770" || !IsWindowVisible(w)) return TRUE;
                    *reinterpret_cast<HWND*>(p) = w;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&caja));
            if (caja) {
                std::wstring texto;
                EnumChildWindows(
                    caja,
                    [](HWND w, LPARAM p) -> BOOL {
                        wchar_t clase[16] = {};
                        GetClassNameW(w, clase, 16);
                        if (_wcsicmp(clase, L"Static") == 0) *reinterpret_cast<std::wstring*>(p) += TextoDe(w);
                        return TRUE;
                    },
                    reinterpret_cast<LPARAM>(&texto));
                {
                    const std::lock_guard<std::mutex> cerrojo(mutex_);
                    textos_.push_back(texto);
                }
                PostMessageW(caja, WM_COMMAND, IDOK, 0);
                for (int i = 0; i < 250 && IsWindow(caja); ++i) Sleep(20);
            }
            Sleep(20);
        }
    }

    DWORD hiloGui_;
    std::atomic<bool> fin_{false};
    std::mutex mutex_;
    std::vector<std::wstring> textos_;
    std::thread vigia_;
};

// Shows a form modally; what the test posted to it beforehand (clicks, keys) runs in its
// loop. A form still open after 20 s is ended with mrAbort, so a fault cannot hang the run.
inline int MostrarModal(ui::Form& form) {
    static ui::Form* abierta = nullptr;
    abierta = &form;
    const UINT_PTR vigia = SetTimer(nullptr, 0, 20000, [](HWND, UINT, UINT_PTR, DWORD) {
        if (abierta) abierta->ModalResult = ui::mrAbort;
    });
    const int resultado = form.ShowModal();
    KillTimer(nullptr, vigia);
    abierta = nullptr;
    return resultado;
}

// A click of the mouse on a button, check box or radio button, run when the messages are.
inline void PulsarLuego(HWND boton) { PostMessageW(boton, BM_CLICK, 0, 0); }
// A key pressed on a window, run when the messages are.
inline void TeclaLuego(HWND ventana, WPARAM tecla) { PostMessageW(ventana, WM_KEYDOWN, tecla, 0); }

}  // namespace prueba
