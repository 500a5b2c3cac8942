#pragma once
// A bevel drawn by its parent: a lowered line across the middle of its bounds (a separator),
// or a frame round its bounds, lowered (a groove) or raised (a ridge).
#include "ui/Control.h"

namespace ui {

enum class BevelShape { Line, Frame };

class Bevel : public Fluent<Bevel, GraphicControl> {
public:
    using Fluent::Fluent;
    Bevel& Shape(BevelShape shape);
    // For a frame: raised rather than lowered.
    Bevel& Raised(bool on);
    void Paint(HDC dc) override;

private:
    BevelShape shape_ = BevelShape::Line;
    bool raised_ = false;
};

}  // namespace ui
