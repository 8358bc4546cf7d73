// The built-in demo: about six seconds of synthesised stereo programme
// material, so that a plug-in can be heard without an input file. Four parts:
// a bass line in the centre, a chord pad panned left with its own width, a
// percussive noise part panned right, and a lead that is out of phase
// between the channels. Every sample is exactly representable as a 32-bit
// float, so both processing precisions see the same signal.
#pragma once

#include "tools/kvx/audio_io.h"

namespace kvx {

constexpr double kDemoSeconds = 6.0;
constexpr int kDemoDefaultRateHz = 44100;

StereoSignal makeDemoSignal(int sampleRateHz);

}  // namespace kvx
