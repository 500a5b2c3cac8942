#pragma once
// The main window: the folder tree on the left, the shredder picture that takes what is
// dragged from it, the control panel with the pending list, and the title panel.
#include <memory>
#include <string>
#include <vector>

#include "controls/ArbolDirectorios.h"
#include "controls/Velhint.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/ListBox.h"
#include "ui/Menu.h"
#include "ui/PageControl.h"

class TForm1 : public ui::Form {
public:
    TForm1();

    ui::PageControl PageControl1{this};
    ui::TabSheet TabSheet1{&PageControl1, L"Elegir archivos/carpetas a triturar"};
    ui::Panel PanelElegir{&TabSheet1};
    ui::PaintBox PaintBox1{&PanelElegir};
    ui::Bitmap marmol{L"MARMOL"};
    ui::Label Label1{&PanelElegir};
    ui::Label Label6{&PanelElegir};
    ui::Panel PanelArbol{&PanelElegir};
    ui::BitBtn BitBtnRefrescar{&PanelElegir};
    ui::Panel Panel2{&PanelElegir};
    ui::Image Trituradora{&Panel2};
    ui::Image ImgOn{&PanelElegir};
    ui::Panel Panel1{&PanelElegir};
    ui::Label Label5{&Panel1};
    ui::Label Label4{&Panel1};
    ui::Label LabelCreditos2{&Panel1};
    ui::Label LabelCreditos{&Panel1};
    ui::Label LabelWeb{&Panel1};
    ui::Panel PanelControl{&PanelElegir};
    ui::Label Label2{&PanelControl};
    ui::Label LabelNElementos{&PanelControl};
    ui::Label Label3{&PanelControl};
    ui::Image imgAcerca{&PanelControl};
    ui::Image imgOpciones{&PanelControl};
    ui::Image imgVerDocs{&PanelControl};
    ui::BitBtn BitBtnVerDocs{&PanelControl};
    ui::Label LabelResultado{&PanelControl};
    ui::ListBox ListBoxTriturar{&PanelControl};
    ui::BitBtn BitBtnSacarDeTrituradora{&PanelControl};
    ui::ImageList icosWXP{16, 16};
    ui::MainMenu MainMenu1{*this};
    ui::MenuItem* mnuOpciones = nullptr;

    // Created at start and owned by the window.
    std::unique_ptr<TVelHint> VelHint1;
    std::vector<std::wstring> ListaTriturar;
    std::unique_ptr<TArbolDirectorios> ArbolDirectorios1;

    void FormCreate();
    void FormClose(ui::CloseAction& action);
    void TrituradoraDragOver(ui::Control& source, bool& accept);
    void TrituradoraDragDrop(ui::Control& source);
    void BitBtnTriturarClick();
    void BitBtnSacarDeTrituradoraClick();
    void BitBtnVerDocsClick();
    void LabelWebClick();
    void PaintBox1Paint(ui::Canvas& canvas);
    void mnuOpcionesClick();
    void imgAcercaClick();
    void BitBtnRefrescarClick();

private:
    bool cerrarTrasTriturar_ = false;  // closed during a run: close once it has stopped
    // The counter and the list box show the pending list after every change.
    void MostrarLista();
};

extern TForm1* Form1;
