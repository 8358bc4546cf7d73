#include "plugins/duplimo/duplimo_parameters.h"

#include <cstring>

#include "dsp/switch_state.h"
#include "host/fixed_decimals.h"

namespace duplimo {

const FactoryProgram kFactoryPrograms[kNumPrograms] = {
    {"init", {0.0f, 0.5f, 0.0f, 1, 0}},
    {"mix 1", {0.75f, 0.25f, 0.25f, 1, 0}},
    {"mix 2", {0.5f, 0.61f, 0.12f, 1, 0}},
    {"mix 3", {0.6f, 0.15f, 0.5f, 1, 0}},
    {"room 1", {0.75f, 0.2f, 0.5f, 1, 0}},
    {"room 2", {0.5f, 0.11f, 0.5f, 1, 0}},
    {"room 3", {0.63f, 0.64f, 0.0f, 1, 0}},
    {"techno space 1", {0.75f, 0.25f, 0.25f, 1, 0}},
    {"techno space 2", {0.75f, 0.25f, 0.5f, 1, 0}},
    {"piano 1", {0.6f, 0.24f, 0.0f, 1, 0}},
    {"piano 2", {0.75f, 0.15f, 0.24f, 1, 0}},
    {"piano 3", {0.75f, 0.58f, 0.3f, 1, 0}},
    {"guitar 1", {0.55f, 0.8f, 0.0f, 1, 0}},
    {"guitar 2", {0.6f, 0.23f, 0.0f, 1, 0}},
    {"guitar 3", {1.0f, 0.44f, 0.5f, 1, 0}},
    {"bas 1", {0.4f, 0.5f, 0.0f, 1, 0}},
    {"bas 2", {0.65f, 0.18f, 0.37f, 1, 0}},
    {"bas 3", {0.75f, 0.25f, 0.5f, 1, 0}},
    {"bas 4", {0.6f, 0.52f, 0.19f, 1, 0}},
    {"kick 1", {0.5f, 0.38f, 0.0f, 1, 0}},
    {"kick 2", {0.7f, 0.35f, 0.2f, 1, 0}},
    {"toms", {0.7f, 0.5f, 0.25f, 1, 0}},
    {"over heads 1", {0.8f, 0.3f, 0.4f, 1, 0}},
    {"over heads 2", {0.9f, 0.38f, 0.6f, 1, 0}},
};

namespace {

const char* const kNames[kNumParams] = {"width", "baseFreq", "emphasis", "process", "phase"};
const char* const kLabels[kNumParams] = {"    %   ", "    Hz   ", "    %    ", "         ",
                                         "         "};
constexpr const char* kExtraText = "  ";

constexpr double kFrequencySpanHz = 980.0;
constexpr double kLowestFrequencyHz = 20.0;
constexpr float kPercent = 100.0f;
constexpr int kDisplayDecimals = 2;

}  // namespace

float baseFrequencyHz(float v) {
    const double x = static_cast<double>(v);
    return static_cast<float>(kFrequencySpanHz * x * x + kLowestFrequencyHz);
}

void parameterName(VstInt32 index, char* text) {
    if (index == kExtraValue)
        std::strcpy(text, kExtraText);
    else if (isStoredIndex(index))
        std::strcpy(text, kNames[index]);
}

void parameterLabel(VstInt32 index, char* text) {
    if (index == kExtraValue)
        std::strcpy(text, kExtraText);
    else if (isStoredIndex(index))
        std::strcpy(text, kLabels[index]);
}

void parameterDisplay(VstInt32 index, float v, char* text) {
    if (!isStoredIndex(index)) return;
    text[0] = 0;  // a value out of the formatter's range shows as an empty text
    switch (index) {
        case kWidth:
        case kEmphasis:
            formatFixedDecimals(kPercent * v, kDisplayDecimals, text);
            break;
        case kBaseFreq:
            formatFixedDecimals(baseFrequencyHz(v), kDisplayDecimals, text);
            break;
        case kProcess:
        case kPhase:
            std::strcpy(text, isOn(switchState(v)) ? "On" : "Off");
            break;
        default:  // the extra value shows nothing
            break;
    }
}

}  // namespace duplimo
