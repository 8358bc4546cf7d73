// The names on a face: the maker and what the plug-in does in a band along
// the top, the product's name in the title area (which opens the about
// screen), flanked by engraved rules.
#pragma once

#include <string>

#include "canvas.h"
#include "face_layout.h"

namespace art {

void drawHeader(cairo_t* cr, const FaceLayout& face);
void drawTitle(cairo_t* cr, const std::string& product, Rect title, Size face);

}  // namespace art
