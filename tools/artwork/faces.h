// The faces of the four plug-ins as the artwork sees them, each taken from
// the editor's own layout so that the background carries its controls'
// places wherever the editor puts them.
#pragma once

#include <string>
#include <vector>

#include "drawing.h"

namespace art {

// A slider's groove described as if it ran left to right: `across` is the row
// boundary between the handle's two middle rows, `from` and `to` the column
// boundaries under its index line at the two ends of the travel. A vertical
// groove is the same drawing with rows and columns swapped.
struct GroovePath {
    bool vertical;
    int across;
    int from, to;
};

// What a plug-in's background has to carry, in face pixels: the places of
// the meters, sliders and switches that the editor puts on top of it, the
// title area and the top of the preset bar. The texts the editor draws itself
// (labels and read-outs) are not part of it: their areas stay plain panel.
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

// What the analyser's background has to carry, in face pixels: the screen
// under the goniometer's layers, the two level meters with their dB scale,
// the groove of the level slider and the title area.
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
