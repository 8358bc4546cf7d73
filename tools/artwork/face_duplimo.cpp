#include "face_layout.h"

namespace art {

FaceLayout duplimoFace() {
    FaceLayout face;
    face.product = "duplimo";
    face.descriptor = "mono to stereo";
    face.size = {302, 245};
    face.meters = {{60, 25, 242, 40}};
    face.sliders = {{{63, 51, 239, 75}, 0}, {{63, 83, 239, 107}, 0}, {{63, 115, 239, 139}, 0}};
    face.switches = {{90, 151, 135, 165}, {170, 151, 215, 165}};
    face.rules = {144};
    face.title = {70, 182, 225, 202};
    face.presetBarTop = 214;
    return face;
}

}  // namespace art
