// The main window with its real controls: drops onto the shredder, the pending list and
// its counter, the control panel, and runs started from the power button.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/Unit1.h"
#include "engine/ShredOptions.h"
#include "engine/UProgreso.h"
#include "support/Archivos.h"
#include "support/Respuesta.h"
#include "ui/Application.h"

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
    static int pasadas = 0;
    pasadas = 0;
    auto barra = [](HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (msg == PBM_SETPOS && wp > 0 && ++pasadas == 2) FProgreso->BitBtnCancelar.Click();
        return DefSubclassProc(w, msg, wp, lp);
    };
    SetWindowSubclass(FProgreso->Progreso.Handle(), barra, 1, 0);
    prueba::RespuestaAutomatica si(L"Confirmación", VK_RETURN);
    v().ImgOn.Click();
    RemoveWindowSubclass(FProgreso->Progreso.Handle(), barra, 1);
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
    auto barra = [](HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (msg == PBM_SETPOS && wp == 1) Form1->Close();
        return DefSubclassProc(w, msg, wp, lp);
    };
    SetWindowSubclass(FProgreso->Progreso.Handle(), barra, 1, 0);
    prueba::RespuestaAutomatica si(L"Confirmación", VK_RETURN);
    v().ImgOn.Click();
    RemoveWindowSubclass(FProgreso->Progreso.Handle(), barra, 1);
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

}  // namespace
