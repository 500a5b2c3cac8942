#include "engine/Trituracion.h"

#include <windows.h>

#include <algorithm>

#include "base/Handle.h"
#include "base/Rutas.h"
#include "engine/Contexto.h"
#include "engine/Finalizar.h"
#include "engine/Objeto.h"
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
    win::UniqueFind busqueda(FindFirstFileW(RutaApi(IncluirBarra(carpeta) + L"*.*").c_str(), &datos));
    if (!busqueda) return;
    do {
        if (!EsPuntoOPuntoPunto(datos.cFileName)) visit(datos);
    } while (FindNextFileW(busqueda.get(), &datos));
}

// The file count and bytes of a resolved item; a file dated where no DOS date reaches counts
// as nothing, as the per-file routine will not touch it.
uint64_t BytesDe(const Objeto& objeto, uint64_t& archivos) {
    archivos = 0;
    if (objeto.carpeta) return TamanoCarpeta(objeto.ruta, archivos);
    if (!FechaDos(objeto.escritura)) return 0;
    archivos = 1;
    return TamanoArchivo(objeto.ruta);
}

// Whether another item of the list already covers item i: a chosen folder it lies in, or the
// same object named again further on (the run reaches that one first).
bool Cubierto(const std::vector<std::optional<Objeto>>& objetos, size_t i) {
    for (size_t j = 0; j < objetos.size(); ++j)
        if (j != i && objetos[j] &&
            ((objetos[j]->carpeta && Dentro(*objetos[i], *objetos[j])) ||
             (j > i && objetos[j]->identidad == objetos[i]->identidad)))
            return true;
    return false;
}

// The total of resolved items in whole KB, each item's own figure added, counting once what two
// items name; archivos receives the number of files.
uint64_t KbDe(const std::vector<std::optional<Objeto>>& objetos, uint64_t& archivos) {
    uint64_t totalKb = 0;
    archivos = 0;
    for (size_t i = objetos.size(); i-- > 0;) {
        if (!objetos[i] || Cubierto(objetos, i)) continue;
        uint64_t delElemento = 0;
        totalKb += BytesDe(*objetos[i], delElemento) >> 10;
        archivos += delElemento;
    }
    return totalKb;
}

std::vector<std::optional<Objeto>> ResolverLista(const std::vector<std::wstring>& lista, std::vector<Fallo>& fallos) {
    std::vector<std::optional<Objeto>> objetos(lista.size());
    fallos.assign(lista.size(), Fallo{});
    for (size_t i = 0; i < lista.size(); ++i) objetos[i] = Resolver(lista[i], fallos[i]);
    return objetos;
}

bool TriturarCarpetaObjeto(Contexto& contexto, Objeto& carpeta);

// One entry met in a walk, resolved where it lies: a link is neither walked nor touched.
bool TriturarEntrada(Contexto& contexto, const Objeto& carpeta, const WIN32_FIND_DATAW& datos) {
    Fallo fallo;
    if (!(datos.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        // A file is opened once, as the per-file routine holds it, and that handle decides
        // what it is too. Where that open fails (the file is in use, say), it is resolved
        // as any entry and the routine says why. (Read access too, in every mode: a link is
        // never opened for writing alone, which a pipe at its end would answer by waiting.)
        win::UniqueFile abierto;
        const DWORD acceso = AccesoRetenido(contexto.opciones) | GENERIC_READ;
        if (auto archivo = ResolverEntrada(carpeta, datos, acceso, 0, abierto, fallo))
            return TriturarArchivo(contexto, *archivo, std::move(abierto));
        if (fallo.motivo == Motivo::Enlace) return contexto.Fallar(fallo);
    }
    auto entrada = ResolverEntrada(carpeta, datos, fallo);
    if (!entrada) return contexto.Fallar(fallo);
    if (entrada->carpeta) return TriturarCarpetaObjeto(contexto, *entrada);
    return TriturarArchivo(contexto, *entrada);
}

// Removes the folder, which must still be the object walked and empty.
bool QuitarCarpeta(Contexto& contexto, Objeto& carpeta) {
    Fallo fallo;
    {
        win::UniqueFile h = AbrirObjeto(carpeta, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, fallo);
        if (!h) return contexto.Fallar(fallo);
        if (carpeta.atributos & FILE_ATTRIBUTE_READONLY) {
            FILE_BASIC_INFO basica{};
            basica.FileAttributes = carpeta.atributos & ~FILE_ATTRIBUTE_READONLY;
            if (!SetFileInformationByHandle(h.get(), FileBasicInfo, &basica, sizeof basica))
                return contexto.Fallar(FalloDeError(GetLastError()));
        }
    }
    if (!RemoveDirectoryW(RutaApi(carpeta.ruta).c_str())) return contexto.Fallar(FalloDeError(GetLastError()));
    contexto.Hecho(carpeta.identidad);
    return true;
}

bool TriturarCarpetaObjeto(Contexto& contexto, Objeto& carpeta) {
    Seguimiento& seguimiento = contexto.seguimiento;
    if (seguimiento.CancelarPedido()) return contexto.Fallar({Motivo::Cancelado, 0});
    {
        // Still the folder that was chosen (a folder already gone counts as done).
        Fallo fallo;
        if (!AbrirObjeto(carpeta, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, fallo))
            return fallo.motivo == Motivo::Cambiado && fallo.codigo != 0 ? true : contexto.Fallar(fallo);
    }
    const std::wstring mostrada = IncluirBarra(carpeta.ruta);
    seguimiento.Carpeta(L"");
    seguimiento.Bombear();
    seguimiento.Carpeta(mostrada);

    bool ok = true;
    RecorrerCarpeta(carpeta.ruta, [&](const WIN32_FIND_DATAW& datos) {
        ok = TriturarEntrada(contexto, carpeta, datos) && ok;
    });
    if (!ok) contexto.QuedanDentro();
    return QuitarCarpeta(contexto, carpeta) && ok;
}

bool TriturarObjeto(Contexto& contexto, Objeto& objeto) {
    return objeto.carpeta ? TriturarCarpetaObjeto(contexto, objeto) : TriturarArchivo(contexto, objeto);
}
}  // namespace

bool Contexto::NombresDentro(const Objeto& archivo) {
    if (!nombresDentro_) {
        nombresDentro_.emplace();
        // Every file with more than one name found in the chosen items, walked as the run
        // walks them: no link followed.
        auto contar = [&](auto& self, const Objeto& objeto) -> void {
            if (!objeto.carpeta) {
                if (objeto.nombres > 1) ++(*nombresDentro_)[Clave(objeto.identidad)];
                return;
            }
            RecorrerCarpeta(objeto.ruta, [&](const WIN32_FIND_DATAW& datos) {
                Fallo fallo;
                if (const auto entrada = ResolverEntrada(objeto, datos, fallo)) self(self, *entrada);
            });
        };
        std::vector<Objeto> raices;
        for (const Objeto& elegido : elegidos)
            if (std::none_of(elegidos.begin(), elegidos.end(), [&](const Objeto& otro) {
                    return &otro != &elegido && otro.carpeta && Dentro(elegido, otro);
                }))
                contar(contar, elegido);
    }
    const auto it = nombresDentro_->find(Clave(archivo.identidad));
    return it != nombresDentro_->end() && it->second >= archivo.nombres;
}

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
    Fallo fallo;
    archivos = 0;
    const auto objeto = Resolver(ruta, fallo);
    return objeto ? BytesDe(*objeto, archivos) >> 10 : 0;
}

uint64_t TamanoListaKb(const std::vector<std::wstring>& lista, uint64_t& archivos) {
    std::vector<Fallo> fallos;
    return KbDe(ResolverLista(lista, fallos), archivos);
}

bool TriturarCarpeta(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas) {
    Contexto contexto(seguimiento, pasadas);
    Fallo fallo;
    auto objeto = Resolver(ruta, fallo);
    if (!objeto) return fallo.motivo == Motivo::NoExiste;  // a folder already gone counts as done
    if (!objeto->carpeta) return false;
    contexto.elegidos.push_back(*objeto);
    return TriturarCarpetaObjeto(contexto, *objeto);
}

bool TriturarElemento(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas) {
    Contexto contexto(seguimiento, pasadas);
    Fallo fallo;
    auto objeto = Resolver(ruta, fallo);
    if (!objeto) return false;
    contexto.elegidos.push_back(*objeto);
    return TriturarObjeto(contexto, *objeto);
}

bool TriturarLista(Seguimiento& seguimiento, std::vector<std::wstring>& lista, int pasadas, InformeRun* informe) {
    Contexto contexto(seguimiento, pasadas);

    // Each item is resolved once, here; from now on the run acts on those objects.
    std::vector<Fallo> fallos;
    std::vector<std::optional<Objeto>> objetos = ResolverLista(lista, fallos);
    for (const auto& objeto : objetos)
        if (objeto) contexto.elegidos.push_back(*objeto);

    uint64_t archivos = 0;
    const uint64_t totalKb = KbDe(objetos, archivos);
    seguimiento.Totales(totalKb, archivos);

    bool resultado = true;
    std::vector<bool> hecho(lista.size(), false);
    for (size_t i = lista.size(); i-- > 0;) {
        if (seguimiento.CancelarPedido()) {  // the items left are not shredded
            for (size_t j = 0; j <= i; ++j) fallos[j] = Fallo{Motivo::Cancelado, 0};
            resultado = false;
            break;
        }
        if (!objetos[i]) {
            resultado = false;
            continue;
        }
        // Shredded already by an earlier item of this run, and gone: it counts as done. (A file
        // still there under this name is another name of one already overwritten.)
        const bool yaHecho = contexto.YaHecho(objetos[i]->identidad) && !IdentidadDe(objetos[i]->ruta);
        hecho[i] = yaHecho || TriturarObjeto(contexto, *objetos[i]);
        if (const auto fallo = contexto.TomarFallo(); !hecho[i]) {
            fallos[i] = fallo.value_or(Fallo{Motivo::ErrorEscritura, 0});
            resultado = false;
        }
    }

    std::vector<std::wstring> quedan;
    for (size_t i = 0; i < lista.size(); ++i) {
        if (hecho[i]) continue;
        quedan.push_back(lista[i]);
        if (informe) informe->push_back({lista[i], fallos[i]});
    }
    lista = std::move(quedan);
    return resultado;
}
