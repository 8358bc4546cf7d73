// The stereo image analyser's parameters: indices, texts and the mapping from
// normalised values to the values the measurement and the editor use.
#pragma once

#include "host/vst2.h"

namespace scopra {

enum Parameter : VstInt32 {
    kParamLevel = 0,  // goniometer level
    kParamAuto,       // automatic level on/off
    kParamHold,       // goniometer persistence on/off
    kParamMode,       // meter mode: left/right or side/mid
    kNumParams
};

constexpr int kNumPrograms = 16;

// Raw values of a fresh program: level 0.12, everything else off.
extern const float kInitialValues[kNumParams];

inline bool knownParameter(VstInt32 index) { return index >= 0 && index < kNumParams; }

// Texts as the host reads them; nothing is written for an unknown index.
void parameterName(VstInt32 index, char* text);
void parameterLabel(VstInt32 index, char* text);
void parameterDisplay(VstInt32 index, float value, char* text);

// Linear goniometer gain for a raw level v: v * v * 63 + 1 (1 .. 64).
inline float scopeGainForLevel(float v) { return v * v * 63.0f + 1.0f; }

}  // namespace scopra
