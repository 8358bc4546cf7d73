#include "groove.h"

#include "art_style.h"
#include "shapes.h"

namespace art {

namespace {

void drawChannel(cairo_t* cr, const GroovePath& p) {
    int reach = style::kHandleSize.width / 2 - style::kGrooveEndMargin;
    Rect channel{p.from - reach, p.across - style::kGrooveHeight / 2, p.to + reach,
                 p.across + style::kGrooveHeight / 2};
    double radius = style::kGrooveHeight / 2.0;
    roundedRectPath(cr, {channel.left, channel.top + 1, channel.right, channel.bottom + 1}, radius);
    setColour(cr, palette::kGrooveLip);
    cairo_fill(cr);
    roundedRectPath(cr, channel, radius);
    setVerticalGradient(cr, channel, palette::kGrooveShadow, palette::kGrooveFloor);
    cairo_fill(cr);
}

void drawTicks(cairo_t* cr, const GroovePath& p) {
    int above = p.across - style::kGrooveHeight / 2 - style::kTickGap - style::kTickLength;
    int below = p.across + style::kGrooveHeight / 2 + style::kTickGap + 1;
    for (int k = 0; k < style::kTickCount; ++k) {
        int x = p.from + (p.to - p.from) * k / (style::kTickCount - 1) - 1;
        fillRect(cr, {x, above, x + 2, above + style::kTickLength}, palette::kPrint);
        fillRect(cr, {x, below, x + 2, below + style::kTickLength}, palette::kPrint);
    }
}

}  // namespace

void drawGroovePath(cairo_t* cr, const GroovePath& path) {
    cairo_save(cr);
    if (path.vertical) {
        cairo_matrix_t swap;
        cairo_matrix_init(&swap, 0, 1, 1, 0, 0, 0);
        cairo_transform(cr, &swap);
    }
    drawTicks(cr, path);
    drawChannel(cr, path);
    cairo_restore(cr);
}

void drawGroove(cairo_t* cr, const SliderPlace& slider) {
    int half = style::kHandleSize.width / 2;
    drawGroovePath(cr, {false, slider.rect.top + slider.handleOffsetY + style::kHandleSize.height / 2,
                        slider.rect.left + half, slider.rect.right - half});
}

}  // namespace art
