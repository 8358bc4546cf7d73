#include "art_set.h"

#include "about_image.h"
#include "art_style.h"
#include "background.h"
#include "handle_image.h"
#include "meter_strip.h"

namespace art {

namespace {
constexpr int kBackgroundId = 128;
constexpr int kHandleId = 134;
}  // namespace

ArtImage backgroundImage(const FaceLayout& face) {
    return {kBackgroundId, "bg_" + face.product + ".png", face.size,
            [face](Canvas& c) { drawBackground(c, face); }};
}

ArtImage sliderHandleImage() {
    return {kHandleId, "slider_handle.png", style::kHandleSize, drawSliderHandle};
}

ArtImage meterStripImage(int id, bool lit) {
    return {id, lit ? "meter_lit.png" : "meter_unlit.png", style::kMeterStripSize,
            [lit](Canvas& c) { drawMeterStrip(c, lit); }};
}

ArtImage switchImage(int id, const std::string& name, int width, std::vector<KeyFace> states) {
    Size size = switchImageSize(width, static_cast<int>(states.size()));
    return {id, "switch_" + name + ".png", size,
            [states](Canvas& c) { drawSwitchImage(c, states); }};
}

ArtImage aboutImage(int id) { return {id, "about.png", style::kAboutSize, drawAboutImage}; }

}  // namespace art
