#include "face_layout.h"
#include "plugins/duplimo/duplimo_face_layout.h"

namespace art {

// The background carries what duplimo's editor places on it, from its layout.
FaceLayout duplimoFace() {
    using namespace duplimo::face;
    FaceLayout face;
    face.product = "duplimo";
    face.descriptor = "mono to stereo";
    face.size = {kFaceWidth, kFaceHeight};
    face.meters = {kMeter.rect.pixels<Rect>()};
    for (const SliderRow& row : kRows) face.sliders.push_back({row.slider.pixels<Rect>(), 0});
    face.switches = {kProcessButton.rect.pixels<Rect>(), kPhaseButton.rect.pixels<Rect>()};
    face.rules = {144};
    face.title = kAbout.clickArea.pixels<Rect>();
    face.presetBarTop = static_cast<int>(kPresetBarTop);
    return face;
}

}  // namespace art
