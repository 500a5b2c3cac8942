#pragma once
// The options dialog. Its controls are the one live copy of the shredding settings: it loads
// them from the current user's registry, lets the user edit them, and saves them back. It
// also carries the two system switches: the Explorer context-menu entries and the clearing
// of the page file at shutdown.
#include <array>
#include <string>

#include "engine/ShredOptions.h"
#include "ui/Bevel.h"
#include "ui/CheckBox.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/RadioGroup.h"

class TFOpciones : public ui::Form {
public:
    TFOpciones();
    ~TFOpciones() override;

    ui::PaintBox PaintBox1{this};
    ui::Label Label2{this};
    ui::Label Label1{this};
    ui::Panel Panel1{this};
    ui::CheckBox CBContextualExplorer{&Panel1};
    ui::CheckBox CBClearPageFile{&Panel1};
    ui::Panel PanelBorradoRapido{this};
    ui::CheckBox CBBorradoRapido{&PanelBorradoRapido};
    ui::Panel PanelOpciones{this};
    ui::CheckBox CBMetodo1{&PanelOpciones};
    ui::CheckBox CBMetodo2{&PanelOpciones};
    ui::CheckBox CBMetodo3{&PanelOpciones};
    ui::CheckBox CBMetodo4{&PanelOpciones};
    ui::CheckBox CBMetodo5{&PanelOpciones};
    ui::Bevel Bevel2{&PanelOpciones};
    ui::CheckBox CBTruncar{&PanelOpciones};
    ui::CheckBox CBRenombrar{&PanelOpciones};
    ui::CheckBox CBCAmbiarFecha{&PanelOpciones};
    ui::CheckBox CBBorrar{&PanelOpciones};
    ui::RadioGroup RG_NPasadas{this};
    ui::BitBtn BitBtnCancelar{this};
    ui::BitBtn BitBtnAceptar{this};
    ui::Bitmap marmol{L"MARMOL_OPCIONES"};

    // Loads the settings and the two system switches into the controls, then recounts
    // NMetodos. A registry error stops it where it arose.
    void LeerOpciones();
    // Saves the controls, applies the two system switches, then recounts NMetodos. A registry
    // error stops it where it arose.
    void GuardarOpciones();

    // The settings as the controls hold them now.
    ShredOptions Opciones() const;
    // The text of the selected pass-count entry; empty with none selected.
    std::wstring TextoPasadas() const;

    void FormCreate();
    void BitBtnAceptarClick();
    void BitBtnCancelarClick();
    // CBMetodo2Click to CBMetodo5Click: the dependency rule of method box `metodo`.
    void CBMetodoClick(int metodo);
    void CBBorradoRapidoClick();
    void PaintBox1Paint(ui::Canvas& canvas);

private:
    // The method boxes, CBMetodo1 first.
    std::array<ui::CheckBox*, 5> Metodos();
    int MetodosMarcados();
};

extern TFOpciones* FOpciones;
