// Images of several states stacked top to bottom, each of the same height,
// the way the controls pick one state of their bitmap.
#pragma once

#include <functional>

#include "canvas.h"

namespace art {

// Calls drawState once per state with the state's cell, top state first.
void drawStacked(Canvas& canvas, int states,
                 const std::function<void(cairo_t*, Rect cell, int state)>& drawState);

}  // namespace art
