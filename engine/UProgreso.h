#pragma once
// The progress window: shows the folder, the file, the pass and the overall progress of a
// run, and carries the cancel request. In the command-line route its creation runs the
// whole route: confirm, shred, report what was not shredded, quit.
#include <string>
#include <vector>

#include "dialogs/UInforme.h"
#include "engine/Motivo.h"
#include "engine/Seguimiento.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Form.h"

class TFProgreso : public ui::Form, public Seguimiento {
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

    // What a run shows here.
    void Totales(uint64_t kb, uint64_t archivos) override;
    void Carpeta(const std::wstring& ruta) override;
    void ArchivoContado() override;
    void Archivo(const std::wstring& ruta) override;
    void MaximoPasadas(int maximo) override { Progreso.Max(maximo); }
    int MaximoPasadas() const override { return Progreso.Max(); }
    void PosicionPasada(int posicion) override { Progreso.Position(posicion); }
    void EtiquetaPasada(const std::wstring& texto) override { LabelNpasada.Caption(texto); }
    void Bombear() override { ui::App().ProcessMessages(); }
    void EsperarAtendiendo(HANDLE listo) override { ui::App().ProcessMessagesUntil(listo); }
    bool CancelarPedido() const override { return Cancelado; }
    void ParadoPorCancelar(bool parado) override { Tag = parado ? 1 : 0; }
};

extern TFProgreso* FProgreso;

// What a run left, as the person reads it: each item still in the list, in its order, with
// the reason the run recorded for it (none where it recorded none).
std::vector<LineaInforme> LineasInforme(const std::vector<std::wstring>& quedan, const InformeRun& informe);
