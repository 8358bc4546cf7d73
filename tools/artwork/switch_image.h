// Switch images: one key per state, stacked, all of one height. A switch
// shows "off" above "on"; a selector shows one plain key per choice; a split
// selector lights the half of its key that names the choice.
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

// Size of an image of `states` keys of the given width, kSwitchStateHeight each.
Size switchImageSize(int width, int states);

// `ground` shows in the keys' corners: the floor of the well the switch sits
// in, or the panel.
void drawSwitchImage(Canvas& canvas, const std::vector<KeyFace>& states, Colour ground);

// Two labels side by side on one key per state; state k lights label k.
void drawSplitSelectorImage(Canvas& canvas, const std::string& first, const std::string& second,
                            Colour ground);

// The usual two-state switch: off above, on below, same label.
std::vector<KeyFace> onOffFaces(const std::string& label);

}  // namespace art
