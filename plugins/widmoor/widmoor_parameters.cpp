#include "plugins/widmoor/widmoor_parameters.h"

#include <cstring>

#include "dsp/switch_state.h"
#include "host/fixed_decimals.h"

namespace widmoor {

const FactoryProgram kFactoryPrograms[kNumPrograms] = {
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

const char* const kNames[kNumParams] = {"depth",   "baseFreq", "wdth/emph",
                                        "process", "phase",    "mode"};
const char* const kLabels[kNumParams] = {"    %   ",  "    Hz   ", "    %    ",
                                         "         ", "         ", "         "};
const char* const kModeTexts[] = {"Mode1", "Mode2", "Mode3"};

bool known(VstInt32 index) { return index >= 0 && index < kNumParams; }

// 100..400 % of side width in the first two modes, 0..100 % emphasis in the third.
float widthEmphasisPercent(float v, float mode) {
    return mode < 1.5f ? 100.0f + 300.0f * v : 100.0f * v;
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

void parameterName(VstInt32 index, char* text) {
    if (known(index)) std::strcpy(text, kNames[index]);
}

void parameterLabel(VstInt32 index, char* text) {
    if (known(index)) std::strcpy(text, kLabels[index]);
}

void parameterDisplay(VstInt32 index, float v, float mode, char* text) {
    if (!known(index)) return;
    text[0] = 0;  // a value out of the formatter's range shows as an empty text
    switch (index) {
        case kDepth: formatFixedDecimals(100.0f * v, 2, text); break;
        case kBaseFreq: formatFixedDecimals(baseFrequencyHz(v), 2, text); break;
        case kWidthEmphasis: formatFixedDecimals(widthEmphasisPercent(v, mode), 2, text); break;
        case kProcess:
        case kPhase: std::strcpy(text, isOn(switchState(v)) ? "On" : "Off"); break;
        case kMode: std::strcpy(text, kModeTexts[modeOf(modeNumber(v))]); break;
        default: break;
    }
}

}  // namespace widmoor
