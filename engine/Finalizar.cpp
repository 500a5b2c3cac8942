#include "engine/Finalizar.h"

#include <windows.h>

#include "base/Existencia.h"
#include "base/Handle.h"
#include "base/Rutas.h"
#include "engine/Generador.h"
#include "engine/Seguimiento.h"
#include "engine/ShredOptions.h"
#include "engine/Sobrescribir.h"

namespace {
bool BorrarArchivo(const std::wstring& ruta) { return DeleteFileW(RutaApi(ruta).c_str()); }

bool MoverArchivo(const std::wstring& desde, const std::wstring& hasta) {
    return MoveFileExW(RutaApi(desde).c_str(), RutaApi(hasta).c_str(), MOVEFILE_WRITE_THROUGH);
}

// One false local time: the fields are drawn in the order hour, minute, second, year,
// month, day; a day the month does not have becomes the month's last day.
FILETIME FechaFalsa() {
    SYSTEMTIME t{};
    t.wHour = static_cast<WORD>(Sortear(24));
    t.wMinute = static_cast<WORD>(Sortear(60));
    t.wSecond = static_cast<WORD>(Sortear(60));
    t.wYear = static_cast<WORD>(1990 + Sortear(16));
    t.wMonth = static_cast<WORD>(1 + Sortear(12));
    t.wDay = static_cast<WORD>(1 + Sortear(30));
    t.wMilliseconds = 0;
    static const WORD kDias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bisiesto = (t.wYear % 4 == 0 && t.wYear % 100 != 0) || t.wYear % 400 == 0;
    const WORD ultimo = (t.wMonth == 2 && bisiesto) ? 29 : kDias[t.wMonth - 1];
    if (t.wDay > ultimo) t.wDay = ultimo;
    FILETIME local{}, utc{};
    SystemTimeToFileTime(&t, &local);
    LocalFileTimeToFileTime(&local, &utc);
    return utc;
}
}  // namespace

bool QuitarSoloLectura(const std::wstring& ruta) {
    const DWORD leidos = GetFileAttributesW(RutaApi(ruta).c_str());
    const WORD atributos = leidos == INVALID_FILE_ATTRIBUTES ? 0xFFFF : static_cast<WORD>(leidos);
    if (!(atributos & FILE_ATTRIBUTE_READONLY)) return true;
    return SetFileAttributesW(RutaApi(ruta).c_str(), atributos & ~FILE_ATTRIBUTE_READONLY);
}

bool ProbarEscritura(const std::wstring& ruta) {
    win::UniqueFile archivo(CreateFileW(RutaApi(ruta).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!archivo) return false;
    SetFilePointer(archivo.get(), 0, nullptr, FILE_BEGIN);
    DWORD escritos = 0;
    WriteFile(archivo.get(), "X", 1, &escritos, nullptr);
    FlushFileBuffers(archivo.get());
    return true;
}

bool TruncarArchivo(const std::wstring& ruta) {
    win::UniqueFile archivo(CreateFileW(RutaApi(ruta).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(archivo);
}

std::wstring CambiarNombre(const std::wstring& ruta) {
    const std::wstring carpeta = CarpetaDe(ruta);
    std::wstring candidato;
    do {
        std::wstring nombre;
        for (int i = 0; i < 8; ++i) nombre += static_cast<wchar_t>(L'a' + Sortear(26));
        nombre += L'.';
        for (int i = 0; i < 3; ++i) nombre += static_cast<wchar_t>(L'a' + Sortear(26));
        candidato = carpeta + nombre;
    } while (ExisteArchivo(candidato) || GetFileAttributesW(RutaApi(candidato).c_str()) != INVALID_FILE_ATTRIBUTES);
    if (!MoverArchivo(ruta, candidato)) return ruta;
    const std::wstring final = carpeta + L"~";
    return MoverArchivo(candidato, final) ? final : candidato;
}

std::wstring FalsearFechas(const std::wstring& ruta) {
    Resembrar();
    const FILETIME creacion = FechaFalsa();
    const FILETIME acceso = FechaFalsa();
    const FILETIME escritura = FechaFalsa();
    win::UniqueFile archivo(CreateFileW(RutaApi(ruta).c_str(), GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (archivo) SetFileTime(archivo.get(), &creacion, &acceso, &escritura);
    return ruta;
}

bool TriturarUltraRapido(const std::wstring& ruta) {
    if (EsEnlace(ruta)) return false;
    bool ok = QuitarSoloLectura(ruta);
    if (ok) ok = TruncarArchivo(ruta);
    if (ok) BorrarArchivo(CambiarNombre(ruta));
    return ok;
}

bool TriturarArchivo(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas) {
    const ShredOptions opciones = OpcionesActuales();

    seguimiento.ArchivoContado();
    seguimiento.MaximoPasadas(NMetodos * pasadas);
    seguimiento.Archivo(ruta);
    seguimiento.Bombear();

    // A file stopped by Cancelar is not shredded, and says so: it stays in the list. One
    // reached after the request is left exactly as it was, not even tested.
    auto parado = [&] {
        seguimiento.ParadoPorCancelar(true);
        return false;
    };
    if (seguimiento.CancelarPedido()) return parado();
    if (opciones.UltraRapido) return TriturarUltraRapido(ruta);

    // Preliminary tests; the first that fails leaves the file as it was.
    if (!ExisteArchivo(ruta) || EsEnlace(ruta) || !QuitarSoloLectura(ruta) || !ProbarEscritura(ruta)) return false;
    const auto identidad = IdentidadDe(ruta);

    bool resultado = SobrescribirMetodos(seguimiento, ruta, pasadas, opciones);
    if (seguimiento.CancelarPedido()) return parado();  // overwritten as far as it got, under its own name
    seguimiento.ParadoPorCancelar(false);

    // The finishing steps go by the path: when another program has put a different file there
    // meanwhile, or removed this one, they would empty, rename and delete a file nobody chose.
    if (identidad && IdentidadDe(ruta) != identidad) return false;

    std::wstring actual = ruta;
    if (opciones.Truncar) resultado = TruncarArchivo(actual) && resultado;
    if (opciones.Renombrar) actual = CambiarNombre(actual);
    if (opciones.CambiarFecha) FalsearFechas(actual);
    if (opciones.Borrar) BorrarArchivo(actual);
    return resultado;
}
