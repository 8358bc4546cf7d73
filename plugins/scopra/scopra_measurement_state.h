// The measured values of the analyser: peak followers and mean squares of the
// four signals, the envelope of the automatic level and the held peaks of the
// two meters.
#pragma once

#include <cstdint>

namespace scopra {

enum Signal : int {
    kLeft = 0,    // L
    kRight,       // R
    kSum,         // M = L + R (not halved)
    kDifference,  // S = L - R (not halved)
    kNumSignals
};

// Meter 1 shows L (mode L/R) or S (mode S/M), meter 2 shows R or M.
constexpr int kNumMeters = 2;
constexpr double kSideMidMeterScale = 0.5;  // S and M peaks shown halved

struct MeasurementState {
    float peak[kNumSignals] = {};        // linear amplitude
    float meanSquare[kNumSignals] = {};  // running mean squares
    float autoEnvelope = 0.0f;           // drives the automatic level
    float heldPeak[kNumMeters] = {};     // linear amplitude
    int32_t holdCount[kNumMeters] = {};  // samples since the held peak was set
};

}  // namespace scopra
