#include "wells.h"

#include "art_style.h"
#include "shapes.h"

namespace art {

void drawWell(cairo_t* cr, Rect control) {
    Rect floor = control.outset(style::kWellFloorWidth);
    fillRect(cr, floor, palette::kWellFloor);
    recessRim(cr, floor, palette::kWellRimShade, palette::kWellRimLight);
}

void drawWells(cairo_t* cr, const std::vector<Rect>& controls) {
    for (const Rect& r : controls) drawWell(cr, r);
}

}  // namespace art
