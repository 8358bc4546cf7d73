#include "groove.h"

#include "art_style.h"
#include "shapes.h"

namespace art {

namespace {

// Row between the handle's two middle rows.
int grooveCentre(const SliderPlace& s) {
    return s.rect.top + s.handleOffsetY + style::kHandleSize.height / 2;
}

void drawChannel(cairo_t* cr, const SliderPlace& s) {
    int centre = grooveCentre(s);
    Rect channel{s.rect.left + style::kGrooveEndMargin, centre - style::kGrooveHeight / 2,
                 s.rect.right - style::kGrooveEndMargin, centre + style::kGrooveHeight / 2};
    double radius = style::kGrooveHeight / 2.0;
    roundedRectPath(cr, {channel.left, channel.top + 1, channel.right, channel.bottom + 1}, radius);
    setColour(cr, palette::kGrooveLip);
    cairo_fill(cr);
    roundedRectPath(cr, channel, radius);
    setVerticalGradient(cr, channel, palette::kGrooveShadow, palette::kGrooveFloor);
    cairo_fill(cr);
}

// Left column of the two-pixel tick under the handle's index line for
// travel fraction k / (kTickCount - 1).
int tickColumn(const SliderPlace& s, int k) {
    int travel = s.rect.width() - style::kHandleSize.width;
    int handleLeft = s.rect.left + travel * k / (style::kTickCount - 1);
    return handleLeft + style::kHandleSize.width / 2 - 1;
}

void drawTicks(cairo_t* cr, const SliderPlace& s) {
    int centre = grooveCentre(s);
    int above = centre - style::kGrooveHeight / 2 - style::kTickGap - style::kTickLength;
    int below = centre + style::kGrooveHeight / 2 + style::kTickGap + 1;
    for (int k = 0; k < style::kTickCount; ++k) {
        int x = tickColumn(s, k);
        fillRect(cr, {x, above, x + 2, above + style::kTickLength}, palette::kPrint);
        fillRect(cr, {x, below, x + 2, below + style::kTickLength}, palette::kPrint);
    }
}

}  // namespace

void drawGroove(cairo_t* cr, const SliderPlace& slider) {
    drawTicks(cr, slider);
    drawChannel(cr, slider);
}

}  // namespace art
