// The stereo image controller's parameters: indices, the row table, the
// mapping from normalised values to engine values, the factory programs and the
// texts its face shows.
#pragma once

#include "editor/face_texts.h"
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

// The texts of solvane's editor face: the fixed labels and the read-outs
// beside the sliders. They differ from the texts the host shows.
constexpr int kFaceTextBytes = face_text::kTextBytes;

// The integer part of `value` picks "S", "M", "L", "R", "width", "gain",
// "balan", "stabil" or "center"; anything else gives an empty text.
void labelText(float value, char* text);
// The family's percent read-out (the width display holds 4 v^2).
using face_text::percentText;
// Whole decibels of a linear gain, truncated toward zero; "-oo dB" at silence.
void decibelText(float value, char* text);
// "C" around the centre, else "L1".."L50" or "R1".."R50".
void sideText(float value, char* text);

}  // namespace solvane
