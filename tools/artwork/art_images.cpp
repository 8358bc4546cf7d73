#include "art_set.h"

#include "about_image.h"
#include "analyser_background.h"
#include "art_style.h"
#include "background.h"
#include "graticule.h"
#include "handle_image.h"
#include "meter_strip.h"
#include "preset_bar_images.h"
#include "shapes.h"

namespace art {

namespace {
constexpr int kBackgroundId = 128;
}

ArtImage backgroundImage(const FaceLayout& face) {
    return {kBackgroundId, "bg_" + face.product + ".png", face.size,
            [face](Canvas& c) { drawBackground(c, face); }};
}

ArtImage analyserBackgroundImage(const AnalyserFace& face) {
    return {kBackgroundId, "bg_" + face.product + ".png", face.size,
            [face](Canvas& c) { drawAnalyserBackground(c, face); }};
}

ArtImage sliderHandleImage(int id, const std::string& name, Size size) {
    return {id, name + ".png", size, drawSliderHandle};
}

ArtImage meterStripImage(int id, bool lit) {
    return {id, lit ? "meter_lit.png" : "meter_unlit.png", style::kMeterStripSize,
            [lit](Canvas& c) { drawMeterStrip(c, lit); }};
}

ArtImage levelTrackImage(int id, const std::string& name, TrackLook look) {
    return {id, name + ".png", style::kLevelTrackSize,
            [look](Canvas& c) { drawLevelTrack(c, look); }};
}

ArtImage wellSwitchImage(int id, const std::string& name, int width, std::vector<KeyFace> states) {
    Size size = switchImageSize(width, static_cast<int>(states.size()));
    return {id, "switch_" + name + ".png", size,
            [states](Canvas& c) { drawSwitchImage(c, states, palette::kWellFloor); }};
}

ArtImage panelSwitchImage(int id, const std::string& name, Size size, std::vector<KeyFace> states) {
    return {id, "switch_" + name + ".png", size,
            [states](Canvas& c) { drawSwitchImage(c, states, palette::kPanel); }};
}

ArtImage splitSelectorImage(int id, const std::string& name, Size size, const std::string& first,
                            const std::string& second) {
    return {id, "switch_" + name + ".png", size, [first, second](Canvas& c) {
                drawSplitSelectorImage(c, first, second, palette::kPanel);
            }};
}

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

ArtImage graticuleImage(int id, const std::string& name) {
    return {id, name, style::kGraticuleSize, drawGraticule};
}

ArtImage solidImage(int id, const std::string& name, Size size, Colour colour) {
    return {id, name + ".png", size, [colour](Canvas& c) {
                fillRect(c.cr(), {0, 0, c.size().width, c.size().height}, colour);
            }};
}

ArtImage aboutImage(int id) { return {id, "about.png", style::kAboutSize, drawAboutImage}; }

}  // namespace art
