#include "plugins/solvane/solvane_parameters.h"

#include <cmath>
#include <cstring>

#include "dsp/switch_state.h"
#include "host/fixed_decimals.h"

namespace solvane {

const float kInitialValues[kNumParams] = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1.0f, 0.0f, 0.0f, 0.0f};

const FactoryProgram kFactoryPrograms[kNumPrograms] = {
    {"init", {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 0, 0, 0}},
    {"extended width", {0.625f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 0, 0, 0}},
    {"reduced width", {0.375f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 0, 0, 0}},
    {"balanse to the left", {0.5f, 0.5f, 0.7f, 0.5f, 0.5f, 1, 1, 0, 0}},
    {"balanse to the right", {0.5f, 0.5f, 0.3f, 0.5f, 0.5f, 1, 1, 0, 0}},
    {"side bal left", {0.5f, 0.5f, 0.5f, 0.75f, 0.5f, 1, 0, 0, 0}},
    {"side bal right", {0.5f, 0.5f, 0.5f, 0.25f, 0.5f, 1, 0, 0, 0}},
    {"center shift left", {0.5f, 0.5f, 0.5f, 0.5f, 0.8f, 1, 0, 0, 0}},
    {"center shift right", {0.5f, 0.5f, 0.5f, 0.5f, 0.2f, 1, 0, 0, 0}},
    {"out of phase", {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 0, 0, 1}},
    {"swapped", {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 1, 0, 0}},
};

namespace {

const char* const kNames[kNumParams] = {"width",   "gain",  "balance", "stability", "centerPos",
                                        "process", "phase", "-L",      "-R"};
const char* const kLabels[kNumParams] = {"    %   ",  "   dB   ",  "       ",
                                         "         ", "         ", "         ",
                                         "         ", "    ",      "    "};

bool known(VstInt32 index) { return index >= 0 && index < kNumParams; }

// "20L", "20R" or "C" for the three position parameters.
void positionDisplay(float v, char* text) {
    if (v > 0.51) {
        formatFixedDecimals(100.0f * v - 50.0f, 0, text);
        std::strcat(text, "L");
    } else if (v < 0.49) {
        formatFixedDecimals(50.0f - 100.0f * v, 0, text);
        std::strcat(text, "R");
    } else {
        std::strcpy(text, "C");
    }
}

}  // namespace

float gainFactor(float v) {
    return static_cast<float>(std::pow(10.0, 1.2 * (static_cast<double>(v) - 0.5)));
}

void parameterName(VstInt32 index, char* text) {
    if (known(index)) std::strcpy(text, kNames[index]);
}

void parameterLabel(VstInt32 index, char* text) {
    if (known(index)) std::strcpy(text, kLabels[index]);
}

void parameterDisplay(VstInt32 index, float v, char* text) {
    if (!known(index)) return;
    text[0] = 0;  // a value out of the formatter's range shows as an empty text
    const bool on = isOn(switchState(v));
    switch (index) {
        case kWidth:
            formatFixedDecimals(400.0f * v * v, 2, text);
            break;
        case kGain:
            formatFixedDecimals(24.0f * (v - 0.5f), 2, text);
            break;
        case kBalance:
        case kStability:
        case kCenterPos:
            positionDisplay(v, text);
            break;
        case kProcess:
        case kPhase:
            std::strcpy(text, on ? "On" : "Off");
            break;
        case kInvertLeft:
            std::strcpy(text, on ? "-L" : "+L");
            break;
        case kInvertRight:
            std::strcpy(text, on ? "-R" : "+R");
            break;
        default:
            break;
    }
}

}  // namespace solvane
