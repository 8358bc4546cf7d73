// The groove a slider's handle runs in, with tick marks at 0, 1/4, 1/2, 3/4
// and 1 of its travel, centred under the handle's index line in every
// position.
#pragma once

#include "canvas.h"
#include "face_layout.h"

namespace art {

// A groove described as if it ran left to right: `across` is the row
// boundary between the handle's two middle rows, `from` and `to` the column
// boundaries under its index line at the two ends of the travel. A vertical
// groove is the same drawing with rows and columns swapped.
struct GroovePath {
    bool vertical;
    int across;
    int from, to;
};

void drawGroovePath(cairo_t* cr, const GroovePath& path);
// The groove of a horizontal slider of the face.
void drawGroove(cairo_t* cr, const SliderPlace& slider);

}  // namespace art
