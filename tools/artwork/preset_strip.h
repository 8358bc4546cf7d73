// The strip along the bottom of a face that carries the preset bar: its
// panel, the field the program name is written into, the marker of the
// program menu and the letters of the A and B memories. The bar's buttons
// are images of their own.
#pragma once

#include "canvas.h"
#include "face_layout.h"

namespace art {

void drawPresetStrip(cairo_t* cr, const FaceLayout& face);

}  // namespace art
