#include "faces.h"

#include "art_style.h"
#include "plugins/duplimo/duplimo_face_layout.h"
#include "plugins/scopra/scopra_face_layout.h"
#include "plugins/solvane/solvane_face_layout.h"
#include "plugins/widmoor/widmoor_face_layout.h"

namespace art {

// solvane's face, from its editor's layout.
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

// The background carries what widmoor's editor places on it, from its layout.
FaceLayout widmoorFace() {
    using namespace widmoor::face;
    FaceLayout face;
    face.product = "widmoor";
    face.descriptor = "stereo image enhancer";
    face.size = {kFaceWidth, kFaceHeight};
    face.meters = {kMeter.rect.pixels<Rect>()};
    for (const SliderRow& row : kRows) face.sliders.push_back({row.slider.pixels<Rect>(), 0});
    face.switches = {kProcessButton.rect.pixels<Rect>(), kModeButton.rect.pixels<Rect>(),
                     kPhaseButton.rect.pixels<Rect>()};
    face.rules = {144};
    face.title = kAbout.clickArea.pixels<Rect>();
    face.presetBarTop = static_cast<int>(kPresetBarTop);
    return face;
}

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

namespace {

namespace layout = scopra::face;

// The level slider shows the background from its back offset, which lies
// below the slider's own top; the groove is drawn where the handle's centre
// finds it there.
GroovePath levelGroove() {
    const Rect slider = toArtRect(layout::kLevelSlider);
    const int backShift = static_cast<int>(layout::kLevelSliderBackOffset.y) - slider.top;
    const int half = style::kVerticalHandleSize.height / 2 + backShift;
    return {true, slider.left + style::kVerticalHandleSize.width / 2,
            layout::kLevelHandleFirstTop + half, layout::kLevelHandleLastTop + half};
}

}  // namespace

AnalyserFace scopraFace() {
    AnalyserFace face;
    face.product = "scopra";
    face.size = {layout::kFaceWidth, layout::kFaceHeight};
    const Rect scope = toArtRect(layout::kScope);
    face.screen = {scope.left, scope.top, scope.left + layout::kScopeLayerWidth,
                   scope.top + layout::kScopeLayerHeight};
    for (const FaceRect& meter : layout::kMeters) face.meters.push_back(toArtRect(meter));
    face.levelGroove = levelGroove();
    face.title = toArtRect(layout::kAboutClickArea);
    return face;
}

}  // namespace art
