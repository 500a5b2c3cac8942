#pragma once
// The options dialog, holder of the shredding settings.
#include "ui/Form.h"

class TFOpciones : public ui::Form {
public:
    TFOpciones();
};

extern TFOpciones* FOpciones;
