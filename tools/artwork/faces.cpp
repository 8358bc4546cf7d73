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

namespace {

// The engraved rule between the meter and the sliders of a slider face.
constexpr int kSliderFaceRuleRow = 144;

// What widmoor's and duplimo's faces share; each adds its own buttons.
template <size_t kRows>
FaceLayout sliderFace(const char* product, const char* descriptor, Size size,
                      const slider_face::MeterPlace& meter,
                      const slider_face::SliderRow (&rows)[kRows], const FaceRect& title,
                      CCoord presetBarTop) {
    FaceLayout face;
    face.product = product;
    face.descriptor = descriptor;
    face.size = size;
    face.meters = {meter.rect.pixels<Rect>()};
    for (const slider_face::SliderRow& row : rows)
        face.sliders.push_back({row.slider.pixels<Rect>(), 0});
    face.rules = {kSliderFaceRuleRow};
    face.title = title.pixels<Rect>();
    face.presetBarTop = static_cast<int>(presetBarTop);
    return face;
}

}  // namespace

FaceLayout widmoorFace() {
    using namespace widmoor::face;
    FaceLayout face = sliderFace("widmoor", "stereo image enhancer", {kFaceWidth, kFaceHeight},
                                 kMeter, kRows, kAbout.clickArea, kPresetBarTop);
    face.switches = {kProcessButton.rect.pixels<Rect>(), kModeButton.rect.pixels<Rect>(),
                     kPhaseButton.rect.pixels<Rect>()};
    return face;
}

FaceLayout duplimoFace() {
    using namespace duplimo::face;
    FaceLayout face = sliderFace("duplimo", "mono to stereo", {kFaceWidth, kFaceHeight}, kMeter,
                                 kRows, kAbout.clickArea, kPresetBarTop);
    face.switches = {kProcessButton.rect.pixels<Rect>(), kPhaseButton.rect.pixels<Rect>()};
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
