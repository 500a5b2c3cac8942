// The five overwrite methods on real files: what each leaves on disk, and how the pass frame
// drives the progress window, honours Cancelar and meets a file locked between passes.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "PruebasPasadas.h"
#include "base/Handle.h"
#include "engine/Generador.h"
#include "engine/MarcoPasadas.h"
#include "engine/ShredOptions.h"
#include "engine/Sobrescribir.h"

namespace {
using Metodo = bool (*)(Seguimiento&, const std::wstring&, int);
const Metodo kMetodos[] = {SobrescribirMetodo1, SobrescribirMetodo2, SobrescribirMetodo3, SobrescribirMetodo4,
                           SobrescribirMetodo5};

// The generator's congruence, written out here so that the expected bytes do not come from
// the code under test.
constexpr uint32_t kMultiplicador = 134775813u;
uint32_t Siguiente(uint32_t estado) { return estado * kMultiplicador + 1u; }
uint32_t Anterior(uint32_t estado) {
    uint32_t inverso = kMultiplicador;  // Newton's iteration for the inverse modulo 2^32
    for (int i = 0; i < 5; ++i) inverso *= 2u - kMultiplicador * inverso;
    return (estado - 1u) * inverso;
}
uint8_t DrawBelow(uint32_t& estado, uint32_t n) {
    estado = Siguiente(estado);
    return static_cast<uint8_t>((static_cast<uint64_t>(estado) * n) >> 32);
}
std::vector<uint8_t> Sorteos(uint32_t& estado, size_t cuantos, uint32_t n) {
    std::vector<uint8_t> bytes(cuantos);
    for (auto& b : bytes) b = DrawBelow(estado, n);
    return bytes;
}

class Sobrescribir : public ::testing::Test {
protected:
    void SetUp() override { Metodos(1, 1); }
    void TearDown() override { NMetodos = nMetodosAntes_; }

    // k methods in use and P passes: the bar's range as the per-file routine sets it.
    void Metodos(int k, int pasadas) {
        NMetodos = k;
        ventana->Maximo = k * pasadas;
    }
    static ShredOptions Primeros(int k) {
        ShredOptions o;
        o.Metodo1 = k >= 1;
        o.Metodo2 = k >= 2;
        o.Metodo3 = k >= 3;
        o.Metodo4 = k >= 4;
        o.Metodo5 = k >= 5;
        return o;
    }
    // A fresh display with the same bar range, as a new window would be.
    SeguimientoGrabado& Nuevo() {
        const int maximo = ventana->Maximo;
        ventana = std::make_unique<SeguimientoGrabado>();
        ventana->Maximo = maximo;
        return *ventana;
    }
    std::wstring Archivo(uint64_t tamano, uint8_t byte = 0x5A) {
        return ArchivoLleno(carpeta, L"archivo" + std::to_wstring(++archivos_) + L".dat", tamano, byte);
    }

    prueba::CarpetaTemporal carpeta;
    std::unique_ptr<SeguimientoGrabado> ventana = std::make_unique<SeguimientoGrabado>();

private:
    int nMetodosAntes_ = NMetodos;
    int archivos_ = 0;
};

TEST_F(Sobrescribir, SizesAfterEachMethod) {
    struct Caso {
        int metodo;
        uint64_t antes, despues;
    };
    const Caso casos[] = {
        {1, 0, 0}, {1, 100, 100}, {2, 0, 0}, {2, 100, 100}, {3, 0, 0}, {3, 1, 1}, {3, 100, 100},
        {4, 0, 4096}, {4, 100, 4096}, {4, 4096, 4096}, {4, 4097, 8192},
        {5, 0, 0}, {5, 100, 4096}, {5, 4096, 4096}, {5, 4097, 8192},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE("method " + std::to_string(c.metodo) + ", " + std::to_string(c.antes) + " bytes");
        const auto ruta = Archivo(c.antes);
        EXPECT_TRUE(kMetodos[c.metodo - 1](*ventana, ruta, 1));
        const auto bytes = LeerBytes(ruta);
        ASSERT_EQ(bytes.size(), c.despues);
        // Nothing of the old contents survives anywhere in the file.
        if (c.metodo != 1 && c.metodo != 3) { EXPECT_TRUE(std::find(bytes.begin(), bytes.end(), 0x5A) == bytes.end()); }
    }
}

TEST_F(Sobrescribir, FillBytesOfMethods2_4And5) {
    const auto pasada1 = Archivo(5000), pasada100 = Archivo(5000);
    EXPECT_TRUE(SobrescribirMetodo2(*ventana, pasada1, 1));
    EXPECT_TRUE(SobrescribirMetodo2(*ventana, pasada100, 100));
    EXPECT_TRUE(TodoEs(pasada1, 5000, 0x1C));
    EXPECT_TRUE(TodoEs(pasada100, 5000, 0x7F));
    // Method 2 reads ahead: every size around a block and a read-ahead chunk is covered whole.
    for (uint64_t tamano : {1ull, 4095ull, 4097ull, 65535ull, 65536ull, 65537ull, 2 * 65536ull + 4096 + 7}) {
        SCOPED_TRACE("method 2, " + std::to_string(tamano) + " bytes");
        const auto ruta = Archivo(tamano);
        EXPECT_TRUE(SobrescribirMetodo2(*ventana, ruta, 2));
        EXPECT_TRUE(TodoEs(ruta, tamano, 0x1D));
    }

    // The last pass decides what stays: passes 1 to 7 cycle through the pattern table.
    const uint8_t ultimo[] = {0xFF, 0x00, 0xF0, 0x0F, 0x00, 0x00, 0xFF};
    for (int p = 1; p <= 7; ++p) {
        for (int m : {4, 5}) {
            SCOPED_TRACE("method " + std::to_string(m) + ", " + std::to_string(p) + " passes");
            const auto ruta = Archivo(5000);
            EXPECT_TRUE(kMetodos[m - 1](*ventana, ruta, p));
            EXPECT_TRUE(TodoEs(ruta, 8192, ultimo[p - 1]));
        }
    }
}

TEST_F(Sobrescribir, Method1DrawsAFreshRandomBlockPerPassAndRepeatsIt) {
    uint32_t estado = 0;
    const auto primero = Sorteos(estado, 4096, 256);
    const auto segundo = Sorteos(estado, 4096, 256);
    for (int pasadas : {1, 2}) {
        SCOPED_TRACE(std::to_string(pasadas) + " passes");
        FijarEstadoGenerador(0);
        const auto ruta = Archivo(10000);
        EXPECT_TRUE(SobrescribirMetodo1(*ventana, ruta, pasadas));
        const auto& bloque = pasadas == 1 ? primero : segundo;
        const auto bytes = LeerBytes(ruta);
        ASSERT_EQ(bytes.size(), 10000u);
        for (size_t i = 0; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], bloque[i % 4096]) << "at byte " << i;
        uint32_t tras = 0;  // 4096 draws per pass
        for (int i = 0; i < 4096 * pasadas; ++i) tras = Siguiente(tras);
        EXPECT_EQ(EstadoGenerador(), tras);
    }
}

// Method 3 reseeds from the clock, so the test walks the generator back from where it stopped
// to the seed, and rebuilds the random buffer from there.
TEST_F(Sobrescribir, Method3WritesItsRandomBufferFromTheLastByteOnAndClearsAttributes) {
    const uint64_t tamano = 2 * 65536 + 1;
    const auto ruta = Archivo(tamano);
    SetFileAttributesW(ruta.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(SobrescribirMetodo3(*ventana, ruta, 1));
    EXPECT_EQ(GetFileAttributesW(ruta.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));

    uint32_t semilla = EstadoGenerador();
    for (int i = 0; i < 65536; ++i) semilla = Anterior(semilla);
    EXPECT_LT(semilla, 24u * 60 * 60 * 1000) << "the seed is a time of day in milliseconds";
    uint32_t estado = semilla;
    const auto azar = Sorteos(estado, 65536, 255);

    const auto bytes = LeerBytes(ruta);
    ASSERT_EQ(bytes.size(), tamano);
    EXPECT_EQ(bytes[tamano - 1], azar[0]);  // the last byte gets the buffer's first byte
    for (size_t i = 0; i + 1 < tamano; ++i) ASSERT_EQ(bytes[i], azar[i % 65536]) << "at byte " << i;
    EXPECT_TRUE(std::find(bytes.begin(), bytes.end(), 0xFF) == bytes.end());

    const auto unByte = Archivo(1, 0xFF);
    ASSERT_TRUE(SobrescribirMetodo3(*ventana, unByte, 3));
    semilla = EstadoGenerador();
    for (int i = 0; i < 65536; ++i) semilla = Anterior(semilla);
    estado = semilla;
    EXPECT_EQ(LeerBytes(unByte), std::vector<uint8_t>{DrawBelow(estado, 255)});
}

TEST_F(Sobrescribir, PassFrameMovesTheBarAndCountsPasses) {
    struct Caso {
        int k, pasadas;
    };
    for (const auto [k, pasadas] : {Caso{1, 1}, Caso{3, 10}, Caso{5, 100}}) {
        SCOPED_TRACE("k = " + std::to_string(k) + ", P = " + std::to_string(pasadas));
        ventana = std::make_unique<SeguimientoGrabado>();
        Metodos(k, pasadas);
        SeguimientoGrabado& observador = Nuevo();
        EXPECT_TRUE(SobrescribirMetodos(*ventana, Archivo(100), pasadas, Primeros(k)));

        std::vector<SeguimientoGrabado::Marca> esperadas;
        std::wstring etiqueta = L"0";
        for (int p = 1; p <= k * pasadas; ++p) {
            if (p % k == 0) etiqueta = std::to_wstring(p / k) + L" de " + std::to_wstring(pasadas);
            esperadas.push_back({p, etiqueta});
        }
        EXPECT_EQ(observador.Marcas(), esperadas);
        EXPECT_EQ(ventana->Posicion, k * pasadas);
        EXPECT_EQ(ventana->Etiqueta, std::to_wstring(pasadas) + L" de " + std::to_wstring(pasadas));
    }
}

// A click made during a short pass j waits in the queue until the window next handles its
// messages, at the boundary of pass j + 1: that is where the observer delivers it. (A click
// taken inside a long pass is the next test.)
TEST_F(Sobrescribir, CancelDuringAPassStopsAtTheNextBoundary) {
    const int k = 5, pasadas = 10, j = 4;
    for (int m = 1; m <= 5; ++m) {
        SCOPED_TRACE("cancel during pass 4 of method " + std::to_string(m));
        ventana = std::make_unique<SeguimientoGrabado>();
        Metodos(k, pasadas);
        FijarEstadoGenerador(0);
        const auto ruta = Archivo(100);
        SetFileAttributesW(ruta.c_str(), FILE_ATTRIBUTE_HIDDEN);
        const int siguiente = (m - 1) * pasadas + j + 1;
        SeguimientoGrabado& observador = Nuevo();
        observador.En(siguiente, [&] { ventana->Cancelar(); });

        EXPECT_TRUE(SobrescribirMetodos(*ventana, ruta, pasadas, Primeros(k)));
        EXPECT_TRUE(ventana->Cancelado);
        // Pass j + 1 wrote its bar position and counter, then stopped; nothing came after.
        ASSERT_EQ(observador.Marcas().size(), static_cast<size_t>(siguiente));
        EXPECT_EQ(observador.Marcas().back().posicion, siguiente);
        EXPECT_EQ(ventana->Posicion, siguiente);
        EXPECT_EQ(ventana->Etiqueta, std::to_wstring(siguiente / k) + L" de 10");

        // What is on disk is what pass j of method m left, untouched by the later methods.
        const DWORD atributos = GetFileAttributesW(ruta.c_str());
        if (m == 1) {
            uint32_t estado = 0;  // four random blocks drawn, and method 3 never reseeded
            for (int i = 0; i < 4 * 4096; ++i) estado = Siguiente(estado);
            EXPECT_EQ(EstadoGenerador(), estado);
        }
        if (m == 2) { EXPECT_TRUE(TodoEs(ruta, 100, 0x1C + 3)); }
        if (m < 3) { EXPECT_TRUE(atributos & FILE_ATTRIBUTE_HIDDEN); }
        if (m == 3) { EXPECT_EQ(atributos, static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE)); }
        if (m < 4) { EXPECT_EQ(std::filesystem::file_size(ruta), 100u); }
        if (m >= 4) { EXPECT_TRUE(TodoEs(ruta, 4096, 0x0F)); }  // pass 4's pattern
    }
}

// Another program takes the file exclusively at the boundary of pass 2.
TEST_F(Sobrescribir, FileLockedBetweenPasses) {
    const int pasadas = 4;
    Metodos(5, pasadas);
    auto bloquear = [](const std::wstring& ruta) {
        return win::UniqueFile(CreateFileW(ruta.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    for (int m : {2, 3, 4}) {
        SCOPED_TRACE("method " + std::to_string(m));
        const auto ruta = Archivo(100);
        win::UniqueFile cerrojo;
        SeguimientoGrabado& observador = Nuevo();
        const int base = (m - 1) * pasadas;
        observador.En(base + 2, [&] { cerrojo = bloquear(ruta); });
        EXPECT_FALSE(kMetodos[m - 1](*ventana, ruta, pasadas));
        EXPECT_TRUE(cerrojo);
        EXPECT_EQ(observador.Posiciones(), (std::vector<int>{base + 1, base + 2}));  // no pass 3
        cerrojo.reset();
        if (m == 2) { EXPECT_TRUE(TodoEs(ruta, 100, 0x1C)); }
        if (m == 4) { EXPECT_TRUE(TodoEs(ruta, 4096, 0xFF)); }
    }

    {
        SCOPED_TRACE("method 5: the locked pass fails, the next ones run");
        const auto ruta = Archivo(100);
        win::UniqueFile cerrojo;
        SeguimientoGrabado& observador = Nuevo();
        observador.En(17, [&] { cerrojo = bloquear(ruta); });
        observador.En(18, [&] { cerrojo.reset(); });
        EXPECT_FALSE(SobrescribirMetodo5(*ventana, ruta, pasadas));
        EXPECT_EQ(observador.Posiciones(), (std::vector<int>{17, 18, 19, 20}));
        EXPECT_TRUE(TodoEs(ruta, 4096, 0x0F));  // pass 4 wrote after the lock was gone
    }
    {
        SCOPED_TRACE("method 1 holds the file from its start");
        const auto ruta = Archivo(100);
        win::UniqueFile cerrojo;
        DWORD error = 0;
        SeguimientoGrabado& observador = Nuevo();
        observador.En(2, [&] {
            cerrojo = bloquear(ruta);
            error = GetLastError();
        });
        EXPECT_TRUE(SobrescribirMetodo1(*ventana, ruta, pasadas));
        EXPECT_FALSE(cerrojo);
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
        EXPECT_EQ(observador.Marcas().size(), 4u);

        // Held by someone else before it starts, it cannot open the file at all.
        const auto ocupado = Archivo(100);
        cerrojo = bloquear(ocupado);
        ventana->Posicion = 0;
        const size_t antes = observador.Marcas().size();
        EXPECT_FALSE(SobrescribirMetodo1(*ventana, ocupado, pasadas));
        EXPECT_EQ(observador.Marcas().size(), antes);
        EXPECT_EQ(ventana->Posicion, 0);
        cerrojo.reset();
        EXPECT_TRUE(TodoEs(ocupado, 100, 0x5A));
    }
}

// A pass over a large file lasts long enough for the window to be asked to handle its
// messages in the middle of it: a click made then is taken at once, and the run stops at the
// next boundary after the pass has covered the whole file. Method 1 flushes to the disk three
// times a pass, which makes its pass the longest.
TEST_F(Sobrescribir, LongPassKeepsTheWindowAnswering) {
    const uint64_t tamano = 128ull << 20;
    const auto ruta = Archivo(tamano);
    Metodos(1, 2);
    FijarEstadoGenerador(0);
    SeguimientoGrabado& observador = Nuevo();
    size_t marcasAlPulsar = 0;
    ULONGLONG inicioPasada = 0, finPasada = 0;
    bool pulsadoDuranteLaPasada = false;
    observador.En(1, [&] {
        inicioPasada = GetTickCount64();
        observador.Tras(20, [&] {
            marcasAlPulsar = observador.Marcas().size();
            pulsadoDuranteLaPasada = observador.Esperando();
            ventana->Cancelar();
        });
    });
    observador.En(2, [&] { finPasada = GetTickCount64(); });
    EXPECT_TRUE(SobrescribirMetodo1(*ventana, ruta, 2));
    EXPECT_TRUE(ventana->Cancelado);
    // Pass 2 still wrote its bar position and counter before it stopped.
    EXPECT_EQ(observador.Marcas(), (std::vector<SeguimientoGrabado::Marca>{{1, L"1 de 2"}, {2, L"2 de 2"}}));

    // Pass 1 ran to its end: its random block covers the whole file.
    uint32_t estado = 0;
    const auto bloque = Sorteos(estado, 4096, 256);
    const auto bytes = LeerBytes(ruta);
    ASSERT_EQ(bytes.size(), tamano);
    for (size_t i = 0; i < bytes.size(); i += 4096) ASSERT_EQ(0, memcmp(&bytes[i], bloque.data(), 4096)) << i;

    if (marcasAlPulsar != 1 && finPasada - inicioPasada < 200)
        GTEST_SKIP() << "the pass took only " << finPasada - inicioPasada << " ms here, too short to need a pump";
    EXPECT_EQ(marcasAlPulsar, 1u) << "the click waited for the pass boundary";
    EXPECT_TRUE(pulsadoDuranteLaPasada) << "the window answered only between passes";
}

// The frame itself, with passes that stand for a method's: each runs away from the window's
// thread, and whatever it answers (or raises) there is what the method answers.
TEST_F(Sobrescribir, PassesRunAwayFromTheWindowAndTheirAnswerComesBack) {
    struct Caso {
        const char* nombre;
        TrasFallo trasFallo;
        int falla;                  // the pass that fails (0: none)
        bool lanza;                 // it fails by raising instead of answering false
        bool respuesta;
        std::vector<int> hechas;    // the passes that ran
        DWORD tarda = 0;            // ms each pass takes: past the short wait, the window answers
    };
    const Caso casos[] = {
        {"all passes succeed", TrasFallo::Terminar, 0, false, true, {1, 2, 3, 4}},
        {"a failed pass is the last", TrasFallo::Terminar, 2, false, false, {1, 2}},
        {"a failed pass, the next ones run", TrasFallo::Seguir, 2, false, false, {1, 2, 3, 4}},
        {"a failure raised in the pass", TrasFallo::Terminar, 3, true, false, {1, 2, 3}},
        {"long passes succeed", TrasFallo::Terminar, 0, false, true, {1, 2, 3, 4}, 30},
        {"a long pass fails", TrasFallo::Terminar, 2, false, false, {1, 2}, 30},
        {"a failure raised in a long pass", TrasFallo::Terminar, 3, true, false, {1, 2, 3}, 30},
    };
    Metodos(1, 4);
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        SeguimientoGrabado& observador = Nuevo();
        std::vector<int> hechas;
        bool enOtroHilo = true, preparadoEnOtroHilo = false;
        const DWORD ventanaHilo = GetCurrentThreadId();
        auto preparar = [&] {
            preparadoEnOtroHilo = GetCurrentThreadId() != ventanaHilo;
            return true;
        };
        auto pasada = [&](int i) {
            enOtroHilo = enOtroHilo && GetCurrentThreadId() != ventanaHilo;
            hechas.push_back(i);
            Sleep(c.tarda);
            if (i == c.falla && c.lanza) throw std::runtime_error("disco");
            return i != c.falla;
        };
        bool respuesta = !c.respuesta;
        try {
            respuesta = RecorrerPasadas(observador, 1, 4, c.trasFallo, preparar, pasada);
        } catch (const std::runtime_error&) {
            respuesta = false;
            EXPECT_TRUE(c.lanza);
        }
        EXPECT_EQ(respuesta, c.respuesta);
        EXPECT_EQ(hechas, c.hechas);
        EXPECT_EQ(observador.Posiciones(), c.hechas);  // one boundary before every pass run
        EXPECT_TRUE(enOtroHilo);
        EXPECT_TRUE(preparadoEnOtroHilo);
    }
}

// A run begun from a window's handler while a pass is under way (the window answers its
// messages then) gets its passes done too, beside the pass that waits for it.
TEST_F(Sobrescribir, AFrameBegunDuringAPassRunsItsOwnPasses) {
    Metodos(1, 2);
    SeguimientoGrabado& observador = Nuevo();
    SeguimientoGrabado dentro;
    dentro.Maximo = 1;
    DWORD hiloFuera = 0, hiloDentro = 0;
    bool respuestaDentro = false, duranteLaPasada = false;
    observador.En(1, [&] {
        observador.Tras(20, [&] {
            duranteLaPasada = observador.Esperando();
            respuestaDentro = RecorrerPasadas(dentro, 1, 1, TrasFallo::Terminar, nullptr, [&](int) {
                hiloDentro = GetCurrentThreadId();
                return true;
            });
        });
    });
    const bool respuesta = RecorrerPasadas(observador, 1, 2, TrasFallo::Terminar, nullptr, [&](int i) {
        if (i == 1) {
            hiloFuera = GetCurrentThreadId();
            Sleep(200);  // long enough for the window to be asked to answer meanwhile
        }
        return true;
    });
    EXPECT_TRUE(respuesta);
    EXPECT_TRUE(duranteLaPasada);
    EXPECT_TRUE(respuestaDentro);
    EXPECT_EQ(observador.Posiciones(), (std::vector<int>{1, 2}));
    EXPECT_EQ(dentro.Posiciones(), std::vector<int>{1});
    EXPECT_NE(hiloDentro, 0u);
    EXPECT_NE(hiloDentro, hiloFuera);
    EXPECT_NE(hiloDentro, GetCurrentThreadId());
}

// A disk that refuses every write (a link to the system's always-full device): the failure
// met by the worker in pass 1 is the method's answer, and no further pass runs. Methods 2 and 4
// write whatever the size the file reports (the device reports none).
TEST_F(Sobrescribir, AWriteRefusedInAPassReachesTheAnswer) {
    const int pasadas = 3;
    Metodos(5, pasadas);
    const std::wstring lleno = carpeta / L"lleno.dat";
    if (!prueba::CrearEnlace(L"Z:\\dev\\full", lleno)) GTEST_SKIP() << "no full device here";
    // It opens like any file: what fails is the transfer.
    ASSERT_TRUE(win::UniqueFile(CreateFileW(lleno.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    for (int m : {2, 4}) {
        SCOPED_TRACE("method " + std::to_string(m));
        SeguimientoGrabado& observador = Nuevo();
        EXPECT_FALSE(kMetodos[m - 1](*ventana, lleno, pasadas));
        EXPECT_EQ(observador.Posiciones(), std::vector<int>{(m - 1) * pasadas + 1});
    }
}
}  // namespace
