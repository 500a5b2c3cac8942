#include "engine/Trituracion.h"

#include <windows.h>

#include "base/Existencia.h"
#include "base/Handle.h"
#include "base/Rutas.h"
#include "engine/Finalizar.h"
#include "engine/Seguimiento.h"

namespace {
bool EsPuntoOPuntoPunto(const wchar_t* nombre) {
    return (nombre[0] == L'.' && nombre[1] == 0) || (nombre[0] == L'.' && nombre[1] == L'.' && nombre[2] == 0);
}

uint64_t Tamano(const WIN32_FIND_DATAW& datos) {
    return (static_cast<uint64_t>(datos.nFileSizeHigh) << 32) | datos.nFileSizeLow;
}

bool EsEnlaceDeCarpeta(DWORD atributos) {
    return (atributos & FILE_ATTRIBUTE_DIRECTORY) && (atributos & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Calls visit for every entry of a folder but "." and "..", hidden and system ones included.
template <class Visit>
void RecorrerCarpeta(const std::wstring& carpeta, Visit visit) {
    WIN32_FIND_DATAW datos;
    win::UniqueFind busqueda(FindFirstFileW(RutaApi(carpeta + L"*.*").c_str(), &datos));
    if (!busqueda) return;
    do {
        if (!EsPuntoOPuntoPunto(datos.cFileName)) visit(datos);
    } while (FindNextFileW(busqueda.get(), &datos));
}
}  // namespace

uint64_t TamanoArchivo(const std::wstring& ruta) {
    if (ruta.find_first_of(L"*?") != std::wstring::npos) return 0;
    WIN32_FIND_DATAW datos;
    win::UniqueFind busqueda(FindFirstFileW(RutaApi(ruta).c_str(), &datos));
    return busqueda ? Tamano(datos) : 0;
}

uint64_t TamanoCarpeta(const std::wstring& ruta, uint64_t& archivos) {
    uint64_t bytes = 0;
    const std::wstring carpeta = IncluirBarra(ruta);
    RecorrerCarpeta(carpeta, [&](const WIN32_FIND_DATAW& datos) {
        if (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!EsEnlaceDeCarpeta(datos.dwFileAttributes)) bytes += TamanoCarpeta(carpeta + datos.cFileName, archivos);
        } else {
            bytes += Tamano(datos);
            ++archivos;
        }
    });
    return bytes;
}

uint64_t TamanoElementoKb(const std::wstring& ruta, uint64_t& archivos) {
    uint64_t bytes = 0;
    archivos = 0;
    if (ExisteCarpeta(ruta)) {
        if (!EsEnlace(ruta)) bytes = TamanoCarpeta(ruta, archivos);
    } else if (ExisteArchivo(ruta)) {
        bytes = TamanoArchivo(ruta);
        archivos = 1;
    }
    return bytes >> 10;
}

uint64_t TamanoListaKb(const std::vector<std::wstring>& lista, uint64_t& archivos) {
    uint64_t total = 0;
    archivos = 0;
    for (auto it = lista.rbegin(); it != lista.rend(); ++it) {
        uint64_t delElemento = 0;
        total += TamanoElementoKb(*it, delElemento);
        archivos += delElemento;
    }
    return total;
}

bool TriturarCarpeta(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas) {
    if (seguimiento.CancelarPedido()) return false;
    if (!ExisteCarpeta(ruta)) return true;
    if (EsEnlace(ruta)) return false;  // a junction or folder link: neither walked nor removed
    const std::wstring carpeta = IncluirBarra(ruta);

    seguimiento.Carpeta(L"");
    seguimiento.Bombear();
    seguimiento.Carpeta(carpeta);

    bool ok = true;
    RecorrerCarpeta(carpeta, [&](const WIN32_FIND_DATAW& datos) {
        const std::wstring entrada = carpeta + datos.cFileName;
        if (EsEnlaceDeCarpeta(datos.dwFileAttributes)) {
            ok = false;
        } else if (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ok = QuitarSoloLectura(entrada) && ok;
            ok = TriturarCarpeta(seguimiento, entrada, pasadas) && ok;
        } else {
            ok = TriturarArchivo(seguimiento, entrada, pasadas) && ok;
        }
    });

    ok = QuitarSoloLectura(carpeta) && ok;
    return RemoveDirectoryW(RutaApi(carpeta).c_str()) && ok;
}

bool TriturarElemento(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas) {
    if (ExisteCarpeta(ruta)) return TriturarCarpeta(seguimiento, ruta, pasadas);
    if (ExisteArchivo(ruta)) return TriturarArchivo(seguimiento, ruta, pasadas);
    return false;
}

bool TriturarLista(Seguimiento& seguimiento, std::vector<std::wstring>& lista, int pasadas, InformeRun* informe) {
    bool resultado = true;
    uint64_t archivos = 0;
    const uint64_t totalKb = TamanoListaKb(lista, archivos);

    seguimiento.Totales(totalKb, archivos);

    for (size_t i = lista.size(); i-- > 0;) {
        if (seguimiento.CancelarPedido()) {  // the items left are not shredded
            resultado = false;
            break;
        }
        if (TriturarElemento(seguimiento, lista[i], pasadas))
            lista.erase(lista.begin() + static_cast<std::ptrdiff_t>(i));
        else
            resultado = false;
    }
    return resultado;
}
