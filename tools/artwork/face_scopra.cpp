#include "analyser_face.h"

#include "art_style.h"

namespace art {

namespace {

// The level slider (259, 22, 283, 132) moves its handle's top from row 24 to
// row 117 and shows the background from one row lower than itself.
constexpr Rect kLevelSlider{259, 22, 283, 132};
constexpr int kLevelHandleFirstTop = 24;
constexpr int kLevelHandleLastTop = 117;
constexpr int kLevelBackgroundShift = 1;

GroovePath levelGroove() {
    int half = style::kVerticalHandleSize.height / 2 + kLevelBackgroundShift;
    return {true, kLevelSlider.left + style::kVerticalHandleSize.width / 2,
            kLevelHandleFirstTop + half, kLevelHandleLastTop + half};
}

}  // namespace

AnalyserFace scopraFace() {
    AnalyserFace face;
    face.product = "scopra";
    face.size = {302, 214};
    face.screen = {63, 16, 63 + style::kScopeLayerSize.width, 16 + style::kScopeLayerSize.height};
    face.meters = {{15, 29, 20, 143}, {43, 29, 48, 143}};
    face.levelGroove = levelGroove();
    face.title = {70, 182, 225, 202};
    return face;
}

}  // namespace art
