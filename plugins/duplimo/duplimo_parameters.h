// The mono-to-stereo effect's parameters: indices, texts, the mapping from
// normalised values to engine values, and the factory programs.
#pragma once

#include "host/vst2.h"

namespace duplimo {

enum Parameter : VstInt32 {
    kWidth = 0,
    kBaseFreq,
    kEmphasis,
    kProcess,
    kPhase,
    kNumParams,
    kExtraValue = 6,  // only stored and read back; never part of a program
};

constexpr int kNumPrograms = 24;

struct FactoryProgram {
    const char* name;
    float values[kNumParams];
};

extern const FactoryProgram kFactoryPrograms[kNumPrograms];

// Indices that hold a value: the five program parameters and the extra value.
inline bool isStoredIndex(VstInt32 index) {
    return (index >= 0 && index < kNumParams) || index == kExtraValue;
}

// Texts as the host reads them; nothing is written for an index that holds no value.
void parameterName(VstInt32 index, char* text);
void parameterLabel(VstInt32 index, char* text);
void parameterDisplay(VstInt32 index, float value, char* text);

// Engine values derived from a normalised value v.
inline float sideGain(float v) { return 2.0f * v * v; }  // W
float baseFrequencyHz(float v);                           // F = 980 v^2 + 20
inline float emphasisCoefficient(float v) { return v; }  // Ce

}  // namespace duplimo
