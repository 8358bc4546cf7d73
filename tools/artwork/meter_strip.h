// The level meter strips (182 x 15): the unlit strip is the meter at rest,
// the lit strip the same scale with the bar lit. The meter shows the lit
// strip left of the value and the unlit strip right of it, so both share
// every scale mark; value 0.5 falls on the centre mark.
#pragma once

#include "canvas.h"

namespace art {

void drawMeterStrip(Canvas& canvas, bool lit);

}  // namespace art
