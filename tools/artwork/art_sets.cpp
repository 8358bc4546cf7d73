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

ArtSet makeSet(const FaceLayout& face, std::vector<ArtImage> own) {
    ArtSet set{face.product, sliderFaceImages(face)};
    for (auto& image : own) set.images.push_back(std::move(image));
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
    std::vector<KeyFace> modes{{"mode 1", false}, {"mode 2", true}, {"mode 3", true}};
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
