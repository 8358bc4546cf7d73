#include "art_set.h"

#include "art_style.h"
#include "palette.h"

namespace art {

namespace {

// What the three plug-ins with sliders and a meter have in common.
std::vector<ArtImage> sliderFaceImages(const FaceLayout& face) {
    return {backgroundImage(face), sliderHandleImage(134, "slider_handle", style::kHandleSize),
            meterStripImage(135, true), meterStripImage(136, false)};
}

// The preset bar's buttons, the same in every plug-in that has one.
std::vector<ArtImage> presetBarImages() {
    return {labelButtonImage(19899, "preset_default", "preset", style::kDefaultPresetWidth),
            labelButtonImage(19990, "bank_default", "bank", style::kDefaultBankWidth),
            glyphButtonImage(19991, "memory_recall_a", Glyph::Recall),
            glyphButtonImage(19992, "memory_recall_b", Glyph::Recall),
            glyphButtonImage(19993, "bank_load", Glyph::Load),
            glyphButtonImage(19994, "bank_save", Glyph::Save),
            glyphButtonImage(19995, "memory_store_a", Glyph::Store),
            glyphButtonImage(19996, "memory_store_b", Glyph::Store),
            rockerImage(19997),
            glyphButtonImage(19998, "preset_load", Glyph::Load),
            glyphButtonImage(19999, "preset_save", Glyph::Save)};
}

ArtSet presetFaceSet(const FaceLayout& face, std::vector<ArtImage> own) {
    ArtSet set{face.product, sliderFaceImages(face)};
    for (auto& image : own) set.images.push_back(std::move(image));
    for (auto& image : presetBarImages()) set.images.push_back(std::move(image));
    return set;
}

constexpr int kWide = style::kWideSwitchWidth;

}  // namespace

ArtSet solvaneArt() {
    constexpr int kNarrow = style::kNarrowSwitchWidth;
    return presetFaceSet(solvaneFace(),
                         {wellSwitchImage(137, "process", kWide, onOffFaces("process")),
                          wellSwitchImage(138, "phase", kWide, onOffFaces("phase")),
                          wellSwitchImage(139, "invert_left", kNarrow, onOffFaces("\u2212L")),
                          wellSwitchImage(140, "invert_right", kNarrow, onOffFaces("\u2212R")),
                          aboutImage(141)});
}

ArtSet widmoorArt() {
    std::vector<KeyFace> modes{
        {"mode 1", KeyLook::Plain}, {"mode 2", KeyLook::Plain}, {"mode 3", KeyLook::Plain}};
    return presetFaceSet(widmoorFace(),
                         {wellSwitchImage(137, "process", kWide, onOffFaces("process")),
                          wellSwitchImage(138, "phase", kWide, onOffFaces("phase")),
                          wellSwitchImage(139, "mode", kWide, modes), aboutImage(140)});
}

ArtSet duplimoArt() {
    return presetFaceSet(duplimoFace(),
                         {wellSwitchImage(137, "process", kWide, onOffFaces("process")),
                          wellSwitchImage(138, "phase", kWide, onOffFaces("phase")),
                          aboutImage(139)});
}

ArtSet scopraArt() {
    return {"scopra",
            {analyserBackgroundImage(scopraFace()),
             solidImage(129, "scope_size", style::kScopeLayerSize, palette::kScreen),
             sliderHandleImage(130, "level_handle", style::kVerticalHandleSize),
             panelSwitchImage(131, "auto", style::kAnalyserKeySize, onOffFaces("auto")),
             panelSwitchImage(132, "hold", style::kAnalyserKeySize, onOffFaces("hold")),
             splitSelectorImage(133, "mode", style::kAnalyserModeKeySize, "LR", "SM"),
             levelTrackImage(134, "level_lit_1", TrackLook::Lit),
             levelTrackImage(135, "level_lit_2", TrackLook::Lit),
             levelTrackImage(136, "level_unlit_1", TrackLook::Unlit),
             levelTrackImage(137, "level_unlit_2", TrackLook::Unlit),
             levelTrackImage(138, "level_peak_1", TrackLook::Peak),
             levelTrackImage(139, "level_peak_2", TrackLook::Peak),
             aboutImage(140),
             graticuleImage(141, "bmp00141.png"),
             solidImage(142, "pen_bright", style::kPenSize, palette::kPenBright),
             solidImage(143, "pen_dark", style::kPenSize, palette::kPenDark)}};
}

const ArtSet* findArtSet(const std::string& plugin) {
    static const std::vector<ArtSet> sets{solvaneArt(), widmoorArt(), duplimoArt(), scopraArt()};
    for (const ArtSet& set : sets)
        if (set.plugin == plugin) return &set;
    return nullptr;
}

std::vector<std::string> artSetNames() { return {"solvane", "widmoor", "duplimo", "scopra"}; }

}  // namespace art
