// The slider handle (16 x 24, with alpha): a light cap with a dark index line
// down its middle.
#pragma once

#include "canvas.h"

namespace art {

void drawSliderHandle(Canvas& canvas);

}  // namespace art
