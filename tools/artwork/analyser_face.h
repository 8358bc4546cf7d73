// What the analyser's background has to carry, in face pixels: the screen
// under the goniometer's layers, the two level meters with their dB scale,
// the groove of the level slider and the title area.
#pragma once

#include <string>
#include <vector>

#include "geometry.h"
#include "groove.h"

namespace art {

struct AnalyserFace {
    std::string product;
    Size size;
    Rect screen;               // where the goniometer's layers are shown
    std::vector<Rect> meters;  // left to right; the scale stands left of and between them
    GroovePath levelGroove;    // where the slider finds it in the background
    Rect title;
};

AnalyserFace scopraFace();

}  // namespace art
