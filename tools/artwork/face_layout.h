// What a plug-in's background has to carry, in face pixels: the places of
// the meters, sliders and switches that the editor puts on top of it, the
// title area and the top of the preset bar. The texts the editor draws itself
// (labels and read-outs) are not part of it: their areas stay plain panel.
#pragma once

#include <string>
#include <vector>

#include "geometry.h"

namespace art {

struct SliderPlace {
    Rect rect;          // the slider control
    int handleOffsetY;  // rows between the control's top and the handle's top
};

struct FaceLayout {
    std::string product;     // "solvane"
    std::string descriptor;  // "stereo image controller"
    Size size;
    std::vector<Rect> meters;
    std::vector<SliderPlace> sliders;
    std::vector<Rect> switches;  // one state of each switch image
    std::vector<int> rules;      // rows of engraved rules between groups
    Rect title;                  // the about control's click area
    int presetBarTop;            // 0 when the face has no preset bar
};

FaceLayout solvaneFace();
FaceLayout widmoorFace();
FaceLayout duplimoFace();

}  // namespace art
