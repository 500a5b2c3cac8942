#include "settings/UOpciones.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "base/Numeros.h"
#include "base/Registro.h"
#include "settings/ArchivoPaginacion.h"
#include "settings/MenuContextual.h"
#include "ui/Application.h"
#include "ui/TabOrder.h"

using namespace ui;

TFOpciones* FOpciones = nullptr;

namespace {

// Where the settings are stored: HKEY_CURRENT_USER\Trituradora\Opciones, every value a text.
const wchar_t kClave[] = L"Trituradora";
const wchar_t kSeccion[] = L"Opciones";
const wchar_t* const kMetodos[] = {L"Usar Método nº1", L"Usar Método nº2", L"Usar Método nº3",
                                   L"Usar Método nº4", L"Usar Método nº5"};
const wchar_t kTruncar[] = L"Truncar el archivo";
const wchar_t kRenombrar[] = L"Cambiar el nombre";
const wchar_t kCambiarFecha[] = L"Cambiar la fecha";
const wchar_t kBorrar[] = L"Borrar";
const wchar_t kNPasadas[] = L"Nº de pasadas";
const wchar_t kUltraRapido[] = L"UltraRapido";

// A value of the section read as a number; porDefecto when the section or the value is
// missing or the text is no number.
int LeerNumero(const ClaveRegistro& clave, const wchar_t* nombre, int porDefecto) {
    const ClaveRegistro seccion = ClaveRegistro::Abrir(clave.Handle(), kSeccion);
    const std::optional<std::wstring> texto = seccion ? seccion.LeerTexto(nombre) : std::nullopt;
    return texto ? NumeroDeTexto(*texto, porDefecto) : porDefecto;
}
bool LeerBandera(const ClaveRegistro& clave, const wchar_t* nombre, bool porDefecto) {
    return LeerNumero(clave, nombre, porDefecto ? 1 : 0) != 0;
}

// Each write creates the section if it is missing.
void EscribirNumero(const ClaveRegistro& clave, const wchar_t* nombre, int numero) {
    ClaveRegistro::Crear(clave.Handle(), kSeccion).EscribirTexto(nombre, std::to_wstring(numero));
}
void EscribirBandera(const ClaveRegistro& clave, const wchar_t* nombre, bool activada) {
    EscribirNumero(clave, nombre, activada ? 1 : 0);
}

}  // namespace

TFOpciones::TFOpciones() {
    Caption(L"Opciones de Trituradora");
    Border(BorderStyle::Dialog, 0);  // a caption bar only
    ClientSize(345, 564);
    Position(FormPosition::ScreenCenter);

    const ui::Font texto{L"MS Sans Serif", 11, Regular, colors::Navy};
    SetFont(texto);
    PaintBox1.AlignClient();
    PaintBox1.OnPaint = [this](Canvas& c) { PaintBox1Paint(c); };
    Label2.AutoSize(false).Bounds(43, 7, 245, 23).Font({L"Arial", 19, Bold | Italic, colors::Yellow})
        .Caption(L"Opciones de la trituradora");
    Label1.AutoSize(false).Bounds(44, 8, 245, 23).Font({L"Arial", 19, Bold | Italic, colors::Navy})
        .Caption(L"Opciones de la trituradora");

    Panel1.Bounds(45, 40, 255, 57).Color(colors::White).BevelInner(BevelKind::Lowered);
    CBContextualExplorer.Bounds(16, 8, 225, 17).Caption(L"Instalar en menú contextual del Explorador");
    CBClearPageFile.Bounds(16, 32, 233, 17).Caption(L"Borrar archivo de pag. al salir de Windows");

    PanelBorradoRapido.Bounds(45, 96, 255, 41).Color(colors::White).BevelInner(BevelKind::Lowered);
    CBBorradoRapido.Bounds(16, 8, 233, 25).Caption(L"Usar triturado ultra rápido (es menos seguro)");

    PanelOpciones.Bounds(45, 136, 255, 305).Color(colors::White).BevelInner(BevelKind::Lowered);
    CBMetodo1.Bounds(16, 8, 225, 17).Caption(L"Usar Método de triturado nº 1 (obligatorio)").Enabled(false);
    const auto metodos = Metodos();
    for (int k = 2; k <= 5; ++k)  // at 32, 64, 96 and 128
        metodos[k - 1]->Bounds(16, 32 * (k - 1), 209, 25)
            .Caption(L"Añadir Método de triturado nº " + std::to_wstring(k));
    Bevel2.Bounds(0, 160, 255, 9);
    CBTruncar.Bounds(16, 176, 209, 25).Caption(L"Truncar el tamaño del archivo a \"0\"");
    CBRenombrar.Bounds(16, 208, 209, 25).Caption(L"Cambiar el nombre del archivo");
    CBCAmbiarFecha.Bounds(16, 240, 209, 25).Caption(L"Cambiar la fecha del archivo");
    CBBorrar.Bounds(16, 272, 209, 25).Caption(L"Borrar el archivo/carpeta");

    RG_NPasadas.Bounds(45, 441, 255, 49).Color(colors::White).Caption(L"Nº de veces que pasamos la trituradora")
        .Columns(5).Items(std::vector<std::wstring>(std::begin(kEntradasPasadas), std::end(kEntradasPasadas)));

    const ui::Font botones{L"MS Sans Serif", 16, Regular, colors::Navy};
    BitBtnCancelar.Bounds(40, 512, 113, 33).Font(botones).Caption(L"Cancelar").Glyph(L"CANCELAR")
        .Cancel(true).ModalResult(mrCancel);
    BitBtnAceptar.Bounds(192, 512, 113, 33).Font(botones).Caption(L"Aceptar").Glyph(L"ACEPTAR_OPCIONES")
        .Default(true).ModalResult(mrOk);

    SetTabOrder({&PanelOpciones, &RG_NPasadas, &BitBtnAceptar, &BitBtnCancelar, &PanelBorradoRapido, &Panel1});

    // Every box in the table's font, the method and finishing boxes flat like their panel.
    for (CheckBox* box : {&CBContextualExplorer, &CBClearPageFile, &CBBorradoRapido}) box->Font(texto);
    for (CheckBox* box : {&CBMetodo1, &CBMetodo2, &CBMetodo3, &CBMetodo4, &CBMetodo5, &CBTruncar, &CBRenombrar,
                          &CBCAmbiarFecha, &CBBorrar})
        box->Font(texto).Flat(true);
    RG_NPasadas.Font(texto);

    // Until the first load the boxes hold the settings used when nothing is stored.
    CBMetodo1.Checked(true);
    for (CheckBox* box : {&CBTruncar, &CBRenombrar, &CBCAmbiarFecha, &CBBorrar}) box->Checked(true);
    RG_NPasadas.ItemIndex(1);

    for (int k = 2; k <= 5; ++k) metodos[k - 1]->OnClick = [this, k] { CBMetodoClick(k); };
    CBBorradoRapido.OnClick = [this] { CBBorradoRapidoClick(); };
    BitBtnAceptar.OnClick = [this] { BitBtnAceptarClick(); };
    BitBtnCancelar.OnClick = [this] { BitBtnCancelarClick(); };
    OnCreate = [this] { FormCreate(); };

    // The engine reads its settings from these controls, anew each time.
    FijarFuenteOpciones([this] { return Opciones(); }, [this] { return TextoPasadas(); });
}

TFOpciones::~TFOpciones() { FijarFuenteOpciones({}); }

std::array<CheckBox*, 5> TFOpciones::Metodos() { return {&CBMetodo1, &CBMetodo2, &CBMetodo3, &CBMetodo4, &CBMetodo5}; }

int TFOpciones::MetodosMarcados() {
    const auto metodos = Metodos();
    return static_cast<int>(std::count_if(metodos.begin(), metodos.end(), [](CheckBox* b) { return b->Checked(); }));
}

ShredOptions TFOpciones::Opciones() const {
    ShredOptions o;
    o.Metodo1 = CBMetodo1.Checked();
    o.Metodo2 = CBMetodo2.Checked();
    o.Metodo3 = CBMetodo3.Checked();
    o.Metodo4 = CBMetodo4.Checked();
    o.Metodo5 = CBMetodo5.Checked();
    o.NPasadas = RG_NPasadas.ItemIndex();
    o.UltraRapido = CBBorradoRapido.Checked();
    o.Truncar = CBTruncar.Checked();
    o.Renombrar = CBRenombrar.Checked();
    o.CambiarFecha = CBCAmbiarFecha.Checked();
    o.Borrar = CBBorrar.Checked();
    return o;
}

std::wstring TFOpciones::TextoPasadas() const {
    const int indice = RG_NPasadas.ItemIndex();
    return indice < 0 ? std::wstring() : RG_NPasadas.Items()[static_cast<size_t>(indice)];
}

void TFOpciones::LeerOpciones() {
    {
        const ClaveRegistro clave = ClaveRegistro::Crear(HKEY_CURRENT_USER, kClave);
        // Each value is set as soon as it is read, so the boxes' rules run in this order.
        // Method 1 is obligatory: even a "0" stored by hand leaves it on, so a run always has
        // a method.
        LeerBandera(clave, kMetodos[0], true);
        CBMetodo1.Checked(true);
        const auto metodos = Metodos();
        for (int k = 2; k <= 5; ++k) metodos[k - 1]->Checked(LeerBandera(clave, kMetodos[k - 1], NMetodos >= k));
        CBTruncar.Checked(LeerBandera(clave, kTruncar, true));
        CBRenombrar.Checked(LeerBandera(clave, kRenombrar, true));
        CBCAmbiarFecha.Checked(LeerBandera(clave, kCambiarFecha, true));
        CBBorrar.Checked(LeerBandera(clave, kBorrar, true));
        RG_NPasadas.ItemIndex(std::clamp(LeerNumero(clave, kNPasadas, 1), -1, 4));
        CBBorradoRapido.Checked(LeerBandera(clave, kUltraRapido, false));
    }
    CBContextualExplorer.Checked(MenuContextualInstalado());
    bool borrarPaginacion = false;
    if (LeerClearPageFile(borrarPaginacion)) {
        CBClearPageFile.Checked(borrarPaginacion);
    } else {  // hidden for good: nothing ever shows it again
        CBClearPageFile.Visible(false);
        CBClearPageFile.Checked(false);
    }
    NMetodos = MetodosMarcados();
}

void TFOpciones::GuardarOpciones() {
    {
        const ClaveRegistro clave = ClaveRegistro::Crear(HKEY_CURRENT_USER, kClave);
        // Every value on every save, hidden boxes too.
        const auto metodos = Metodos();
        for (int k = 1; k <= 5; ++k) EscribirBandera(clave, kMetodos[k - 1], metodos[k - 1]->Checked());
        EscribirBandera(clave, kTruncar, CBTruncar.Checked());
        EscribirBandera(clave, kRenombrar, CBRenombrar.Checked());
        EscribirBandera(clave, kCambiarFecha, CBCAmbiarFecha.Checked());
        EscribirBandera(clave, kBorrar, CBBorrar.Checked());
        EscribirNumero(clave, kNPasadas, RG_NPasadas.ItemIndex());
        EscribirBandera(clave, kUltraRapido, CBBorradoRapido.Checked());
    }
    if (CBContextualExplorer.Checked())
        InstalarMenuContextual();
    else
        DesinstalarMenuContextual();
    if (!EscribirClearPageFile(CBClearPageFile.Checked())) CBClearPageFile.Visible(false);
    NMetodos = MetodosMarcados();
}

void TFOpciones::FormCreate() {
    try {
        LeerOpciones();
    } catch (const std::exception& error) {  // stops the load, not the creation
        App().ShowException(error);
    }
    BitBtnAceptar.Cursor(100);
    BitBtnCancelar.Cursor(100);
}

void TFOpciones::BitBtnAceptarClick() { GuardarOpciones(); }

// The edits are dropped by loading again what is stored.
void TFOpciones::BitBtnCancelarClick() { LeerOpciones(); }

// The methods in use stay an unbroken run from method 1: a ticked method ticks those before
// it, a cleared one clears those after it. Each change runs the rule of the box it changed.
void TFOpciones::CBMetodoClick(int metodo) {
    const auto metodos = Metodos();
    if (metodos[metodo - 1]->Checked()) {
        for (int k = 1; k < metodo; ++k) metodos[k - 1]->Checked(true);
    } else {
        for (int k = metodo + 1; k <= 5; ++k) metodos[k - 1]->Checked(false);
    }
}

// Ultra-fast shredding does no overwriting, so the methods, the finishing steps and the pass
// count are put out of sight (their states are kept, saved and loaded all the same).
void TFOpciones::CBBorradoRapidoClick() {
    const bool visibles = !CBBorradoRapido.Checked();
    PanelOpciones.Visible(visibles);
    RG_NPasadas.Visible(visibles);
}

void TFOpciones::PaintBox1Paint(Canvas& canvas) { canvas.Tile(marmol, PaintBox1.Width(), PaintBox1.Height()); }
