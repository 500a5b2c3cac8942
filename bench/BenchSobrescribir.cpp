// Overwrites one file with one method for a number of passes, through a hidden progress
// window as the per-file routine would, and prints the seconds the method took.
//   BenchSobrescribir.exe METODO PASADAS RUTA
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "engine/ShredOptions.h"
#include "engine/Sobrescribir.h"
#include "engine/UProgreso.h"
#include "ui/Application.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: BenchSobrescribir METODO(1-5) PASADAS RUTA\n");
        return 2;
    }
    using Metodo = bool (*)(Seguimiento&, const std::wstring&, int);
    const Metodo metodos[] = {SobrescribirMetodo1, SobrescribirMetodo2, SobrescribirMetodo3, SobrescribirMetodo4,
                              SobrescribirMetodo5};
    const int metodo = std::wcstol(argv[1], nullptr, 10);
    const int pasadas = std::wcstol(argv[2], nullptr, 10);
    if (metodo < 1 || metodo > 5 || pasadas < 1) return 2;

    ui::App().Initialize(L"");
    TFProgreso ventana;
    NMetodos = 5;
    ventana.Progreso.Max(5 * pasadas);

    LARGE_INTEGER frecuencia, inicio, fin;
    QueryPerformanceFrequency(&frecuencia);
    QueryPerformanceCounter(&inicio);
    const bool ok = metodos[metodo - 1](ventana, argv[3], pasadas);
    QueryPerformanceCounter(&fin);
    std::printf("%.3f\n", static_cast<double>(fin.QuadPart - inicio.QuadPart) / frecuencia.QuadPart);
    return ok ? 0 : 1;
}
