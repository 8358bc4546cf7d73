// The goniometer's graticule (173 x 158, with alpha), drawn over the plotted
// points on every frame: a faint black wash that fades older points, and
// opaque axes with their labels. The vertical axis is the mid signal (+M up),
// the horizontal one the side signal (+S left), the diagonals the channels
// (+L upper left, +R upper right). The centre is pixel (88, 80); the 100%
// ticks stand 60 pixels from it, the 50% ticks 30.
#pragma once

#include "canvas.h"

namespace art {

void drawGraticule(Canvas& canvas);

}  // namespace art
