// A plug-in's background (resource 128): the whole face under its controls,
// down to the strip along the bottom that carries the preset bar: its panel,
// the field the program name is written into, the marker of the program menu
// and the letters of the A and B memories (the bar's buttons are images of
// their own).
#pragma once

#include "canvas.h"
#include "face_layout.h"

namespace art {

void drawBackground(Canvas& canvas, const FaceLayout& face);

}  // namespace art
