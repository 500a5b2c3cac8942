#pragma once
// A lowered line across the middle of its bounds: a separator drawn by its parent.
#include "ui/Control.h"

namespace ui {

class Bevel : public Fluent<Bevel, GraphicControl> {
public:
    using Fluent::Fluent;
    void Paint(HDC dc) override;
};

}  // namespace ui
