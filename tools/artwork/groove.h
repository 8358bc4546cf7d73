// The groove a horizontal slider's handle runs in, with tick marks at 0, 1/4,
// 1/2, 3/4 and 1 of its travel, centred on the handle in every position.
#pragma once

#include "canvas.h"
#include "face_layout.h"

namespace art {

void drawGroove(cairo_t* cr, const SliderPlace& slider);

}  // namespace art
