#pragma once
// The main window with the shredder tray.
#include "ui/Form.h"

class TForm1 : public ui::Form {
public:
    TForm1();
    void FormCreate();
    void FormClose(ui::CloseAction& action);
};

extern TForm1* Form1;
