// A ring of 32-bit samples whose length is a power of two. Every access wraps
// its index with the ring's mask, so no index, however it was computed, can
// reach outside the ring. The samples live inside the ring object, so an
// effect that holds rings is built with one allocation, its own.
#pragma once

#include <algorithm>
#include <cstdint>

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

private:
    float samples_[kSamples] = {};
};
