// The stereo image analyser's parameters: indices, the row table and the
// mapping from normalised values to the values the measurement and the
// editor use.
#pragma once

#include "host/parameter_table.h"

namespace scopra {

class ScopraEngine;

enum Parameter : VstInt32 {
    kParamLevel = 0,  // goniometer level
    kParamAuto,       // automatic level on/off
    kParamHold,       // goniometer persistence on/off
    kParamMode,       // meter mode: left/right or side/mid
    kNumParams
};

constexpr int kNumPrograms = 16;

constexpr PluginIdentity kIdentity{"scopra", "scopra - stereo goniometer plug-in",
                                   fourCharCode('K', 'q', 'C', 'r'), 4, 16, false};
static_assert(kIdentity.numParams == kNumParams, "the host sees every program parameter");

// The level of a fresh program; everything else starts off.
constexpr float kInitialLevel = 0.12f;

// "hold" only steers the editor: the engine ignores it.
extern const ParameterRow<ScopraEngine> kParameterRows[kNumParams];

inline bool knownParameter(VstInt32 index) { return index >= 0 && index < kNumParams; }

// Linear goniometer gain for a raw level v: v * v * 63 + 1 (1 .. 64).
inline float scopeGainForLevel(float v) { return v * v * 63.0f + 1.0f; }

}  // namespace scopra
