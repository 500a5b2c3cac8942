#pragma once
// The progress window: shows the folder, the file, the pass and the overall progress of a
// run, and carries the cancel request. In the command-line route its creation runs the
// whole route: confirm, shred, quit.
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Form.h"

class TFProgreso : public ui::Form {
public:
    TFProgreso();

    ui::Panel Panel1{this};
    ui::PaintBox PaintBox1{&Panel1};
    ui::Label Label1{&Panel1};
    ui::Label Label2{&Panel1};
    ui::Label LabelCarpeta{&Panel1};
    ui::Label Label3{&Panel1};
    ui::Label LabelArchivo{&Panel1};
    ui::Label Label4{&Panel1};
    ui::Label LabelNpasada{&Panel1};
    ui::ProgressBar Progreso{&Panel1};
    ui::Label LabelProgresoTotal{&Panel1};
    ui::Label LabelNArchivos{&Panel1};
    ui::ProgressBar ProgresoTotal{&Panel1};
    ui::BitBtn BitBtnCancelar{&Panel1};
    ui::Bitmap marmol{L"MARMOL"};

    // The cancel request: set by Cancelar (or Escape), cleared each time the window is shown.
    bool Cancelado = false;

    void FormCreate();
    void FormShow();
    void BitBtnCancelarClick();
    void PaintBox1Paint(ui::Canvas& canvas);
};

extern TFProgreso* FProgreso;
