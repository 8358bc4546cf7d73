// The stereo image enhancer's parameters: indices, the row table, the mapping
// from normalised values to engine values, and the factory programs.
#pragma once

#include "host/parameter_table.h"

namespace widmoor {

class WidmoorEngine;

enum Parameter : VstInt32 {
    kDepth = 0,
    kBaseFreq,
    kWidthEmphasis,
    kProcess,
    kPhase,
    kMode,
    kNumParams
};

// Mode numbers as the engine and the texts use them ("Mode1" .. "Mode3").
enum Mode : int {
    kSideComb = 0,
    kMidEmphasis = 1,
    kSideEmphasis = 2,
};

constexpr int kNumPrograms = 30;

constexpr PluginIdentity kIdentity{"widmoor", "Simple Widmoor", fourCharCode('K', 'q', 'W', 'd'),
                                   6, 1, true};
static_assert(kIdentity.numParams == kNumParams, "the host sees every program parameter");

// The display of "wdth/emph" depends on the current mode number.
extern const ParameterRow<WidmoorEngine> kParameterRows[kNumParams];
extern const FactoryProgram<kNumParams> kFactoryPrograms[kNumPrograms];

// Engine values derived from a normalised value v, all 32-bit.
inline float depthGain(float v) {
    const float twice = v + v;
    return twice * twice * 0.5f;  // 2 v^2, 0 to 2
}
inline float baseFrequencyHz(float v) { return 980.0f * v * v + 20.0f; }  // 20 to 1000 Hz
float modeNumber(float v);  // 0, 1 or 2 as a float
Mode modeOf(float modeNumber);

}  // namespace widmoor
