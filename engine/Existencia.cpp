#include "engine/Existencia.h"

#include <windows.h>

#include <vector>

#include "engine/Rutas.h"
#include "ui/Handle.h"

bool ExisteCarpeta(const std::wstring& ruta) {
    const DWORD atributos = GetFileAttributesW(RutaApi(ruta).c_str());
    return atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY);
}

bool ExisteArchivo(const std::wstring& ruta) {
    if (ruta.empty() || ruta.find_first_of(L"*?") != std::wstring::npos) return false;
    WIN32_FIND_DATAW datos;
    ui::UniqueFind busqueda(FindFirstFileW(RutaApi(ruta).c_str(), &datos));
    if (!busqueda || (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    FILETIME local;
    WORD fecha, hora;
    return FileTimeToLocalFileTime(&datos.ftLastWriteTime, &local) && FileTimeToDosDateTime(&local, &fecha, &hora);
}

namespace {
ui::UniqueFile AbrirParaConsultar(const std::wstring& ruta) {
    return ui::UniqueFile(CreateFileW(RutaApi(ruta).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
}

std::wstring RutaFinal(HANDLE h) {
    DWORD n = GetFinalPathNameByHandleW(h, nullptr, 0, FILE_NAME_NORMALIZED);
    if (n == 0) return {};
    std::vector<wchar_t> buffer(n + 1);
    n = GetFinalPathNameByHandleW(h, buffer.data(), static_cast<DWORD>(buffer.size()), FILE_NAME_NORMALIZED);
    return std::wstring(buffer.data(), n);
}

std::wstring RutaCompleta(const std::wstring& ruta) {
    const std::wstring api = RutaApi(ruta);
    DWORD n = GetFullPathNameW(api.c_str(), 0, nullptr, nullptr);
    if (n == 0) return ruta;
    std::vector<wchar_t> buffer(n + 1);
    n = GetFullPathNameW(api.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    std::wstring completa(buffer.data(), n);
    n = GetLongPathNameW(completa.c_str(), nullptr, 0);
    if (n == 0) return completa;
    std::vector<wchar_t> larga(n + 1);
    n = GetLongPathNameW(completa.c_str(), larga.data(), static_cast<DWORD>(larga.size()));
    return std::wstring(larga.data(), n);
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

bool EsEnlace(const std::wstring& ruta) {
    const DWORD atributos = GetFileAttributesW(RutaApi(ruta).c_str());
    if (atributos == INVALID_FILE_ATTRIBUTES) return false;
    if (atributos & FILE_ATTRIBUTE_REPARSE_POINT) return true;
    if (atributos & FILE_ATTRIBUTE_DIRECTORY) return false;
    // A link the file system shows as a plain file: where its handle leads must be the
    // folder it was found in, under its own name.
    const std::wstring completa = RutaCompleta(ruta);
    ui::UniqueFile archivo = AbrirParaConsultar(completa);
    ui::UniqueFile carpeta = AbrirParaConsultar(CarpetaDe(completa));
    if (!archivo || !carpeta) return false;
    const std::wstring destino = RutaFinal(archivo.get());
    const std::wstring lugar = RutaFinal(carpeta.get());
    if (destino.empty() || lugar.empty()) return false;
    return !MismaRuta(destino, IncluirBarra(lugar) + NombreDe(completa));
}
