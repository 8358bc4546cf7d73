// Recessed wells that the meters and switches sit in: a dark floor ring
// around the control, matching the dark edge of the control images, and a
// one-pixel recess around that.
#pragma once

#include <vector>

#include "canvas.h"

namespace art {

void drawWell(cairo_t* cr, Rect control);
void drawWells(cairo_t* cr, const std::vector<Rect>& controls);

}  // namespace art
