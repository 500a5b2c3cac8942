// The run acts on exactly the objects that were chosen, whatever the spelling of their paths and
// whatever links stand among them: a sweep of path forms × objects and link kinds × the ways
// items reach a run, each checked against a canary tree outside the choice. Then the reason
// the run records for every kind of failure, provoked for real.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>

#include "base/Handle.h"
#include "engine/Motivo.h"
#include "engine/Seguimiento.h"
#include "engine/ShredOptions.h"
#include "engine/Trituracion.h"
#include "support/Archivos.h"

using prueba::CarpetaTemporal;
using prueba::CrearCarpeta;
using prueba::CrearEnlace;
using prueba::EscribirArchivo;
using prueba::Existe;
using prueba::LeerArchivo;

namespace {

// A run nobody watches; Cancelar can be pressed at the n-th pump.
class SinVentana : public Seguimiento {
public:
    int cancelarEnBombeo = -1;
    bool cancelado = false;
    void Totales(uint64_t, uint64_t) override {}
    void Carpeta(const std::wstring&) override {}
    void ArchivoContado() override {}
    void Archivo(const std::wstring&) override {}
    void MaximoPasadas(int m) override { maximo_ = m; }
    int MaximoPasadas() const override { return maximo_; }
    void PosicionPasada(int) override {}
    void EtiquetaPasada(const std::wstring&) override {}
    void Bombear() override { cancelado = cancelado || --cancelarEnBombeo == 0; }
    void EsperarAtendiendo(HANDLE listo) override { WaitForSingleObject(listo, INFINITE); }
    bool CancelarPedido() const override { return cancelado; }
    void ParadoPorCancelar(bool) override {}

private:
    int maximo_ = 0;
};

using Arbol = std::map<std::wstring, std::string>;
Arbol Contenido(const std::wstring& carpeta, const std::wstring& prefijo = L"") {
    Arbol arbol;
    for (const auto& nombre : prueba::Nombres(carpeta)) {
        const std::wstring ruta = carpeta + L"\\" + nombre;
        const DWORD a = GetFileAttributesW(ruta.c_str());
        if (a == INVALID_FILE_ATTRIBUTES) arbol[prefijo + nombre] = "<roto>";
        else if (a & FILE_ATTRIBUTE_REPARSE_POINT) arbol[prefijo + nombre] = "<enlace>";
        else if (a & FILE_ATTRIBUTE_DIRECTORY) arbol.merge(Contenido(ruta, prefijo + nombre + L"\\"));
        else arbol[prefijo + nombre] = LeerArchivo(ruta);
    }
    return arbol;
}

std::wstring Mayusculas(std::wstring s) {
    CharUpperBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

std::wstring Corta(const std::wstring& ruta) {
    wchar_t corta[1024];
    const DWORD n = GetShortPathNameW(ruta.c_str(), corta, 1024);
    return n > 0 && n < 1024 ? std::wstring(corta, n) : ruta;
}

// How a person, Explorer or the tree may spell the same path.
struct Forma {
    const char* nombre;
    std::function<std::wstring(const std::wstring&)> escribir;
};
const Forma kFormas[] = {
    {"plain", [](const std::wstring& r) { return r; }},
    {"trailing separator", [](const std::wstring& r) { return r + L"\\"; }},
    {"forward slashes",
     [](std::wstring r) {
         for (auto& c : r) if (c == L'\\') c = L'/';
         return r;
     }},
    {"other letter case", [](const std::wstring& r) { return Mayusculas(r); }},
    {"dot steps",
     [](const std::wstring& r) {
         const size_t barra = r.rfind(L'\\');
         return r.substr(0, barra) + L"\\.\\nada\\..\\" + r.substr(barra + 1);
     }},
    {"short name", [](const std::wstring& r) { return Corta(r); }},
    {"\\\\?\\ prefix", [](const std::wstring& r) { return L"\\\\?\\" + r; }},
};

class Objetos : public testing::Test {
protected:
    void SetUp() override {
        FijarFuenteOpciones([] { return ShredOptions{}; });
        CrearCarpeta(tmp / L"canario");
        CrearCarpeta(tmp / L"canario\\Carpeta de destino");
        EscribirArchivo(tmp / L"canario\\Documento de destino.txt", "destino de un enlace");
        EscribirArchivo(tmp / L"canario\\Carpeta de destino\\dentro.txt", "dentro del destino");
        canario = Contenido(tmp / L"canario");
    }
    void TearDown() override {
        FijarFuenteOpciones({});
        EXPECT_EQ(Contenido(tmp / L"canario"), canario) << "something outside the choice changed";
    }
    bool Triturar(std::vector<std::wstring>& lista) {
        informe.clear();
        return TriturarLista(seguimiento, lista, 1, &informe);
    }
    Motivo MotivoDe(const std::wstring& item) const {
        for (const auto& n : informe)
            if (n.ruta == item) return n.fallo.motivo;
        return Motivo::Ninguno;
    }

    CarpetaTemporal tmp;
    SinVentana seguimiento;
    InformeRun informe;
    Arbol canario;
};

// Every spelling of a chosen file or folder names that one object: it is shredded, and its
// remains never leave its own folder.
TEST_F(Objetos, EveryPathFormOfAPlainItemShredsThatItemAndNothingElse) {
    for (const Forma& forma : kFormas) {
        for (const bool carpeta : {false, true}) {
            SCOPED_TRACE(std::string(forma.nombre) + (carpeta ? ", folder" : ", file"));
            CrearCarpeta(tmp / L"zona");
            EscribirArchivo(tmp / L"zona\\vecino.txt", "vecino");
            const std::wstring elegido = tmp / (carpeta ? L"zona\\Carpeta elegida" : L"zona\\Documento elegido.txt");
            if (carpeta) {
                CrearCarpeta(elegido);
                EscribirArchivo(elegido + L"\\hoja.txt", "hoja");
            } else {
                EscribirArchivo(elegido, "elegido");
            }
            std::vector<std::wstring> lista{forma.escribir(elegido)};
            EXPECT_TRUE(Triturar(lista));
            EXPECT_TRUE(lista.empty());
            EXPECT_EQ(prueba::Nombres(tmp / L"zona"), std::vector<std::wstring>{L"vecino.txt"});
            EXPECT_EQ(prueba::Nombres(tmp.Ruta()), (std::vector<std::wstring>{L"canario", L"zona"}));
            DeleteFileW((tmp / L"zona\\vecino.txt").c_str());
            RemoveDirectoryW((tmp / L"zona").c_str());
        }
    }
}

// Links in every spelling and every way they reach a run: never followed, overwritten,
// emptied, renamed or deleted. A chosen link answers false and stays in the list; a link met
// in a walk keeps its folder.
TEST_F(Objetos, LinksOfEveryKindInEveryFormAndRouteAreLeftAlone) {
    CrearCarpeta(tmp / L"enlaces");
    const std::wstring e = tmp / L"enlaces\\";
    if (!CrearEnlace(tmp / L"canario\\Documento de destino.txt", e + L"a-archivo"))
        GTEST_SKIP() << "no symbolic links here";
    ASSERT_TRUE(CrearEnlace(tmp / L"canario\\Carpeta de destino", e + L"a-carpeta"));
    ASSERT_TRUE(CrearEnlace(e + L"a-archivo", e + L"a-enlace"));
    // A link to itself, which the folder listing here does not show.
    ASSERT_TRUE(prueba::EjecutarUnix(L"Z:\\bin\\ln", {"-s", "bucle", prueba::RutaUnix(tmp / L"enlaces") + "/bucle"}));
    Sleep(200);
    const std::vector<std::wstring> enlaces{L"a-archivo", L"a-carpeta", L"a-enlace"};
    ASSERT_EQ(prueba::Nombres(tmp / L"enlaces"), enlaces);

    // As items: on the command line, or dropped from the tree (folders with a separator).
    for (const Forma& forma : kFormas) {
        for (const std::wstring nombre : {L"a-archivo", L"a-carpeta", L"a-enlace", L"bucle"}) {
            SCOPED_TRACE(std::string(forma.nombre) + ", item " + std::string(nombre.begin(), nombre.end()));
            std::vector<std::wstring> lista{forma.escribir(e + nombre)};
            const auto escrita = lista;
            EXPECT_FALSE(Triturar(lista));
            EXPECT_EQ(lista, escrita);
            EXPECT_EQ(MotivoDe(escrita[0]), nombre == L"bucle" ? Motivo::NoExiste : Motivo::Enlace);
            EXPECT_EQ(prueba::Nombres(tmp / L"enlaces"), enlaces);
        }
    }

    // Met in a walk: the folder's own file goes, the links and so the folder stay.
    EscribirArchivo(e + L"propio.txt", "propio");
    for (const Forma& forma : kFormas) {
        SCOPED_TRACE(std::string(forma.nombre) + ", walked");
        EscribirArchivo(e + L"propio.txt", "propio");
        std::vector<std::wstring> lista{forma.escribir(tmp / L"enlaces")};
        EXPECT_FALSE(Triturar(lista));
        EXPECT_EQ(lista.size(), 1u);
        ASSERT_EQ(informe.size(), 1u);
        EXPECT_TRUE(informe[0].fallo.quedanDentro);
        EXPECT_EQ(informe[0].fallo.motivo, Motivo::Enlace);
        EXPECT_EQ(prueba::Nombres(tmp / L"enlaces"), enlaces);
    }
}

// A file with a second name: overwritten only when every name lies inside what was chosen.
TEST_F(Objetos, AHardLinkIsShreddedOnlyWhenAllItsNamesWereChosen) {
    CrearCarpeta(tmp / L"uno");
    EscribirArchivo(tmp / L"uno\\dato.txt", "compartido");
    if (!CreateHardLinkW((tmp / L"canario\\otro nombre.txt").c_str(), (tmp / L"uno\\dato.txt").c_str(), nullptr))
        GTEST_SKIP() << "no hard links here";
    canario = Contenido(tmp / L"canario");
    for (const std::wstring& item : {tmp / L"uno", tmp / L"uno\\dato.txt"}) {
        std::vector<std::wstring> lista{item};
        EXPECT_FALSE(Triturar(lista));
        EXPECT_EQ(lista, std::vector<std::wstring>{item});
        EXPECT_EQ(MotivoDe(item), Motivo::OtrosNombres);
        EXPECT_EQ(LeerArchivo(tmp / L"uno\\dato.txt"), "compartido");
    }

    // Both names inside the chosen folder, or both chosen: shredded.
    CrearCarpeta(tmp / L"dos");
    EscribirArchivo(tmp / L"dos\\a.txt", "dos nombres");
    ASSERT_TRUE(CreateHardLinkW((tmp / L"dos\\b.txt").c_str(), (tmp / L"dos\\a.txt").c_str(), nullptr));
    std::vector<std::wstring> lista{tmp / L"dos"};
    EXPECT_TRUE(Triturar(lista));
    EXPECT_FALSE(Existe(tmp / L"dos"));
    EscribirArchivo(tmp / L"x.txt", "x");
    ASSERT_TRUE(CreateHardLinkW((tmp / L"y.txt").c_str(), (tmp / L"x.txt").c_str(), nullptr));
    lista = {tmp / L"x.txt", tmp / L"y.txt"};
    EXPECT_TRUE(Triturar(lista));
    EXPECT_FALSE(Existe(tmp / L"x.txt") || Existe(tmp / L"y.txt"));
}

// An item inside another chosen folder, or the same object named twice, is shredded once and
// counts as shredded, in either order.
TEST_F(Objetos, NestedAndRepeatedItemsAreShreddedOnceAndLeaveTheList) {
    for (const bool carpetaPrimero : {true, false}) {
        SCOPED_TRACE(carpetaPrimero ? "folder last in the list (handled first)" : "folder first in the list");
        CrearCarpeta(tmp / L"X");
        EscribirArchivo(tmp / L"X\\f.txt", "f");
        EscribirArchivo(tmp / L"X\\g.txt", "g");
        std::vector<std::wstring> lista = carpetaPrimero
                                              ? std::vector<std::wstring>{tmp / L"X\\f.txt", tmp / L"X\\"}
                                              : std::vector<std::wstring>{tmp / L"X\\", tmp / L"X\\f.txt"};
        lista.push_back(Mayusculas(tmp / L"X\\g.txt"));
        uint64_t archivos = 0;
        TamanoListaKb(lista, archivos);
        EXPECT_EQ(archivos, 2u);  // each file once
        EXPECT_TRUE(Triturar(lista));
        EXPECT_TRUE(lista.empty());
        EXPECT_FALSE(Existe(tmp / L"X"));
    }
}

// Bad input: each answers false, stays in the list, and nothing else changes.
TEST_F(Objetos, BadInputAnswersFalseAndChangesNothing) {
    EscribirArchivo(tmp / L"a.txt", "a");
    EscribirArchivo(tmp / L"b.txt", "b");
    const std::vector<std::wstring> malas{tmp / L"no-existe.txt", L"", tmp / L"*.txt", tmp / L"?.txt",
                                          tmp / L"con.txt", tmp / L"a.txt:flujo", L"\\\\.\\PhysicalDrive0",
                                          tmp / std::wstring(32000, L'x')};
    for (const auto& mala : malas) {
        SCOPED_TRACE(std::string(mala.begin(), mala.begin() + std::min<size_t>(mala.size(), 80)));
        std::vector<std::wstring> lista{mala};
        EXPECT_FALSE(Triturar(lista));
        EXPECT_EQ(lista, std::vector<std::wstring>{mala});
        EXPECT_EQ(MotivoDe(mala), Motivo::NoExiste);
    }
    EXPECT_EQ(prueba::Nombres(tmp.Ruta()), (std::vector<std::wstring>{L"a.txt", L"b.txt", L"canario"}));
}

// Each reason, provoked for real, with the system's code where there is one.
TEST_F(Objetos, EveryFailureRecordsItsReason) {
    struct Caso {
        const char* que;
        std::function<std::wstring()> preparar;  // answers the item
        Motivo motivo;
        DWORD codigo;
        bool quedanDentro;
    };
    win::UniqueFile retenido;
    const Caso casos[] = {
        {"held without sharing",
         [&] {
             EscribirArchivo(tmp / L"retenido.txt", "retenido");
             retenido.reset(CreateFileW((tmp / L"retenido.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                        nullptr));
             return tmp / L"retenido.txt";
         },
         Motivo::EnUso, ERROR_SHARING_VIOLATION, false},
        {"a folder holding a held file",
         [&] {
             CrearCarpeta(tmp / L"con-retenido");
             EscribirArchivo(tmp / L"con-retenido\\libre.txt", "libre");
             EscribirArchivo(tmp / L"con-retenido\\r.txt", "r");
             retenido.reset(CreateFileW((tmp / L"con-retenido\\r.txt").c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
             return tmp / L"con-retenido";
         },
         Motivo::EnUso, ERROR_SHARING_VIOLATION, true},
        {"missing", [&] { return tmp / L"falta.txt"; }, Motivo::NoExiste, ERROR_FILE_NOT_FOUND, false},
        {"a link",
         [&] {
             CrearEnlace(tmp / L"canario\\Documento de destino.txt", tmp / L"enlace.txt");
             return tmp / L"enlace.txt";
         },
         Motivo::Enlace, 0, false},
        {"a hard link",
         [&] {
             EscribirArchivo(tmp / L"duro.txt", "duro");
             CreateHardLinkW((tmp / L"canario\\duro.txt").c_str(), (tmp / L"duro.txt").c_str(), nullptr);
             canario = Contenido(tmp / L"canario");
             return tmp / L"duro.txt";
         },
         Motivo::OtrosNombres, 0, false},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.que);
        std::vector<std::wstring> lista{caso.preparar()};
        EXPECT_FALSE(Triturar(lista));
        ASSERT_EQ(informe.size(), 1u);
        EXPECT_EQ(informe[0].ruta, lista[0]);
        EXPECT_EQ(informe[0].fallo, (Fallo{caso.motivo, caso.codigo, caso.quedanDentro}));
        retenido.reset();
    }
    EXPECT_EQ(TextoFallo({Motivo::EnUso, 32, true}), L"quedan elementos dentro (en uso por otro programa)");

    // A cancel: the item it stopped in gives its file's reason, the items not reached "cancelado".
    EscribirArchivo(tmp / L"p.txt", "p");
    CrearCarpeta(tmp / L"q");
    EscribirArchivo(tmp / L"q\\1.txt", "1");
    EscribirArchivo(tmp / L"q\\2.txt", "2");
    std::vector<std::wstring> lista{tmp / L"p.txt", tmp / L"q"};
    seguimiento.cancelarEnBombeo = 3;  // the folder's pump, the first file's, then its first pass
    EXPECT_FALSE(Triturar(lista));
    EXPECT_EQ(informe, (InformeRun{{tmp / L"p.txt", {Motivo::Cancelado, 0, false}},
                                   {tmp / L"q", {Motivo::Cancelado, 0, true}}}));
}

}  // namespace
