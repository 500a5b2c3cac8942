// The run, the folder walk and the per-file routine on real files.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/Existencia.h"
#include "engine/Finalizar.h"
#include "engine/ShredOptions.h"
#include "engine/Trituracion.h"
#include "engine/UProgreso.h"
#include "support/Archivos.h"

using prueba::CarpetaTemporal;
using prueba::EscribirArchivo;
using prueba::Existe;
using prueba::LeerArchivo;
using prueba::Nombres;

namespace {

class Trituracion : public testing::Test {
protected:
    void SetUp() override {
        Usar(ShredOptions{});
        ventana.Show();
    }
    void TearDown() override {
        ventana.Hide();
        FijarFuenteOpciones({});
    }
    void Usar(const ShredOptions& o) {
        opciones = o;
        FijarFuenteOpciones([this] { return opciones; });
    }
    void PulsarCancelarAntes() {
        PostMessageW(ventana.Panel1.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     reinterpret_cast<LPARAM>(ventana.BitBtnCancelar.Handle()));
    }
    bool Triturar(std::vector<std::wstring>& lista) { return TriturarLista(ventana, lista, 1); }

    ShredOptions opciones;
    TFProgreso ventana;
    CarpetaTemporal tmp;
};

TEST_F(Trituracion, OneFileHidesTheOverallProgressAndStillShowsItsSize) {
    EscribirArchivo(tmp / L"uno.txt", std::string(3000, 'a'));
    std::vector<std::wstring> lista{tmp / L"uno.txt"};
    EXPECT_TRUE(Triturar(lista));
    EXPECT_TRUE(lista.empty());
    EXPECT_FALSE(Existe(tmp / L"uno.txt"));
    EXPECT_EQ(ventana.LabelProgresoTotal.Caption(), L"Tamaño total: 2 Kb.  Archivo nº ");
    EXPECT_FALSE(ventana.LabelProgresoTotal.Visible());
    EXPECT_FALSE(ventana.ProgresoTotal.Visible());
    EXPECT_FALSE(ventana.LabelNArchivos.Visible());
}

TEST_F(Trituracion, TotalsCountFilesPerItemAndWholeKilobytesPerItem) {
    prueba::CrearCarpeta(tmp / L"c");
    for (const wchar_t* n : {L"c\\a", L"c\\b", L"c\\d"}) EscribirArchivo(tmp / n, std::string(1023, 'x'));
    EscribirArchivo(tmp / L"suelto", std::string(2048, 'y'));
    std::vector<std::wstring> lista{tmp / L"c", tmp / L"suelto", tmp / L"no-existe"};
    uint64_t archivos = 0;
    // The folder's 3069 bytes give 2 KB; the loose file 2 KB; the missing path nothing.
    EXPECT_EQ(TamanoListaKb(lista, archivos), 4u);
    EXPECT_EQ(archivos, 4u);

    ventana.Hide();
    Usar(ShredOptions{});
    ventana.Show();
    PulsarCancelarAntes();  // stop at the first pump so the counter stays as the run set it
    Triturar(lista);
    EXPECT_TRUE(ventana.LabelProgresoTotal.Visible());
    EXPECT_EQ(ventana.ProgresoTotal.Max(), 4);
    EXPECT_EQ(ventana.LabelNArchivos.Left(), ventana.LabelProgresoTotal.Left() + ventana.LabelProgresoTotal.Width());
}

TEST_F(Trituracion, FoldersAreEmptiedBottomUpWhateverTheirEntriesAttributes) {
    prueba::CrearCarpeta(tmp / L"raiz");
    prueba::CrearCarpeta(tmp / L"raiz\\.oculta");
    prueba::CrearCarpeta(tmp / L"raiz\\.oculta\\honda");
    prueba::CrearCarpeta(tmp / L"raiz\\vacia");
    prueba::CrearCarpeta(tmp / L"raiz\\solo-lectura");
    EscribirArchivo(tmp / L"raiz\\.config", "punto");
    EscribirArchivo(tmp / L"raiz\\.oculta\\honda\\dato", "hondo");
    EscribirArchivo(tmp / L"raiz\\oculto.txt", "h");
    EscribirArchivo(tmp / L"raiz\\sistema.sys", "s");
    EscribirArchivo(tmp / L"raiz\\solo-lectura\\ro.txt", "r");
    EscribirArchivo(tmp / L"raiz\\vacio", "");
    SetFileAttributesW((tmp / L"raiz\\oculto.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((tmp / L"raiz\\sistema.sys").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((tmp / L"raiz\\solo-lectura\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW((tmp / L"raiz\\solo-lectura").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY);

    std::vector<std::wstring> lista{tmp / L"raiz\\"};
    EXPECT_TRUE(Triturar(lista));
    EXPECT_TRUE(lista.empty());
    EXPECT_FALSE(Existe(tmp / L"raiz"));
    EXPECT_TRUE(Nombres(tmp.Ruta()).empty());
}

TEST_F(Trituracion, AnEmptyFolderIsRemovedAndLeavesTheList) {
    prueba::CrearCarpeta(tmp / L"vacia");
    std::vector<std::wstring> lista{tmp / L"vacia"};
    uint64_t archivos = 7;
    EXPECT_EQ(TamanoListaKb(lista, archivos), 0u);
    EXPECT_EQ(archivos, 0u);
    EXPECT_TRUE(Triturar(lista));
    EXPECT_TRUE(lista.empty());
    EXPECT_FALSE(Existe(tmp / L"vacia"));
}

TEST_F(Trituracion, AFileDatedBefore1980IsNotTouchedAsAnItemNorInsideAFolder) {
    EscribirArchivo(tmp / L"viejo.txt", "antiguo");
    prueba::FijarFechaEscritura(tmp / L"viejo.txt", 1975, 6, 1);
    prueba::CrearCarpeta(tmp / L"c");
    EscribirArchivo(tmp / L"c\\viejo2.txt", "antiguo2");
    EscribirArchivo(tmp / L"c\\nuevo.txt", "nuevo");
    prueba::FijarFechaEscritura(tmp / L"c\\viejo2.txt", 1970, 1, 2);
    EXPECT_FALSE(ExisteArchivo(tmp / L"viejo.txt"));

    std::vector<std::wstring> lista{tmp / L"viejo.txt", tmp / L"c"};
    uint64_t archivos = 0;
    TamanoListaKb(lista, archivos);
    EXPECT_EQ(archivos, 2u);  // the old file inside the folder is counted, the item is not
    EXPECT_FALSE(Triturar(lista));
    EXPECT_EQ(lista, (std::vector<std::wstring>{tmp / L"viejo.txt", tmp / L"c"}));
    EXPECT_EQ(LeerArchivo(tmp / L"viejo.txt"), "antiguo");
    EXPECT_EQ(LeerArchivo(tmp / L"c\\viejo2.txt"), "antiguo2");
    EXPECT_FALSE(Existe(tmp / L"c\\nuevo.txt"));
}

TEST_F(Trituracion, AFileHeldOpenByAnotherHandleAnswersFalseAndIsLeftAsItWas) {
    EscribirArchivo(tmp / L"abierto.txt", "ocupado");
    win::UniqueFile otro(CreateFileW((tmp / L"abierto.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(otro);
    std::vector<std::wstring> lista{tmp / L"abierto.txt"};
    EXPECT_FALSE(Triturar(lista));
    EXPECT_EQ(lista.size(), 1u);
    otro.reset();
    EXPECT_EQ(LeerArchivo(tmp / L"abierto.txt"), "ocupado");
}

TEST_F(Trituracion, ACancelSeenAtTheFirstPumpLeavesTheUnhandledItemsUntouched) {
    EscribirArchivo(tmp / L"a", "A");
    EscribirArchivo(tmp / L"b", "B");
    prueba::CrearCarpeta(tmp / L"c");
    EscribirArchivo(tmp / L"c\\d", "D");
    std::vector<std::wstring> lista{tmp / L"a", tmp / L"b", tmp / L"c"};
    PulsarCancelarAntes();
    Triturar(lista);
    EXPECT_TRUE(ventana.Cancelado);
    // The last item was being handled: its folder pump saw the cancel, its file was stopped.
    EXPECT_EQ(lista, (std::vector<std::wstring>{tmp / L"a", tmp / L"b", tmp / L"c"}));
    EXPECT_EQ(LeerArchivo(tmp / L"a"), "A");
    EXPECT_EQ(LeerArchivo(tmp / L"b"), "B");
    EXPECT_TRUE(Existe(tmp / L"c\\d"));
}

TEST_F(Trituracion, AFileReachedAfterCancelIsLeftAsItWasAnswersFalseAndMarksTheWindow) {
    EscribirArchivo(tmp / L"f", "contenido");
    PulsarCancelarAntes();
    EXPECT_FALSE(TriturarArchivo(ventana, tmp / L"f", 1));
    EXPECT_EQ(ventana.Tag, 1);
    EXPECT_EQ(LeerArchivo(tmp / L"f"), "contenido");  // not even the write test ran
}

TEST_F(Trituracion, EachFinishingStepCanBeSwitchedOff) {
    ShredOptions ninguno;
    ninguno.Truncar = ninguno.Renombrar = ninguno.CambiarFecha = ninguno.Borrar = false;
    Usar(ninguno);
    EscribirArchivo(tmp / L"f", "abc");
    EXPECT_TRUE(TriturarArchivo(ventana, tmp / L"f", 1));
    EXPECT_EQ(Nombres(tmp.Ruta()), std::vector<std::wstring>{L"f"});
    EXPECT_EQ(LeerArchivo(tmp / L"f").size(), 3u);

    ShredOptions truncar = ninguno;
    truncar.Truncar = true;
    Usar(truncar);
    EXPECT_TRUE(TriturarArchivo(ventana, tmp / L"f", 1));
    EXPECT_EQ(Nombres(tmp.Ruta()), std::vector<std::wstring>{L"f"});
    EXPECT_TRUE(LeerArchivo(tmp / L"f").empty());

    ShredOptions fecha = ninguno;
    fecha.CambiarFecha = true;
    Usar(fecha);
    EXPECT_TRUE(TriturarArchivo(ventana, tmp / L"f", 1));
    WIN32_FILE_ATTRIBUTE_DATA datos;
    ASSERT_TRUE(GetFileAttributesExW((tmp / L"f").c_str(), GetFileExInfoStandard, &datos));
    SYSTEMTIME t;
    FileTimeToSystemTime(&datos.ftLastWriteTime, &t);
    EXPECT_GE(t.wYear, 1989);
    EXPECT_LE(t.wYear, 2006);

    ShredOptions borrar = ninguno;
    borrar.Borrar = true;
    Usar(borrar);
    EXPECT_TRUE(TriturarArchivo(ventana, tmp / L"f", 1));
    EXPECT_TRUE(Nombres(tmp.Ruta()).empty());
}

TEST_F(Trituracion, RenamingWithoutDeletingLeavesTheFileAsTildeOrItsRandomNameWhenTildeIsTaken) {
    ShredOptions o;
    o.Borrar = false;
    Usar(o);
    EscribirArchivo(tmp / L"primero", "1");
    EXPECT_TRUE(TriturarArchivo(ventana, tmp / L"primero", 1));
    EXPECT_EQ(Nombres(tmp.Ruta()), std::vector<std::wstring>{L"~"});

    // "~" is taken now: the next file stays under its 8.3 name, and the old "~" is untouched.
    EscribirArchivo(tmp / L"~", "ajeno");
    EscribirArchivo(tmp / L"segundo", "2");
    EXPECT_TRUE(TriturarArchivo(ventana, tmp / L"segundo", 1));
    auto nombres = Nombres(tmp.Ruta());
    ASSERT_EQ(nombres.size(), 2u);
    EXPECT_EQ(nombres[1], L"~");
    EXPECT_EQ(LeerArchivo(tmp / L"~"), "ajeno");
    EXPECT_EQ(nombres[0].size(), 12u);
    EXPECT_EQ(nombres[0][8], L'.');
    EXPECT_TRUE(std::all_of(nombres[0].begin(), nombres[0].end(), [](wchar_t c) { return c == L'.' || (c >= L'a' && c <= L'z'); }));
}

TEST_F(Trituracion, UltraFastModeTruncatesRenamesAndDeletesWithEveryOtherSwitchOff) {
    ShredOptions o;
    o.UltraRapido = true;
    o.Truncar = o.Renombrar = o.CambiarFecha = o.Borrar = false;
    Usar(o);
    EscribirArchivo(tmp / L"rapido", "datos");
    SetFileAttributesW((tmp / L"rapido").c_str(), FILE_ATTRIBUTE_READONLY);
    ventana.Progreso.Position(3);
    EXPECT_TRUE(TriturarArchivo(ventana, tmp / L"rapido", 10));
    EXPECT_TRUE(Nombres(tmp.Ruta()).empty());
    EXPECT_EQ(ventana.Progreso.Position(), 3);
    EXPECT_EQ(ventana.LabelNpasada.Caption(), L"0");

    EscribirArchivo(tmp / L"quieto", "datos");
    PulsarCancelarAntes();
    EXPECT_FALSE(TriturarArchivo(ventana, tmp / L"quieto", 10));
    EXPECT_EQ(ventana.Tag, 1);
    EXPECT_EQ(LeerArchivo(tmp / L"quieto"), "datos");
}

TEST_F(Trituracion, LinksInsideAWalkedFolderAreNotFollowedAndTheirTargetsStayIntact) {
    prueba::CrearCarpeta(tmp / L"fuera");
    EscribirArchivo(tmp / L"fuera\\guardado.txt", "no tocar");
    EscribirArchivo(tmp / L"fuera\\suelto.txt", "tampoco");
    prueba::CrearCarpeta(tmp / L"elegida");
    EscribirArchivo(tmp / L"elegida\\propio.txt", "mio");
    if (!prueba::CrearEnlace(tmp / L"fuera", tmp / L"elegida\\enlace-carpeta") ||
        !prueba::CrearEnlace(tmp / L"fuera\\suelto.txt", tmp / L"elegida\\enlace-archivo.txt"))
        GTEST_SKIP() << "no symbolic links here";
    ASSERT_TRUE(prueba::CrearEnlace(tmp / L"elegida", tmp / L"elegida\\bucle"));

    std::vector<std::wstring> lista{tmp / L"elegida"};
    uint64_t archivos = 0;
    TamanoListaKb(lista, archivos);  // the loop must not be counted round and round
    EXPECT_FALSE(Triturar(lista));
    EXPECT_EQ(lista.size(), 1u);
    EXPECT_EQ(LeerArchivo(tmp / L"fuera\\guardado.txt"), "no tocar");
    EXPECT_EQ(LeerArchivo(tmp / L"fuera\\suelto.txt"), "tampoco");
    EXPECT_FALSE(Existe(tmp / L"elegida\\propio.txt"));

    // The chosen item itself a link: nothing is done through it.
    std::vector<std::wstring> enlaces{tmp / L"elegida\\enlace-archivo.txt", tmp / L"elegida\\enlace-carpeta"};
    EXPECT_FALSE(Triturar(enlaces));
    EXPECT_EQ(enlaces.size(), 2u);
    EXPECT_EQ(LeerArchivo(tmp / L"fuera\\suelto.txt"), "tampoco");
    EXPECT_EQ(LeerArchivo(tmp / L"fuera\\guardado.txt"), "no tocar");
}

TEST_F(Trituracion, LongPathsAndNamesOutsideTheAnsiCodePageAreShreddedLikeAnyOther) {
    std::wstring ruta = tmp.Ruta();
    while (ruta.size() < 300) {
        ruta += L"carpeta-con-nombre-largo-" + std::to_wstring(ruta.size()) + L"\\";
        prueba::CrearCarpeta(ruta);
    }
    EscribirArchivo(ruta + L"Ωмир€.txt", std::string(5000, 'z'));
    ASSERT_TRUE(Existe(ruta + L"Ωмир€.txt"));
    std::vector<std::wstring> lista{tmp / L"carpeta-con-nombre-largo-" + std::to_wstring(tmp.Ruta().size())};
    EXPECT_TRUE(Triturar(lista));
    EXPECT_TRUE(Nombres(tmp.Ruta()).empty());
}

TEST(Finalizar, FalseDatesLieInTheirRangeAndNoFileIsCreatedForAMissingPath) {
    CarpetaTemporal tmp;
    EscribirArchivo(tmp / L"f", "x");
    for (int i = 0; i < 40; ++i) {
        FalsearFechas(tmp / L"f");
        WIN32_FILE_ATTRIBUTE_DATA datos;
        ASSERT_TRUE(GetFileAttributesExW((tmp / L"f").c_str(), GetFileExInfoStandard, &datos));
        for (const FILETIME& ft : {datos.ftCreationTime, datos.ftLastAccessTime, datos.ftLastWriteTime}) {
            FILETIME local;
            SYSTEMTIME t;
            FileTimeToLocalFileTime(&ft, &local);
            FileTimeToSystemTime(&local, &t);
            EXPECT_GE(t.wYear, 1990);
            EXPECT_LE(t.wYear, 2005);
            EXPECT_LE(t.wDay, 30);
            EXPECT_EQ(t.wMilliseconds, 0);
        }
    }
    EXPECT_EQ(FalsearFechas(tmp / L"falta"), tmp / L"falta");
    EXPECT_FALSE(Existe(tmp / L"falta"));
}

TEST(Finalizar, CambiarNombreAnswersTheNameTheFileReallyHas) {
    CarpetaTemporal tmp;
    EscribirArchivo(tmp / L"f", "x");
    EXPECT_EQ(CambiarNombre(tmp / L"f"), tmp / L"~");
    win::UniqueFile abierto(CreateFileW((tmp / L"~").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    // A file that cannot be moved keeps its name, and the answer says so.
    EXPECT_EQ(CambiarNombre(tmp / L"~"), tmp / L"~");
    EXPECT_EQ(CambiarNombre(tmp / L"no-esta"), tmp / L"no-esta");
}

TEST(Finalizar, TheWriteTestMarksTheFirstByteAndAnEmptyFileGrowsToOne) {
    CarpetaTemporal tmp;
    EscribirArchivo(tmp / L"vacio", "");
    EXPECT_TRUE(ProbarEscritura(tmp / L"vacio"));
    EXPECT_EQ(LeerArchivo(tmp / L"vacio"), "X");
    EXPECT_FALSE(ProbarEscritura(tmp / L"no-esta"));
    EXPECT_FALSE(QuitarSoloLectura(tmp / L"no-esta"));
    EXPECT_FALSE(Existe(tmp / L"no-esta"));
}

}  // namespace
