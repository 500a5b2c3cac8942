#pragma once
// The visit window shown when the main window closes.
#include "ui/Form.h"

class TFVisitanos : public ui::Form {
public:
    TFVisitanos();
};

extern TFVisitanos* FVisitanos;
