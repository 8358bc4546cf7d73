// Keys: the rounded caps that every switch and button image of the family is
// made of. A key fills its cell; the cell's corners show the ground it sits
// on (the dark well floor of a switch, the bar panel of a preset button).
#pragma once

#include <cairo.h>

#include "geometry.h"
#include "palette.h"

namespace art {

enum class KeyLook {
    Off,    // a switch that is off: grey cap, grey ink
    Plain,  // a button at rest or one choice of a selector: grey cap, dark ink
    Hover,  // a button under the mouse: lighter cap, dark ink
    On,     // a switch that is on, a button held down: lit amber cap, dark ink
};

void drawKeyCap(cairo_t* cr, Rect cell, KeyLook look, Colour ground);
// Colour of the label or glyph on a key of that look.
Colour keyInk(KeyLook look);

}  // namespace art
