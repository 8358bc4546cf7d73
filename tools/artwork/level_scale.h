// The analyser's level scale. A level of D dB stands 114 * 10^(D/40) pixels
// above the bottom of a 114-pixel meter (a square-root amplitude scale); the
// marks are 0, -3, -6, -12, -18, -24, -36 dB and -oo at the bottom.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace art {

struct LevelMark {
    double decibels;  // -infinity for the bottom mark
    std::string text;
};

const std::vector<LevelMark>& levelMarks();
// Row of the mark, counted from the meter's top, for a meter `height` rows
// high: the first row the bar lights at that level.
int levelMarkRow(int height, double decibels);

// Numbers between the two meters, ticks left of the first (the meters'
// tracks carry the same marks).
void drawLevelScale(cairo_t* cr, Rect leftMeter, Rect rightMeter);

}  // namespace art
