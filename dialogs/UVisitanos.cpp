#include "dialogs/UVisitanos.h"

TFVisitanos* FVisitanos = nullptr;

TFVisitanos::TFVisitanos() {
    Border(ui::BorderStyle::None);
    ClientSize(533, 159);
    Position(ui::FormPosition::ScreenCenter);
}
