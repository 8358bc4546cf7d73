// The mono-to-stereo effect's parameters: indices, the row table, the mapping
// from normalised values to engine values, and the factory programs.
#pragma once

#include "host/parameter_table.h"

namespace duplimo {

class DuplimoEngine;

enum Parameter : VstInt32 {
    kWidth = 0,
    kBaseFreq,
    kEmphasis,
    kProcess,
    kPhase,
    kNumParams,
    kExtraValue = 6,  // only stored and read back; never part of a program
    kNumSlots
};

constexpr int kNumPrograms = 24;

constexpr PluginIdentity kIdentity{"duplimo", "duplimo - Duplimo processor",
                                   fourCharCode('K', 'q', 'D', 'u'), 5, 1, true};
static_assert(kIdentity.numParams == kNumParams, "the host sees every program parameter");

// Index 5 holds nothing; the extra value displays an empty text.
extern const ParameterRow<DuplimoEngine> kParameterRows[kNumSlots];
extern const FactoryProgram<kNumParams> kFactoryPrograms[kNumPrograms];

// Texts as the host reads them; nothing is written for an index that holds no value.
inline void parameterName(VstInt32 index, char* text) { writeName(kParameterRows, index, text); }
inline void parameterLabel(VstInt32 index, char* text) {
    writeLabel(kParameterRows, index, text);
}
inline void parameterDisplay(VstInt32 index, float value, char* text) {
    writeDisplay(kParameterRows, index, value, 0.0f, text);
}

// Engine values derived from a normalised value v.
inline float sideGain(float v) { return 2.0f * v * v; }  // W
float baseFrequencyHz(float v);                           // F = 980 v^2 + 20
inline float emphasisCoefficient(float v) { return v; }  // Ce

}  // namespace duplimo
