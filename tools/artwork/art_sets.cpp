#include "art_set.h"

#include "art_style.h"

namespace art {

namespace {
constexpr int kMeterLitId = 135;
constexpr int kMeterUnlitId = 136;

// What the three plug-ins with sliders and a meter have in common.
std::vector<ArtImage> sliderFaceImages(const FaceLayout& face) {
    return {backgroundImage(face), sliderHandleImage(), meterStripImage(kMeterLitId, true),
            meterStripImage(kMeterUnlitId, false)};
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

ArtSet makeSet(const FaceLayout& face, std::vector<ArtImage> own) {
    ArtSet set{face.product, sliderFaceImages(face)};
    for (auto& image : own) set.images.push_back(std::move(image));
    for (auto& image : presetBarImages()) set.images.push_back(std::move(image));
    return set;
}
}  // namespace

ArtSet solvaneArt() {
    using style::kNarrowSwitchWidth;
    using style::kWideSwitchWidth;
    return makeSet(solvaneFace(),
                   {switchImage(137, "process", kWideSwitchWidth, onOffFaces("process")),
                    switchImage(138, "phase", kWideSwitchWidth, onOffFaces("phase")),
                    switchImage(139, "invert_left", kNarrowSwitchWidth, onOffFaces("\u2212L")),
                    switchImage(140, "invert_right", kNarrowSwitchWidth, onOffFaces("\u2212R")),
                    aboutImage(141)});
}

ArtSet widmoorArt() {
    using style::kWideSwitchWidth;
    std::vector<KeyFace> modes{
        {"mode 1", KeyLook::Plain}, {"mode 2", KeyLook::Plain}, {"mode 3", KeyLook::Plain}};
    return makeSet(widmoorFace(),
                   {switchImage(137, "process", kWideSwitchWidth, onOffFaces("process")),
                    switchImage(138, "phase", kWideSwitchWidth, onOffFaces("phase")),
                    switchImage(139, "mode", kWideSwitchWidth, modes), aboutImage(140)});
}

ArtSet duplimoArt() {
    using style::kWideSwitchWidth;
    return makeSet(duplimoFace(),
                   {switchImage(137, "process", kWideSwitchWidth, onOffFaces("process")),
                    switchImage(138, "phase", kWideSwitchWidth, onOffFaces("phase")),
                    aboutImage(139)});
}

const ArtSet* findArtSet(const std::string& plugin) {
    static const std::vector<ArtSet> sets{solvaneArt(), widmoorArt(), duplimoArt()};
    for (const ArtSet& set : sets)
        if (set.plugin == plugin) return &set;
    return nullptr;
}

std::vector<std::string> artSetNames() { return {"solvane", "widmoor", "duplimo"}; }

}  // namespace art
