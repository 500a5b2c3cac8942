#include "dialogs/FrmAcerca.h"

TFAcerca* FAcerca = nullptr;

TFAcerca::TFAcerca() {
    Border(ui::BorderStyle::None);
    ClientSize(398, 306);
    Position(ui::FormPosition::ScreenCenter);
}
