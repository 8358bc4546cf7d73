#include "handle_image.h"

#include "art_style.h"
#include "shapes.h"

namespace art {

namespace {

Rect capRect() { return {0, 0, style::kHandleSize.width, style::kHandleSize.height}; }

void drawCapBody(cairo_t* cr) {
    Rect cap = capRect();
    roundedRectPath(cr, cap, style::kHandleRadius);
    setVerticalGradient(cr, cap, palette::kCapTop, palette::kCapBottom);
    cairo_fill(cr);
    strokeRoundedRect(cr, cap, style::kHandleRadius, palette::kCapRim);
}

void drawCapHighlight(cairo_t* cr) {
    Rect cap = capRect();
    int inner = static_cast<int>(style::kHandleRadius) + 1;
    horizontalLine(cr, inner, cap.right - inner, 1, palette::kCapTop);
    horizontalLine(cr, inner, cap.right - inner, cap.bottom - 2,
                   withAlpha(palette::kCapRim, 0.35));
}

void drawIndexLine(cairo_t* cr) {
    Rect cap = capRect();
    int left = cap.width() / 2 - style::kHandleIndexWidth / 2;
    fillRect(cr,
             {left, style::kHandleIndexInset, left + style::kHandleIndexWidth,
              cap.bottom - style::kHandleIndexInset},
             palette::kCapIndex);
}

}  // namespace

void drawSliderHandle(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    drawCapBody(cr);
    drawCapHighlight(cr);
    drawIndexLine(cr);
}

}  // namespace art
