#include "engine/Objeto.h"

#include <algorithm>
#include <vector>

#include "base/Rutas.h"

namespace {
constexpr DWORD kCompartirTodo = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr size_t kLargoMaximo = 32767;

// "C:\" and "\\servidor\recurso\" (with its trailing separator, as given by RutaNormalizada).
bool EsRaiz(const std::wstring& ruta) {
    if (ruta.size() == 3 && ruta[1] == L':' && ruta[2] == L'\\') return true;
    if (ruta.rfind(L"\\\\", 0) != 0 || ruta.back() != L'\\') return false;
    const size_t servidor = ruta.find(L'\\', 2);
    return servidor != std::wstring::npos && ruta.find(L'\\', servidor + 1) == ruta.size() - 1;
}

std::wstring SinPrefijo(const std::wstring& ruta) {
    if (ruta.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + ruta.substr(8);
    if (ruta.rfind(L"\\\\?\\", 0) == 0) return ruta.substr(4);
    return ruta;
}

std::wstring Unir(const std::wstring& carpeta, const std::wstring& nombre) {
    return carpeta.empty() || carpeta.back() == L'\\' ? carpeta + nombre : carpeta + L'\\' + nombre;
}

// "C:" or "\\servidor\recurso" of an absolute path.
std::wstring UnidadDe(const std::wstring& ruta) {
    if (ruta.rfind(L"\\\\", 0) != 0) return ruta.substr(0, 2);
    const size_t servidor = ruta.find(L'\\', 2);
    return ruta.substr(0, ruta.find(L'\\', servidor == std::wstring::npos ? ruta.size() : servidor + 1));
}

// Where an open handle leads, without prefix; empty when the system cannot say. Some systems
// give no final path for a long one; the path within its volume then serves, on the drive
// the path was reached through.
std::wstring RutaFinal(HANDLE h, const std::wstring& unidad) {
    std::wstring final = SinPrefijo(
        TextoDelSistema([&](wchar_t* b, DWORD t) { return GetFinalPathNameByHandleW(h, b, t, FILE_NAME_NORMALIZED); }));
    if (!final.empty()) return final;
    std::vector<BYTE> datos(sizeof(FILE_NAME_INFO) + kLargoMaximo * sizeof(wchar_t));
    auto* nombre = reinterpret_cast<FILE_NAME_INFO*>(datos.data());
    if (!GetFileInformationByHandleEx(h, FileNameInfo, nombre, static_cast<DWORD>(datos.size()))) return {};
    return unidad + std::wstring(nombre->FileName, nombre->FileNameLength / sizeof(wchar_t));
}

win::UniqueFile Abrir(const std::wstring& ruta, DWORD acceso, DWORD compartir, bool seguirEnlace) {
    const DWORD banderas = FILE_FLAG_BACKUP_SEMANTICS | (seguirEnlace ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    return win::UniqueFile(CreateFileW(RutaApi(ruta).c_str(), acceso, compartir, nullptr, OPEN_EXISTING, banderas, nullptr));
}

// The path with the trailing dots and blanks of every name dropped.
std::wstring SinPuntosFinales(const std::wstring& ruta) {
    std::wstring recortada;
    for (size_t inicio = 0; inicio <= ruta.size();) {
        size_t fin = std::min(ruta.find(L'\\', inicio), ruta.size());
        std::wstring nombre = ruta.substr(inicio, fin - inicio);
        if (nombre != L"." && nombre != L"..")
            while (!nombre.empty() && (nombre.back() == L'.' || nombre.back() == L' ')) nombre.pop_back();
        recortada += nombre;
        if (fin < ruta.size()) recortada += L'\\';
        inicio = fin + 1;
    }
    return recortada;
}

// Whether an open handle leads exactly to `ruta`. Some systems report the final path of names
// ending in dots or blanks without them; the handle then must not be the file that the
// shorter names lead to, or it came through a link.
bool LlevaA(HANDLE h, const std::wstring& ruta) {
    const std::wstring final = RutaFinal(h, UnidadDe(ruta));
    if (MismaRuta(final, ruta)) return true;
    const std::wstring recortada = SinPuntosFinales(ruta);
    if (recortada == ruta || !MismaRuta(final, recortada)) return false;
    const std::wstring literal =
        recortada.rfind(L"\\\\", 0) == 0 ? L"\\\\?\\UNC\\" + recortada.substr(2) : L"\\\\?\\" + recortada;
    win::UniqueFile parecida(CreateFileW(literal.c_str(), FILE_READ_ATTRIBUTES, kCompartirTodo, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return !parecida || IdentidadDe(parecida.get()) != IdentidadDe(h);
}

bool Falla(Fallo& fallo, Motivo motivo, DWORD codigo = 0) {
    fallo = Fallo{motivo, codigo};
    return false;
}

// The handle's identity, attributes, names and write time. With `volumen` given (the object is
// known to lie on that volume) only the handle's own records are read: under Wine the volume's
// serial number, which GetFileInformationByHandle also asks for, costs a round trip to
// another process, far more than everything else here.
bool Identificar(HANDLE h, Objeto& objeto, std::optional<DWORD> volumen) {
    FILE_BASIC_INFO basica;
    FILE_STANDARD_INFO estandar;
    const auto indice = volumen ? IndiceDe(h) : std::nullopt;
    if (indice && GetFileInformationByHandleEx(h, FileBasicInfo, &basica, sizeof basica) &&
        GetFileInformationByHandleEx(h, FileStandardInfo, &estandar, sizeof estandar)) {
        objeto.identidad = IdentidadArchivo{*volumen, *indice};
        objeto.atributos = basica.FileAttributes;
        objeto.nombres = estandar.NumberOfLinks;
        objeto.escritura = FILETIME{static_cast<DWORD>(basica.LastWriteTime.LowPart),
                                    static_cast<DWORD>(basica.LastWriteTime.HighPart)};
        return true;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(h, &info)) return false;
    objeto.identidad = IdentidadArchivo{info.dwVolumeSerialNumber,
                                        (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    objeto.atributos = info.dwFileAttributes;
    objeto.nombres = info.nNumberOfLinks;
    objeto.escritura = info.ftLastWriteTime;
    return true;
}

// What the handle tells of the object, and whether it is one the engine may act on: no
// reparse point, and leading exactly to `objeto.ruta` (a root is where it is).
bool Leer(HANDLE h, Objeto& objeto, bool raiz, std::optional<DWORD> volumen, Fallo& fallo) {
    if (!Identificar(h, objeto, volumen)) return Falla(fallo, FalloDeError(GetLastError()).motivo, GetLastError());
    FILE_ATTRIBUTE_TAG_INFO etiqueta{};
    if (GetFileInformationByHandleEx(h, FileAttributeTagInfo, &etiqueta, sizeof etiqueta) && etiqueta.ReparseTag != 0)
        return Falla(fallo, Motivo::Enlace);
    if (objeto.atributos & FILE_ATTRIBUTE_REPARSE_POINT) return Falla(fallo, Motivo::Enlace);
    // A link the file system shows as a plain file or folder still leads elsewhere.
    if (!raiz && !LlevaA(h, objeto.ruta)) return Falla(fallo, Motivo::Enlace);
    objeto.carpeta = objeto.atributos & FILE_ATTRIBUTE_DIRECTORY;
    return true;
}

// The entry `nombre` (as stored) of the folder whose final path is `carpetaFinal`; `volumen`, when
// given, is the folder's, where a file entry lies too. (A folder entry is identified whole: on
// Wine another file system can be mounted on it.)
std::optional<Objeto> ResolverEn(const std::wstring& carpetaFinal, const WIN32_FIND_DATAW& datos,
                                 std::optional<DWORD> volumen, Fallo& fallo, DWORD acceso = FILE_READ_ATTRIBUTES,
                                 DWORD compartir = kCompartirTodo, win::UniqueFile* abierto = nullptr) {
    if (datos.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        fallo = Fallo{Motivo::Enlace, 0};
        return std::nullopt;
    }
    Objeto objeto;
    objeto.ruta = Unir(carpetaFinal, datos.cFileName);
    win::UniqueFile h = Abrir(objeto.ruta, acceso | FILE_READ_ATTRIBUTES, compartir, false);
    if (!h) {
        const DWORD codigo = GetLastError();
        // Listed in its folder yet not there: a link whose target is gone.
        fallo = codigo == ERROR_FILE_NOT_FOUND || codigo == ERROR_PATH_NOT_FOUND ? Fallo{Motivo::Enlace, codigo}
                                                                                 : FalloDeError(codigo);
        return std::nullopt;
    }
    if (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) volumen.reset();
    if (!Leer(h.get(), objeto, false, volumen, fallo)) return std::nullopt;
    if (abierto) *abierto = std::move(h);
    return objeto;
}
}  // namespace

Fallo FalloDeError(DWORD codigo) {
    switch (codigo) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return {Motivo::EnUso, codigo};
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_PRIVILEGE_NOT_HELD:
        case ERROR_CANNOT_MAKE:
            return {Motivo::AccesoDenegado, codigo};
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_NOT_READY:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_DIRECTORY:
        case ERROR_NO_MORE_FILES:
            return {Motivo::NoExiste, codigo};
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return {Motivo::DiscoLleno, codigo};
        default:
            return {Motivo::ErrorEscritura, codigo};
    }
}

std::wstring RutaNormalizada(const std::wstring& escrita) {
    std::wstring ruta = escrita;
    if (ruta.rfind(L"\\\\?\\UNC\\", 0) == 0)
        ruta = L"\\\\" + ruta.substr(8);
    else if (ruta.rfind(L"\\\\?\\", 0) == 0)
        ruta = ruta.substr(4);
    if (ruta.empty() || ruta.size() > kLargoMaximo) return {};
    // Wildcards, characters no name may hold, and a colon anywhere but after a drive letter
    // (it would name a stream of a file, or a device).
    for (size_t i = 0; i < ruta.size(); ++i) {
        const wchar_t c = ruta[i];
        if (c < 32 || c == L'*' || c == L'?' || c == L'"' || c == L'<' || c == L'>' || c == L'|') return {};
        if (c == L':' && i != 1) return {};
    }
    if (ruta.rfind(L"\\\\.\\", 0) == 0 || ruta.rfind(L"//./", 0) == 0) return {};  // devices
    std::wstring completa = CompletaLiteral(ruta);
    if (completa.empty()) return {};
    if (completa.size() == 2 && completa[1] == L':') completa += L'\\';
    const bool unc = completa.rfind(L"\\\\", 0) == 0;
    while (completa.size() > 3 && completa.back() == L'\\' && !EsRaiz(completa)) completa.pop_back();
    if (unc && !EsRaiz(completa) && std::count(completa.begin() + 2, completa.end(), L'\\') == 1) completa += L'\\';
    if (unc && std::count(completa.begin() + 2, completa.end(), L'\\') == 0) return {};  // a server alone
    return completa;
}

std::optional<Objeto> Resolver(const std::wstring& escrita, Fallo& fallo) {
    const std::wstring ruta = RutaNormalizada(escrita);
    if (ruta.empty()) {
        fallo = Fallo{Motivo::NoExiste, ERROR_INVALID_NAME};
        return std::nullopt;
    }
    if (EsRaiz(ruta)) {
        Objeto objeto;
        win::UniqueFile h = Abrir(ruta, FILE_READ_ATTRIBUTES, kCompartirTodo, true);
        if (!h) {
            fallo = FalloDeError(GetLastError());
            return std::nullopt;
        }
        objeto.ruta = ruta;
        if (!Leer(h.get(), objeto, true, std::nullopt, fallo)) return std::nullopt;
        return objeto;
    }
    // The entry as the folder stores it: its own letter case and long name, also when written
    // in another case or as a short name.
    WIN32_FIND_DATAW datos;
    {
        win::UniqueFind busqueda(FindFirstFileW(RutaApi(ruta).c_str(), &datos));
        if (!busqueda) {
            fallo = FalloDeError(GetLastError());
            return std::nullopt;
        }
    }
    // The folder it lies in, reached as the path says (links above the item are where the
    // person browsed to); the item itself is not followed.
    std::wstring arriba = ruta.substr(0, ruta.rfind(L'\\'));
    if (EsRaiz(arriba + L'\\')) arriba += L'\\';
    win::UniqueFile carpeta = Abrir(arriba, FILE_READ_ATTRIBUTES, kCompartirTodo, true);
    const std::wstring carpetaFinal = carpeta ? RutaFinal(carpeta.get(), UnidadDe(ruta)) : std::wstring();
    if (carpetaFinal.empty()) {
        fallo = FalloDeError(carpeta ? ERROR_PATH_NOT_FOUND : GetLastError());
        return std::nullopt;
    }
    return ResolverEn(carpetaFinal, datos, std::nullopt, fallo);
}

std::optional<Objeto> ResolverEntrada(const Objeto& carpeta, const WIN32_FIND_DATAW& datos, Fallo& fallo) {
    return ResolverEn(carpeta.ruta, datos, carpeta.identidad.volumen, fallo);
}

std::optional<Objeto> ResolverEntrada(const Objeto& carpeta, const WIN32_FIND_DATAW& datos, DWORD acceso,
                                      DWORD compartir, win::UniqueFile& abierto, Fallo& fallo) {
    return ResolverEn(carpeta.ruta, datos, carpeta.identidad.volumen, fallo, acceso, compartir, &abierto);
}

bool EsElMismo(HANDLE archivo, Objeto& objeto, Fallo& fallo) {
    Objeto visto;
    visto.ruta = objeto.ruta;
    if (!Leer(archivo, visto, false, objeto.identidad.volumen, fallo)) return false;
    if (visto.identidad != objeto.identidad) return Falla(fallo, Motivo::Cambiado);
    objeto = visto;
    return true;
}

win::UniqueFile AbrirObjeto(Objeto& objeto, DWORD acceso, DWORD compartir, Fallo& fallo) {
    win::UniqueFile h = Abrir(objeto.ruta, acceso | FILE_READ_ATTRIBUTES, compartir, false);
    if (!h) {
        const DWORD codigo = GetLastError();
        fallo = codigo == ERROR_FILE_NOT_FOUND || codigo == ERROR_PATH_NOT_FOUND ? Fallo{Motivo::Cambiado, codigo}
                                                                                 : FalloDeError(codigo);
        return {};
    }
    if (!EsElMismo(h.get(), objeto, fallo)) return {};
    return h;
}

bool Dentro(const Objeto& interior, const Objeto& carpeta) {
    const std::wstring prefijo = IncluirBarra(carpeta.ruta);
    return interior.ruta.size() > prefijo.size() && MismaRuta(interior.ruta.substr(0, prefijo.size()), prefijo);
}
