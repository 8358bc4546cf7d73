// Slider handles (with alpha): a light cap with a dark index line across the
// direction of travel. A cap taller than wide belongs to a horizontal slider
// (16 x 24), one wider than tall to a vertical slider (24 x 16).
#pragma once

#include "canvas.h"

namespace art {

void drawSliderHandle(Canvas& canvas);

}  // namespace art
