#include "meter_strip.h"

#include <cmath>

#include "art_style.h"
#include "shapes.h"

namespace art {

namespace {

// Columns of the scale mark for division k of kMeterDivisions; the centre
// mark takes the two columns either side of the middle, the others the
// column that holds their position, so the scale is mirror-symmetric.
struct Columns {
    int left, right;  // right exclusive
};

Columns markColumns(int k, int width) {
    if (2 * k == style::kMeterDivisions) return {width / 2 - 1, width / 2 + 1};
    int x = static_cast<int>(std::floor(double(width) * k / style::kMeterDivisions));
    return {x, x + 1};
}

int markLength(int k) {
    return k % 2 == 0 ? style::kMeterMajorTick : style::kMeterMinorTick;
}

void drawScale(cairo_t* cr, Size strip, Colour ink) {
    for (int k = 1; k < style::kMeterDivisions; ++k) {
        Columns cols = markColumns(k, strip.width);
        int length = markLength(k);
        fillRect(cr, {cols.left, 0, cols.right, length}, ink);
        fillRect(cr, {cols.left, strip.height - length, cols.right, strip.height}, ink);
    }
}

Rect barRect(Size strip) {
    return {0, style::kMeterBarTop, strip.width, style::kMeterBarBottom};
}

void drawUnlitBar(cairo_t* cr, Size strip) {
    fillRect(cr, barRect(strip), palette::kMeterTrack);
}

void drawLitBar(cairo_t* cr, Size strip) {
    Rect bar = barRect(strip);
    fillRectGradient(cr, bar, palette::kSignalBright, palette::kSignalDeep);
    horizontalLine(cr, 0, strip.width, bar.top, palette::kSignalBright);
    horizontalLine(cr, 0, strip.width, bar.top + 1, palette::kSignal);
}

}  // namespace

void drawMeterStrip(Canvas& canvas, bool lit) {
    cairo_t* cr = canvas.cr();
    Size strip = canvas.size();
    fillRect(cr, {0, 0, strip.width, strip.height}, palette::kWellFloor);
    if (lit) {
        drawLitBar(cr, strip);
        drawScale(cr, strip, palette::kMeterScaleLit);
    } else {
        drawUnlitBar(cr, strip);
        drawScale(cr, strip, palette::kMeterScale);
    }
}

}  // namespace art
