// The main window with its real controls: drops onto the shredder, the pending list and
// its counter, the control panel, and runs started from the power button.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/Unit1.h"
#include "engine/Motivo.h"
#include "engine/ShredOptions.h"
#include "engine/UProgreso.h"
#include "support/Archivos.h"
#include "support/Respuesta.h"
#include "ui/Application.h"
#include "ui/Hint.h"

using prueba::CarpetaTemporal;
using prueba::EscribirArchivo;
using prueba::Existe;
using Lista = std::vector<std::wstring>;

namespace {

class VentanaPrincipal : public testing::Test {
protected:
    static void SetUpTestSuite() {
        progreso = std::make_unique<TFProgreso>();
        FProgreso = progreso.get();
        ventana = std::make_unique<TForm1>();
        Form1 = ventana.get();
        ventana->DoCreate();
        ventana->Show();
    }
    static void TearDownTestSuite() {
        ventana.reset();
        progreso.reset();
        Form1 = nullptr;
        FProgreso = nullptr;
    }
    void SetUp() override {
        ShredOptions rapido;
        rapido.NPasadas = 0;  // one pass
        FijarFuenteOpciones([rapido] { return rapido; });
        v().ListaTriturar.clear();
        v().ArbolDirectorios1->SetCarpetaRaiz(tmp.Ruta());
    }
    void TearDown() override { FijarFuenteOpciones({}); }

    static TForm1& v() { return *ventana; }
    // Selects the node with this label under the tree's top node, read afresh.
    void Seleccionar(const std::wstring& etiqueta) {
        TArbolDirectorios& arbol = *v().ArbolDirectorios1;
        arbol.Refrescar();
        arbol.Expand(arbol.TopNode());
        for (ui::TreeNode n = arbol.FirstChild(arbol.TopNode()); n; n = arbol.NextSibling(n))
            if (arbol.Text(n) == etiqueta) return arbol.Select(n);
        FAIL() << "no node " << std::string(etiqueta.begin(), etiqueta.end());
    }
    bool Acepta(ui::Control& fuente) {
        bool acepta = true;
        v().TrituradoraDragOver(fuente, acepta);
        return acepta;
    }
    void Soltar() { v().TrituradoraDragDrop(*v().ArbolDirectorios1); }
    void ConElementos(const Lista& rutas) {
        v().ListaTriturar = rutas;
        v().ListBoxTriturar.Items(rutas);
    }

    static std::unique_ptr<TFProgreso> progreso;
    static std::unique_ptr<TForm1> ventana;
    CarpetaTemporal tmp;
};
std::unique_ptr<TFProgreso> VentanaPrincipal::progreso;
std::unique_ptr<TForm1> VentanaPrincipal::ventana;

TEST_F(VentanaPrincipal, TheShredderTakesOnlyAPathDraggedFromTheTree) {
    EscribirArchivo(tmp / L"carta.txt", "x");
    v().ArbolDirectorios1->SetCarpetaRaiz(kMiPC);
    v().ArbolDirectorios1->Select(v().ArbolDirectorios1->TopNode());
    EXPECT_FALSE(Acepta(*v().ArbolDirectorios1)) << "the root Mi PC";

    v().ArbolDirectorios1->SetCarpetaRaiz(tmp.Ruta());
    Seleccionar(L"carta.txt");
    EXPECT_TRUE(Acepta(*v().ArbolDirectorios1));
    EXPECT_FALSE(Acepta(v().ImgOn)) << "a source that is not the tree";
}

TEST_F(VentanaPrincipal, EachPathJoinsOnceWhateverItsLetterCaseAndTheListIsShownAfresh) {
    prueba::CrearCarpeta(tmp / L"Cartas");
    EscribirArchivo(tmp / L"nota.txt", "x");
    Seleccionar(L"Cartas");
    Soltar();
    Soltar();
    EXPECT_EQ(v().ListaTriturar, Lista{tmp / L"Cartas\\"});
    EXPECT_EQ(v().LabelNElementos.Caption(), L"1");

    Seleccionar(L"nota.txt");
    ConElementos({tmp / L"Cartas\\", tmp / L"NOTA.TXT"});
    Soltar();
    EXPECT_EQ(v().ListaTriturar.size(), 2u);

    ConElementos({tmp / L"Cartas\\"});
    v().ListBoxTriturar.ItemIndex(0);
    Soltar();
    EXPECT_EQ(v().ListaTriturar, (Lista{tmp / L"Cartas\\", tmp / L"nota.txt"}));
    EXPECT_EQ(v().ListBoxTriturar.Items(), v().ListaTriturar);
    EXPECT_EQ(v().ListBoxTriturar.ItemIndex(), -1);
    EXPECT_EQ(v().LabelNElementos.Caption(), L"2");
}

TEST_F(VentanaPrincipal, RemovingTakesTheSelectedItemOnlyAndNothingWithoutASelection) {
    ConElementos({L"C:\\a", L"C:\\b"});
    v().BitBtnSacarDeTrituradoraClick();
    EXPECT_EQ(v().ListaTriturar.size(), 2u);
    v().ListBoxTriturar.ItemIndex(1);
    v().BitBtnSacarDeTrituradoraClick();
    EXPECT_EQ(v().ListaTriturar, Lista{L"C:\\a"});
    EXPECT_EQ(v().ListBoxTriturar.ItemIndex(), -1);
    v().BitBtnSacarDeTrituradoraClick();
    EXPECT_EQ(v().ListaTriturar.size(), 1u);
    v().ListBoxTriturar.ItemIndex(0);
    v().BitBtnSacarDeTrituradoraClick();
    EXPECT_TRUE(v().ListaTriturar.empty());
    EXPECT_EQ(v().LabelNElementos.Caption(), L"0");
}

TEST_F(VentanaPrincipal, TheControlPanelOpensAndClosesAgain) {
    v().imgVerDocs.Click();
    EXPECT_EQ(v().PanelControl.Height(), 145);
    EXPECT_EQ(v().BitBtnVerDocs.Caption(), L"<<< Ocultar");
    EXPECT_TRUE(v().ListBoxTriturar.Showing());
    EXPECT_TRUE(v().BitBtnSacarDeTrituradora.Showing());
    v().imgVerDocs.Click();
    EXPECT_EQ(v().PanelControl.Height(), 73);
    EXPECT_EQ(v().BitBtnVerDocs.Caption(), L">>> Ver Docs");
    EXPECT_FALSE(v().ListBoxTriturar.Showing());
}

TEST_F(VentanaPrincipal, ARunThatShredsEverythingEmptiesTheListAndRebuildsTheTree) {
    prueba::CrearCarpeta(tmp / L"carpeta");
    EscribirArchivo(tmp / L"carpeta\\dentro.txt", "1");
    EscribirArchivo(tmp / L"suelto.txt", "2");
    EscribirArchivo(tmp / L"queda.txt", "3");
    v().ArbolDirectorios1->Refrescar();
    ConElementos({tmp / L"carpeta\\", tmp / L"suelto.txt"});
    prueba::RespuestaAutomatica si(L"Confirmación", VK_RETURN);
    v().ImgOn.Click();
    EXPECT_TRUE(si.Respondida());
    EXPECT_TRUE(v().ListaTriturar.empty());
    EXPECT_EQ(v().ListBoxTriturar.Count(), 0);
    EXPECT_EQ(v().LabelNElementos.Caption(), L"0");
    EXPECT_EQ(v().LabelResultado.Caption(), L" Todo correcto, se ha triturado todo.");
    EXPECT_FALSE(Existe(tmp / L"carpeta"));
    EXPECT_FALSE(Existe(tmp / L"suelto.txt"));
    EXPECT_TRUE(v().Visible());
    EXPECT_FALSE(FProgreso->Visible());
    // The tree was read again: only the file that stayed is under its root.
    TArbolDirectorios& arbol = *v().ArbolDirectorios1;
    arbol.Expand(arbol.TopNode());
    ASSERT_EQ(arbol.ChildCount(arbol.TopNode()), 1);
    EXPECT_EQ(arbol.Text(arbol.FirstChild(arbol.TopNode())), L"queda.txt");
}

TEST_F(VentanaPrincipal, AnItemThatCannotBeShreddedStaysAndTheResultSaysSo) {
    EscribirArchivo(tmp / L"ocupado.txt", "ocupado");
    EscribirArchivo(tmp / L"libre.txt", "libre");
    win::UniqueFile otro(CreateFileW((tmp / L"ocupado.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    ConElementos({tmp / L"ocupado.txt", tmp / L"libre.txt"});
    prueba::RespuestaAutomatica si(L"Confirmación", VK_RETURN);
    v().ImgOn.Click();
    EXPECT_EQ(v().ListaTriturar, Lista{tmp / L"ocupado.txt"});
    EXPECT_EQ(v().ListBoxTriturar.Items(), v().ListaTriturar);
    EXPECT_EQ(v().LabelResultado.Caption(), L" No se han podido triturar algunos datos.");
    EXPECT_TRUE(Existe(tmp / L"ocupado.txt"));
}

TEST_F(VentanaPrincipal, ACancelledRunSaysSoAndKeepsWhatWasNotShredded) {
    EscribirArchivo(tmp / L"a.txt", "a");
    EscribirArchivo(tmp / L"b.txt", "b");
    ConElementos({tmp / L"a.txt", tmp / L"b.txt"});
    // The run takes the last item first; when the second file's first pass begins (the bar
    // moves to 1 a second time), Cancelar is pressed.
    int pasadas = 0;
    FProgreso->Progreso.OnChange = [&](int p) {
        if (p > 0 && ++pasadas == 2) FProgreso->BitBtnCancelar.Click();
    };
    prueba::RespuestaAutomatica si(L"Confirmación", VK_RETURN);
    v().ImgOn.Click();
    FProgreso->Progreso.OnChange = nullptr;
    EXPECT_FALSE(Existe(tmp / L"b.txt"));
    EXPECT_EQ(v().LabelResultado.Caption(), L"Cancelado por usuario");
    EXPECT_EQ(v().ListaTriturar, Lista{tmp / L"a.txt"});
    EXPECT_TRUE(Existe(tmp / L"a.txt"));
}

// Closed from the taskbar while a run goes on (the visit window may not even exist yet): that
// is a press of Cancelar, and the window closes once the run has stopped.
TEST_F(VentanaPrincipal, ClosingDuringARunCancelsItAndClosesOnceItHasStopped) {
    EscribirArchivo(tmp / L"a.txt", "a");
    EscribirArchivo(tmp / L"b.txt", "b");
    ConElementos({tmp / L"a.txt", tmp / L"b.txt"});
    FProgreso->Progreso.OnChange = [](int p) {
        if (p == 1) Form1->Close();
    };
    prueba::RespuestaAutomatica si(L"Confirmación", VK_RETURN);
    v().ImgOn.Click();
    FProgreso->Progreso.OnChange = nullptr;
    EXPECT_TRUE(FProgreso->Cancelado);
    EXPECT_FALSE(FProgreso->Visible());
    EXPECT_FALSE(v().Visible());
    EXPECT_EQ(v().ListaTriturar, (Lista{tmp / L"a.txt", tmp / L"b.txt"}));
    EXPECT_TRUE(Existe(tmp / L"a.txt"));
    v().Show();
}

TEST_F(VentanaPrincipal, NoOrAnEmptyTrayChangesNothing) {
    ConElementos({});
    v().LabelResultado.Caption(L"anterior");
    prueba::RespuestaAutomatica aviso(ui::App().Title(), VK_RETURN, {}, L"#32770");
    v().ImgOn.Click();
    EXPECT_TRUE(aviso.Respondida());
    EXPECT_EQ(v().LabelResultado.Caption(), L"anterior");

    EscribirArchivo(tmp / L"queda.txt", "q");
    ConElementos({tmp / L"queda.txt"});
    prueba::RespuestaAutomatica cancelar(L"Confirmación", VK_ESCAPE);
    v().ImgOn.Click();
    EXPECT_TRUE(cancelar.Respondida());
    EXPECT_EQ(v().ListaTriturar.size(), 1u);
    EXPECT_TRUE(Existe(tmp / L"queda.txt"));
    EXPECT_EQ(v().LabelResultado.Caption(), L"anterior");
}

// ---- what the last run left, and why ------------------------------------------------------

TEST(LineasDelInforme, EachItemLeftComesWithTheReasonRecordedForItInTheListsOrder) {
    const InformeRun informe{{L"C:\\b\\", {Motivo::AccesoDenegado, ERROR_ACCESS_DENIED, true}},
                             {L"C:\\a.txt", {Motivo::EnUso, ERROR_SHARING_VIOLATION}},
                             {L"C:\\ya no esta", {Motivo::NoExiste, ERROR_FILE_NOT_FOUND}}};
    EXPECT_EQ(LineasInforme({L"C:\\a.txt", L"C:\\b\\", L"C:\\sin registro"}, informe),
              (std::vector<LineaInforme>{{L"C:\\a.txt", L"en uso por otro programa"},
                                         {L"C:\\b\\", TextoFallo({Motivo::AccesoDenegado, 0, true})},
                                         {L"C:\\sin registro", L""}}));
    EXPECT_TRUE(LineasInforme({}, informe).empty()) << "everything shredded: nothing to report";
}

TEST_F(VentanaPrincipal, EachRowShowsTheLastRunsReasonAndWhatWasAddedSinceShowsNone) {
    EscribirArchivo(tmp / L"ocupado.txt", "o");
    EscribirArchivo(tmp / L"nuevo.txt", "n");
    const std::wstring ocupado = tmp / L"ocupado.txt", fotos = tmp / L"Fotos\\", suelto = tmp / L"suelto.txt",
                       nuevo = tmp / L"nuevo.txt";
    const std::wstring dentro = TextoFallo({Motivo::AccesoDenegado, 0, true});
    ConElementos({ocupado, fotos, suelto});
    v().AnotarMotivos({{ocupado, {Motivo::EnUso, ERROR_SHARING_VIOLATION}},
                       {fotos, {Motivo::AccesoDenegado, ERROR_ACCESS_DENIED, true}}});
    EXPECT_EQ(v().ListBoxTriturar.Items(), v().ListaTriturar) << "the paths as before";
    EXPECT_EQ(v().ListBoxTriturar.Notes(), (Lista{L"en uso por otro programa", dentro, L""}));

    // A drop adds an item without a reason; the others keep theirs.
    Seleccionar(L"nuevo.txt");
    Soltar();
    EXPECT_EQ(v().ListBoxTriturar.Notes(), (Lista{L"en uso por otro programa", dentro, L"", L""}));
    // Taken out and dropped again, an item is one added since the run.
    v().ListBoxTriturar.ItemIndex(0);
    v().BitBtnSacarDeTrituradoraClick();
    Seleccionar(L"ocupado.txt");
    Soltar();
    EXPECT_EQ(v().ListaTriturar, (Lista{fotos, suelto, nuevo, ocupado}));
    EXPECT_EQ(v().ListBoxTriturar.Notes(), (Lista{dentro, L"", L"", L""}));
    // The next run's record replaces the last one's.
    v().AnotarMotivos({{suelto, {Motivo::NoExiste, ERROR_FILE_NOT_FOUND}}});
    EXPECT_EQ(v().ListBoxTriturar.Notes(), (Lista{L"", L"no existe", L"", L""}));
    EXPECT_EQ(v().LabelNElementos.Caption(), L"4");
}

// The centre of a row of the pending list, on the screen; or, past the rows, a point under them.
POINT EnFila(const ui::ListBox& lista, int fila) {
    RECT r{};
    SendMessageW(lista.Handle(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    const int alto = r.bottom - r.top;
    POINT p{(r.left + r.right) / 2, r.top + fila * alto + alto / 2};
    ClientToScreen(lista.Handle(), &p);
    return p;
}

TEST_F(VentanaPrincipal, TheHintOverARowGivesItsPathAndReasonInFull) {
    const std::wstring largo = L"C:\\Documentos de trabajo\\Informes del departamento\\Resumen anual revisado.xls";
    ConElementos({largo, L"C:\\b.txt"});
    v().AnotarMotivos({{largo, {Motivo::Cambiado, 0}}});
    v().imgVerDocs.Click();
    SetForegroundWindow(v().Handle());
    auto globo = [] { return ui::Hints().HintShowing() ? ui::Hints().Window()->Caption() : std::wstring(); };
    const struct {
        int fila;
        std::wstring texto;
    } casos[] = {
        {0, largo + L"\r\ncambiado por otro programa durante el triturado"},
        {1, L"C:\\b.txt"},
        {3, L"Documentos de la trituradora"},  // under the rows: the list's own hint
        {0, largo + L"\r\ncambiado por otro programa durante el triturado"},
    };
    for (const auto& c : casos) {
        prueba::MoverA(EnFila(v().ListBoxTriturar, c.fila));
        EXPECT_TRUE(prueba::EsperarQue([&] { return globo() == c.texto; }, 4000))
            << "row " << c.fila << ": " << std::string(globo().begin(), globo().end());
    }
    prueba::MoverA(POINT{0, 0});
    ui::Hints().CancelHint();
    v().imgVerDocs.Click();
}

// Not a check: shows the expanded pending list with reasons and a row's hint for a while, for
// a screenshot (--gtest_also_run_disabled_tests --gtest_filter=*Captura*).
TEST_F(VentanaPrincipal, DISABLED_CapturaDeLaListaConMotivos) {
    const Lista rutas{L"C:\\Mis documentos\\presupuesto.xls", L"C:\\Mis documentos\\Fotos\\",
                      L"C:\\Mis documentos\\Informes del departamento de contabilidad\\balance anual.doc",
                      L"C:\\nuevo.txt"};
    ConElementos(rutas);
    v().AnotarMotivos({{rutas[0], {Motivo::EnUso, ERROR_SHARING_VIOLATION}},
                       {rutas[1], {Motivo::AccesoDenegado, ERROR_ACCESS_DENIED, true}},
                       {rutas[2], {Motivo::Cambiado, 0}}});
    v().LabelResultado.Caption(L" No se han podido triturar algunos datos.");
    v().imgVerDocs.Click();
    SetForegroundWindow(v().Handle());
    prueba::MoverA(EnFila(v().ListBoxTriturar, 2));
    prueba::Bombear(8000);
    v().imgVerDocs.Click();
}

}  // namespace
