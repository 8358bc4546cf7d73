// The delay of one period of a base frequency, in whole samples, for the
// comb and delay lines of the family.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "dsp/level_follower.h"

namespace period_delay {

// Returned when a frequency gives no usable delay (not a number); callers
// then keep the delay they had.
constexpr int32_t kNoDelay = -1;

// The sample rate as a whole number of hertz (truncated). A rate the host has
// not set (0, negative or not finite) counts as the followers' default rate;
// absurdly high rates are held at the largest 32-bit integer.
inline int32_t wholeSampleRate(double sampleRateHz) {
    const double whole = std::trunc(level_follower::usableSampleRate(sampleRateHz));
    constexpr double kLargest = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(whole < kLargest ? whole : kLargest);
}

// The smallest whole number of samples not below sampleRate / frequency,
// wrapped modulo ringSamples (a period longer than the ring wraps round it):
// 2205 for 20 Hz and 45 for 1000 Hz at 44100 Hz. kNoDelay for a frequency of
// 0 or not a number.
inline int32_t periodSamples(int32_t wholeRateHz, float frequencyHz, int32_t ringSamples) {
    const double period = static_cast<double>(wholeRateHz) / static_cast<double>(frequencyHz);
    if (!std::isfinite(period)) return kNoDelay;
    double wrapped = std::fmod(std::ceil(period), static_cast<double>(ringSamples));
    if (wrapped < 0.0) wrapped += ringSamples;
    return static_cast<int32_t>(wrapped);
}

}  // namespace period_delay
