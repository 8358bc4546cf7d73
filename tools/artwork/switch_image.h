// Switch images: a key for each state, stacked top to bottom, each
// kSwitchStateHeight rows high. A key that is off is grey with a grey label;
// a key that is on is lit amber with a dark label.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace art {

struct KeyFace {
    std::string label;
    bool lit;
};

// Size of an image of `states` keys of the given width.
Size switchImageSize(int width, int states);

void drawSwitchImage(Canvas& canvas, const std::vector<KeyFace>& states);

// The usual two-state switch: off above, on below, same label.
std::vector<KeyFace> onOffFaces(const std::string& label);

}  // namespace art
