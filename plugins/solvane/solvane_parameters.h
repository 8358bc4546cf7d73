// The stereo image controller's parameters: indices, texts, the mapping from
// normalised values to engine values, and the factory programs.
#pragma once

#include "host/vst2.h"

namespace solvane {

enum Parameter : VstInt32 {
    kWidth = 0,
    kGain,
    kBalance,
    kStability,
    kCenterPos,
    kProcess,
    kPhase,
    kInvertLeft,
    kInvertRight,
    kNumParams
};

constexpr int kNumPrograms = 11;

struct FactoryProgram {
    const char* name;
    float values[kNumParams];
};

extern const FactoryProgram kFactoryPrograms[kNumPrograms];
extern const float kInitialValues[kNumParams];

// Texts as the host reads them; nothing is written for an unknown index.
void parameterName(VstInt32 index, char* text);
void parameterLabel(VstInt32 index, char* text);
void parameterDisplay(VstInt32 index, float value, char* text);

// Engine values derived from a normalised value v.
inline float widthFactor(float v) { return 2.0f * v * v; }
float gainFactor(float v);
inline float upperFactor(float v) { return 2.0f * v; }         // bL, sL
inline float lowerFactor(float v) { return 2.0f * (1.0f - v); }  // bR, sR
inline float centreLeftFactor(float v) { return v + 0.5f; }
inline float centreRightFactor(float v) { return 1.5f - v; }

}  // namespace solvane
