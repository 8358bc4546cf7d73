#include "plugins/widmoor/widmoor_parameters.h"

#include <cstring>

#include "plugins/widmoor/widmoor_engine.h"

namespace widmoor {

const FactoryProgram<kNumParams> kFactoryPrograms[kNumPrograms] = {
    {"init", {0.0f, 0.5f, 0.0f, 1, 0, 0.0f}},
    {"enhanced mix 1", {0.5f, 0.25f, 0.0f, 1, 0, 0.0f}},
    {"enhanced mix 2", {0.35f, 0.75f, 0.0f, 1, 0, 0.0f}},
    {"enhanced mix 3", {0.6f, 0.5f, 0.0f, 1, 0, 0.0f}},
    {"enhanced mix 4", {0.0f, 0.0f, 0.25f, 1, 0, 0.0f}},
    {"enhanced space 1", {0.75f, 0.25f, 0.5f, 1, 0, 0.5f}},
    {"enhanced space 2", {0.75f, 0.4f, 0.0f, 1, 0, 0.5f}},
    {"enahnced space 3", {0.82f, 0.0125f, 0.18f, 1, 0, 0.5f}},
    {"enahnced space 4", {1.0f, 0.25f, 0.5f, 1, 0, 0.5f}},
    {"room space 1", {1.0f, 0.25f, 0.5f, 1, 0, 1.0f}},
    {"room space 2", {0.75f, 0.5f, 0.0f, 1, 0, 1.0f}},
    {"room space 3", {0.75f, 0.25f, 0.25f, 1, 0, 1.0f}},
    {"room space 4", {1.0f, 0.5f, 0.25f, 1, 0, 1.0f}},
    {"tight 1", {0.75f, 0.75f, 0.0f, 1, 0, 0.5f}},
    {"tight 2", {0.75f, 0.75f, 0.0f, 1, 0, 1.0f}},
    {"tight 3", {1.0f, 0.75f, 0.0f, 1, 0, 0.5f}},
    {"tight 4", {1.0f, 0.75f, 0.0f, 1, 0, 1.0f}},
    {"delayed 1", {0.35f, 0.0f, 0.0f, 1, 0, 0.0f}},
    {"delayed 2", {0.75f, 0.0f, 0.25f, 1, 0, 0.5f}},
    {"delayed 3", {1.0f, 0.0f, 0.5f, 1, 0, 0.5f}},
    {"delayed 4", {1.0f, 0.0f, 0.5f, 1, 0, 1.0f}},
    {"piano 1", {0.6f, 0.24f, 0.0f, 1, 0, 0.5f}},
    {"piano 2", {0.75f, 0.15f, 0.24f, 1, 0, 0.5f}},
    {"guitar 1", {0.55f, 0.8f, 0.0f, 1, 0, 0.5f}},
    {"guitar 2", {0.6f, 0.23f, 0.0f, 1, 0, 1.0f}},
    {"bas 1", {0.4f, 0.5f, 0.0f, 1, 0, 0.5f}},
    {"bas 2", {0.65f, 0.18f, 0.37f, 1, 0, 0.5f}},
    {"kick", {0.5f, 0.38f, 0.0f, 1, 0, 0.5f}},
    {"toms", {0.7f, 0.5f, 0.25f, 1, 0, 0.5f}},
    {"over heads", {0.8f, 0.3f, 0.4f, 1, 0, 0.5f}},
};

namespace {

// Mode thresholds, compared in double precision.
constexpr double kSecondModeFrom = 0.33;
constexpr double kThirdModeFrom = 0.67;

const char* const kModeTexts[] = {"Mode1", "Mode2", "Mode3"};

// 100..400 % of side width in the first two modes, 0..100 % emphasis in the third.
float widthEmphasisPercent(float v, float mode) {
    return mode < 1.5f ? 100.0f + 300.0f * v : 100.0f * v;
}

void frequencyDisplay(float v, float, char* text) {
    formatFixedDecimals(baseFrequencyHz(v), 2, text);
}

void widthEmphasisDisplay(float v, float mode, char* text) {
    formatFixedDecimals(widthEmphasisPercent(v, mode), 2, text);
}

void modeDisplay(float v, float, char* text) {
    std::strcpy(text, kModeTexts[modeOf(modeNumber(v))]);
}

}  // namespace

float modeNumber(float v) {
    const double value = v;
    if (value < kSecondModeFrom) return 0.0f;
    if (value < kThirdModeFrom) return 1.0f;
    return 2.0f;
}

Mode modeOf(float mode) {
    if (mode < 0.5f) return kSideComb;
    return mode < 1.5f ? kMidEmphasis : kSideEmphasis;
}

const ParameterRow<WidmoorEngine> kParameterRows[kNumParams] = {
    fader<WidmoorEngine>(
        "depth", "    %   ", 0.0f, depthGain,
        [](WidmoorEngine& e, float v) { storeControl(e.controls.depthGain, depthGain(v)); },
        percentDisplay),
    // The delay follows the frequency at once, on the caller's thread.
    fader<WidmoorEngine>(
        "baseFreq", "    Hz   ", 0.5f, baseFrequencyHz,
        [](WidmoorEngine& e, float v) {
            storeControl(e.controls.baseFrequencyHz, baseFrequencyHz(v));
            e.updateDelay();
        },
        frequencyDisplay),
    fader<WidmoorEngine>(
        "wdth/emph", "    %    ", 0.0f, nullptr,
        [](WidmoorEngine& e, float v) { storeControl(e.controls.widthEmphasis, v); },
        widthEmphasisDisplay, kMode),
    toggle<WidmoorEngine>(
        "process", "         ", 1.0f,
        [](WidmoorEngine& e, float v) { storeControl(e.controls.process, switchState(v)); },
        "On", "Off"),
    toggle<WidmoorEngine>(
        "phase", "         ", 0.0f,
        [](WidmoorEngine& e, float v) { storeControl(e.controls.phase, switchState(v)); },
        "On", "Off"),
    selector<WidmoorEngine>(
        "mode", "         ", 0.0f, modeNumber,
        [](WidmoorEngine& e, float v) { storeControl(e.controls.mode, modeNumber(v)); },
        modeDisplay),
};

}  // namespace widmoor
