// How fast the progress window answers during a run: waits for the window to show, then every
// 20 ms sends it WM_NULL with SendMessageTimeout and times the answer, until the window goes
// away (or for at most SEGUNDOS seconds). Prints the worst and mean answer and how many of the
// probes took over 100 ms.
//   Respuesta.exe [SEGUNDOS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {
// The progress window: shown, captioned "Trituradora", and larger than the program's 1-pixel
// taskbar window that carries the same caption.
HWND VentanaProgreso() {
    HWND hallada = nullptr;
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            wchar_t titulo[64];
            RECT r;
            if (!IsWindowVisible(w) || GetWindowTextW(w, titulo, 64) == 0 || std::wcscmp(titulo, L"Trituradora") != 0 ||
                !GetWindowRect(w, &r) || r.right - r.left < 100 || r.bottom - r.top < 100)
                return TRUE;
            *reinterpret_cast<HWND*>(p) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&hallada));
    return hallada;
}

double Ahora() {
    static LARGE_INTEGER frecuencia = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frecuencia.QuadPart);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    const double segundos = argc > 1 ? std::wcstod(argv[1], nullptr) : 120.0;
    HWND ventana = nullptr;
    for (int i = 0; i < 3000 && !ventana; ++i) {
        ventana = VentanaProgreso();
        if (!ventana) Sleep(10);
    }
    if (!ventana) {
        std::fprintf(stderr, "no progress window showed\n");
        return 1;
    }
    std::vector<double> respuestas;
    const double fin = Ahora() + segundos * 1000.0;
    double siguiente = Ahora();
    while (Ahora() < fin && IsWindow(ventana) && IsWindowVisible(ventana)) {
        const double inicio = Ahora();
        DWORD_PTR r = 0;
        if (!SendMessageTimeoutW(ventana, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &r)) break;
        respuestas.push_back(Ahora() - inicio);
        siguiente += 20.0;
        const double espera = siguiente - Ahora();
        if (espera > 0) Sleep(static_cast<DWORD>(espera));
        else siguiente = Ahora();
    }
    if (respuestas.empty()) {
        std::fprintf(stderr, "the window went away before the first probe\n");
        return 1;
    }
    double suma = 0;
    for (double t : respuestas) suma += t;
    const auto lentas = std::count_if(respuestas.begin(), respuestas.end(), [](double t) { return t > 100.0; });
    std::printf("probes %zu  worst %.1f ms  mean %.1f ms  over 100 ms %ld\n", respuestas.size(),
                *std::max_element(respuestas.begin(), respuestas.end()), suma / static_cast<double>(respuestas.size()),
                static_cast<long>(lentas));
    return 0;
}
