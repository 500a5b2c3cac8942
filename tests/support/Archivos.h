#pragma once
// Real files for tests: a fresh folder per test, removed afterwards without following links,
// and small helpers to write, read and link files in it.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace prueba {

class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
    // The folder's path with a trailing backslash.
    const std::wstring& Ruta() const { return ruta_; }
    std::wstring operator/(const std::wstring& nombre) const { return ruta_ + nombre; }

private:
    std::wstring ruta_;
};

void EscribirArchivo(const std::wstring& ruta, const std::string& contenido);
std::string LeerArchivo(const std::wstring& ruta);
void CrearCarpeta(const std::wstring& ruta);
bool Existe(const std::wstring& ruta);
// The names in a folder, "." and ".." left out, sorted.
std::vector<std::wstring> Nombres(const std::wstring& carpeta);
// Sets the last-write time of a file (UTC fields).
void FijarFechaEscritura(const std::wstring& ruta, WORD anio, WORD mes, WORD dia);
// The Unix path Wine gives a Windows path (empty where there is none).
std::string RutaUnix(const std::wstring& ruta);
// Starts a Unix program with arguments (without waiting: Wine cannot wait for it).
bool EjecutarUnix(const std::wstring& programa, const std::vector<std::string>& argumentos);
// Makes a Unix symbolic link at enlace pointing to destino; true once it is there.
bool CrearEnlace(const std::wstring& destino, const std::wstring& enlace);

}  // namespace prueba
