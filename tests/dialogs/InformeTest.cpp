// The report of what a run could not shred: its layout for short, wide and long lists within
// the area it is given, and the real dialog closed and scrolled with real keys and a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "dialogs/UInforme.h"
#include "support/Respuesta.h"
#include "ui/Application.h"

namespace {

using Lista = std::vector<std::wstring>;

const std::wstring kLarga =
    L"C:\\Documentos de trabajo\\Informes del departamento de contabilidad\\Resumen anual de cuentas y "
    L"balances del ejercicio pasado, versión revisada y definitiva.xls: en uso por otro programa";

Lista Muchas(int n) {
    Lista lineas;
    for (int i = 1; i <= n; ++i) lineas.push_back(L"C:\\datos\\archivo " + std::to_wstring(i) + L".txt: acceso denegado");
    return lineas;
}

RECT Pantalla() { return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

int AnchoTexto(const ui::ListBox& lista, const std::wstring& texto) {
    win::WindowDC dc(lista.Handle());
    win::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(lista.Handle(), WM_GETFONT, 0, 0)));
    SIZE s{};
    GetTextExtentPoint32W(dc.get(), texto.c_str(), static_cast<int>(texto.size()), &s);
    return s.cx;
}

int AltoFila(const TFInforme& d) {
    return static_cast<int>(SendMessageW(d.ListBoxLineas.Handle(), LB_GETITEMHEIGHT, 0, 0));
}

class Informe : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ui::App().Screen().SetCursor(100, LoadCursorW(ui::App().Instance(), L"APUNTANDO"));
    }
};

TEST_F(Informe, TheDialogFitsItsLinesWithinTheArea) {
    struct Caso {
        const char* que;
        Lista lineas;
        RECT area;
        bool desplaza;
    };
    const Caso casos[] = {
        {"two short lines", {L"C:\\a.txt: en uso por otro programa", L"C:\\b"}, Pantalla(), false},
        {"a line wider than the area", {kLarga, L"C:\\b.txt: no existe"}, RECT{0, 0, 520, 700}, false},
        {"more rows than the screen holds", Muchas(300), Pantalla(), true},
        {"a low area below a taskbar", Muchas(30), RECT{0, 40, 800, 340}, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.que);
        TFInforme d;
        d.DoCreate();
        d.Ajustar(c.lineas, c.area);
        const int alto = AltoFila(d), anchoArea = c.area.right - c.area.left, altoArea = c.area.bottom - c.area.top;
        EXPECT_EQ(d.Caption(), L"No se han podido triturar algunos datos:");
        EXPECT_EQ(d.lblCaption.Caption(), ui::App().Title());
        EXPECT_EQ(d.lblTexto.Caption(), L"\rNo se han podido triturar algunos datos:");

        // Every line is there, whole (a blank where a line breaks goes with the break), and no
        // row is wider than the list shows.
        const Lista filas = d.ListBoxLineas.Items();
        EXPECT_GE(filas.size(), c.lineas.size());
        auto sinBlancos = [](std::wstring s) { return std::erase(s, L' '), s; };
        EXPECT_EQ(sinBlancos(std::accumulate(filas.begin(), filas.end(), std::wstring())),
                  sinBlancos(std::accumulate(c.lineas.begin(), c.lineas.end(), std::wstring())));
        RECT cliente;
        GetClientRect(d.ListBoxLineas.Handle(), &cliente);
        for (const auto& fila : filas) EXPECT_LE(AnchoTexto(d.ListBoxLineas, fila), cliente.right) << "cut short";

        // Never past the area; rows that do not fit scroll, and then no further row would have fitted.
        EXPECT_LE(d.ClientWidth(), anchoArea);
        EXPECT_LE(d.ClientHeight(), altoArea);
        const int visibles = d.ListBoxLineas.Height() / alto;
        EXPECT_EQ(d.ListBoxLineas.Height(), visibles * alto);
        EXPECT_EQ(visibles < static_cast<int>(filas.size()), c.desplaza);
        if (c.desplaza) {
            EXPECT_GT(d.ClientHeight() + alto, altoArea);
        }

        // Heading, rows and button one under the other, all inside the frame; button and title centred.
        EXPECT_EQ(d.ListBoxLineas.Top(), d.lblTexto.Top() + d.lblTexto.Height());
        EXPECT_GT(d.PanelRespuesta.Top(), d.ListBoxLineas.Top() + d.ListBoxLineas.Height());
        EXPECT_LE(d.PanelRespuesta.Top() + d.PanelRespuesta.Height(), d.ClientHeight() - 5);
        EXPECT_LE(d.ListBoxLineas.Left() + d.ListBoxLineas.Width(), d.ClientWidth() - 5);
        EXPECT_EQ(d.PanelRespuesta.Left(), (d.ClientWidth() - d.PanelRespuesta.Width()) / 2);
        EXPECT_EQ(d.lblCaption.Left(), (d.ClientWidth() - d.lblCaption.Width()) / 2);
    }
}

// Shows the report of these lines and runs the steps in it; true once it has closed with
// every step run.
bool Mostrar(const std::vector<LineaInforme>& lineas, std::vector<std::function<void()>> pasos) {
    const size_t n = pasos.size();
    const size_t hechos = prueba::Conducir([&] { MostrarInforme(lineas); },
                                           [] { return FInforme ? FInforme->Handle() : HWND{}; }, std::move(pasos),
                                           [] { FInforme->ModalResult = ui::mrCancel; });
    ui::App().ProcessMessages();  // key releases left over
    EXPECT_EQ(FInforme, nullptr);
    return hechos == n;
}

TEST_F(Informe, EnterEscapeAndAClickOnAceptarCloseIt) {
    const std::vector<LineaInforme> lineas{{L"C:\\datos\\carta.doc", L"en uso por otro programa"},
                                           {L"C:\\datos\\sin motivo.txt", L""}};
    auto comoSeVe = [] {
        TFInforme& d = *FInforme;
        EXPECT_EQ(d.ListBoxLineas.Items(),
                  (Lista{L"C:\\datos\\carta.doc: en uso por otro programa", L"C:\\datos\\sin motivo.txt"}));
        EXPECT_EQ(GetFocus(), d.btnAceptar.Handle());
        EXPECT_TRUE(GetWindowLongPtrW(d.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        RECT r;
        GetWindowRect(d.Handle(), &r);
        EXPECT_EQ(r.right - r.left, d.ClientWidth()) << "no border";
        const RECT area = d.Area();
        EXPECT_EQ(r.left, area.left + (area.right - area.left - d.Width()) / 2);
        EXPECT_EQ(r.top, area.top + (area.bottom - area.top - d.Height()) / 2);
    };
    EXPECT_TRUE(Mostrar(lineas, {comoSeVe, [] { prueba::PulsarTeclas({VK_RETURN}); }}));
    EXPECT_TRUE(Mostrar(lineas, {[] { prueba::PulsarTeclas({VK_ESCAPE}); }}));
    EXPECT_TRUE(Mostrar(lineas, {[] { prueba::LlevarRatonA(FInforme->btnAceptar.Handle()); },
                                 [] {
                                     EXPECT_EQ(GetCursor(), ui::App().Screen().Cursor(100)) << "no hand";
                                     prueba::PulsarRaton();
                                 }}));
}

TEST_F(Informe, ALongReportStaysOnTheScreenAndScrollsToItsLastLine) {
    std::vector<LineaInforme> lineas;
    for (const auto& texto : Muchas(200)) lineas.push_back({texto.substr(0, texto.find(L": ")), L"acceso denegado"});
    auto dentro = [] {
        TFInforme& d = *FInforme;
        RECT r;
        GetWindowRect(d.Handle(), &r);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.bottom, GetSystemMetrics(SM_CYSCREEN));
        EXPECT_EQ(SendMessageW(d.ListBoxLineas.Handle(), LB_GETTOPINDEX, 0, 0), 0);
    };
    auto alFinal = [] {
        TFInforme& d = *FInforme;
        EXPECT_EQ(GetFocus(), d.ListBoxLineas.Handle()) << "Tab moves to the lines";
        const int visibles = d.ListBoxLineas.Height() / AltoFila(d);
        EXPECT_EQ(SendMessageW(d.ListBoxLineas.Handle(), LB_GETTOPINDEX, 0, 0), 200 - visibles) << "End shows the last";
    };
    // Under Wine the first key in a list box without a selection only selects the row that
    // has the focus; the second End goes to the last row. Enter still closes the report with
    // the focus on the lines.
    auto fin = [] { prueba::PulsarTeclas({VK_END}); };
    EXPECT_TRUE(Mostrar(lineas, {dentro, [] { prueba::PulsarTeclas({VK_TAB}); }, fin, fin, alFinal,
                                 [] { prueba::PulsarTeclas({VK_RETURN}); }}));
}

TEST_F(Informe, NothingLeftShowsNothing) {
    EXPECT_TRUE(Mostrar({}, {}));
    EXPECT_EQ(TextoLinea({L"C:\\a", L"no existe"}), L"C:\\a: no existe");
    EXPECT_EQ(TextoLinea({L"C:\\a", L""}), L"C:\\a");
}

}  // namespace
