// The analyser's own images: its background, its meters' strips and the
// goniometer's graticule.
#pragma once

#include <string>
#include <vector>

#include "drawing.h"
#include "faces.h"

namespace art {

// The analyser's background (resource 128): panel, goniometer screen, level
// meters with their scale, the level slider's groove and the title.
void drawAnalyserBackground(Canvas& canvas, const AnalyserFace& face);

// The analyser's level scale. A level of D dB stands 114 * 10^(D/40) pixels
// above the bottom of a 114-pixel meter (a square-root amplitude scale); the
// marks are 0, -3, -6, -12, -18, -24, -36 dB and -oo at the bottom.
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

// The analyser meters' strips (5 x 114): the unlit track with the scale's
// tick lines, the lit bar over the same ticks, and the peak colour that
// paints the peak segment and the hold line.
enum class TrackLook { Unlit, Lit, Peak };

void drawLevelTrack(Canvas& canvas, TrackLook look);

// The goniometer's graticule (173 x 158, with alpha), drawn over the plotted
// points on every frame: a faint black wash that fades older points, and
// opaque axes with their labels. The vertical axis is the mid signal (+M up),
// the horizontal one the side signal (+S left), the diagonals the channels
// (+L upper left, +R upper right). The centre is pixel (88, 80); the 100%
// ticks stand 60 pixels from it, the 50% ticks 30.
void drawGraticule(Canvas& canvas);

}  // namespace art
