// A ring of 32-bit samples whose length is a power of two. Every access wraps
// its index with the ring's mask, so no index, however it was computed, can
// reach outside the ring.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

template <uint32_t kSamples>
class DelayRing {
    static_assert(kSamples > 0 && (kSamples & (kSamples - 1)) == 0,
                  "the ring length must be a power of two");

public:
    static constexpr uint32_t kMask = kSamples - 1;

    DelayRing() : samples_(new float[kSamples]()) {}

    static constexpr uint32_t wrap(uint32_t index) { return index & kMask; }
    float& at(uint32_t index) { return samples_[wrap(index)]; }
    float at(uint32_t index) const { return samples_[wrap(index)]; }
    void clear() { std::fill_n(samples_.get(), kSamples, 0.0f); }

    // Stores a sample as its 32-bit value, or as 0 where that is not finite (a
    // NaN, an infinity, a 64-bit value beyond the 32-bit range): a delay line
    // built on the ring then never echoes one bad input sample a delay later.
    template <typename Sample>
    void put(uint32_t index, Sample sample) {
        const float narrowed = static_cast<float>(sample);
        samples_[wrap(index)] = std::isfinite(narrowed) ? narrowed : 0.0f;
    }

private:
    std::unique_ptr<float[]> samples_;
};
