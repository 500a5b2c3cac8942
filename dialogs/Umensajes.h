#pragma once
// The confirmation dialog.
#include <string>

#include "ui/Form.h"

class TFMensajes : public ui::Form {
public:
    TFMensajes();
};

extern TFMensajes* FMensajes;

// Asks a yes/no/cancel question under the caption "Confirmación": 1 Yes, 2 No, 0 Cancel or
// closed.
int MostrarMensaje(const std::wstring& texto);
