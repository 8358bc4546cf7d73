// The stereo image controller's parameters: indices, the row table, the
// mapping from normalised values to engine values, and the factory programs.
#pragma once

#include "host/parameter_table.h"

namespace solvane {

class SolvaneEngine;

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

constexpr PluginIdentity kIdentity{"solvane", "Solvane", fourCharCode('K', 'q', 'L', 'v'), 9, 1,
                                   true};
static_assert(kIdentity.numParams == kNumParams, "the host sees every program parameter");

// The rows also carry what the face's read-outs and switches show.
extern const ParameterRow<SolvaneEngine> kParameterRows[kNumParams];
extern const FactoryProgram<kNumParams> kFactoryPrograms[kNumPrograms];

// Engine values derived from a normalised value v.
inline float widthFactor(float v) { return 2.0f * v * v; }
float gainFactor(float v);
inline float upperFactor(float v) { return 2.0f * v; }         // bL, sL
inline float lowerFactor(float v) { return 2.0f * (1.0f - v); }  // bR, sR
inline float centreLeftFactor(float v) { return v + 0.5f; }
inline float centreRightFactor(float v) { return 1.5f - v; }

}  // namespace solvane
