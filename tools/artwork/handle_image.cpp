#include "handle_image.h"

#include "art_style.h"
#include "shapes.h"

namespace art {

namespace {

void drawCapBody(cairo_t* cr, Rect cap) {
    roundedRectPath(cr, cap, style::kHandleRadius);
    setVerticalGradient(cr, cap, palette::kCapTop, palette::kCapBottom);
    cairo_fill(cr);
    strokeRoundedRect(cr, cap, style::kHandleRadius, palette::kCapRim);
}

void drawCapHighlight(cairo_t* cr, Rect cap) {
    int inner = static_cast<int>(style::kHandleRadius) + 1;
    horizontalLine(cr, inner, cap.right - inner, 1, palette::kCapTop);
    horizontalLine(cr, inner, cap.right - inner, cap.bottom - 2,
                   withAlpha(palette::kCapRim, 0.35));
}

// Two pixels wide, centred, across the long side of the cap.
void drawIndexLine(cairo_t* cr, Rect cap) {
    const int inset = style::kHandleIndexInset, thick = style::kHandleIndexWidth;
    if (cap.height() > cap.width()) {
        int left = cap.width() / 2 - thick / 2;
        fillRect(cr, {left, inset, left + thick, cap.bottom - inset}, palette::kCapIndex);
    } else {
        int top = cap.height() / 2 - thick / 2;
        fillRect(cr, {inset, top, cap.right - inset, top + thick}, palette::kCapIndex);
    }
}

}  // namespace

void drawSliderHandle(Canvas& canvas) {
    Rect cap{0, 0, canvas.size().width, canvas.size().height};
    cairo_t* cr = canvas.cr();
    drawCapBody(cr, cap);
    drawCapHighlight(cr, cap);
    drawIndexLine(cr, cap);
}

}  // namespace art
