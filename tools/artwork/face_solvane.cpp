#include "face_layout.h"
#include "plugins/solvane/solvane_face_layout.h"

namespace art {

// The editor's own layout, so that the background carries its controls'
// places wherever the editor puts them.
FaceLayout solvaneFace() {
    namespace face = solvane::face;
    FaceLayout layout;
    layout.product = face::kProduct;
    layout.descriptor = face::kDescriptor;
    layout.size = {face::kFaceWidth, face::kFaceHeight};
    for (const FaceRect& meter : face::kMeterRects) layout.meters.push_back(toArtRect(meter));
    for (const face::SliderRow& row : face::kSliderRows)
        layout.sliders.push_back({toArtRect(row.slider), static_cast<int>(row.handleOffset.y)});
    for (const face::SwitchPlace& place : face::kSwitches)
        layout.switches.push_back(toArtRect(place.rect));
    layout.rules.assign(std::begin(face::kRuleRows), std::end(face::kRuleRows));
    layout.title = toArtRect(face::kTitle);
    layout.presetBarTop = static_cast<int>(face::kPresetBarTop);
    return layout;
}

}  // namespace art
