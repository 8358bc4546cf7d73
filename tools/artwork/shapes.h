// Small drawing helpers shared by every image. Fills use whole pixels and
// one-pixel strokes run along pixel centres, so edges stay crisp at 1:1.
#pragma once

#include <cairo.h>

#include "geometry.h"
#include "palette.h"

namespace art {

void setColour(cairo_t* cr, Colour c);
void fillRect(cairo_t* cr, Rect r, Colour c);
// Top-to-bottom gradient over the rows of r as the current source.
void setVerticalGradient(cairo_t* cr, Rect r, Colour top, Colour bottom);
void fillRectGradient(cairo_t* cr, Rect r, Colour top, Colour bottom);

// A rounded rectangle path with corners of radius `radius` on the edges of
// the whole-pixel rectangle r (use for fills).
void roundedRectPath(cairo_t* cr, Rect r, double radius);
// The same rectangle's outline as a one-pixel line on the centres of its
// outermost pixels.
void strokeRoundedRect(cairo_t* cr, Rect r, double radius, Colour c);

// One-pixel lines along a row (y) or a column (x); ends exclusive.
void horizontalLine(cairo_t* cr, int x0, int x1, int y, Colour c);
void verticalLine(cairo_t* cr, int x, int y0, int y1, Colour c);

// A line cut into the panel: a dark row with a light row under it.
void engravedRule(cairo_t* cr, int x0, int x1, int y);

// A recess: one dark row and column on the upper left, one light row and
// column on the lower right, around the rectangle r (outside it).
void recessRim(cairo_t* cr, Rect r, Colour shade, Colour light);

}  // namespace art
