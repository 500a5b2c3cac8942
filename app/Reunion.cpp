#include "app/Reunion.h"

#include <windows.h>
#include <sddl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <set>
#include <utility>

#include "base/Handle.h"

namespace {

using Reloj = std::chrono::steady_clock;

// Marks a hand-over of this program, so that any other WM_COPYDATA is refused.
constexpr ULONG_PTR kMarca = 0x54524954;  // "TRIT"
// More than any selection Explorer hands to one verb; a bigger message is not ours.
constexpr std::size_t kMaximoBytes = 4 << 20;
constexpr const wchar_t* kClase = L"Trituradora.Reunion";

// A kernel object (the mutex, the access token), invalid at null.
struct ObjetoTraits {
    using pointer = HANDLE;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { CloseHandle(h); }
};
using UniqueObjeto = win::UniqueHandle<ObjetoTraits>;

// Ownership of the named mutex, given back when the copy stops gathering.
class Propiedad {
public:
    explicit Propiedad(HANDLE mutex) : mutex_(mutex) {}
    ~Propiedad() { ReleaseMutex(mutex_); }
    Propiedad(const Propiedad&) = delete;
    Propiedad& operator=(const Propiedad&) = delete;

private:
    HANDLE mutex_;
};

// True when this thread now owns the mutex: nobody held it, or its holder ended without
// giving it back (then this copy takes over).
bool Tomar(HANDLE mutex) {
    const DWORD r = WaitForSingleObject(mutex, 0);
    return r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

std::wstring UsuarioActual() {
    HANDLE h = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &h)) return L"?";
    const UniqueObjeto token(h);
    DWORD bytes = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &bytes);
    std::vector<BYTE> datos(bytes);
    if (bytes == 0 || !GetTokenInformation(token.get(), TokenUser, datos.data(), bytes, &bytes)) return L"?";
    wchar_t* texto = nullptr;
    if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(datos.data())->User.Sid, &texto)) return L"?";
    std::wstring sid(texto);
    LocalFree(texto);
    return sid;
}

std::wstring ImagenDe(HANDLE proceso) {
    std::wstring ruta(32768, L'\0');
    DWORD largo = static_cast<DWORD>(ruta.size());
    if (!QueryFullProcessImageNameW(proceso, 0, ruta.data(), &largo)) return L"";
    ruta.resize(largo);
    return ruta;
}

ULONGLONG Creacion(HANDLE proceso) {
    FILETIME creado{}, fin{}, nucleo{}, usuario{};
    if (!GetProcessTimes(proceso, &creado, &fin, &nucleo, &usuario)) return 0;
    return (static_cast<ULONGLONG>(creado.dwHighDateTime) << 32) | creado.dwLowDateTime;
}

// The processes that show a window: a copy of the program that does is past gathering (its
// main window, or a confirmation of its own), not on its way to hand paths over.
std::set<DWORD> ConVentanas() {
    std::set<DWORD> procesos;
    EnumWindows(
        [](HWND ventana, LPARAM lista) -> BOOL {
            DWORD proceso = 0;
            if (IsWindowVisible(ventana) && GetWindowThreadProcessId(ventana, &proceso))
                reinterpret_cast<std::set<DWORD>*>(lista)->insert(proceso);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&procesos));
    return procesos;
}

// Whether another copy of this program, in this session, started a moment before this one or
// since, is still running and shows no window yet: Explorer started it for the same choice,
// and it may still be on its way to hand its paths over (or be ending, having done so).
bool CopiasEnCamino() {
    constexpr ULONGLONG kAntes = 3ULL * 10'000'000;  // 3 s in 100 ns units
    const DWORD propio = GetCurrentProcessId();
    const std::wstring imagen = ImagenDe(GetCurrentProcess());
    const ULONGLONG desde = Creacion(GetCurrentProcess()) - kAntes;
    DWORD sesion = 0;
    ProcessIdToSessionId(propio, &sesion);
    const win::UniqueFile lista(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!lista || imagen.empty()) return false;
    const std::set<DWORD> conVentanas = ConVentanas();
    PROCESSENTRY32W entrada{};
    entrada.dwSize = sizeof entrada;
    for (BOOL hay = Process32FirstW(lista.get(), &entrada); hay; hay = Process32NextW(lista.get(), &entrada)) {
        DWORD suya = 0;
        if (entrada.th32ProcessID == propio || conVentanas.contains(entrada.th32ProcessID) ||
            !ProcessIdToSessionId(entrada.th32ProcessID, &suya) || suya != sesion)
            continue;
        const UniqueObjeto proceso(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entrada.th32ProcessID));
        if (!proceso || Creacion(proceso.get()) < desde) continue;
        if (CompareStringOrdinal(ImagenDe(proceso.get()).c_str(), -1, imagen.c_str(), -1, TRUE) == CSTR_EQUAL) return true;
    }
    return false;
}

// What the gathering copy's window holds while the door is open.
struct Reunidor {
    ListaRutas rutas;
    bool abierta = true;
    Reloj::time_point ultima = Reloj::now();

    // TRUE when the hand-over was taken; the sender then ends.
    LRESULT Recibir(const COPYDATASTRUCT& datos) {
        if (!abierta || datos.dwData != kMarca) return FALSE;
        auto llegadas = DesempaquetarRutas(datos.lpData, datos.cbData);
        if (!llegadas) return FALSE;
        rutas.insert(rutas.end(), std::make_move_iterator(llegadas->begin()), std::make_move_iterator(llegadas->end()));
        ultima = Reloj::now();
        return TRUE;
    }
};

LRESULT CALLBACK ProcedimientoReunidor(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    } else if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    } else if (msg == WM_COPYDATA) {
        auto* reunidor = reinterpret_cast<Reunidor*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        try {
            return reunidor ? reunidor->Recibir(*reinterpret_cast<const COPYDATASTRUCT*>(lp)) : FALSE;
        } catch (const std::exception&) {  // out of memory: the sender keeps its paths
            return FALSE;
        }
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

win::UniqueWindow CrearVentana(const std::wstring& lugar, Reunidor& reunidor) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &ProcedimientoReunidor;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClase;
    RegisterClassExW(&wc);  // fails harmlessly when registered by an earlier gathering
    return win::UniqueWindow(CreateWindowExW(0, kClase, lugar.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            wc.hInstance, &reunidor));
}

// Takes hand-overs until none has come for a while, handling nothing but the messages sent
// to this thread; what was posted waits for the program's own message loop.
ListaRutas Reunir(const ListaRutas& propias, const std::wstring& lugar, const PlazosReunion& plazos) {
    Reunidor reunidor;
    reunidor.rutas = propias;
    win::UniqueWindow ventana = CrearVentana(lugar, reunidor);
    if (!ventana) return propias;
    const Reloj::time_point limite = reunidor.ultima + plazos.maximo;
    for (;;) {
        const auto ahora = Reloj::now();
        // After the silence the door stays open only for copies still on their way.
        if (ahora >= limite || (ahora >= reunidor.ultima + plazos.silencio && !CopiasEnCamino())) break;
        // Woken by a message sent here; in slices anyway, since Wine does not always wake a
        // thread that waits only for sent messages.
        const auto espera = std::min<long long>(std::chrono::ceil<std::chrono::milliseconds>(limite - ahora).count(), 50);
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(espera), QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);  // runs what was sent
    }
    reunidor.abierta = false;  // a hand-over arriving now is refused, and its copy asks alone
    ventana.reset();
    return std::move(reunidor.rutas);
}

enum class Entrega { Aceptada, Rechazada, SinReunidor };

Entrega Entregar(const std::wstring& lugar, const std::wstring& paquete, const PlazosReunion& plazos) {
    HWND reunidor = FindWindowExW(HWND_MESSAGE, nullptr, kClase, lugar.c_str());
    if (!reunidor) return Entrega::SinReunidor;
    COPYDATASTRUCT datos{kMarca, static_cast<DWORD>(paquete.size() * sizeof(wchar_t)),
                         const_cast<wchar_t*>(paquete.data())};
    DWORD_PTR respuesta = FALSE;
    const auto espera = static_cast<UINT>(plazos.entrega.count());
    if (!SendMessageTimeoutW(reunidor, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&datos),
                             SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, espera, &respuesta))
        return Entrega::Rechazada;
    return respuesta == TRUE ? Entrega::Aceptada : Entrega::Rechazada;
}

}  // namespace

std::wstring LugarDeReunion() {
    DWORD sesion = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &sesion);
    return L"Trituradora.Reunion." + UsuarioActual() + L"." + std::to_wstring(sesion);
}

std::optional<ListaRutas> ReunirRutas(const ListaRutas& propias, const std::wstring& lugar,
                                      const PlazosReunion& plazos) {
    if (propias.empty()) return propias;
    // "Local\" keeps the mutex within this session.
    const UniqueObjeto mutex(CreateMutexW(nullptr, FALSE, (L"Local\\" + lugar).c_str()));
    if (!mutex) return propias;
    const std::wstring paquete = EmpaquetarRutas(propias);
    const Reloj::time_point limite = Reloj::now() + plazos.entrega;
    do {
        // Whoever holds the mutex gathers. It may not have made its window yet, or it may be
        // closing its door just now, and then give the mutex up: try again shortly.
        if (Tomar(mutex.get())) {
            const Propiedad propiedad(mutex.get());
            return Reunir(propias, lugar, plazos);
        }
        if (Entregar(lugar, paquete, plazos) == Entrega::Aceptada) return std::nullopt;
        Sleep(20);
    } while (Reloj::now() < limite);
    return propias;  // no copy took the paths: this one asks about them itself
}

std::wstring EmpaquetarRutas(const ListaRutas& rutas) {
    std::wstring paquete;
    for (const std::wstring& ruta : rutas) {
        paquete += ruta;
        paquete += L'\0';
    }
    return paquete;
}

std::optional<ListaRutas> DesempaquetarRutas(const void* datos, std::size_t bytes) {
    if (!datos || bytes == 0 || bytes % sizeof(wchar_t) != 0 || bytes > kMaximoBytes) return std::nullopt;
    std::wstring texto(bytes / sizeof(wchar_t), L'\0');
    std::memcpy(texto.data(), datos, bytes);  // the sender's buffer need not be aligned
    if (texto.back() != L'\0') return std::nullopt;
    ListaRutas rutas;
    for (std::size_t inicio = 0; inicio < texto.size();) {
        const std::size_t cero = texto.find(L'\0', inicio);
        if (cero == inicio) return std::nullopt;  // an empty path is no path
        rutas.emplace_back(texto, inicio, cero - inicio);
        inicio = cero + 1;
    }
    return rutas;
}
