#include "art_sets.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "analyser_images.h"
#include "art_style.h"
#include "backgrounds.h"
#include "drawing.h"
#include "palette.h"
#include "plugins/duplimo/duplimo_face_layout.h"
#include "plugins/scopra/scopra_face_layout.h"
#include "plugins/solvane/solvane_face_layout.h"
#include "plugins/widmoor/widmoor_face_layout.h"
#include "presets/preset_bar_layout.h"

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
    return {id, name + ".png", size,
            [colour](Canvas& c) { fillRect(c.cr(), c.bounds(), colour); }};
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

namespace {

// The bitmaps of a face with sliders and a meter besides the background.
struct SliderFaceIds {
    int handle, meterLit, meterUnlit;
};

// What the three plug-ins with sliders and a meter have in common.
std::vector<ArtImage> sliderFaceImages(const FaceLayout& face, SliderFaceIds ids) {
    return {backgroundImage(face), sliderHandleImage(ids.handle, "slider_handle", style::kHandleSize),
            meterStripImage(ids.meterLit, true), meterStripImage(ids.meterUnlit, false)};
}

// The preset bar's buttons, the same in every plug-in that has one.
std::vector<ArtImage> presetBarImages() {
    using namespace preset_bar;
    return {labelButtonImage(bitmapOf(kDefaultPresetTag), "preset_default", "preset",
                             style::kDefaultPresetWidth),
            labelButtonImage(bitmapOf(kDefaultBankTag), "bank_default", "bank",
                             style::kDefaultBankWidth),
            glyphButtonImage(bitmapOf(kRecallATag), "memory_recall_a", Glyph::Recall),
            glyphButtonImage(bitmapOf(kRecallBTag), "memory_recall_b", Glyph::Recall),
            glyphButtonImage(bitmapOf(kLoadBankTag), "bank_load", Glyph::Load),
            glyphButtonImage(bitmapOf(kSaveBankTag), "bank_save", Glyph::Save),
            glyphButtonImage(bitmapOf(kStoreATag), "memory_store_a", Glyph::Store),
            glyphButtonImage(bitmapOf(kStoreBTag), "memory_store_b", Glyph::Store),
            rockerImage(kRockerBitmap),
            glyphButtonImage(bitmapOf(kLoadPresetTag), "preset_load", Glyph::Load),
            glyphButtonImage(bitmapOf(kSavePresetTag), "preset_save", Glyph::Save)};
}

ArtSet presetFaceSet(const FaceLayout& face, SliderFaceIds ids, std::vector<ArtImage> own) {
    ArtSet set{face.product, sliderFaceImages(face, ids)};
    for (auto& image : own) set.images.push_back(std::move(image));
    for (auto& image : presetBarImages()) set.images.push_back(std::move(image));
    return set;
}

constexpr SliderFaceIds kSliderFaceIds{slider_face::kHandleBitmap, slider_face::kMeterLitBitmap,
                                       slider_face::kMeterUnlitBitmap};
constexpr int kWide = style::kWideSwitchWidth;

}  // namespace

ArtSet solvaneArt() {
    using namespace solvane::face;
    constexpr int kNarrow = style::kNarrowSwitchWidth;
    return presetFaceSet(
        solvaneFace(), {kHandleBitmap, kMeterLitBitmap, kMeterUnlitBitmap},
        {wellSwitchImage(kProcessSwitchBitmap, "process", kWide, onOffFaces("process")),
         wellSwitchImage(kPhaseSwitchBitmap, "phase", kWide, onOffFaces("phase")),
         wellSwitchImage(kInvertLeftSwitchBitmap, "invert_left", kNarrow, onOffFaces("\u2212L")),
         wellSwitchImage(kInvertRightSwitchBitmap, "invert_right", kNarrow, onOffFaces("\u2212R")),
         aboutImage(kAboutBitmap)});
}

ArtSet widmoorArt() {
    using namespace widmoor::face;
    std::vector<KeyFace> modes{
        {"mode 1", KeyLook::Plain}, {"mode 2", KeyLook::Plain}, {"mode 3", KeyLook::Plain}};
    return presetFaceSet(widmoorFace(), kSliderFaceIds,
                         {wellSwitchImage(kProcessBitmap, "process", kWide, onOffFaces("process")),
                          wellSwitchImage(kPhaseBitmap, "phase", kWide, onOffFaces("phase")),
                          wellSwitchImage(kModeBitmap, "mode", kWide, modes),
                          aboutImage(kAboutBitmap)});
}

ArtSet duplimoArt() {
    using namespace duplimo::face;
    return presetFaceSet(duplimoFace(), kSliderFaceIds,
                         {wellSwitchImage(kProcessBitmap, "process", kWide, onOffFaces("process")),
                          wellSwitchImage(kPhaseBitmap, "phase", kWide, onOffFaces("phase")),
                          aboutImage(kAboutBitmap)});
}

ArtSet scopraArt() {
    using namespace scopra::face;
    // The editor finds the graticule by its name; its number only has to be
    // free and keeps the name's digits.
    constexpr int kGraticuleBitmap = 141;
    return {"scopra",
            {analyserBackgroundImage(scopraFace()),
             solidImage(kScopeSizeBitmap, "scope_size", style::kScopeLayerSize, palette::kScreen),
             sliderHandleImage(kLevelHandleBitmap, "level_handle", style::kVerticalHandleSize),
             panelSwitchImage(kAutoButtonBitmap, "auto", style::kAnalyserKeySize,
                              onOffFaces("auto")),
             panelSwitchImage(kHoldButtonBitmap, "hold", style::kAnalyserKeySize,
                              onOffFaces("hold")),
             splitSelectorImage(kModeButtonBitmap, "mode", style::kAnalyserModeKeySize, "LR", "SM"),
             levelTrackImage(kMeterLitBitmaps, "level_lit_1", TrackLook::Lit),
             levelTrackImage(kMeterLitBitmaps + 1, "level_lit_2", TrackLook::Lit),
             levelTrackImage(kMeterUnlitBitmaps, "level_unlit_1", TrackLook::Unlit),
             levelTrackImage(kMeterUnlitBitmaps + 1, "level_unlit_2", TrackLook::Unlit),
             levelTrackImage(kMeterPeakBitmaps, "level_peak_1", TrackLook::Peak),
             levelTrackImage(kMeterPeakBitmaps + 1, "level_peak_2", TrackLook::Peak),
             aboutImage(kAboutBitmap),
             graticuleImage(kGraticuleBitmap, kGraticuleName),
             solidImage(kBrightPenBitmap, "pen_bright", style::kPenSize, palette::kPenBright),
             solidImage(kDarkPenBitmap, "pen_dark", style::kPenSize, palette::kPenDark)}};
}

const ArtSet* findArtSet(const std::string& plugin) {
    static const std::vector<ArtSet> sets{solvaneArt(), widmoorArt(), duplimoArt(), scopraArt()};
    for (const ArtSet& set : sets)
        if (set.plugin == plugin) return &set;
    return nullptr;
}

std::vector<std::string> artSetNames() { return {"solvane", "widmoor", "duplimo", "scopra"}; }

}  // namespace art
