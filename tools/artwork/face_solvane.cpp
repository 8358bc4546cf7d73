#include "face_layout.h"

namespace art {

FaceLayout solvaneFace() {
    FaceLayout face;
    face.product = "solvane";
    face.descriptor = "stereo image controller";
    face.size = {302, 343};
    face.meters = {{60, 25, 242, 40}, {60, 121, 242, 136}};
    face.sliders = {{{63, 51, 239, 76}, 1},
                    {{63, 83, 239, 108}, 0},
                    {{63, 147, 239, 172}, 0},
                    {{63, 179, 239, 204}, 0},
                    {{63, 211, 239, 236}, 0}};
    face.switches = {{68, 247, 113, 261}, {122, 247, 147, 261},
                     {156, 247, 181, 261}, {190, 247, 235, 261}};
    face.rules = {113, 240};
    face.title = {70, 282, 225, 302};
    face.presetBarTop = 312;
    return face;
}

}  // namespace art
