#include "analyser_background.h"

#include "level_scale.h"
#include "panel.h"
#include "shapes.h"
#include "title.h"
#include "wells.h"

namespace art {

void drawAnalyserBackground(Canvas& canvas, const AnalyserFace& face) {
    cairo_t* cr = canvas.cr();
    drawPanel(cr, face.size);
    drawWell(cr, face.screen);
    fillRect(cr, face.screen, palette::kScreen);
    drawWells(cr, face.meters);
    drawLevelScale(cr, face.meters.front(), face.meters.back());
    drawGroovePath(cr, face.levelGroove);
    drawTitle(cr, face.product, face.title, face.size);
}

}  // namespace art
