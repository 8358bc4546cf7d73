// The analyser meters' strips (5 x 114): the unlit track with the scale's
// tick lines, the lit bar over the same ticks, and the peak colour that
// paints the peak segment and the hold line.
#pragma once

#include "canvas.h"

namespace art {

enum class TrackLook { Unlit, Lit, Peak };

void drawLevelTrack(Canvas& canvas, TrackLook look);

}  // namespace art
