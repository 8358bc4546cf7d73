// Switch images: one key per state, stacked, each kSwitchStateHeight rows
// high, sitting in the dark floor of the switch's well. A switch shows "off"
// above "on"; a selector shows one plain key per choice.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "key.h"

namespace art {

struct KeyFace {
    std::string label;
    KeyLook look;
};

// Size of an image of `states` keys of the given width.
Size switchImageSize(int width, int states);

void drawSwitchImage(Canvas& canvas, const std::vector<KeyFace>& states);

// The usual two-state switch: off above, on below, same label.
std::vector<KeyFace> onOffFaces(const std::string& label);

}  // namespace art
