#include "engine/Sobrescribir.h"

#include "engine/UProgreso.h"
#include "settings/ShredOptions.h"

bool SobrescribirMetodos(TFProgreso& /*ventana*/, const std::wstring& /*ruta*/, int /*pasadas*/,
                         const ShredOptions& /*opciones*/) {
    // The overwrite methods are added here; with none built, nothing is overwritten.
    return true;
}
