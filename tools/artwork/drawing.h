// The drawing primitives every image is made of: rectangles, the canvas, small
// shapes and texts.
#pragma once

#include <cairo.h>
#include <string>

#include "gui/geometry.h"
#include "palette.h"

namespace art {

// Pixel rectangles in the notation of the editor layouts: (left, top, right,
// bottom), right and bottom exclusive.
struct Rect {
    int left, top, right, bottom;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    double centreX() const { return (left + right) / 2.0; }
    double centreY() const { return (top + bottom) / 2.0; }
    Rect inset(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    Rect outset(int d) const { return inset(-d); }
};

struct Size {
    int width, height;
};

// A place from an editor's layout (whole pixels there) as a drawing rectangle.
constexpr Rect toArtRect(const FaceRect& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
            static_cast<int>(r.bottom)};
}

// One image being drawn: a Cairo ARGB32 surface and its context, written out
// as a PNG file when done.
class Canvas {
public:
    explicit Canvas(Size size);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    Size size() const { return size_; }
    Rect bounds() const { return {0, 0, size_.width, size_.height}; }
    // Throws std::runtime_error when the file cannot be written.
    void writePng(const std::string& path) const;

private:
    Size size_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Small drawing helpers shared by every image. Fills use whole pixels and
// one-pixel strokes run along pixel centres, so edges stay crisp at 1:1.
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

// Texts drawn into the images: Liberation Sans through Cairo's toy font API,
// with fixed antialiasing and hinting so that every machine renders the same
// pixels.
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
