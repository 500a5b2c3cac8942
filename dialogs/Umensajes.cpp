#include "dialogs/Umensajes.h"

#include "ui/Application.h"

TFMensajes* FMensajes = nullptr;

TFMensajes::TFMensajes() {
    Caption(L"Confirmación");
    Border(ui::BorderStyle::None);
}

int MostrarMensaje(const std::wstring& texto) {
    switch (MessageBoxW(ui::App().Handle(), texto.c_str(), L"Confirmación",
                        MB_YESNOCANCEL | MB_ICONQUESTION | MB_TOPMOST | MB_SETFOREGROUND)) {
    case IDYES: return 1;
    case IDNO: return 2;
    default: return 0;
    }
}
