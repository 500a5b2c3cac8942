#include "settings/UOpciones.h"

TFOpciones* FOpciones = nullptr;

TFOpciones::TFOpciones() {
    Caption(L"Opciones de Trituradora");
    Border(ui::BorderStyle::Dialog, 0);
    ClientSize(345, 564);
    Position(ui::FormPosition::ScreenCenter);
}
