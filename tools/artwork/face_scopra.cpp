#include "analyser_face.h"

#include "art_style.h"
#include "plugins/scopra/scopra_face_layout.h"

namespace art {

namespace {

namespace layout = scopra::face;

Rect rectOf(const FaceRect& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
            static_cast<int>(r.bottom)};
}

// The level slider shows the background from its back offset, which lies
// below the slider's own top; the groove is drawn where the handle's centre
// finds it there.
GroovePath levelGroove() {
    const Rect slider = rectOf(layout::kLevelSlider);
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
    const Rect scope = rectOf(layout::kScope);
    face.screen = {scope.left, scope.top, scope.left + layout::kScopeLayerWidth,
                   scope.top + layout::kScopeLayerHeight};
    for (const FaceRect& meter : layout::kMeters) face.meters.push_back(rectOf(meter));
    face.levelGroove = levelGroove();
    face.title = rectOf(layout::kAboutClickArea);
    return face;
}

}  // namespace art
