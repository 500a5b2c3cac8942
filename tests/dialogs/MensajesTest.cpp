// The confirmation dialog, shown for real and answered with real keys and clicks.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "dialogs/Umensajes.h"
#include "support/Respuesta.h"
#include "ui/Application.h"

namespace {

using Paso = std::function<void(TFMensajes&)>;

// Asks, and runs one step per tick in the dialog once it is up.
int Preguntar(const std::wstring& texto, std::vector<Paso> pasos) {
    std::vector<std::function<void()>> enDialogo;
    for (const Paso& paso : pasos) enDialogo.push_back([paso] { paso(*FMensajes); });
    int respuesta = -1;
    const size_t hechos = prueba::Conducir([&] { respuesta = MostrarMensaje(texto); },
                                           [] { return FMensajes ? FMensajes->Handle() : HWND{}; }, enDialogo,
                                           [] { FMensajes->ModalResult = ui::mrCancel; });
    ui::App().ProcessMessages();  // key releases left over from the answer
    EXPECT_EQ(hechos, pasos.size()) << "the dialog closed before every step ran";
    return respuesta;
}

Paso Teclas(std::vector<WORD> teclas) {
    return [teclas](TFMensajes&) { prueba::PulsarTeclas(teclas); };
}

// Moves the mouse onto a button, sees the hand there, and clicks.
std::vector<Paso> ClicEn(ui::BitBtn TFMensajes::*boton) {
    return {[boton](TFMensajes& d) { prueba::LlevarRatonA((d.*boton).Handle()); },
            [](TFMensajes&) {
                EXPECT_EQ(GetCursor(), ui::App().Screen().Cursor(100)) << "no hand over the button";
                prueba::PulsarRaton();
            }};
}

const std::wstring kPregunta = L"¿Seguro?";

class Mensajes : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ui::App().Screen().SetCursor(100, LoadCursorW(ui::App().Instance(), L"APUNTANDO"));
    }
};

TEST_F(Mensajes, KeysAndClicksAnswer) {
    auto foco = [](TFMensajes& d) { EXPECT_EQ(GetFocus(), d.btnYes.Handle()) << "Sí has the focus"; };
    EXPECT_EQ(Preguntar(kPregunta, {foco, Teclas({VK_RETURN})}), 1);
    EXPECT_EQ(Preguntar(kPregunta, {Teclas({VK_ESCAPE})}), 0);
    EXPECT_EQ(Preguntar(kPregunta, {Teclas({VK_MENU, 'N'})}), 2);
    EXPECT_EQ(Preguntar(kPregunta, {Teclas({VK_MENU, 'S'})}), 1);
    EXPECT_EQ(Preguntar(kPregunta, {Teclas({VK_TAB}), Teclas({VK_RETURN})}), 2) << "Enter presses the focused No";
    EXPECT_EQ(Preguntar(kPregunta, ClicEn(&TFMensajes::btnYes)), 1);
    EXPECT_EQ(Preguntar(kPregunta, ClicEn(&TFMensajes::btnNo)), 2);
    EXPECT_EQ(Preguntar(kPregunta, ClicEn(&TFMensajes::btnCancel)), 0);
}

TEST_F(Mensajes, EveryCallHasAWindowOfItsOwn) {
    TFMensajes inicial;  // as made at start-up: never shown
    FMensajes = &inicial;
    ui::Form otra;
    otra.Show();
    HWND primera = nullptr;
    EXPECT_EQ(Preguntar(kPregunta, {[&](TFMensajes& d) {
                                        primera = d.Handle();
                                        EXPECT_NE(&d, &inicial);
                                        EXPECT_FALSE(IsWindowEnabled(otra.Handle())) << "the rest waits";
                                    },
                                    Teclas({VK_MENU, 'N'})}),
              2);
    EXPECT_FALSE(IsWindow(primera)) << "freed before the answer comes back";
    EXPECT_EQ(FMensajes, &inicial);
    EXPECT_TRUE(IsWindowEnabled(otra.Handle()));
    // The second one starts from Tag 0: closed without a button it answers 0, not the No before.
    EXPECT_EQ(Preguntar(kPregunta, {[&](TFMensajes& d) {
                  EXPECT_NE(d.Handle(), primera);
                  EXPECT_EQ(d.Tag, 0);
                  PostMessageW(d.Handle(), WM_CLOSE, 0, 0);
              }}),
              0);
    EXPECT_EQ(FMensajes, &inicial);
    EXPECT_FALSE(IsWindowVisible(inicial.Handle()));
    FMensajes = nullptr;
}

// ---- layout ------------------------------------------------------------------------------

int AnchoEnMemo(const TFMensajes& d, const std::wstring& texto) {
    win::WindowDC dc(d.Memo.Handle());
    win::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(d.Memo.Handle(), WM_GETFONT, 0, 0)));
    SIZE s{};
    GetTextExtentPoint32W(dc.get(), texto.c_str(), static_cast<int>(texto.size()), &s);
    return s.cx;
}

struct Medida {
    int ancho = 0, alto = 0, area = 0, top = 0, altoLinea = 0;
    std::vector<std::wstring> lineas;  // the label's lines after its empty first one
    std::vector<int> anchoConMas;      // each line with the start of the next one added
};

// Reads the dialog as shown and checks it against the rules of its layout. What the next
// line starts with is its first character, or with palabras its first word and blanks.
Paso Medir(Medida& m, bool palabras = false) {
    return [&m, palabras](TFMensajes& d) {
        m.ancho = d.ClientWidth();
        m.alto = d.ClientHeight();
        RECT r{};
        SendMessageW(d.Memo.Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
        m.area = r.right - r.left;
        const std::wstring& texto = d.lblTexto.Caption();
        ASSERT_EQ(texto.substr(0, 1), L"\r") << "the label begins with an empty line";
        for (size_t i = 1;;) {
            const size_t fin = texto.find(L'\r', i);
            m.lineas.push_back(texto.substr(i, fin - i));
            if (fin == std::wstring::npos) break;
            i = fin + 1;
        }
        for (size_t i = 0; i + 1 < m.lineas.size(); ++i) {
            const std::wstring& sig = m.lineas[i + 1];
            // With palabras: the next line's first word, after a blank when this line ends
            // without one (its blank was dropped at the break).
            const std::wstring& esta = m.lineas[i];
            const std::wstring mas = !palabras ? sig.substr(0, 1)
                                     : (esta.empty() || esta.back() != L' ' ? L" " : L"") + sig.substr(0, sig.find(L' '));
            m.anchoConMas.push_back(AnchoEnMemo(d, esta + mas));
        }
        GetWindowRect(d.Handle(), &r);
        m.top = r.top;

        EXPECT_EQ(r.right - r.left, m.ancho) << "no border";
        EXPECT_EQ(r.bottom - r.top, m.alto) << "no title bar";
        EXPECT_TRUE(GetWindowLongPtrW(d.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(d.Caption(), L"Confirmación");
        EXPECT_EQ(d.lblCaption.Caption(), L"Confirmación");
        EXPECT_EQ(d.Imagen.Picture().Width(), 39);
        m.altoLinea = ui::MeasureText(L"X", d.Memo.Font()).cy;
        EXPECT_EQ(d.lblTexto.Height(), static_cast<int>(m.lineas.size() + 1) * m.altoLinea);
        EXPECT_EQ(m.ancho, std::max(d.lblTexto.Width(), 313) + 2 * 5 + 2 * 68);
        EXPECT_EQ(d.PanelRespuesta.Top(), 36 + d.lblTexto.Height() + 37);
        EXPECT_EQ(d.PanelRespuesta.Left(), (m.ancho - 313) / 2);
        EXPECT_EQ(m.alto, d.PanelRespuesta.Top() + 37 + 2 * 5 + 36);
        EXPECT_EQ(d.lblCaption.Left(), (m.ancho - d.lblCaption.Width()) / 2);
        EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - m.ancho) / 2);
        EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - m.alto) / 2);
        for (const auto& linea : m.lineas) EXPECT_LE(AnchoEnMemo(d, linea), m.area) << "too wide";
    };
}

TEST_F(Mensajes, TheSizeFollowsTheText) {
    Medida corta, tres;
    EXPECT_EQ(Preguntar(kPregunta, {Medir(corta), Teclas({VK_ESCAPE})}), 0);
    EXPECT_EQ(corta.ancho, 459);
    EXPECT_EQ(corta.lineas, std::vector<std::wstring>{kPregunta});
    Preguntar(L"uno\r\n\r\ntres", {Medir(tres), Teclas({VK_ESCAPE})});
    EXPECT_EQ(tres.lineas, (std::vector<std::wstring>{L"uno", L"", L"tres"}));
    EXPECT_EQ(tres.alto - corta.alto, 2 * corta.altoLinea) << "one display line, one label line";
}

// A path too wide for the memo: its lines follow the path (only the blanks at a break that
// did not fit are left out), and none could have taken the start of the next one.
void ComprobarCortes(const std::wstring& ruta, bool palabras) {
    Medida m;
    Preguntar(ruta + L"\r\n¿Está seguro?", {Medir(m, palabras), Teclas({VK_ESCAPE})});
    ASSERT_GE(m.lineas.size(), 3u) << "split over two or more lines";
    size_t pos = 0;
    for (size_t i = 0; i + 1 < m.lineas.size(); ++i) {
        const std::wstring& linea = m.lineas[i];
        EXPECT_EQ(ruta.substr(pos, linea.size()), linea) << "line " << i;
        pos += linea.size();
        if (i + 2 < m.lineas.size()) {
            EXPECT_GT(m.anchoConMas[i], m.area) << "line " << i << " could have taken more";
            if (palabras && linea.back() != L' ') {
                EXPECT_EQ(ruta[pos], L' ') << "line " << i << " ends inside a word";
                while (pos < ruta.size() && ruta[pos] == L' ') ++pos;
            }
        }
    }
    EXPECT_EQ(pos, ruta.size());
}

TEST_F(Mensajes, ALongPathBreaksAtWordsOrAtTheLastCharacterThatFits) {
    ComprobarCortes(L"C:\\Documentos de trabajo\\Informes del departamento de contabilidad\\Resumen anual de "
                    L"cuentas y balances del ejercicio pasado, versión revisada y definitiva.xls",
                    true);
    ComprobarCortes(L"C:\\Documentos\\proyectos\\cliente_importante\\documentacion_tecnica_definitiva\\"
                    L"memoria_de_requisitos_version_final_revisada_y_aprobada_por_la_direccion.pdf",
                    false);
}

TEST_F(Mensajes, ATextTallerThanTheScreenIsStillCentred) {
    std::wstring texto;
    for (int i = 1; i <= 150; ++i) texto += L"línea " + std::to_wstring(i) + L"\r\n";
    Medida m;
    EXPECT_EQ(Preguntar(texto + L"¿Está seguro?", {Medir(m), Teclas({VK_RETURN})}), 1);
    EXPECT_EQ(m.lineas.size(), 151u);
    EXPECT_LT(m.top, 0);
}

}  // namespace
