#include "shapes.h"

#include <cmath>

namespace art {

namespace {
constexpr double kQuarterTurn = M_PI / 2.0;
}

void setColour(cairo_t* cr, Colour c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void fillRect(cairo_t* cr, Rect r, Colour c) {
    setColour(cr, c);
    cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
    cairo_fill(cr);
}

void setVerticalGradient(cairo_t* cr, Rect r, Colour top, Colour bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, r.top, 0, r.bottom);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void fillRectGradient(cairo_t* cr, Rect r, Colour top, Colour bottom) {
    setVerticalGradient(cr, r, top, bottom);
    cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
    cairo_fill(cr);
}

static void roundedPath(cairo_t* cr, double x0, double y0, double x1, double y1, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1 - radius, y0 + radius, radius, -kQuarterTurn, 0);
    cairo_arc(cr, x1 - radius, y1 - radius, radius, 0, kQuarterTurn);
    cairo_arc(cr, x0 + radius, y1 - radius, radius, kQuarterTurn, 2 * kQuarterTurn);
    cairo_arc(cr, x0 + radius, y0 + radius, radius, 2 * kQuarterTurn, 3 * kQuarterTurn);
    cairo_close_path(cr);
}

void roundedRectPath(cairo_t* cr, Rect r, double radius) {
    roundedPath(cr, r.left, r.top, r.right, r.bottom, radius);
}

void strokeRoundedRect(cairo_t* cr, Rect r, double radius, Colour c) {
    roundedPath(cr, r.left + 0.5, r.top + 0.5, r.right - 0.5, r.bottom - 0.5, radius);
    setColour(cr, c);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void horizontalLine(cairo_t* cr, int x0, int x1, int y, Colour c) {
    fillRect(cr, {x0, y, x1, y + 1}, c);
}

void verticalLine(cairo_t* cr, int x, int y0, int y1, Colour c) {
    fillRect(cr, {x, y0, x + 1, y1}, c);
}

void engravedRule(cairo_t* cr, int x0, int x1, int y) {
    horizontalLine(cr, x0, x1, y, palette::kEngraveDark);
    horizontalLine(cr, x0, x1, y + 1, palette::kEngraveLight);
}

void recessRim(cairo_t* cr, Rect r, Colour shade, Colour light) {
    horizontalLine(cr, r.left - 1, r.right + 1, r.top - 1, shade);
    verticalLine(cr, r.left - 1, r.top - 1, r.bottom + 1, shade);
    horizontalLine(cr, r.left - 1, r.right + 1, r.bottom, light);
    verticalLine(cr, r.right, r.top, r.bottom + 1, light);
}

}  // namespace art
