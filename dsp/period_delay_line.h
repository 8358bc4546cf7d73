// A circular delay line of 16384 32-bit samples whose length is one period of
// a base frequency, rounded up to whole samples. The line holds only finite
// values: a sample that is not finite as a 32-bit float (NaN, an infinity, a
// 64-bit value beyond the 32-bit range) is stored as 0, so a burst of bad
// input never echoes one period later and leaves the line within one pass.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

#include "dsp/level_follower.h"

namespace period_delay {

constexpr int32_t kLineSamples = 16384;
constexpr uint32_t kIndexMask = kLineSamples - 1;

// The sample rate as a whole number of samples per second, from a rate the
// host may have given as 0, NaN or beyond any integer.
inline int32_t integerSampleRate(double sampleRateHz) {
    constexpr double kMaxRateHz = std::numeric_limits<int32_t>::max();
    const double usable = level_follower::usableSampleRate(sampleRateHz);
    return static_cast<int32_t>(std::fmin(usable, kMaxRateHz));
}

// Delay in samples of one period of `frequencyHz`: sampleRate / frequencyHz
// rounded up, wrapped into the line (0 .. kLineSamples - 1). A period that is
// not a finite positive number (NaN or infinite frequency) gives 0.
inline int32_t periodSamples(int32_t sampleRate, float frequencyHz) {
    const double period = static_cast<double>(sampleRate) / static_cast<double>(frequencyHz);
    if (!(period > 0.0) || !std::isfinite(period)) return 0;
    return static_cast<int32_t>(std::fmod(std::ceil(period), static_cast<double>(kLineSamples)));
}

}  // namespace period_delay

class PeriodDelayLine {
public:
    PeriodDelayLine() : samples_(new float[period_delay::kLineSamples]) { clear(); }

    // Working copy of the write position for one block; the engine keeps it in
    // a register and hands it back with finish().
    struct Cursor {
        float* samples;
        uint32_t write;

        // Stores `x` at the write position, returns the sample written `delay`
        // steps earlier (the one just stored for a delay of 0) and advances.
        float pushAndRead(float x, int32_t delay) {
            samples[write] = std::isfinite(x) ? x : 0.0f;
            const float delayed =
                samples[(write - static_cast<uint32_t>(delay)) & period_delay::kIndexMask];
            write = (write + 1) & period_delay::kIndexMask;
            return delayed;
        }
    };

    Cursor begin() { return Cursor{samples_.get(), write_}; }
    void finish(const Cursor& cursor) { write_ = cursor.write & period_delay::kIndexMask; }

    void clear() {
        std::fill(samples_.get(), samples_.get() + period_delay::kLineSamples, 0.0f);
    }
    uint32_t writePosition() const { return write_; }

private:
    std::unique_ptr<float[]> samples_;
    uint32_t write_ = 0;
};
