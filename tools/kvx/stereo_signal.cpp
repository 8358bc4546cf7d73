#include "tools/kvx/stereo_signal.h"

#include <algorithm>

namespace kvx {

size_t StereoSignalSource::read(double* left, double* right, size_t maxFrames) {
    const size_t frames = std::min(maxFrames, signal_.left.size() - position_);
    std::copy_n(signal_.left.begin() + position_, frames, left);
    std::copy_n(signal_.right.begin() + position_, frames, right);
    position_ += frames;
    return frames;
}

}  // namespace kvx
