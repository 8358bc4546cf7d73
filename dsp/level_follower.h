// The family's level follower: a 64-bit one-pole follower of a rectified
// signal that falls to 1/16 (-24 dB) of its value in 600 ms, and the
// logarithmic meter reading taken from a pair of followers.
#pragma once

#include <algorithm>
#include <cmath>

namespace level_follower {

constexpr double kFallTimeSeconds = 600.0 * 0.001;
constexpr double kFallRatio = 0.0625;  // 1/16 of the value after the fall time
constexpr double kDefaultSampleRateHz = 44100.0;

// A sample rate the followers and delays can work with: hosts may pass 0 or
// garbage before they know their own rate.
inline double usableSampleRate(double sampleRateHz) {
    return (std::isfinite(sampleRateHz) && sampleRateHz >= 1.0) ? sampleRateHz
                                                                 : kDefaultSampleRateHz;
}

// Per-sample coefficient c of E <- E + c * (x - E) with which an old value
// has fallen to `ratio` of itself after `seconds`. Every follower of the
// family takes its coefficient from here.
inline double releaseCoefficient(double ratio, double seconds, double sampleRateHz) {
    return 1.0 - std::pow(ratio, 1.0 / (seconds * sampleRateHz));
}

// The family follower's coefficient l: E <- E + l * (x - E).
inline double coefficient(double sampleRateHz) {
    return releaseCoefficient(kFallRatio, kFallTimeSeconds, usableSampleRate(sampleRateHz));
}

// The constant added to and subtracted from a follower so that values far
// below it become exactly 0 instead of decaying through denormal numbers.
template <typename Sample>
inline constexpr double kFlushConstant = 1e-21;
template <>
inline constexpr double kFlushConstant<float> = 1e-16;

inline void update(double& follower, double input, double coeff) {
    follower += coeff * (input - follower);
}

// Once per block, after the block's updates: the add-and-subtract of the
// flush constant, and recovery from non-finite input (a follower that took a
// NaN or an infinity starts again from 0).
template <typename Sample>
inline void settle(double& follower) {
    follower += kFlushConstant<Sample>;
    follower -= kFlushConstant<Sample>;
    if (!std::isfinite(follower)) follower = 0.0;
}

// log16(numerator / denominator), clamped to -0.5 ... +0.5 as the meters show
// it. Written as (log10(ratio) + log10(4)) / log10(16) - 0.5 this is the same
// value; one natural logarithm is the cheaper way to it.
inline float log16Reading(double numerator, double denominator) {
    constexpr double kOneOverLn16 = 0.36067376022224085;
    const double reading = std::log(numerator / denominator) * kOneOverLn16;
    return static_cast<float>(std::clamp(reading, -0.5, 0.5));
}

// Reading of a pair of followers: log16(upper / lower) when both are above
// their thresholds, +0.5 or -0.5 when only one is, 0 when neither is.
inline float pairReading(double upper, double upperThreshold, double lower,
                         double lowerThreshold) {
    const bool upperLive = upper > upperThreshold;
    const bool lowerLive = lower > lowerThreshold;
    if (upperLive && lowerLive) return log16Reading(upper, lower);
    if (upperLive) return 0.5f;
    if (lowerLive) return -0.5f;
    return 0.0f;
}

// Two level followers side by side in the lanes of one 128-bit vector, so a
// stereo engine updates both with one subtraction, one multiplication and
// one addition. Each lane computes exactly what update computes for a single
// follower; the values are bit for bit the same.
class FollowerPair {
public:
    FollowerPair(double first, double second) : value_{first, second} {}

    // E <- E + coeff * (x - E) in each lane.
    void update(double firstInput, double secondInput, double coeff) {
        const Lanes input = {firstInput, secondInput};
        value_ += coeff * (input - value_);
    }

    double first() const { return value_[0]; }
    double second() const { return value_[1]; }

private:
    using Lanes = double __attribute__((vector_size(2 * sizeof(double))));
    Lanes value_;
};

}  // namespace level_follower

// The level follower's per-sample coefficient, recomputed only when the
// sample rate changes, so that a block costs no power function.
class FollowerCoefficientCache {
public:
    double at(double sampleRateHz) {
        if (sampleRateHz != rateHz_) {
            rateHz_ = sampleRateHz;
            coeff_ = level_follower::coefficient(sampleRateHz);
        }
        return coeff_;
    }

private:
    double rateHz_ = level_follower::kDefaultSampleRateHz;
    double coeff_ = level_follower::coefficient(level_follower::kDefaultSampleRateHz);
};
