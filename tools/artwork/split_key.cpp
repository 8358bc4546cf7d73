#include "split_key.h"

#include "shapes.h"

namespace art {

namespace {

// The whole key's cap clipped to one half, so only the outer corners round.
void drawHalf(cairo_t* cr, Rect cell, Rect half, Colour ground, const HalfFace& face) {
    cairo_save(cr);
    cairo_rectangle(cr, half.left, half.top, half.width(), half.height());
    cairo_clip(cr);
    drawKeyCap(cr, cell, face.look, ground);
    cairo_restore(cr);
    face.content(cr, half, keyInk(face.look));
}

}  // namespace

void drawSplitKey(cairo_t* cr, Rect cell, Colour ground, const HalfFace& left,
                  const HalfFace& right) {
    int divider = cell.left + cell.width() / 2;
    drawHalf(cr, cell, {cell.left, cell.top, divider, cell.bottom}, ground, left);
    drawHalf(cr, cell, {divider + 1, cell.top, cell.right, cell.bottom}, ground, right);
    verticalLine(cr, divider, cell.top, cell.bottom, palette::kKeyRim);
}

}  // namespace art
