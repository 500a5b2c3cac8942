// The fault cases whose outcome is the run's own answer and list: a cancel at each stage of a
// run, a file replaced or removed between passes, names the system's path handling would
// change. Each runs TriturarLista over real files beside a folder that must come through
// unchanged, and checks what stays in the list and what the run answers.
#include <gtest/gtest.h>
#include <windows.h>


#include <functional>
#include <map>

#include "base/Existencia.h"
#include "engine/ShredOptions.h"
#include "engine/Trituracion.h"
#include "engine/UProgreso.h"
#include "support/Archivos.h"

using prueba::CarpetaTemporal;
using prueba::CrearCarpeta;
using prueba::EscribirArchivo;
using prueba::Existe;
using prueba::LeerArchivo;

namespace {

std::wstring Literal(const std::wstring& ruta) { return L"\\\\?\\" + ruta; }

// Every file below a folder with its contents, by path relative to the folder; names are
// taken as written, trailing dots and blanks included.
using Arbol = std::map<std::wstring, std::string>;
Arbol Contenido(const std::wstring& carpeta, const std::wstring& prefijo = L"") {
    Arbol arbol;
    for (const auto& nombre : prueba::Nombres(Literal(carpeta))) {
        const std::wstring ruta = carpeta + L"\\" + nombre;
        if (GetFileAttributesW(Literal(ruta).c_str()) & FILE_ATTRIBUTE_DIRECTORY)
            arbol.merge(Contenido(ruta, prefijo + nombre + L"\\"));
        else
            arbol[prefijo + nombre] = LeerArchivo(Literal(ruta));
    }
    return arbol;
}

// Runs an action at the very moment the run sets a progress bar to a position, before the
// run goes on to its next pump.
class AlLlegar {
public:
    AlLlegar(ui::ProgressBar& barra, int posicion, std::function<void()> accion)
        : barra_(barra), antes_(std::move(barra.OnChange)) {
        barra.OnChange = [this, posicion, accion = std::move(accion)](int p) mutable {
            if (p == posicion && accion) std::exchange(accion, {})();
        };
    }
    ~AlLlegar() { barra_.OnChange = std::move(antes_); }
    AlLlegar(const AlLlegar&) = delete;
    AlLlegar& operator=(const AlLlegar&) = delete;

private:
    ui::ProgressBar& barra_;
    std::function<void(int)> antes_;
};

class Barrido : public testing::Test {
protected:
    void SetUp() override {
        FijarFuenteOpciones([] { return ShredOptions{}; });
        CrearCarpeta(tmp / L"ajena");
        CrearCarpeta(tmp / L"ajena\\sub");
        EscribirArchivo(tmp / L"ajena\\guardar.txt", "no se toca");
        EscribirArchivo(tmp / L"ajena\\sub\\dato.bin", std::string(5000, '\x5A'));
        ajena = Contenido(tmp / L"ajena");
        ventana.Show();
    }
    void TearDown() override {
        ventana.Hide();
        FijarFuenteOpciones({});
        EXPECT_EQ(Contenido(tmp / L"ajena"), ajena) << "the folder beside the chosen items changed";
    }
    // Cancelar as the user presses it: the click is taken at the run's next pump.
    void PulsarCancelar() {
        PostMessageW(ventana.Panel1.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     reinterpret_cast<LPARAM>(ventana.BitBtnCancelar.Handle()));
    }

    TFProgreso ventana;
    CarpetaTemporal tmp;
    Arbol ajena;
};

// The run over a loose file and a folder of four files (the folder is handled first).
class CancelarEnCadaEtapa : public Barrido {
protected:
    void SetUp() override {
        Barrido::SetUp();
        CrearCarpeta(tmp / L"elegida");
        CrearCarpeta(tmp / L"elegida\\sub");
        for (const wchar_t* n : {L"elegida\\a.txt", L"elegida\\b.txt", L"elegida\\c.txt", L"elegida\\sub\\d.txt"})
            EscribirArchivo(tmp / n, std::string(6000, static_cast<char>('a' + std::wstring(n).size() % 7)));
        EscribirArchivo(tmp / L"suelto.txt", "suelto");
        lista = {tmp / L"suelto.txt", tmp / L"elegida"};
        original = Contenido(tmp / L"elegida");
    }
    // Runs with 3 passes and checks what every stage has in common: nothing is reported done,
    // both items stay in the list, the loose file and the folder's untouched files are as they
    // were. Answers how the folder's files fared: untouched, changed in place, gone.
    struct Recuento {
        int intactos = 0, cambiados = 0, borrados = 0;
    };
    Recuento Correr() {
        EXPECT_FALSE(TriturarLista(ventana, lista, 3));
        EXPECT_EQ(lista, (std::vector<std::wstring>{tmp / L"suelto.txt", tmp / L"elegida"}));
        EXPECT_EQ(LeerArchivo(tmp / L"suelto.txt"), "suelto");
        Recuento r;
        const Arbol ahora = Contenido(tmp / L"elegida");
        for (const auto& [nombre, datos] : original) {
            auto it = ahora.find(nombre);
            if (it == ahora.end()) ++r.borrados;
            else if (it->second == datos) ++r.intactos;
            else if (it->second.size() == datos.size()) ++r.cambiados;
        }
        EXPECT_EQ(r.intactos + r.cambiados + r.borrados, 4) << "a file changed its size without being shredded";
        EXPECT_EQ(ahora.size(), static_cast<size_t>(4 - r.borrados)) << "a file appeared";
        return r;
    }

    std::vector<std::wstring> lista;
    Arbol original;
};

TEST_F(CancelarEnCadaEtapa, BeforeTheFirstItemNothingIsTouchedAndTheRunSaysSo) {
    ventana.Cancelado = true;
    const Recuento r = Correr();
    EXPECT_EQ(r.intactos, 4);
    EXPECT_EQ(ventana.Tag, 0);  // no file was reached
}

TEST_F(CancelarEnCadaEtapa, DuringAFolderWalkTheFilesNotYetShreddedAreLeftAsTheyWere) {
    PulsarCancelar();  // seen when the walk enters the folder
    const Recuento r = Correr();
    EXPECT_EQ(r.intactos, 4);  // reached after the request: not even the write test ran
    EXPECT_EQ(ventana.Tag, 1);
}

TEST_F(CancelarEnCadaEtapa, DuringAPassThatFileIsOverwrittenButKeptAndTheRestUntouched) {
    AlLlegar enLaPasada2(ventana.Progreso, 2, [&] { PulsarCancelar(); });
    const Recuento r = Correr();
    EXPECT_EQ(r.cambiados, 1);  // pass 1 ran to its end; pass 2 was not begun
    EXPECT_EQ(r.intactos, 3);
    EXPECT_EQ(ventana.Tag, 1);
}

TEST_F(CancelarEnCadaEtapa, DuringFinishingThatFileIsShreddedAndTheNextOneIsNotTouched) {
    // Finishing handles no messages: a press during it is taken when the next file starts.
    AlLlegar alSegundoArchivo(ventana.ProgresoTotal, 2, [&] { PulsarCancelar(); });
    const Recuento r = Correr();
    EXPECT_EQ(r.borrados, 1);
    EXPECT_EQ(r.intactos, 3);
    EXPECT_EQ(ventana.Tag, 1);
}

// Another program puts a new file where the one being shredded was, or removes it, while its
// passes run. What took its place is somebody's new file: never overwritten, emptied or
// deleted; the item answers false and stays in the list.
TEST_F(Barrido, AFileReplacedOrRemovedBetweenPassesLeavesWhatTookItsPlaceAlone) {
    struct Caso {
        const char* cuando;
        bool metodo2;
        int posicion;  // of the bar, when the file is replaced
    };
    for (const Caso& caso : {Caso{"between passes of method 1, which holds the file", false, 2},
                             Caso{"between methods 1 and 2", true, 4},
                             Caso{"between passes of method 2, which opens it for each", true, 5}}) {
        SCOPED_TRACE(caso.cuando);
        ShredOptions o;
        o.Metodo2 = caso.metodo2;
        FijarFuenteOpciones([o] { return o; });
        NMetodos = caso.metodo2 ? 2 : 1;
        const std::wstring ruta = tmp / L"cambiado.txt", nuevo = tmp / L"nuevo.txt";
        EscribirArchivo(ruta, std::string(9000, 'v'));
        EscribirArchivo(nuevo, "el archivo nuevo");
        const auto antes = IdentidadDe(ruta);
        // From the Unix side, as another program would: Windows refuses to replace a file
        // that method 1 holds open.
        AlLlegar alReemplazar(ventana.Progreso, caso.posicion, [&] {
            ASSERT_TRUE(prueba::EjecutarUnix(L"Z:\\bin\\mv", {prueba::RutaUnix(nuevo), prueba::RutaUnix(ruta)}));
            for (int i = 0; i < 200 && IdentidadDe(ruta) == antes; ++i) Sleep(20);
        });
        std::vector<std::wstring> lista{ruta};
        EXPECT_FALSE(TriturarLista(ventana, lista, 3));
        NMetodos = 1;
        EXPECT_EQ(lista, std::vector<std::wstring>{ruta});
        EXPECT_EQ(LeerArchivo(ruta), "el archivo nuevo");
        EXPECT_EQ(prueba::Nombres(tmp.Ruta()), (std::vector<std::wstring>{L"ajena", L"cambiado.txt"}));
        DeleteFileW(ruta.c_str());
    }

    FijarFuenteOpciones([] { return ShredOptions{}; });
    const std::wstring borrado = tmp / L"borrado.txt";
    EscribirArchivo(borrado, std::string(9000, 'b'));
    AlLlegar enLaPasada2(ventana.Progreso, 2, [&] {
        ASSERT_TRUE(prueba::EjecutarUnix(L"Z:\\bin\\rm", {prueba::RutaUnix(borrado)}));
        for (int i = 0; i < 200 && Existe(borrado); ++i) Sleep(20);
    });
    std::vector<std::wstring> lista{borrado};
    EXPECT_FALSE(TriturarLista(ventana, lista, 3));
    EXPECT_EQ(lista, std::vector<std::wstring>{borrado});
    EXPECT_EQ(prueba::Nombres(tmp.Ruta()), std::vector<std::wstring>{L"ajena"});
}

// Names that ordinary path handling changes: a trailing dot or blank is dropped, so that
// "informe." would open "informe"; device names such as "con.txt" or "aux" stand for devices.
// Each chosen name is shredded itself; its look-alike beside it is left alone.
TEST_F(Barrido, NamesEndingInADotOrABlankAndDeviceNamesAreShreddedAsWrittenAndTheirLookAlikesKept) {
    const std::wstring c = tmp / L"nombres\\";
    CrearCarpeta(c);
    EscribirArchivo(c + L"informe", "informe sin punto");
    EscribirArchivo(c + L"hoja", "hoja sin blanco");
    CrearCarpeta(c + L"carpeta");
    EscribirArchivo(c + L"carpeta\\dentro.txt", "en la carpeta sin punto");
    const Arbol parecidos = Contenido(tmp / L"nombres");

    EscribirArchivo(Literal(c + L"informe."), "el elegido con punto");
    EscribirArchivo(Literal(c + L"hoja "), "la elegida con blanco");
    EscribirArchivo(Literal(c + L"con.txt"), "no es la consola");
    EscribirArchivo(Literal(c + L"aux"), "tampoco un puerto");
    CrearCarpeta(Literal(c + L"carpeta."));
    for (const wchar_t* n : {L"carpeta.\\fin.", L"carpeta.\\fin ", L"carpeta.\\nul", L"carpeta.\\COM1.log"})
        EscribirArchivo(Literal(c + n), "dentro de la carpeta con punto");
    ASSERT_TRUE(Existe(Literal(c + L"carpeta.\\COM1.log")));

    std::vector<std::wstring> lista{c + L"informe.", c + L"hoja ", c + L"con.txt", c + L"aux", c + L"carpeta."};
    EXPECT_TRUE(TriturarLista(ventana, lista, 1));
    EXPECT_TRUE(lista.empty());
    EXPECT_EQ(Contenido(tmp / L"nombres"), parecidos);
}

}  // namespace
