#include "engine/Finalizar.h"

#include <windows.h>

#include <vector>

#include "base/Existencia.h"
#include "base/Handle.h"
#include "base/Rutas.h"
#include "engine/Contexto.h"
#include "engine/Generador.h"
#include "engine/MarcoPasadas.h"
#include "engine/Seguimiento.h"
#include "engine/ShredOptions.h"
#include "engine/Sobrescribir.h"

namespace {
constexpr DWORD kCompartirTodo = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Draws of a new name before the file is left under its own: a drawn name is taken already
// only by rare chance.
constexpr int kIntentosDeNombre = 16;

win::UniqueFile AbrirRuta(const std::wstring& ruta, DWORD acceso, DWORD compartir) {
    return win::UniqueFile(CreateFileW(RutaApi(ruta).c_str(), acceso, compartir, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
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

// Moves the open file to `destino`, never over an existing file.
bool MoverAbierto(HANDLE archivo, const std::wstring& destino) {
    const std::wstring nombre = RutaApi(destino);
    std::vector<BYTE> datos(sizeof(FILE_RENAME_INFO) + nombre.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(datos.data());
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nombre.size() * sizeof(wchar_t));
    nombre.copy(info->FileName, nombre.size());
    return SetFileInformationByHandle(archivo, FileRenameInfo, info, static_cast<DWORD>(datos.size()));
}

// The two renames through the open file: a drawn 8.3 name, then "~", both in its own folder.
// Answers the name it really has afterwards.
std::wstring RenombrarAbierto(HANDLE archivo, const std::wstring& ruta) {
    const std::wstring carpeta = CarpetaDe(ruta);
    for (int intento = 0; intento < kIntentosDeNombre; ++intento) {
        std::wstring nombre;
        for (int i = 0; i < 8; ++i) nombre += static_cast<wchar_t>(L'a' + Sortear(26));
        nombre += L'.';
        for (int i = 0; i < 3; ++i) nombre += static_cast<wchar_t>(L'a' + Sortear(26));
        if (!MoverAbierto(archivo, carpeta + nombre)) continue;
        const std::wstring final = carpeta + L"~";
        return MoverAbierto(archivo, final) ? final : carpeta + nombre;
    }
    return ruta;
}

void FechasFalsas(HANDLE archivo) {
    Resembrar();
    const FILETIME creacion = FechaFalsa();
    const FILETIME acceso = FechaFalsa();
    const FILETIME escritura = FechaFalsa();
    SetFileTime(archivo, &creacion, &acceso, &escritura);
}

bool Vaciar(HANDLE archivo) {
    LARGE_INTEGER cero{};
    return SetFilePointerEx(archivo, cero, nullptr, FILE_BEGIN) && SetEndOfFile(archivo);
}

bool MarcarPrimerByte(HANDLE archivo) {
    DWORD escritos = 0;
    SetFilePointer(archivo, 0, nullptr, FILE_BEGIN);
    WriteFile(archivo, "X", 1, &escritos, nullptr);  // what was written is not looked at
    FlushFileBuffers(archivo);
    return true;
}

// Clears the read-only attribute through a handle on the object itself.
bool QuitarSoloLecturaDe(Objeto& objeto, Fallo& fallo) {
    if (!(objeto.atributos & FILE_ATTRIBUTE_READONLY)) return true;
    win::UniqueFile h = AbrirObjeto(objeto, FILE_WRITE_ATTRIBUTES, kCompartirTodo, fallo);
    if (!h) return false;
    FILE_BASIC_INFO basica{};
    basica.FileAttributes = objeto.atributos & ~FILE_ATTRIBUTE_READONLY;
    if (basica.FileAttributes == 0) basica.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileInformationByHandle(h.get(), FileBasicInfo, &basica, sizeof basica)) {
        fallo = FalloDeError(GetLastError());
        return false;
    }
    objeto.atributos = basica.FileAttributes;
    return true;
}
}  // namespace

ArchivoRetenido ArchivoRetenido::Abrir(Objeto& objeto, DWORD acceso, Fallo& fallo) {
    if (!QuitarSoloLecturaDe(objeto, fallo)) return {};
    return Tomar(objeto, AbrirObjeto(objeto, acceso | DELETE, 0, fallo));
}

ArchivoRetenido ArchivoRetenido::Tomar(const Objeto& objeto, win::UniqueFile abierto) {
    ArchivoRetenido retenido;
    retenido.archivo_ = std::move(abierto);
    retenido.ruta_ = objeto.ruta;
    retenido.identidad_ = objeto.identidad;
    return retenido;
}

bool ArchivoRetenido::Sigue(Fallo& fallo) const {
    if (IndiceDe(ruta_) == identidad_.indice) return true;
    fallo = Fallo{Motivo::Cambiado, 0};
    return false;
}

bool ArchivoRetenido::Truncar(Fallo& fallo) {
    if (Vaciar(archivo_.get())) return true;
    fallo = FalloDeError(GetLastError());
    return false;
}

void ArchivoRetenido::CambiarNombre() { ruta_ = RenombrarAbierto(archivo_.get(), ruta_); }

void ArchivoRetenido::FalsearFechas() { FechasFalsas(archivo_.get()); }

bool ArchivoRetenido::Borrar(Fallo& fallo) {
    FILE_DISPOSITION_INFO borrar{TRUE};
    if (!SetFileInformationByHandle(archivo_.get(), FileDispositionInfo, &borrar, sizeof borrar)) {
        fallo = FalloDeError(GetLastError());
        return false;
    }
    archivo_.reset();  // gone with its last handle
    return true;
}

bool QuitarSoloLectura(const std::wstring& ruta) {
    const DWORD leidos = GetFileAttributesW(RutaApi(ruta).c_str());
    const WORD atributos = leidos == INVALID_FILE_ATTRIBUTES ? 0xFFFF : static_cast<WORD>(leidos);
    if (!(atributos & FILE_ATTRIBUTE_READONLY)) return true;
    return SetFileAttributesW(RutaApi(ruta).c_str(), atributos & ~FILE_ATTRIBUTE_READONLY);
}

bool ProbarEscritura(const std::wstring& ruta) {
    win::UniqueFile archivo = AbrirRuta(ruta, GENERIC_READ | GENERIC_WRITE, 0);
    return archivo && MarcarPrimerByte(archivo.get());
}

bool TruncarArchivo(const std::wstring& ruta) {
    win::UniqueFile archivo = AbrirRuta(ruta, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ);
    return archivo && Vaciar(archivo.get());
}

std::wstring CambiarNombre(const std::wstring& ruta) {
    win::UniqueFile archivo = AbrirRuta(ruta, DELETE | FILE_READ_ATTRIBUTES, kCompartirTodo);
    return archivo ? RenombrarAbierto(archivo.get(), ruta) : ruta;
}

std::wstring FalsearFechas(const std::wstring& ruta) {
    win::UniqueFile archivo = AbrirRuta(ruta, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (archivo) FechasFalsas(archivo.get());
    return ruta;
}

DWORD AccesoRetenido(const ShredOptions& opciones) {
    return (opciones.UltraRapido ? GENERIC_WRITE : GENERIC_READ | GENERIC_WRITE) | DELETE;
}

namespace {
// The file held as the routine holds it: the handle it was resolved through, or opened now.
ArchivoRetenido Retener(Contexto& contexto, Objeto& objeto, win::UniqueFile abierto, Fallo& fallo) {
    if (abierto) return ArchivoRetenido::Tomar(objeto, std::move(abierto));
    return ArchivoRetenido::Abrir(objeto, AccesoRetenido(contexto.opciones), fallo);
}
}  // namespace

bool TriturarUltraRapido(Contexto& contexto, Objeto& objeto, win::UniqueFile abierto) {
    Fallo fallo;
    ArchivoRetenido archivo = Retener(contexto, objeto, std::move(abierto), fallo);
    if (!archivo || !archivo.Truncar(fallo)) return contexto.Fallar(fallo);
    if (!archivo.Sigue(fallo)) return contexto.Fallar(fallo);
    archivo.CambiarNombre();
    if (!archivo.Sigue(fallo) || !archivo.Borrar(fallo)) return contexto.Fallar(fallo);
    contexto.Hecho(objeto.identidad);
    return true;
}

bool TriturarArchivo(Contexto& contexto, Objeto& objeto, win::UniqueFile abierto) {
    Seguimiento& seguimiento = contexto.seguimiento;
    const ShredOptions& opciones = contexto.opciones;

    seguimiento.ArchivoContado();
    seguimiento.MaximoPasadas(NMetodos * contexto.pasadas);
    seguimiento.Archivo(objeto.ruta);
    seguimiento.Bombear();

    // A file stopped by Cancelar is not shredded, and says so: it stays in the list. One
    // reached after the request is left exactly as it was, not even tested.
    auto parado = [&] {
        seguimiento.ParadoPorCancelar(true);
        return contexto.Fallar({Motivo::Cancelado, 0});
    };
    if (seguimiento.CancelarPedido()) return parado();
    if (!FechaDos(objeto.escritura)) return contexto.Fallar({Motivo::NoExiste, ERROR_FILE_NOT_FOUND});
    // Data that also lives under a name nobody chose is not destroyed.
    if (objeto.nombres > 1 && !contexto.NombresDentro(objeto)) return contexto.Fallar({Motivo::OtrosNombres, 0});
    if (opciones.UltraRapido) return TriturarUltraRapido(contexto, objeto, std::move(abierto));

    // From the write test to the deletion the file is held open, exclusively: no other
    // program can write it, take it, or put another file under its name meanwhile.
    Fallo fallo;
    ArchivoRetenido archivo = Retener(contexto, objeto, std::move(abierto), fallo);
    if (!archivo) return contexto.Fallar(fallo);
    if (objeto.nombres > 1 && !contexto.NombresDentro(objeto)) return contexto.Fallar({Motivo::OtrosNombres, 0});
    EnElObrero(seguimiento, [&] { return MarcarPrimerByte(archivo.get()); });

    bool resultado = SobrescribirMetodos(seguimiento, archivo.get(), contexto.pasadas, opciones, fallo);
    if (!resultado) contexto.Fallar(fallo);
    if (seguimiento.CancelarPedido()) return parado();  // overwritten as far as it got, under its own name
    seguimiento.ParadoPorCancelar(false);

    // What is under the name now must still be this file before the name is acted on.
    if (!archivo.Sigue(fallo)) return contexto.Fallar(fallo);
    if (opciones.Truncar && !archivo.Truncar(fallo)) resultado = contexto.Fallar(fallo);
    if (opciones.Renombrar) archivo.CambiarNombre();
    if (opciones.CambiarFecha) archivo.FalsearFechas();
    // A file that is still there was not shredded, whatever the steps before did to it.
    if (opciones.Borrar && !(archivo.Sigue(fallo) && archivo.Borrar(fallo))) resultado = contexto.Fallar(fallo);
    if (resultado) contexto.Hecho(objeto.identidad);
    return resultado;
}

bool TriturarArchivo(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas) {
    Contexto contexto(seguimiento, pasadas);
    Fallo fallo;
    auto objeto = Resolver(ruta, fallo);
    if (!objeto || objeto->carpeta) return false;
    contexto.elegidos.push_back(*objeto);
    return TriturarArchivo(contexto, *objeto);
}
