// Helpers of the analyser tests: feeding the measurement engine stereo
// blocks in either precision.
#pragma once

#include <functional>
#include <vector>

#include "plugins/scopra/scopra_engine.h"

namespace scopra_test {

// Processes `frames` pairs in blocks of `blockFrames`; pair n (counted over
// all blocks) is signal(n, left, right).
template <typename Sample>
void feed(scopra::ScopraEngine& engine, long frames, int blockFrames,
          const std::function<void(long, Sample&, Sample&)>& signal) {
    std::vector<Sample> left(blockFrames), right(blockFrames);
    for (long done = 0; done < frames;) {
        const int n = static_cast<int>(std::min<long>(blockFrames, frames - done));
        for (int i = 0; i < n; ++i) signal(done + i, left[i], right[i]);
        Sample* io[2] = {left.data(), right.data()};
        engine.process<Sample>(io, io, n);
        done += n;
    }
}

// A constant pair for `frames` pairs.
template <typename Sample>
void feedConstant(scopra::ScopraEngine& engine, long frames, double left, double right,
                  int blockFrames = 512) {
    feed<Sample>(engine, frames, blockFrames, [&](long, Sample& l, Sample& r) {
        l = static_cast<Sample>(left);
        r = static_cast<Sample>(right);
    });
}

// An engine at `sampleRateHz` with the goniometer scale of level 0
// (scopeGain 1, 31 pixels per unit).
inline void prepare(scopra::ScopraEngine& engine, float sampleRateHz) {
    engine.setSampleRate(sampleRateHz);
    engine.controls.scopeGain = 1.0f;
    engine.suspendReset();
}

}  // namespace scopra_test
