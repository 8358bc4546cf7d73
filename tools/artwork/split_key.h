// A key cut into two halves that light up separately: the previous/next
// rocker of the preset bar, the analyser's L/R and S/M selector. The halves
// share the key's outline and are parted by a rim-coloured column.
#pragma once

#include <functional>

#include "key.h"

namespace art {

struct HalfFace {
    KeyLook look;
    // Draws the half's glyph or label into its rectangle in the given ink.
    std::function<void(cairo_t*, Rect, Colour)> content;
};

void drawSplitKey(cairo_t* cr, Rect cell, Colour ground, const HalfFace& left,
                  const HalfFace& right);

}  // namespace art
