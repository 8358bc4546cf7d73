// The held peaks of the two meters during one block. Only the measurement
// engine uses it.
//
// Pair by pair, a held peak takes the meter's value when that rises above it
// or when its count has reached the reset count, and otherwise counts the
// pair. A meter's value is a peak follower (L and R), or half of one (S and
// M), and a follower rises only by its instant attack, to the float of the
// signal's magnitude. So once a held peak is at least the meter's value,
// which the engine makes sure of for the first pair of a block, span() can
// work from the input alone for a stretch of pairs in which no count can
// reach the reset count: the held peak becomes the meter's value of the
// largest magnitude if that exceeds it, and the count runs from the first
// pair whose magnitude gives that value; the other pairs only count.
//
// This holds for finite input, and while a held peak that is set equals the
// meter's value: half of a follower below 2^-125 is no longer a normal float,
// its held peak rounds below it and the meter rises above it at every pair.
// span() leaves such a stretch to the engine's pair-by-pair measurement.
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
// |L - R| and |L + R|, which the meters show halved (kScale). T is the
// sample type or a vector of it.
template <bool kSideMid>
struct MeterMagnitudes {
    static constexpr double kScale = kSideMid ? kSideMidMeterScale : 1.0;

    template <typename T>
    [[gnu::always_inline]] static T meter1(T left, T right) {
        if constexpr (kSideMid)
            return magnitude(left - right);
        else
            return magnitude(left);
    }
    template <typename T>
    [[gnu::always_inline]] static T meter2(T left, T right) {
        if constexpr (kSideMid)
            return magnitude(left + right);
        else
            return magnitude(right);
    }

    // std::fabs, for vectors lane by lane: the sign bit cleared.
    template <typename T>
    [[gnu::always_inline]] static T magnitude(T v) {
        if constexpr (std::is_floating_point_v<T>) {
            return std::fabs(v);
        } else {
            typedef long long Bits __attribute__((vector_size(sizeof(T))));
            return reinterpret_cast<T>(reinterpret_cast<Bits>(v) & ~reinterpret_cast<Bits>(-T{}));
        }
    }
};

// kWidth is the number of lanes the spans are scanned with; more than a
// 16-byte vector holds only in code built for processors with AVX2, into
// which every member below is inlined.
template <typename Sample, bool kSideMid, int kWidth = 16 / sizeof(Sample)>
class MeterHold {
public:
    using Magnitudes = MeterMagnitudes<kSideMid>;

    [[gnu::always_inline]] MeterHold(const MeasurementState& s, int32_t resetCount)
        : held_{s.heldPeak[0], s.heldPeak[1]},
          count_{s.holdCount[0], s.holdCount[1]},
          resetCount_(resetCount) {}

    [[gnu::always_inline]] void storeInto(MeasurementState& s) const {
        std::copy(std::begin(held_), std::end(held_), s.heldPeak);
        std::copy(std::begin(count_), std::end(count_), s.holdCount);
    }

    // Whether each held peak is at least its meter's value (`shown`), which
    // the spans need; after a change of mode, or a reset, it may not be.
    [[gnu::always_inline]] bool atLeast(const double (&shown)[kNumMeters]) const {
        return held_[0] >= shown[0] && held_[1] >= shown[1];
    }

    // Pairs before a count can reach the reset count: span() may take that
    // many; 0 when one is due now.
    [[gnu::always_inline]] int32_t pairsBeforeExpiry() const {
        const int32_t counted = std::max(count_[0], count_[1]);
        return counted >= resetCount_ ? 0 : resetCount_ - counted;
    }

    // `pairs` pairs of input, no more than pairsBeforeExpiry(), with the
    // meters' values before them (`shown`); false, with nothing changed, for
    // a stretch that must go pair by pair.
    [[gnu::always_inline]] bool span(const Sample* left, const Sample* right, int pairs,
                                     const double (&shown)[kNumMeters]) {
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
        const double value[kNumMeters] = {valueOf(largest[0]), valueOf(largest[1])};
        for (int m = 0; m < kNumMeters; ++m)
            if (belowNormal(m, value[m], shown[m])) return false;
        spanOne<0>(left, right, pairs, largest[0], value[0], chunkOfLargest[0], Meter1{});
        spanOne<1>(left, right, pairs, largest[1], value[1], chunkOfLargest[1], Meter2{});
        return true;
    }

private:
    typedef Sample Vector __attribute__((vector_size(kWidth * sizeof(Sample))));

    static constexpr int kChunkPairs = 64;

    // The meter's value for a magnitude: its float, halved for S and M.
    [[gnu::always_inline]] static double valueOf(Sample magnitude) {
        return Magnitudes::kScale * static_cast<double>(static_cast<float>(magnitude));
    }

    // Whether a held peak below the normal floats may meet a meter's value
    // that its float cannot hold.
    [[gnu::always_inline]] bool belowNormal(int m, double value, double shown) const {
        if (!kSideMid || held_[m] >= std::numeric_limits<float>::min()) return false;
        return value > 0.0 || shown > 0.0;
    }

    // A held peak below the span's largest value rises to it at the first
    // pair that gives it and counts from there; otherwise it counts every
    // pair.
    template <int m, typename Magnitude>
    [[gnu::always_inline]] void spanOne(const Sample* left, const Sample* right, int pairs,
                                        Sample largest, double value, int chunk,
                                        Magnitude magnitude) {
        if (value > held_[m]) {
            const int length = std::min(kChunkPairs, pairs - chunk);
            const int first = chunk + firstIndexOf(left + chunk, right + chunk, length,
                                                   static_cast<float>(largest), magnitude);
            held_[m] = static_cast<float>(value);
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

    // The first pair whose magnitude has the float `rounded`, which one of
    // them has.
    template <typename Magnitude>
    [[gnu::always_inline]] static int firstIndexOf(const Sample* left, const Sample* right,
                                                   int pairs, float rounded,
                                                   Magnitude magnitude) {
        for (int i = 0; i < pairs; ++i)
            if (static_cast<float>(magnitude(left[i], right[i])) == rounded) return i;
        return pairs - 1;
    }

    float held_[kNumMeters];
    int32_t count_[kNumMeters];
    int32_t resetCount_;
};

}  // namespace scopra
