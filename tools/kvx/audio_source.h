// A stereo signal that the renderer pulls block by block: a sound file or a
// signal held in memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kvx {

class AudioSource {
public:
    virtual ~AudioSource() = default;
    virtual int sampleRateHz() const = 0;
    virtual int64_t totalFrames() const = 0;
    // Fills up to `maxFrames` frames of each channel; returns how many were
    // read, 0 at the end.
    virtual size_t read(double* left, double* right, size_t maxFrames) = 0;
};

}  // namespace kvx
