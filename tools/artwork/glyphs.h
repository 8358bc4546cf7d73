// Small pixel-drawn symbols on the preset bar's buttons, crisp at 1:1.
#pragma once

#include <cairo.h>

#include "geometry.h"
#include "palette.h"

namespace art {

enum class Glyph {
    Save,      // arrow down onto a tray
    Load,      // arrow up out of a tray
    Store,     // record dot: put the current program into a memory
    Recall,    // play triangle: take it back
    Previous,  // triangle pointing left
    Next,      // triangle pointing right
};

// Draws the glyph centred in `cell` (rounded down to whole pixels).
void drawGlyph(cairo_t* cr, Glyph glyph, Rect cell, Colour ink);

}  // namespace art
