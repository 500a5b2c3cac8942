// The gathering of paths from several copies of the program. Threads stand in for the
// copies: the mutex belongs to a thread and the window's messages to the thread that made
// it, so each thread meets the others as a separate process would. Every test has a meeting
// point of its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstring>
#include <future>
#include <thread>

#include "app/Reunion.h"

using namespace std::chrono_literals;
using Reloj = std::chrono::steady_clock;

namespace {

const PlazosReunion kRapidos{400ms, 5000ms, 1500ms};

std::wstring Lugar() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::string nombre = info->name();
    return L"TrituradoraPrueba." + std::wstring(nombre.begin(), nombre.end()) + L"." +
           std::to_wstring(GetCurrentProcessId());
}

HWND VentanaDe(const std::wstring& lugar) { return FindWindowExW(HWND_MESSAGE, nullptr, L"Trituradora.Reunion", lugar.c_str()); }

// Starts a copy that gathers, and waits until its window takes hand-overs.
std::future<std::optional<ListaRutas>> Reunidor(const std::wstring& lugar, ListaRutas propias, PlazosReunion plazos) {
    auto futuro = std::async(std::launch::async, [=] { return ReunirRutas(propias, lugar, plazos); });
    for (int i = 0; i < 200 && !VentanaDe(lugar); ++i) Sleep(10);
    EXPECT_TRUE(VentanaDe(lugar)) << "the first copy opened no meeting point";
    return futuro;
}

// The answer of the gathering window to a WM_COPYDATA, or -1 when sending failed.
LRESULT Enviar(HWND ventana, ULONG_PTR marca, const void* datos, DWORD bytes) {
    COPYDATASTRUCT cds{marca, bytes, const_cast<void*>(datos)};
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutW(ventana, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, 2000, &r))
        return -1;
    return static_cast<LRESULT>(r);
}

}  // namespace

TEST(Reunion, LasCopiasPosterioresEntreganSusRutasYTerminan) {
    const std::wstring lugar = Lugar();
    auto primera = Reunidor(lugar, {L"C:\\uno.txt"}, kRapidos);
    // One copy after another, as Explorer starts them; each hands over and is to end.
    const ListaRutas llegadas[] = {{L"C:\\dos con espacios.txt"}, {L"Z:\\tmp\\carpeta\\"}, {L"C:\\Año\\Día º.doc", L"C:\\b"}};
    for (const ListaRutas& propias : llegadas) {
        const auto resultado = std::async(std::launch::async, [&] { return ReunirRutas(propias, lugar, kRapidos); }).get();
        EXPECT_FALSE(resultado) << "a later copy kept its paths";
    }
    const auto todas = primera.get();
    ASSERT_TRUE(todas);
    EXPECT_EQ(*todas, (ListaRutas{L"C:\\uno.txt", L"C:\\dos con espacios.txt", L"Z:\\tmp\\carpeta\\", L"C:\\Año\\Día º.doc",
                                  L"C:\\b"}));
    EXPECT_FALSE(VentanaDe(lugar)) << "the meeting point outlived the gathering";

    // The door is shut: the next copy starts a gathering of its own, which nobody joins.
    const auto inicio = Reloj::now();
    EXPECT_EQ(ReunirRutas({L"C:\\tarde.txt"}, lugar, kRapidos), ListaRutas{L"C:\\tarde.txt"});
    EXPECT_GE(Reloj::now() - inicio, kRapidos.silencio);
}

TEST(Reunion, LaReunionTerminaTrasElSilencioOComoMuchoTrasElMaximo) {
    const std::wstring lugar = Lugar();
    // Hand-overs every 150 ms keep a 400 ms silence from ending it; the 1.2 s maximum does.
    const PlazosReunion plazos{400ms, 1200ms, 1500ms};
    const auto inicio = Reloj::now();
    auto primera = Reunidor(lugar, {L"C:\\0"}, plazos);
    int entregadas = 0, propias = 0;
    for (int i = 1; Reloj::now() - inicio < 2500ms; ++i) {
        const auto r = ReunirRutas({L"C:\\" + std::to_wstring(i)}, lugar, {400ms, 5000ms, 200ms});
        (r ? propias : entregadas) += 1;
        if (r) break;  // this copy found the door shut and gathered (alone) for itself
        Sleep(150);
    }
    const auto todas = primera.get();
    const auto duracion = Reloj::now() - inicio;
    ASSERT_TRUE(todas);
    EXPECT_EQ(static_cast<int>(todas->size()), 1 + entregadas);
    EXPECT_GE(entregadas, 4);
    EXPECT_EQ(propias, 1);
    EXPECT_GE(duracion, 1200ms);
    EXPECT_LT(duracion, 2500ms);
}

TEST(Reunion, SinNadieQueAcepteCadaCopiaSeQuedaConSusRutas) {
    const std::wstring lugar = Lugar();
    // Another thread holds the mutex but opens no window, as a copy that hangs would.
    std::promise<void> tomado, soltar;
    std::thread duenio([&] {
        HANDLE m = CreateMutexW(nullptr, TRUE, (L"Local\\" + lugar).c_str());
        tomado.set_value();
        soltar.get_future().wait();
        ReleaseMutex(m);
        CloseHandle(m);
    });
    tomado.get_future().wait();
    const auto inicio = Reloj::now();
    EXPECT_EQ(ReunirRutas({L"C:\\mio.txt", L"C:\\otro"}, lugar, {400ms, 5000ms, 500ms}),
              (ListaRutas{L"C:\\mio.txt", L"C:\\otro"}));
    EXPECT_GE(Reloj::now() - inicio, 500ms);
    soltar.set_value();
    duenio.join();

    // A holder that ended without giving the mutex back: the next copy takes over.
    std::thread([&] { CreateMutexW(nullptr, TRUE, (L"Local\\" + lugar).c_str()); }).join();
    EXPECT_EQ(ReunirRutas({L"C:\\mio.txt"}, lugar, kRapidos), ListaRutas{L"C:\\mio.txt"});

    // No paths, nothing to gather.
    EXPECT_EQ(ReunirRutas({}, lugar, kRapidos), ListaRutas{});
}

TEST(Reunion, ElReunidorRechazaLoQueNoEsUnaEntregaDelPrograma) {
    const std::wstring lugar = Lugar();
    auto primera = Reunidor(lugar, {L"C:\\uno"}, kRapidos);
    const HWND ventana = VentanaDe(lugar);
    const std::wstring bueno = EmpaquetarRutas({L"C:\\dos"});
    const auto bytes = static_cast<DWORD>(bueno.size() * sizeof(wchar_t));
    EXPECT_EQ(Enviar(ventana, 0x1234, bueno.data(), bytes), FALSE);      // another program's message
    EXPECT_EQ(Enviar(ventana, 0x54524954, bueno.data(), bytes - 2), FALSE);  // no final zero
    EXPECT_EQ(Enviar(ventana, 0x54524954, nullptr, 0), FALSE);
    EXPECT_EQ(Enviar(ventana, 0x54524954, bueno.data(), bytes), TRUE);
    EXPECT_EQ(primera.get(), (ListaRutas{L"C:\\uno", L"C:\\dos"}));
}

TEST(Reunion, EmpaquetarYDesempaquetar) {
    const ListaRutas rutas[] = {
        {L"C:\\a"},
        {L"C:\\Mis documentos\\informe final.doc", L"D:\\", L"\\\\?\\C:\\" + std::wstring(300, L'x')},
        {L"C:\\ñandú\\€\\😀.txt"},
    };
    for (const ListaRutas& lista : rutas) {
        const std::wstring paquete = EmpaquetarRutas(lista);
        EXPECT_EQ(DesempaquetarRutas(paquete.data(), paquete.size() * sizeof(wchar_t)), lista);
        // Read from an odd address, as a buffer of another process may lie.
        std::string crudo(paquete.size() * sizeof(wchar_t) + 1, '\0');
        std::memcpy(crudo.data() + 1, paquete.data(), crudo.size() - 1);
        EXPECT_EQ(DesempaquetarRutas(crudo.data() + 1, crudo.size() - 1), lista);
    }

    struct Caso {
        const char* que;
        std::wstring datos;
        size_t recorte;  // bytes left off the end
    } malos[] = {
        {"nothing", L"", 0},
        {"no final zero", std::wstring(L"C:\\a\0C:\\b", 9), 0},
        {"an odd number of bytes", std::wstring(L"C:\\a\0", 5), 1},
        {"an empty path", std::wstring(L"C:\\a\0\0C:\\b\0", 11), 0},
        {"only a zero", std::wstring(L"\0", 1), 0},
    };
    for (const Caso& caso : malos)
        EXPECT_FALSE(DesempaquetarRutas(caso.datos.data(), caso.datos.size() * sizeof(wchar_t) - caso.recorte)) << caso.que;
    EXPECT_FALSE(DesempaquetarRutas(nullptr, 8));
    std::wstring enorme(3u << 20, L'x');  // 6 MiB, well formed
    enorme.back() = L'\0';
    EXPECT_FALSE(DesempaquetarRutas(enorme.data(), enorme.size() * sizeof(wchar_t)));
}
