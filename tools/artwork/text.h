// Texts drawn into the images: Liberation Sans through Cairo's toy font API,
// with fixed antialiasing and hinting so that every machine renders the same
// pixels.
#pragma once

#include <cairo.h>

#include <string>

#include "palette.h"

namespace art {

struct TextStyle {
    double size;          // pixels
    bool bold;
    Colour ink;
    double tracking = 0;  // extra pixels after each character
};

// Throws std::runtime_error unless fontconfig resolves the family to
// Liberation Sans itself (a substitute would change every text).
void requireTextFont();

double textWidth(cairo_t* cr, const TextStyle& style, const std::string& text);

// Draws text starting at x on the given baseline; x and the baseline are
// rounded to whole pixels.
void drawText(cairo_t* cr, const TextStyle& style, const std::string& text, double x,
              double baseline);

// Draws text centred on (cx, cy): horizontally by its advance, vertically by
// the height of the capitals, so that words with and without descenders
// stand on the same baseline.
void drawTextCentred(cairo_t* cr, const TextStyle& style, const std::string& text, double cx,
                     double cy);

// Draws text starting at x, centred vertically on cy like drawTextCentred.
void drawTextFrom(cairo_t* cr, const TextStyle& style, const std::string& text, double x,
                  double cy);

}  // namespace art
