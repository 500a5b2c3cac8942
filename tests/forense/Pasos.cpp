// Steps that the forensic and fault scripts run one at a time (they are disabled, so the
// plain test run leaves them out):
//  - Triturar: the shred run of the command-line route, without its confirmation, over the
//    paths in TRITURAR_RUTAS (one a line), with the settings stored under
//    HKCU\Trituradora\Opciones installed as the engine's source. This is how a script runs
//    the engine with settings the program itself does not load from there yet. It prints the
//    run's answer, what stayed in the list and why, and what the progress window showed.
//  - Retener: holds the file RETENER_RUTA open without sharing, as another program would,
//    for as long as the file RETENER_MIENTRAS exists (at most a minute).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "base/Handle.h"
#include "base/Registro.h"
#include "engine/ShredOptions.h"
#include "engine/Trituracion.h"
#include "engine/UProgreso.h"

namespace {

std::wstring Entorno(const wchar_t* nombre) {
    const DWORD n = GetEnvironmentVariableW(nombre, nullptr, 0);
    if (n == 0) return {};
    std::wstring valor(n, L'\0');
    valor.resize(GetEnvironmentVariableW(nombre, valor.data(), n));
    return valor;
}

std::vector<std::wstring> Lineas(const std::wstring& texto) {
    std::vector<std::wstring> lineas;
    size_t inicio = 0;
    while (inicio < texto.size()) {
        size_t fin = texto.find(L'\n', inicio);
        if (fin == std::wstring::npos) fin = texto.size();
        std::wstring linea = texto.substr(inicio, fin - inicio);
        if (!linea.empty() && linea.back() == L'\r') linea.pop_back();
        if (!linea.empty()) lineas.push_back(linea);
        inicio = fin + 1;
    }
    return lineas;
}

void Decir(const std::string& clave, const std::wstring& valor) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, valor.c_str(), static_cast<int>(valor.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string utf8(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, valor.c_str(), static_cast<int>(valor.size()), utf8.data(), n, nullptr, nullptr);
    std::printf("motor: %s=%s\n", clave.c_str(), utf8.c_str());
    std::fflush(stdout);
}

// The stored settings as the options dialog stores them ("1"/"0" flags, the pass index),
// each missing value taken from the defaults.
ShredOptions AjustesGuardados() {
    ShredOptions o;
    const ClaveRegistro clave = ClaveRegistro::Abrir(HKEY_CURRENT_USER, L"Trituradora\\Opciones");
    if (!clave) return o;
    auto leer = [&](const wchar_t* nombre, auto& campo) {
        if (const auto texto = clave.LeerTexto(nombre))
            campo = static_cast<std::remove_reference_t<decltype(campo)>>(std::wcstol(texto->c_str(), nullptr, 10));
    };
    leer(L"Usar Método nº1", o.Metodo1);
    leer(L"Usar Método nº2", o.Metodo2);
    leer(L"Usar Método nº3", o.Metodo3);
    leer(L"Usar Método nº4", o.Metodo4);
    leer(L"Usar Método nº5", o.Metodo5);
    leer(L"Nº de pasadas", o.NPasadas);
    leer(L"Truncar el archivo", o.Truncar);
    leer(L"Cambiar el nombre", o.Renombrar);
    leer(L"Cambiar la fecha", o.CambiarFecha);
    leer(L"Borrar", o.Borrar);
    leer(L"UltraRapido", o.UltraRapido);
    return o;
}

TEST(DISABLED_Pasos, Triturar) {
    const ShredOptions opciones = AjustesGuardados();
    FijarFuenteOpciones([opciones] { return opciones; });
    // The methods in use count as methods 1 to the highest one enabled, as the options dialog
    // keeps them; so a method run alone drives the bar over its own stretch, as it does there.
    const bool activos[] = {opciones.Metodo1, opciones.Metodo2, opciones.Metodo3, opciones.Metodo4, opciones.Metodo5};
    NMetodos = 1;
    for (int m = 1; m <= 5; ++m)
        if (activos[m - 1]) NMetodos = m;

    std::vector<std::wstring> lista = Lineas(Entorno(L"TRITURAR_RUTAS"));
    ASSERT_FALSE(lista.empty()) << "TRITURAR_RUTAS names no path";
    TFProgreso ventana;  // never shown: a fresh window is as the run's caller leaves it
    InformeRun informe;
    const bool respuesta = TriturarLista(ventana, lista, PasadasSeleccionadas(), &informe);
    FijarFuenteOpciones({});

    Decir("respuesta", respuesta ? L"1" : L"0");
    Decir("quedan", std::to_wstring(lista.size()));
    for (const auto& ruta : lista) Decir("queda", ruta);
    for (const auto& n : informe) Decir("motivo", n.ruta + L": " + TextoFallo(n.fallo));
    Decir("total", ventana.LabelProgresoTotal.Caption());
    Decir("archivos", std::to_wstring(ventana.ProgresoTotal.Position()) + L"/" +
                          std::to_wstring(ventana.ProgresoTotal.Max()));
    Decir("progreso", std::to_wstring(ventana.Progreso.Position()) + L"/" + std::to_wstring(ventana.Progreso.Max()));
    Decir("pasada", ventana.LabelNpasada.Caption());
    Decir("tag", std::to_wstring(ventana.Tag));
}

TEST(DISABLED_Pasos, Retener) {
    const std::wstring ruta = Entorno(L"RETENER_RUTA"), mientras = Entorno(L"RETENER_MIENTRAS");
    win::UniqueFile archivo(
        CreateFileW(ruta.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(archivo) << "cannot hold the file, error " << GetLastError();
    Decir("retenido", ruta);
    for (int i = 0; i < 600 && GetFileAttributesW(mientras.c_str()) != INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
}

}  // namespace
