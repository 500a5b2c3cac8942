#pragma once
// The shredding settings as the engine reads them: anew for every file, from the one live
// copy that the options dialog holds in its controls.
#include <functional>
#include <string>

struct ShredOptions {
    bool Metodo1 = true;
    bool Metodo2 = false;
    bool Metodo3 = false;
    bool Metodo4 = false;
    bool Metodo5 = false;
    int NPasadas = 1;  // index into the pass-count entries "1", "10", "25", "50", "100"; -1 for none
    bool UltraRapido = false;
    bool Truncar = true;
    bool Renombrar = true;
    bool CambiarFecha = true;
    bool Borrar = true;
};

// Number of overwrite methods in use (methods 1 to NMetodos). Recounted by the options
// dialog at the end of every load and save; 1 when the program starts.
extern int NMetodos;

// The current settings. Until a source is installed they are the defaults above.
ShredOptions OpcionesActuales();
// Installs where the settings are read from (the options dialog's controls), and where the
// text of the selected pass-count entry is read from (without it, the entry of NPasadas);
// an empty function goes back to the defaults.
void FijarFuenteOpciones(std::function<ShredOptions()> fuente, std::function<std::wstring()> textoPasadas = {});

// The pass count of the current settings: the integer written in the selected entry. With
// no entry selected a run still needs one, and takes that of the default entry, 10.
int PasadasSeleccionadas();
// The texts of the pass-count entries, in their order.
inline constexpr const wchar_t* kEntradasPasadas[] = {L"1", L"10", L"25", L"50", L"100"};
