// A whole stereo signal in memory, and a source that plays it.
#pragma once

#include <vector>

#include "tools/kvx/audio_source.h"

namespace kvx {

struct StereoSignal {
    int sampleRateHz = 0;
    std::vector<double> left;
    std::vector<double> right;
};

class StereoSignalSource : public AudioSource {
public:
    explicit StereoSignalSource(const StereoSignal& signal) : signal_(signal) {}
    int sampleRateHz() const override { return signal_.sampleRateHz; }
    int64_t totalFrames() const override { return static_cast<int64_t>(signal_.left.size()); }
    size_t read(double* left, double* right, size_t maxFrames) override;

private:
    const StereoSignal& signal_;
    size_t position_ = 0;
};

}  // namespace kvx
