// A ring of 32-bit samples whose length is a power of two. Every indexed
// access wraps its index with the ring's mask, so no index, however it was
// computed, can reach outside the ring; loops over a stretch that does not
// wrap may take the stretch as a plain array (stretch, untilEnd). The samples
// live inside the ring object, so an effect that holds rings is built with
// one allocation, its own.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// What a ring stores for a sample narrowed to 32 bits (or for a vector of
// them, lane by lane): the sample, or 0 where it is not finite (a NaN, an
// infinity, a 64-bit value beyond the 32-bit range), so that a delay line
// built on a ring never echoes one bad input sample a delay later. Written as
// comparisons (false for a NaN), which compile to masks rather than branches.
template <typename Narrowed>
inline Narrowed ringValue(Narrowed narrowed) {
    constexpr float kLargest = std::numeric_limits<float>::max();
    return ((narrowed <= kLargest) & (narrowed >= -kLargest)) ? narrowed : Narrowed{};
}

template <uint32_t kSamples>
class DelayRing {
    static_assert(kSamples > 0 && (kSamples & (kSamples - 1)) == 0,
                  "the ring length must be a power of two");

public:
    static constexpr uint32_t kMask = kSamples - 1;

    static constexpr uint32_t wrap(uint32_t index) { return index & kMask; }
    float& at(uint32_t index) { return samples_[wrap(index)]; }
    float at(uint32_t index) const { return samples_[wrap(index)]; }
    void clear() { std::fill_n(samples_, kSamples, 0.0f); }

    // The samples from `index` on, untilEnd(index) of them before the ring
    // wraps, as a plain array.
    float* stretch(uint32_t index) { return samples_ + wrap(index); }
    static constexpr uint32_t untilEnd(uint32_t index) { return kSamples - wrap(index); }

    void put(uint32_t index, float sample) { samples_[wrap(index)] = ringValue(sample); }

private:
    float samples_[kSamples] = {};
};
