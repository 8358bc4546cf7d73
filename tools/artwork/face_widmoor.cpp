#include "face_layout.h"

namespace art {

FaceLayout widmoorFace() {
    FaceLayout face;
    face.product = "widmoor";
    face.descriptor = "stereo image enhancer";
    face.size = {302, 246};
    face.meters = {{60, 25, 242, 40}};
    face.sliders = {{{63, 51, 239, 75}, 0}, {{63, 83, 239, 107}, 0}, {{63, 115, 239, 139}, 0}};
    face.switches = {{70, 151, 115, 165}, {130, 151, 175, 165}, {190, 151, 235, 165}};
    face.rules = {144};
    face.title = {70, 184, 225, 204};
    face.presetBarTop = 215;
    return face;
}

}  // namespace art
