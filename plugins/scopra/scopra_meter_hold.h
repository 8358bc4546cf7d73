// The held peaks of the two meters during one block, in the block's
// precision. Only the measurement engine uses it.
//
// Pair by pair (step()), a held peak takes the meter's value when it rises
// above it or when its count has reached the reset count, and otherwise
// counts the pair. Once a held peak is at least the meter's value, which the
// first step() of a block makes sure of, a value can only rise above it
// through the instant attack of its peak follower, where the value is the
// signal's own magnitude. So for a stretch of pairs in which no count can
// reach the reset count, span() works from the input alone: the held peak
// becomes the largest magnitude if that exceeds it, and the count runs from
// the first pair with that magnitude; the other pairs only count. This holds
// for finite input; a block with a NaN or an infinity goes pair by pair.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include <limits>
#include <type_traits>

#include "plugins/scopra/scopra_measurement_state.h"

namespace scopra {

// The magnitudes the two meters show for a pair (L, R): |L| and |R|, or
// half of |L - R| and |L + R|. T is the sample type or a vector of it.
template <bool kSideMid>
struct MeterMagnitudes {
    template <typename T>
    [[gnu::always_inline]] static T meter1(T left, T right) {
        if constexpr (kSideMid)
            return half(magnitude(left - right));
        else
            return magnitude(left);
    }
    template <typename T>
    [[gnu::always_inline]] static T meter2(T left, T right) {
        if constexpr (kSideMid)
            return half(magnitude(left + right));
        else
            return magnitude(right);
    }

private:
    static float magnitude(float v) { return std::fabs(v); }
    static double magnitude(double v) { return std::fabs(v); }
    template <typename V>
    [[gnu::always_inline]] static V magnitude(V v) {
        using Sample = decltype(v[0] + 0);
        using Whole = std::conditional_t<sizeof(Sample) == 4, int32_t, int64_t>;
        typedef Whole Mask __attribute__((vector_size(sizeof(V))));
        return reinterpret_cast<V>(reinterpret_cast<Mask>(v) &
                                   std::numeric_limits<Whole>::max());
    }
    template <typename T>
    [[gnu::always_inline]] static T half(T v) {
        return v * decltype(v[0] + 0)(0.5);
    }
    static float half(float v) { return v * 0.5f; }
    static double half(double v) { return v * 0.5; }
};

// kWidth is the number of lanes the spans are scanned with; more than a
// 16-byte vector holds only in code built for processors with AVX2, into
// which every member below is inlined.
template <typename Sample, bool kSideMid, int kWidth = 16 / sizeof(Sample)>
class MeterHold {
public:
    using Magnitudes = MeterMagnitudes<kSideMid>;
    static constexpr bool kShowsSideMid = kSideMid;

    [[gnu::always_inline]] MeterHold(const MeasurementState& s, int32_t resetCount)
        : held_{s.heldPeak[0], s.heldPeak[1]},
          count_{s.holdCount[0], s.holdCount[1]},
          resetCount_(resetCount) {}

    [[gnu::always_inline]] void storeInto(MeasurementState& s) const {
        s.heldPeak[0] = static_cast<float>(held_[0]);
        s.heldPeak[1] = static_cast<float>(held_[1]);
        s.holdCount[0] = count_[0];
        s.holdCount[1] = count_[1];
    }

    // Whether each held peak is at least its meter's value, which the spans
    // need; after a change of mode, or a follower flushed to 0 with its held
    // peak, it may not be until the next pair.
    [[gnu::always_inline]] bool atLeast(Sample value1, Sample value2) const {
        return held_[0] >= value1 && held_[1] >= value2;
    }

    // Pairs before a count can reach the reset count: span() may take that
    // many; 0 when one is due now.
    [[gnu::always_inline]] int32_t pairsBeforeExpiry() const {
        const int32_t counted = std::max(count_[0], count_[1]);
        return counted >= resetCount_ ? 0 : resetCount_ - counted;
    }

    // One pair, with the meters' values (the shown peak followers).
    [[gnu::always_inline]] void step(Sample value1, Sample value2) {
        holdOne(0, value1);
        holdOne(1, value2);
    }

    // `pairs` pairs of input, no more than pairsBeforeExpiry().
    [[gnu::always_inline]] void span(const Sample* left, const Sample* right, int pairs) {
        // The largest magnitude of each meter and the chunk that first holds
        // it: the last chunk whose largest magnitude beat all before it.
        Sample largest[kNumMeters] = {0, 0};
        int chunkOfLargest[kNumMeters] = {0, 0};
        for (int start = 0; start < pairs; start += kChunkPairs) {
            const int length = std::min(kChunkPairs, pairs - start);
            Sample chunkLargest[kNumMeters];
            largestOf(left + start, right + start, length, chunkLargest);
            for (int m = 0; m < kNumMeters; ++m) {
                if (chunkLargest[m] > largest[m]) {
                    largest[m] = chunkLargest[m];
                    chunkOfLargest[m] = start;
                }
            }
        }
        spanOne<0>(left, right, pairs, largest[0], chunkOfLargest[0], Meter1{});
        spanOne<1>(left, right, pairs, largest[1], chunkOfLargest[1], Meter2{});
    }

private:
    typedef Sample Vector __attribute__((vector_size(kWidth * sizeof(Sample))));

    static constexpr int kChunkPairs = 64;

    // A held peak below the span's largest magnitude rises to it at its first
    // pair and counts from there; otherwise it counts every pair.
    template <int m, typename Magnitude>
    [[gnu::always_inline]] void spanOne(const Sample* left, const Sample* right, int pairs,
                                        Sample largest, int chunk, Magnitude magnitude) {
        if (largest > held_[m]) {
            const int length = std::min(kChunkPairs, pairs - chunk);
            const int first =
                chunk + firstIndexOf(left + chunk, right + chunk, length, largest, magnitude);
            held_[m] = largest;
            count_[m] = pairs - 1 - first;
        } else {
            count_[m] += pairs;
        }
    }

    struct Meter1 {
        template <typename T>
        [[gnu::always_inline]] T operator()(T left, T right) const {
            return Magnitudes::meter1(left, right);
        }
    };
    struct Meter2 {
        template <typename T>
        [[gnu::always_inline]] T operator()(T left, T right) const {
            return Magnitudes::meter2(left, right);
        }
    };

    [[gnu::always_inline]] void holdOne(int m, Sample value) {
        if (value > held_[m] || count_[m] >= resetCount_) {
            held_[m] = value;
            count_[m] = 0;
        } else {
            ++count_[m];
        }
    }

    [[gnu::always_inline]] static Vector load(const Sample* p) {
        Vector v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    [[gnu::always_inline]] static Vector greater(Vector a, Vector b) { return a > b ? a : b; }
    [[gnu::always_inline]] static Sample largestLane(Vector a, Vector b) {
        const Vector v = greater(a, b);
        Sample result = v[0];
        for (int k = 1; k < kWidth; ++k) result = v[k] > result ? v[k] : result;
        return result;
    }

    // The largest magnitude of each meter over the pairs (0 for none), in
    // one pass with two running maxima per meter so that their chains
    // overlap.
    [[gnu::always_inline]] static void largestOf(const Sample* left, const Sample* right,
                                                 int pairs, Sample (&largest)[kNumMeters]) {
        Vector a1 = {}, b1 = {}, a2 = {}, b2 = {};
        int i = 0;
        for (; i + 2 * kWidth <= pairs; i += 2 * kWidth) {
            const Vector l0 = load(left + i), r0 = load(right + i);
            const Vector l1 = load(left + i + kWidth), r1 = load(right + i + kWidth);
            a1 = greater(Magnitudes::meter1(l0, r0), a1);
            b1 = greater(Magnitudes::meter1(l1, r1), b1);
            a2 = greater(Magnitudes::meter2(l0, r0), a2);
            b2 = greater(Magnitudes::meter2(l1, r1), b2);
        }
        largest[0] = largestLane(a1, b1);
        largest[1] = largestLane(a2, b2);
        for (; i < pairs; ++i) {
            const Sample m1 = Magnitudes::meter1(left[i], right[i]);
            const Sample m2 = Magnitudes::meter2(left[i], right[i]);
            largest[0] = m1 > largest[0] ? m1 : largest[0];
            largest[1] = m2 > largest[1] ? m2 : largest[1];
        }
    }

    // The first pair whose magnitude is `value`, which one of them has.
    template <typename Magnitude>
    [[gnu::always_inline]] static int firstIndexOf(const Sample* left, const Sample* right,
                                                   int pairs, Sample value,
                                                   Magnitude magnitude) {
        int i = 0;
        for (; i + kWidth <= pairs; i += kWidth) {
            const Vector v = magnitude(load(left + i), load(right + i));
            for (int k = 0; k < kWidth; ++k)
                if (v[k] == value) return i + k;
        }
        for (; i < pairs; ++i)
            if (magnitude(left[i], right[i]) == value) return i;
        return pairs - 1;
    }

    Sample held_[kNumMeters];
    int32_t count_[kNumMeters];
    int32_t resetCount_;
};

}  // namespace scopra
