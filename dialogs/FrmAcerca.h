#pragma once
// The about box.
#include "ui/Form.h"

class TFAcerca : public ui::Form {
public:
    TFAcerca();
};

extern TFAcerca* FAcerca;
