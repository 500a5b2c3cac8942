#include "app/Unit1.h"

#include "ui/Application.h"

using namespace ui;

TForm1* Form1 = nullptr;

TForm1::TForm1() {
    Caption(L"Trituradora de documentos");
    Border(BorderStyle::Single, biSystemMenu | biMinimize);
    ClientSize(672, 457);
    Color(colors::Silver);
    Position(FormPosition::ScreenCenter);
    OnCreate = [this] { FormCreate(); };
    OnClose = [this](CloseAction& action) { FormClose(action); };
}

void TForm1::FormCreate() {
    App().ShowTaskbarEntry(true);
    App().Screen().SetCursor(100, LoadCursorW(App().Instance(), L"APUNTANDO"));
}

void TForm1::FormClose(CloseAction& /*action*/) {
    Hide();
    App().ShowTaskbarEntry(false);
}
