#include "plugins/scopra/scopra_parameters.h"

#include <cmath>
#include <cstring>

#include "dsp/switch_state.h"
#include "host/audio_effect.h"
#include "host/fixed_decimals.h"

namespace scopra {

const float kInitialValues[kNumParams] = {0.12f, 0.0f, 0.0f, 0.0f};

namespace {

const char* const kNames[kNumParams] = {"level", "auto", "hold", "LR/SM"};
const char* const kLabels[kNumParams] = {"    dB   ", "         ", "         ", "         "};

constexpr float kDisplayOffsetDecibels = -6.0f;

// The goniometer level in dB as the editor's gain display and the host show it.
void levelDisplay(float v, char* text) {
    const float decibels = 20.0f * std::log10(scopeGainForLevel(v)) + kDisplayOffsetDecibels;
    formatFixedDecimals(decibels, 2, text);
}

}  // namespace

// The labels are nine characters wide, one more than the interface's nominal
// text length, as in every plug-in of the family; hosts pass larger buffers.
constexpr int kParameterTextBytes = 16;

void parameterName(VstInt32 index, char* text) {
    if (knownParameter(index)) copyVstString(text, kNames[index], kParameterTextBytes);
}

void parameterLabel(VstInt32 index, char* text) {
    if (knownParameter(index)) copyVstString(text, kLabels[index], kParameterTextBytes);
}

void parameterDisplay(VstInt32 index, float v, char* text) {
    if (!knownParameter(index)) return;
    char display[32] = "";  // a value out of the formatter's range shows as an empty text
    const bool on = isOn(switchState(v));
    switch (index) {
        case kParamLevel: levelDisplay(v, display); break;
        case kParamAuto:
        case kParamHold: std::strcpy(display, on ? "On" : "Off"); break;
        case kParamMode: std::strcpy(display, on ? "SM" : "LR"); break;
        default: break;
    }
    copyVstString(text, display, kParameterTextBytes);
}

}  // namespace scopra
