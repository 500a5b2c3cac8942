#include "engine/Sobrescribir.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "base/Existencia.h"
#include "base/Handle.h"
#include "base/Rutas.h"
#include "engine/Generador.h"
#include "engine/MarcoPasadas.h"
#include "engine/Seguimiento.h"
#include "engine/ShredOptions.h"

namespace {
// Transfer units: a block for methods 1, 2, 4 and 5, a chunk for method 3.
constexpr DWORD kBloque = 4096;
constexpr DWORD kTrozo = 65536;
using Bloque = std::array<uint8_t, kBloque>;

win::UniqueFile Abrir(const std::wstring& ruta, DWORD acceso, DWORD compartir) {
    return win::UniqueFile(CreateFileW(RutaApi(ruta).c_str(), acceso, compartir, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
}

// An open file for one pass: either opened for it (and closed after it), or the file the
// per-file routine holds for the whole of its work, lent at offset 0.
class Apertura {
public:
    Apertura() = default;
    explicit Apertura(win::UniqueFile propia) : propia_(std::move(propia)), archivo_(propia_.get()) {}
    explicit Apertura(HANDLE prestada) : archivo_(prestada) {
        LARGE_INTEGER cero{};
        SetFilePointerEx(archivo_, cero, nullptr, FILE_BEGIN);
    }
    HANDLE get() const { return archivo_; }
    explicit operator bool() const { return archivo_ != INVALID_HANDLE_VALUE; }

private:
    win::UniqueFile propia_;
    HANDLE archivo_ = INVALID_HANDLE_VALUE;
};

// The file the methods work on. Held open by the per-file routine, it is that handle. Opened
// by its path pass after pass, it must stay the file that the first open found: a file that
// another program puts in its place meanwhile (moved over it, or deleted and created again)
// is not written. The first failure of a pass is kept, with its error code.
class MismoArchivo {
public:
    explicit MismoArchivo(const std::wstring& ruta) : ruta_(ruta) {}
    explicit MismoArchivo(HANDLE retenido) : retenido_(retenido) {}

    // An invalid handle when the file cannot be opened or is not the same file. (Where the
    // system cannot tell which file a handle leads to, there is nothing to compare.)
    Apertura Abrir(DWORD acceso, DWORD compartir) {
        if (retenido_ != INVALID_HANDLE_VALUE) return Apertura(retenido_);
        win::UniqueFile archivo = ::Abrir(ruta_, acceso | FILE_READ_ATTRIBUTES, compartir);
        if (!archivo) return Anotado(Apertura(), GetLastError());
        if (const auto identidad = IdentidadDe(archivo.get())) {
            if (primera_ && *identidad != *primera_) {
                Anotar({Motivo::Cambiado, 0});
                return {};
            }
            primera_ = identidad;
        }
        return Apertura(std::move(archivo));
    }
    bool Retenido() const { return retenido_ != INVALID_HANDLE_VALUE; }
    // Makes the file a plain archive.
    bool SoloArchivo() {
        if (retenido_ != INVALID_HANDLE_VALUE) {
            FILE_BASIC_INFO basica{};
            basica.FileAttributes = FILE_ATTRIBUTE_ARCHIVE;
            return Anotado(SetFileInformationByHandle(retenido_, FileBasicInfo, &basica, sizeof basica));
        }
        if (primera_ && IdentidadDe(ruta_) != primera_) return Anotar({Motivo::Cambiado, 0});
        return Anotado(SetFileAttributesW(RutaApi(ruta_).c_str(), FILE_ATTRIBUTE_ARCHIVE));
    }

    // A pass's answer; a failed one notes the error its last call left (on the thread that
    // made it).
    template <class T>
    T Anotado(T resultado, DWORD codigo) {
        if (!resultado) Anotar(FalloDeCodigo(codigo));
        return resultado;
    }
    template <class T>
    T Anotado(T resultado) { return Anotado(std::move(resultado), GetLastError()); }
    bool Anotar(const Fallo& fallo) {
        if (fallo_.motivo == Motivo::Ninguno) fallo_ = fallo;
        return false;
    }
    const Fallo& Primero() const { return fallo_; }

private:
    static Fallo FalloDeCodigo(DWORD codigo) {
        if (codigo == ERROR_DISK_FULL || codigo == ERROR_HANDLE_DISK_FULL) return {Motivo::DiscoLleno, codigo};
        if (codigo == ERROR_SHARING_VIOLATION || codigo == ERROR_LOCK_VIOLATION) return {Motivo::EnUso, codigo};
        if (codigo == ERROR_ACCESS_DENIED) return {Motivo::AccesoDenegado, codigo};
        if (codigo == ERROR_FILE_NOT_FOUND) return {Motivo::Cambiado, codigo};
        return {Motivo::ErrorEscritura, codigo};
    }

    std::wstring ruta_;
    HANDLE retenido_ = INVALID_HANDLE_VALUE;
    std::optional<IdentidadArchivo> primera_;
    Fallo fallo_;
};

// Runs the writes of a pass and sends what they wrote to the disk before the file is closed,
// whether they all succeeded or not. Left in the cache, a pass (or the part of it written
// before a full disk stopped it) would be dropped unwritten by the truncation or deletion
// that follows, and the old contents would stay on the disk.
template <class Escrituras>
bool Asentado(HANDLE archivo, Escrituras escrituras) {
    const bool ok = escrituras();
    const DWORD codigo = ok ? ERROR_SUCCESS : GetLastError();
    const bool asentado = FlushFileBuffers(archivo);
    if (!ok) SetLastError(codigo);  // the failed write's error, not the flush's
    return asentado && ok;
}

bool LeerTamano(HANDLE archivo, int64_t& tamano) {
    LARGE_INTEGER t;
    if (!GetFileSizeEx(archivo, &t)) return false;
    tamano = t.QuadPart;
    return true;
}

bool Mover(HANDLE archivo, int64_t desplazamiento, DWORD desde) {
    LARGE_INTEGER d;
    d.QuadPart = desplazamiento;
    return SetFilePointerEx(archivo, d, nullptr, desde);
}

// One write call; the count the system reports is handed back for the methods that look at it.
bool Escribir(HANDLE archivo, const uint8_t* datos, DWORD n, DWORD* escritos = nullptr) {
    DWORD hechos = 0;
    if (!WriteFile(archivo, datos, n, &hechos, nullptr)) return false;
    if (escritos) *escritos = hechos;
    return true;
}

// Writes `bloques` whole blocks from the current position.
bool EscribirBloques(HANDLE archivo, const Bloque& bloque, int64_t bloques) {
    for (int64_t b = 0; b < bloques; ++b)
        if (!Escribir(archivo, bloque.data(), kBloque)) return false;
    return true;
}

// Method 1's sub-pass: the block over the file's `tamano` bytes from offset 0, then a flush.
bool CubrirConBloque(HANDLE archivo, const Bloque& bloque, int64_t tamano) {
    return Asentado(archivo, [&] {
        int64_t restantes = tamano;
        if (!Mover(archivo, 0, FILE_BEGIN)) return false;
        while (restantes > 0) {
            const DWORD n = static_cast<DWORD>(std::min<int64_t>(restantes, kBloque));
            if (!Escribir(archivo, bloque.data(), n)) return false;
            restantes -= n;
        }
        return true;
    });
}

// Method 3's three buffers: 0x00, 0xFF and pseudo-random bytes below 255.
struct Triple {
    std::vector<uint8_t> ceros, unos, azar;
};

// Writes n bytes of a buffer, in as many calls as it takes for the system to count them all.
// A failed call, or one that writes nothing, ends the method.
bool EscribirCompleto(HANDLE archivo, const std::vector<uint8_t>& buffer, DWORD n) {
    DWORD hechos = 0;
    while (hechos < n) {
        DWORD escritos = 0;
        if (!Escribir(archivo, buffer.data() + hechos, n - hechos, &escritos) || escritos == 0) return false;
        hechos += escritos;
    }
    return true;
}

// The triple over n bytes at the current position: 0x00, back, 0xFF, back, random.
bool EscribirTriple(HANDLE archivo, const Triple& t, DWORD n) {
    const int64_t atras = -static_cast<int64_t>(n);
    return EscribirCompleto(archivo, t.ceros, n) && Mover(archivo, atras, FILE_CURRENT) &&
           EscribirCompleto(archivo, t.unos, n) && Mover(archivo, atras, FILE_CURRENT) &&
           EscribirCompleto(archivo, t.azar, n);
}

uint8_t Patron(int pasada) { return TablaPatrones[pasada % 6]; }

bool Metodo1(Seguimiento& seguimiento, MismoArchivo& objetivo, int pasadas) {
    Apertura archivo;
    Bloque bloque;
    auto abrir = [&] {
        archivo = objetivo.Abrir(GENERIC_READ | GENERIC_WRITE, 0);
        return static_cast<bool>(archivo);
    };
    auto pasada = [&](int) {
        // The method holds the file without sharing: its size, read once a pass, is the size
        // each sub-pass finds (under Wine each reading costs as much as a small write).
        int64_t tamano = 0;
        if (!LeerTamano(archivo.get(), tamano)) return objetivo.Anotado(false);
        bloque.fill(0x00);
        if (!CubrirConBloque(archivo.get(), bloque, tamano)) return objetivo.Anotado(false);
        bloque.fill(0x01);
        if (!CubrirConBloque(archivo.get(), bloque, tamano)) return objetivo.Anotado(false);
        for (auto& b : bloque) b = static_cast<uint8_t>(Sortear(256));
        return objetivo.Anotado(CubrirConBloque(archivo.get(), bloque, tamano));
    };
    // A held file is only lent, here; one opened by its path is opened on the worker.
    if (objetivo.Retenido()) {
        abrir();
        return RecorrerPasadas(seguimiento, 1, pasadas, TrasFallo::Terminar, nullptr, pasada);
    }
    return RecorrerPasadas(seguimiento, 1, pasadas, TrasFallo::Terminar, abrir, pasada);
}

// Method 2 reads ahead in chunks and writes back in blocks: the data read is used only for its
// length, and a chunk read at once saves a read and a seek per block (a third of the calls).
// What reaches the disk is what block-by-block reading would write: every byte read is
// written over in blocks of 4096 bytes, and a short write ends the pass.
bool Metodo2(Seguimiento& seguimiento, MismoArchivo& objetivo, int pasadas) {
    std::vector<uint8_t> leido(kTrozo);
    Bloque escrito;
    auto pasada = [&](int i) {
        Apertura archivo = objetivo.Abrir(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ);
        if (!archivo) return false;
        escrito.fill(static_cast<uint8_t>((i + 27) % 256));
        return objetivo.Anotado(Asentado(archivo.get(), [&] {
            for (;;) {
                DWORD n = 0;
                if (!ReadFile(archivo.get(), leido.data(), kTrozo, &n, nullptr)) return false;
                if (n == 0) return true;
                if (!Mover(archivo.get(), -static_cast<int64_t>(n), FILE_CURRENT)) return false;
                for (DWORD hecho = 0; hecho < n;) {
                    const DWORD m = std::min(n - hecho, kBloque);
                    DWORD w = 0;
                    if (!Escribir(archivo.get(), escrito.data(), m, &w)) return false;
                    if (w < m) return true;
                    hecho += m;
                }
            }
        }));
    };
    return RecorrerPasadas(seguimiento, 2, pasadas, TrasFallo::Terminar, nullptr, pasada);
}

bool Metodo3(Seguimiento& seguimiento, MismoArchivo& objetivo, int pasadas) {
    Triple t;
    auto preparar = [&] {
        if (!objetivo.SoloArchivo()) return false;
        Resembrar();
        t.ceros.assign(kTrozo, 0x00);
        t.unos.assign(kTrozo, 0xFF);
        t.azar.resize(kTrozo);
        for (auto& b : t.azar) b = static_cast<uint8_t>(Sortear(255));
        return true;
    };
    auto pasada = [&](int) {
        Apertura archivo = objetivo.Abrir(GENERIC_WRITE, 0);
        int64_t tamano = 0;
        if (!archivo) return false;
        if (!LeerTamano(archivo.get(), tamano)) return objetivo.Anotado(false);
        if (tamano <= 0) return true;
        return objetivo.Anotado(Asentado(archivo.get(), [&] {
            if (!Mover(archivo.get(), tamano - 1, FILE_BEGIN) || !EscribirTriple(archivo.get(), t, 1) ||
                !Mover(archivo.get(), 0, FILE_BEGIN))
                return false;
            for (int64_t restantes = tamano - 1; restantes > 0;) {
                const DWORD n = static_cast<DWORD>(std::min<int64_t>(restantes, kTrozo));
                if (!EscribirTriple(archivo.get(), t, n)) return false;
                restantes -= n;
            }
            return true;
        }));
    };
    return RecorrerPasadas(seguimiento, 3, pasadas, TrasFallo::Terminar, preparar, pasada);
}

bool Metodo4(Seguimiento& seguimiento, MismoArchivo& objetivo, int pasadas) {
    Bloque bloque;
    auto pasada = [&](int i) {
        bloque.fill(Patron(i));
        Apertura archivo = objetivo.Abrir(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ);
        int64_t tamano = 0;
        if (!archivo) return false;
        if (!LeerTamano(archivo.get(), tamano)) return objetivo.Anotado(false);
        // Truncating division: one block for sizes 0 to 4096, ceil(size / 4096) beyond.
        const int64_t bloques = (tamano - 1) / kBloque + 1;
        return objetivo.Anotado(
            Asentado(archivo.get(), [&] { return EscribirBloques(archivo.get(), bloque, bloques); }));
    };
    return RecorrerPasadas(seguimiento, 4, pasadas, TrasFallo::Terminar, nullptr, pasada);
}

bool Metodo5(Seguimiento& seguimiento, MismoArchivo& objetivo, int pasadas) {
    auto pasada = [&](int i) {
        Apertura archivo = objetivo.Abrir(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ);
        if (!archivo) return false;
        Bloque bloque;
        bloque.fill(Patron(i));
        int64_t tamano = 0;
        if (!LeerTamano(archivo.get(), tamano)) return objetivo.Anotado(false);
        // Whole blocks while the position is below the size: none for an empty file.
        return objetivo.Anotado(Asentado(
            archivo.get(), [&] { return EscribirBloques(archivo.get(), bloque, (tamano + kBloque - 1) / kBloque); }));
    };
    return RecorrerPasadas(seguimiento, 5, pasadas, TrasFallo::Seguir, nullptr, pasada);
}

using Metodo = bool (*)(Seguimiento&, MismoArchivo&, int);
constexpr Metodo kMetodos[] = {Metodo1, Metodo2, Metodo3, Metodo4, Metodo5};

bool UnMetodo(int m, Seguimiento& seguimiento, const std::wstring& ruta, int pasadas) {
    MismoArchivo objetivo(ruta);
    return kMetodos[m - 1](seguimiento, objetivo, pasadas);
}

bool Metodos(Seguimiento& seguimiento, MismoArchivo& objetivo, int pasadas, const ShredOptions& opciones) {
    const bool activos[] = {opciones.Metodo1, opciones.Metodo2, opciones.Metodo3, opciones.Metodo4, opciones.Metodo5};
    bool resultado = true;
    for (int m = 1; m <= 5; ++m)
        if (activos[m - 1]) resultado = kMetodos[m - 1](seguimiento, objetivo, pasadas) && resultado;
    return resultado;
}
}  // namespace

bool SobrescribirMetodo1(Seguimiento& v, const std::wstring& ruta, int pasadas) { return UnMetodo(1, v, ruta, pasadas); }
bool SobrescribirMetodo2(Seguimiento& v, const std::wstring& ruta, int pasadas) { return UnMetodo(2, v, ruta, pasadas); }
bool SobrescribirMetodo3(Seguimiento& v, const std::wstring& ruta, int pasadas) { return UnMetodo(3, v, ruta, pasadas); }
bool SobrescribirMetodo4(Seguimiento& v, const std::wstring& ruta, int pasadas) { return UnMetodo(4, v, ruta, pasadas); }
bool SobrescribirMetodo5(Seguimiento& v, const std::wstring& ruta, int pasadas) { return UnMetodo(5, v, ruta, pasadas); }

bool SobrescribirMetodos(Seguimiento& seguimiento, const std::wstring& ruta, int pasadas, const ShredOptions& opciones) {
    // One file for all the methods: the first open fixes it for the rest.
    MismoArchivo objetivo(ruta);
    return Metodos(seguimiento, objetivo, pasadas, opciones);
}

bool SobrescribirMetodos(Seguimiento& seguimiento, HANDLE retenido, int pasadas, const ShredOptions& opciones,
                         Fallo& fallo) {
    MismoArchivo objetivo(retenido);
    const bool resultado = Metodos(seguimiento, objetivo, pasadas, opciones);
    fallo = objetivo.Primero();
    return resultado;
}
