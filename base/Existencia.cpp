#include "base/Existencia.h"

#include <windows.h>
#include <winternl.h>

#include "base/Handle.h"
#include "base/Rutas.h"

bool ExisteCarpeta(const std::wstring& ruta) {
    const DWORD atributos = GetFileAttributesW(RutaApi(ruta).c_str());
    return atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY);
}

bool ExisteArchivo(const std::wstring& ruta) {
    if (ruta.empty() || ruta.find_first_of(L"*?") != std::wstring::npos) return false;
    WIN32_FIND_DATAW datos;
    win::UniqueFind busqueda(FindFirstFileW(RutaApi(ruta).c_str(), &datos));
    if (!busqueda || (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return FechaDos(datos.ftLastWriteTime);
}

bool FechaDos(const FILETIME& escritura) {
    FILETIME local;
    WORD fecha, hora;
    return FileTimeToLocalFileTime(&escritura, &local) && FileTimeToDosDateTime(&local, &fecha, &hora);
}

namespace {
win::UniqueFile AbrirParaConsultar(const std::wstring& ruta) {
    return win::UniqueFile(CreateFileW(RutaApi(ruta).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

std::wstring RutaFinal(HANDLE h) {
    return TextoDelSistema([&](wchar_t* b, DWORD t) { return GetFinalPathNameByHandleW(h, b, t, FILE_NAME_NORMALIZED); });
}

// The absolute path with every folder under its long name, as a final path shows it.
std::wstring RutaLarga(const std::wstring& ruta) {
    const std::wstring completa = RutaCompleta(RutaApi(ruta));
    if (completa.empty()) return ruta;
    const std::wstring larga =
        TextoDelSistema([&](wchar_t* b, DWORD t) { return GetLongPathNameW(completa.c_str(), b, t); });
    return larga.empty() ? completa : larga;
}
}  // namespace

std::optional<IdentidadArchivo> IdentidadDe(HANDLE archivo) {
    BY_HANDLE_FILE_INFORMATION info;
    if (archivo == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(archivo, &info)) return std::nullopt;
    return IdentidadArchivo{info.dwVolumeSerialNumber,
                            (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

std::optional<IdentidadArchivo> IdentidadDe(const std::wstring& ruta) {
    return IdentidadDe(AbrirParaConsultar(ruta).get());
}

std::optional<uint64_t> IndiceDe(HANDLE archivo) {
    IO_STATUS_BLOCK estado{};
    FILE_INTERNAL_INFORMATION interna{};
    if (archivo == INVALID_HANDLE_VALUE ||
        !NT_SUCCESS(NtQueryInformationFile(archivo, &estado, &interna, sizeof interna, FileInternalInformation)))
        return std::nullopt;
    return static_cast<uint64_t>(interna.IndexNumber.QuadPart);
}

std::optional<uint64_t> IndiceDe(const std::wstring& ruta) { return IndiceDe(AbrirParaConsultar(ruta).get()); }

bool EsEnlace(const std::wstring& ruta) {
    const DWORD atributos = GetFileAttributesW(RutaApi(ruta).c_str());
    if (atributos == INVALID_FILE_ATTRIBUTES) return false;
    if (atributos & FILE_ATTRIBUTE_REPARSE_POINT) return true;
    if (atributos & FILE_ATTRIBUTE_DIRECTORY) return false;
    // A link the file system shows as a plain file: where its handle leads must be the
    // folder it was found in, under its own name.
    const std::wstring completa = RutaLarga(ruta);
    win::UniqueFile archivo = AbrirParaConsultar(completa);
    win::UniqueFile carpeta = AbrirParaConsultar(CarpetaDe(completa));
    if (!archivo || !carpeta) return false;
    const std::wstring destino = RutaFinal(archivo.get());
    const std::wstring lugar = RutaFinal(carpeta.get());
    if (destino.empty() || lugar.empty()) return false;
    return !MismaRuta(destino, IncluirBarra(lugar) + NombreDe(completa));
}
