// The preset bar's button images. Push buttons hold three states stacked
// (at rest, under the mouse, held down); the previous/next rocker holds five
// (at rest, mouse over the left half, over the right half, left half held,
// right half held).
#pragma once

#include <string>

#include "canvas.h"
#include "glyphs.h"

namespace art {

constexpr int kPushButtonStates = 3;
constexpr int kRockerStates = 5;

void drawGlyphButton(Canvas& canvas, Glyph glyph);
void drawLabelButton(Canvas& canvas, const std::string& label);
void drawRocker(Canvas& canvas);

}  // namespace art
