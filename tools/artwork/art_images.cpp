#include "art_set.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "analyser_background.h"
#include "art_style.h"
#include "background.h"
#include "graticule.h"
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

// --- writing -----------------------------------------------------------------

namespace {

void writeImage(const ArtImage& image, const std::string& folder) {
    Canvas canvas(image.size);
    image.draw(canvas);
    canvas.writePng(folder + "/" + image.file);
}

void writeResourceList(const ArtSet& set, const std::string& folder) {
    std::string path = folder + "/resources.cmake";
    std::ofstream out(path);
    out << "# Written by kv_artwork: the editor images of " << set.plugin
        << " as resource number=file,\n# for kv_embed_resources.\n"
        << "set(KV_ART_RESOURCES\n";
    for (const ArtImage& image : set.images)
        out << "  " << image.id << "=${CMAKE_CURRENT_LIST_DIR}/" << image.file << "\n";
    out << ")\n";
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace

void writeArtSet(const ArtSet& set, const std::string& folder) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    for (const ArtImage& image : set.images) writeImage(image, folder);
    writeResourceList(set, folder);
}

}  // namespace art
