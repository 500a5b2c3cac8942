#include "app/Unit1.h"

#include <algorithm>
#include <utility>

#include "base/Rutas.h"
#include "dialogs/Creditos.h"
#include "dialogs/FrmAcerca.h"
#include "dialogs/UVisitanos.h"
#include "dialogs/Umensajes.h"
#include "engine/ShredOptions.h"
#include "engine/Trituracion.h"
#include "engine/UProgreso.h"
#include "settings/UOpciones.h"
#include "ui/Application.h"
#include "ui/Drag.h"

using namespace ui;

TForm1* Form1 = nullptr;

TForm1::TForm1() {
    Caption(L"Trituradora de documentos");
    Border(BorderStyle::Single, biSystemMenu | biMinimize);
    ClientSize(672, 457);
    Color(colors::Silver);
    Position(FormPosition::ScreenCenter);

    PageControl1.Bounds(8, 8, 657, 441);
    PanelElegir.AlignClient().BevelOuter(BevelKind::None);
    PaintBox1.AlignClient();
    PaintBox1.OnPaint = [this](Canvas& c) { PaintBox1Paint(c); };

    const std::wstring titulo = L"Arrastre los archivos/carpetas que desee eliminar a la trituradora de documentos:";
    Label1.Bounds(16, 16).Font({L"MS Sans Serif", 13, Bold | Underline, colors::Yellow}).Caption(titulo);
    Label6.Bounds(17, 17).Font({L"MS Sans Serif", 13, Bold | Underline, colors::Blue}).Caption(titulo);
    PanelArbol.Bounds(16, 40, 257, 353);
    BitBtnRefrescar.Bounds(16, 392, 257, 22).Caption(L"Refrescar arbol").Glyph(L"REFRESCAR");
    Panel2.Bounds(288, 40, 289, 201).BevelInner(BevelKind::Lowered).BorderWidth(2);
    Trituradora.AlignClient().Stretch(true).Picture(L"TRITURADORA").Hint(L"Trituradora de documentos");
    ImgOn.Bounds(588, 40, 53, 53).Picture(L"IMGON").Hint(L"Pulse para arrancar la trituradora");

    Panel1.Bounds(288, 328, 337, 65).BevelInner(BevelKind::Lowered).Color(colors::White);
    Label5.Bounds(14, 6).Font({L"Arial", 32, Regular, colors::Red}).Caption(L"Trituradora");
    Label4.Bounds(16, 8).Font({L"Arial", 32, Regular, colors::Black}).Caption(L"Trituradora");
    LabelCreditos2.Bounds(184, 20).Font({L"MS Sans Serif", 11, Bold, colors::Yellow}).Caption(kCreditos);
    LabelCreditos.Bounds(185, 21).Font({L"MS Sans Serif", 11, Bold, colors::Navy}).Caption(kCreditos);
    LabelWeb.Bounds(184, 48).Font({L"MS Sans Serif", 11, Regular, colors::Blue}).Caption(kWeb);

    PanelControl.Bounds(288, 248, 337, 73).BevelInner(BevelKind::Lowered).Color(colors::White);
    Label2.Bounds(8, 8).Font({L"MS Sans Serif", 11, Regular, colors::Navy}).Caption(L"Nº de Documentos a triturar:");
    // The count follows the caption at 144, or just after it where the font runs wider.
    LabelNElementos.Bounds(std::max(144, Label2.Left() + Label2.Width() + 2), 8)
        .Font({L"MS Sans Serif", 11, Bold, colors::Red})
        .Caption(L"0");
    Label3.Bounds(216, 15).Caption(L"Panel de control");
    imgAcerca.Bounds(184, 8, 142, 27).Picture(L"ACERCA");
    imgOpciones.Bounds(16, 24, 158, 33).Picture(L"OPCIONES").Hint(L"Opciones de triturado");
    imgVerDocs.Bounds(208, 40, 100, 30).Picture(L"VERDOCS").Hint(L"Ver los docs. de la trituradora");
    BitBtnVerDocs.Bounds(248, 40, 81, 25).Caption(L"Ver docs >>>").Glyph(L"VERDOCSGLYPH").Visible(false)
        .Hint(L"Ver los documentos de la trituradora");
    LabelResultado.AutoSize(false).WordWrap(true).Bounds(8, 56, 201, 17);
    ListBoxTriturar.Bounds(8, 72, 233, 65).Flat(true).Font({L"MS Sans Serif", 11, Regular, colors::Navy})
        .Hint(L"Documentos de la trituradora").Visible(false);
    BitBtnSacarDeTrituradora.Bounds(248, 112, 81, 25).Caption(L">>> Sacar").Glyph(L"SACAR")
        .Hint(L"Sacar doc. seleccionado").Visible(false);
    PanelControl.BringToFront();  // expanded, it lies over the title panel

    icosWXP.Add(Bitmap(L"ICOSWXP"));
    mnuOpciones = &MainMenu1.Add(L"Opciones", false);
    mnuOpciones->OnClick = [this] { mnuOpcionesClick(); };

    Trituradora.OnDragOver = [this](Control& source, int, int, bool& accept) { TrituradoraDragOver(source, accept); };
    Trituradora.OnDragDrop = [this](Control& source, int, int) { TrituradoraDragDrop(source); };
    ImgOn.OnClick = [this] { BitBtnTriturarClick(); };
    BitBtnSacarDeTrituradora.OnClick = [this] { BitBtnSacarDeTrituradoraClick(); };
    imgVerDocs.OnClick = [this] { BitBtnVerDocsClick(); };
    BitBtnVerDocs.OnClick = [this] { BitBtnVerDocsClick(); };
    LabelWeb.OnClick = [this] { LabelWebClick(); };
    imgOpciones.OnClick = [this] { mnuOpcionesClick(); };
    imgAcerca.OnClick = [this] { imgAcercaClick(); };
    BitBtnRefrescar.OnClick = [this] { BitBtnRefrescarClick(); };
    OnCreate = [this] { FormCreate(); };
    OnClose = [this](CloseAction& action) { FormClose(action); };
}

void TForm1::FormCreate() {
    App().ShowTaskbarEntry(true);
    App().Screen().SetCursor(100, LoadCursorW(App().Instance(), L"APUNTANDO"));
    for (Control* c : std::initializer_list<Control*>{&ImgOn, &BitBtnVerDocs, &LabelWeb, &imgAcerca, &imgOpciones,
                                                      &imgVerDocs, &BitBtnRefrescar})
        c->SetCursor(100);
    VelHint1 = std::make_unique<TVelHint>(this);
    ListaTriturar.clear();
    ArbolDirectorios1 = std::make_unique<TArbolDirectorios>(&PanelArbol);
    ArbolDirectorios1->Name = L"ArbolDirectorios1";
    ArbolDirectorios1->SetImages(&icosWXP);
    ArbolDirectorios1->OnChange = [](ui::TreeNode) {};
    ArbolDirectorios1->AlignClient();
    ArbolDirectorios1->SetCarpetaRaiz(kMiPC);
    ArbolDirectorios1->SetDragMode(DragMode::Automatic);
}

void TForm1::FormClose(CloseAction& action) {
    // Closed during a run (from the taskbar): that is a press of Cancelar, and the program
    // closes once the run has stopped at its next pass boundary.
    if (FProgreso && FProgreso->Visible()) {
        FProgreso->BitBtnCancelarClick();
        cerrarTrasTriturar_ = true;
        action = CloseAction::None;
        return;
    }
    Hide();
    App().ShowTaskbarEntry(false);
    if (FVisitanos) FVisitanos->ShowModal();  // not yet there while the command-line route runs
}

void TForm1::PaintBox1Paint(Canvas& canvas) { canvas.Tile(marmol, PaintBox1.Width(), PaintBox1.Height()); }

void TForm1::TrituradoraDragOver(Control& source, bool& accept) {
    auto* arbol = dynamic_cast<TArbolDirectorios*>(&source);
    accept = source.Name == L"ArbolDirectorios1" && arbol && !arbol->CarpetaActual().empty();
}

void TForm1::TrituradoraDragDrop(Control& /*source*/) {
    const std::wstring ruta = ArbolDirectorios1->CarpetaActual();
    if (ruta.empty()) return;
    if (std::any_of(ListaTriturar.begin(), ListaTriturar.end(),
                    [&](const std::wstring& r) { return MismaRuta(r, ruta); }))
        return;
    ListaTriturar.push_back(ruta);
    MostrarLista();
}

void TForm1::MostrarLista() {
    LabelNElementos.Caption(std::to_wstring(ListaTriturar.size()));
    ListBoxTriturar.Items(ListaTriturar);
}

void TForm1::BitBtnTriturarClick() {
    if (ListaTriturar.empty()) {
        MessageBoxW(Handle(), L"La trituradora está vacía.", App().Title().c_str(), MB_OK);
        return;
    }
    if (MostrarMensaje(TextoConfirmacion(ListaTriturar)) != 1) return;
    Hide();
    FProgreso->Show();
    const int pasadas = PasadasSeleccionadas();
    const bool todo = TriturarLista(*FProgreso, ListaTriturar, pasadas);
    MostrarLista();
    ArbolDirectorios1->Refrescar();
    if (FProgreso->Tag == 1)
        LabelResultado.Caption(L"Cancelado por usuario");
    else if (todo)
        LabelResultado.Caption(L" Todo correcto, se ha triturado todo.");
    else
        LabelResultado.Caption(L" No se han podido triturar algunos datos.");
    FProgreso->Hide();
    if (std::exchange(cerrarTrasTriturar_, false)) {
        Close();
        return;
    }
    Show();
}

void TForm1::BitBtnSacarDeTrituradoraClick() {
    const int indice = ListBoxTriturar.ItemIndex();
    if (indice < 0 || indice >= static_cast<int>(ListaTriturar.size())) return;
    ListaTriturar.erase(ListaTriturar.begin() + indice);
    MostrarLista();
}

void TForm1::BitBtnVerDocsClick() {
    const bool expandir = PanelControl.Height() == 73;
    PanelControl.Bounds(PanelControl.Left(), PanelControl.Top(), PanelControl.Width(), expandir ? 145 : 73);
    BitBtnVerDocs.Caption(expandir ? L"<<< Ocultar" : L">>> Ver Docs");
    ListBoxTriturar.Visible(expandir);
    BitBtnSacarDeTrituradora.Visible(expandir);
}

void TForm1::LabelWebClick() {
    AbrirEnNavegador(LabelWeb.Caption());
    ui::Font web = LabelWeb.Font();
    web.Color = colors::Red;
    LabelWeb.Font(web);
}

void TForm1::mnuOpcionesClick() { FOpciones->ShowModal(); }

void TForm1::imgAcercaClick() { FAcerca->ShowModal(); }

void TForm1::BitBtnRefrescarClick() { ArbolDirectorios1->Refrescar(); }
