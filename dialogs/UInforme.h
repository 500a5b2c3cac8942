#pragma once
// The report of what a run could not shred, in the look of the confirmation dialog: the blue
// frame, the centred title, a warning picture, the heading "No se han podido triturar algunos
// datos:", one line per item ("path: reason") and a single button "Aceptar". A long list
// scrolls, so the dialog never grows past the screen.
#include <string>
#include <vector>

#include "dialogs/Umensajes.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/ListBox.h"

// The heading over the lines, which is also the window's caption.
inline constexpr wchar_t kEncabezadoInforme[] = L"No se han podido triturar algunos datos:";

// One item the run left, and why, as the person reads it.
struct LineaInforme {
    std::wstring ruta;
    std::wstring motivo;  // empty where no reason is known
    bool operator==(const LineaInforme&) const = default;
};

// "path: reason", or the path alone when no reason is known.
std::wstring TextoLinea(const LineaInforme& linea);

// The lines of the report: a list box without a frame, on the dialog's white.
class ListaLineas : public ui::ListBox {
public:
    explicit ListaLineas(ui::WinControl* parent);
};

class TFInforme : public ui::Form {
public:
    TFInforme();

    static constexpr int AnchoBorde = TFMensajes::AnchoBorde;

    ui::Panel PanelBorde{this};
    ui::Panel PanelInterior{&PanelBorde};
    ui::Label lblCaption{&PanelInterior};
    ui::Image Imagen{&PanelInterior};
    ui::Label lblTexto{&PanelInterior};
    ListaLineas ListBoxLineas{&PanelInterior};
    ui::Panel PanelRespuesta{&PanelInterior};
    ui::BitBtn btnAceptar{&PanelRespuesta};

    // Fills the dialog with these lines and sizes it to them within an area of the screen
    // (the work area when shown): lines too wide for the area break at words, and rows
    // beyond what the area can hold scroll.
    void Ajustar(const std::vector<std::wstring>& lineas, const RECT& area);
    // Where the dialog goes when shown: centred in the area it was fitted to.
    RECT Area() const { return area_; }

    void FormCreate();
    void FormShow();

private:
    RECT area_{};
};

// The report open at the moment, or null.
extern TFInforme* FInforme;

// Shows the report of these items modally until it is closed; shows nothing when there are
// none.
void MostrarInforme(const std::vector<LineaInforme>& lineas);
