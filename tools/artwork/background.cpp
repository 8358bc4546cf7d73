#include "background.h"

#include "groove.h"
#include "panel.h"
#include "preset_strip.h"
#include "title.h"
#include "wells.h"

namespace art {

void drawBackground(Canvas& canvas, const FaceLayout& face) {
    cairo_t* cr = canvas.cr();
    drawPanel(cr, face.size);
    drawHeader(cr, face);
    drawRules(cr, face.size, face.rules);
    drawWells(cr, face.meters);
    for (const SliderPlace& slider : face.sliders) drawGroove(cr, slider);
    drawWells(cr, face.switches);
    drawTitle(cr, face.product, face.title, face.size);
    drawPresetStrip(cr, face);
}

}  // namespace art
