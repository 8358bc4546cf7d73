#include "art_set.h"

#include "about_image.h"
#include "art_style.h"
#include "background.h"
#include "handle_image.h"
#include "meter_strip.h"
#include "preset_bar_images.h"

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

ArtImage glyphButtonImage(int id, const std::string& name, Glyph glyph) {
    Size size{style::kBarButtonWidth, kPushButtonStates * style::kBarButtonHeight};
    return {id, name + ".png", size, [glyph](Canvas& c) { drawGlyphButton(c, glyph); }};
}

ArtImage labelButtonImage(int id, const std::string& name, const std::string& label, int width) {
    Size size{width, kPushButtonStates * style::kBarLabelButtonHeight};
    return {id, name + ".png", size, [label](Canvas& c) { drawLabelButton(c, label); }};
}

ArtImage rockerImage(int id) {
    Size size{style::kRockerWidth, kRockerStates * style::kBarButtonHeight};
    return {id, "program_step.png", size, drawRocker};
}

}  // namespace art
