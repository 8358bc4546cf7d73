// The followers of one block in the block's precision: peak followers and
// mean squares of L, R, L + R and L - R and the envelope of the automatic
// level. Only the measurement engine uses it.
//
// The work is laid out for short chains of dependent operations per pair.
// The four signals sit in vectors of the sample type, "streams": one stream
// of four lanes (L, R, M, S) where a vector holds four samples (the 32-bit
// path, and the 64-bit path on processors with AVX2), otherwise two of two
// lanes, (L, R) and (M, S). The stream holding M and S also works out the
// envelope, in every lane from the larger of its M and S lanes, read from the
// M lane. Each stream is stepped on its own, so that few values are live at
// once. Two pairs at a time shorten the chains of the peak followers and of
// the envelope further (see stepTwo).
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "dsp/follower_steps.h"
#include "plugins/scopra/scopra_measurement_state.h"

namespace scopra {

// The coefficients of the followers in the block's precision.
template <typename Sample>
struct FollowerCoefficients {
    Sample peak;         // peak follower release
    Sample meanSquare;   // mean square smoothing
    Sample autoRelease;  // envelope release
    Sample autoWeight;   // of the larger of the sum and difference peaks
};

// kWidth is the number of lanes of a vector: 4 (one stream) or 2 (two
// streams). Vectors of four doubles need instructions beyond the baseline;
// the engine uses them only from code built for such processors, into which
// every member below is inlined.
template <typename Sample, int kWidth = 16 / sizeof(Sample)>
class BlockFollowers {
    static_assert(kWidth == 4 || kWidth == 2, "one stream of four lanes or two of two");
    typedef Sample Vector __attribute__((vector_size(kWidth * sizeof(Sample))));
    using Whole = std::conditional_t<sizeof(Sample) == 4, int32_t, int64_t>;
    typedef Whole Mask __attribute__((vector_size(kWidth * sizeof(Sample))));

public:
    [[gnu::always_inline]] BlockFollowers(const MeasurementState& s,
                                          const FollowerCoefficients<Sample>& c)
        : coeff_(c) {
        if constexpr (kWidth == 4) {
            main_ = Stream{lanes(s.peak, 0), lanes(s.meanSquare, 0), splat(s.autoEnvelope)};
        } else {
            channels_ = Stream{lanes(s.peak, 0), lanes(s.meanSquare, 0), Vector{}};
            main_ = Stream{lanes(s.peak, 2), lanes(s.meanSquare, 2), splat(s.autoEnvelope)};
        }
    }

    // Rounds the values to their 32-bit fields.
    [[gnu::always_inline]] void storeInto(MeasurementState& s) const {
        Sample peaks[kNumSignals], squares[kNumSignals];
        lanesOf(&Stream::peak, peaks);
        lanesOf(&Stream::meanSquare, squares);
        for (int k = 0; k < kNumSignals; ++k) {
            s.peak[k] = static_cast<float>(peaks[k]);
            s.meanSquare[k] = static_cast<float>(squares[k]);
        }
        Sample envelope[kWidth];
        std::memcpy(envelope, &main_.envelope, sizeof envelope);
        s.autoEnvelope = static_cast<float>(envelope[kSum % kWidth]);
    }

    // The peak followers of the four signals after the last pair.
    [[gnu::always_inline]] void peaks(Sample (&out)[kNumSignals]) const {
        lanesOf(&Stream::peak, out);
    }

    // False once a peak follower took a NaN or an infinity: such a follower
    // stays NaN to the end of the block.
    [[gnu::always_inline]] bool peaksFinite() const {
        Sample p[kNumSignals];
        peaks(p);
        for (int k = 0; k < kNumSignals; ++k)
            if (!std::isfinite(p[k])) return false;
        return true;
    }

    // One pair.
    [[gnu::always_inline]] void step(Sample left, Sample right) {
        const Coefficients c = vectorOf(coeff_);
        if constexpr (kWidth == 4) {
            stepOne<true>(main_, Vector{left, right, left + right, left - right}, c);
        } else {
            stepOne<false>(channels_, Vector{left, right}, c);
            stepOne<true>(main_, Vector{left + right, left - right}, c);
        }
    }

    // `pairs` pairs; two at a time while twoAtOnce(). The streams are kept in
    // local values for the loop so that they stay in registers.
    [[gnu::always_inline]] void run(const Sample* left, const Sample* right, int pairs) {
        Stream channels = channels_;
        Stream main = main_;
        const Coefficients c = vectorOf(coeff_);
        int i = 0;
        if (twoAtOnce()) {
            for (; i + 1 < pairs; i += 2) {
                typedef Sample Two __attribute__((vector_size(2 * sizeof(Sample))));
                Two l, r;
                std::memcpy(&l, left + i, sizeof l);
                std::memcpy(&r, right + i, sizeof r);
                const Two sum = l + r;
                const Two difference = l - r;
                if constexpr (kWidth == 4) {
                    const Vector channelPairs = __builtin_shufflevector(l, r, 0, 2, 1, 3);
                    const Vector sidePairs = __builtin_shufflevector(sum, difference, 0, 2, 1, 3);
                    stepTwo<true>(main,
                                  __builtin_shufflevector(channelPairs, sidePairs, 0, 1, 4, 5),
                                  __builtin_shufflevector(channelPairs, sidePairs, 2, 3, 6, 7),
                                  c);
                } else {
                    stepTwo<false>(channels, __builtin_shufflevector(l, r, 0, 2),
                                   __builtin_shufflevector(l, r, 1, 3), c);
                    stepTwo<true>(main, __builtin_shufflevector(sum, difference, 0, 2),
                                  __builtin_shufflevector(sum, difference, 1, 3), c);
                }
            }
        }
        channels_ = channels;
        main_ = main;
        for (; i < pairs; ++i) step(left[i], right[i]);
    }

private:
    // The followers of the signals in one vector's lanes.
    struct Stream {
        Vector peak;
        Vector meanSquare;
        Vector envelope;  // only in the stream of M and S
    };

    // Coefficients spread over the lanes: peak, mean square, envelope
    // release, envelope weight.
    struct Coefficients {
        Vector peak, meanSquare, autoRelease, autoWeight;
    };

    static constexpr double kLargestCoeffForTwo = 0.1;

    // Whether stepTwo() gives the result of two stepOne()s: the rounded
    // release f + (x - f) c never decreases as f grows while c stays well
    // below 1/2 (a change of f by one unit moves the rounded product by less
    // than that). Only rates below about 45 Hz give larger coefficients.
    bool twoAtOnce() const {
        return coeff_.peak <= Sample(kLargestCoeffForTwo) &&
               coeff_.autoRelease <= Sample(kLargestCoeffForTwo);
    }

    [[gnu::always_inline]] static Coefficients vectorOf(const FollowerCoefficients<Sample>& c) {
        return Coefficients{splat(c.peak), splat(c.meanSquare), splat(c.autoRelease),
                            splat(c.autoWeight)};
    }

    // The lanes of one member of the streams in signal order, copied out so
    // that the streams themselves are never indexed and stay in registers.
    [[gnu::always_inline]] void lanesOf(Vector Stream::*member,
                                        Sample (&out)[kNumSignals]) const {
        if constexpr (kWidth == 4) {
            std::memcpy(out, &(main_.*member), sizeof(Vector));
        } else {
            std::memcpy(out, &(channels_.*member), sizeof(Vector));
            std::memcpy(out + kWidth, &(main_.*member), sizeof(Vector));
        }
    }

    template <bool kEnvelope>
    [[gnu::always_inline]] static void stepOne(Stream& s, Vector signal, const Coefficients& c) {
        const Vector magnitude = magnitudeOf(signal);
        s.peak = follower_steps::peakStep(s.peak, magnitude, c.peak);
        s.meanSquare = smooth(s.meanSquare, signal * signal, c.meanSquare);
        if constexpr (kEnvelope) {
            const Vector input = envelopeInput(s.peak, c);
            s.envelope = follower_steps::peakStep(s.envelope, input, c.autoRelease);
        }
    }

    // Two pairs. A follower after the second pair is the largest of the
    // second input, the release from the first input and the release from
    // the first release: the release from the larger of two values is the
    // larger of their releases, so the chain from the old follower needs one
    // maximum for two pairs. The result is the same, bit for bit, as two
    // stepOne()s.
    template <bool kEnvelope>
    [[gnu::always_inline]] static void stepTwo(Stream& s, Vector signal1, Vector signal2,
                                               const Coefficients& c) {
        const Vector magnitude1 = magnitudeOf(signal1);
        const Vector magnitude2 = magnitudeOf(signal2);
        const Vector release1 = smooth(s.peak, magnitude1, c.peak);
        const Vector peak1 = greater(magnitude1, release1);
        s.peak = greater(greater(magnitude2, smooth(magnitude1, magnitude2, c.peak)),
                         smooth(release1, magnitude2, c.peak));
        s.meanSquare = smooth(smooth(s.meanSquare, signal1 * signal1, c.meanSquare),
                              signal2 * signal2, c.meanSquare);
        if constexpr (kEnvelope) {
            const Vector input1 = envelopeInput(peak1, c);
            const Vector input2 = envelopeInput(s.peak, c);
            const Vector envelopeRelease1 = smooth(s.envelope, input1, c.autoRelease);
            s.envelope = greater(greater(input2, smooth(input1, input2, c.autoRelease)),
                                 smooth(envelopeRelease1, input2, c.autoRelease));
        }
    }

    // kWidth fields from `first` on.
    [[gnu::always_inline]] static Vector lanes(const float (&v)[kNumSignals], int first) {
        Vector r = {};
        for (int k = 0; k < kWidth; ++k) r[k] = v[first + k];
        return r;
    }
    [[gnu::always_inline]] static Vector splat(Sample value) { return Vector{} + value; }
    [[gnu::always_inline]] static Vector greater(Vector a, Vector b) { return a > b ? a : b; }
    [[gnu::always_inline]] static Vector smooth(Vector state, Vector input, Vector coeff) {
        return follower_steps::smoothStep(state, input, coeff);
    }
    [[gnu::always_inline]] static Vector magnitudeOf(Vector v) {
        constexpr Whole kAllButSign = std::numeric_limits<Whole>::max();
        return reinterpret_cast<Vector>(reinterpret_cast<Mask>(v) & kAllButSign);
    }

    // The weighted larger of the M and S peaks of the stream, in its M lane
    // as std::max(M, S) gives it.
    [[gnu::always_inline]] static Vector envelopeInput(Vector peaks, const Coefficients& c) {
        Vector other;
        if constexpr (kWidth == 4)
            other = __builtin_shufflevector(peaks, peaks, 0, 1, 3, 2);
        else
            other = __builtin_shufflevector(peaks, peaks, 1, 0);
        return c.autoWeight * (peaks < other ? other : peaks);
    }

    Stream channels_ = {};  // L and R with two lanes; unused with four
    Stream main_ = {};      // M and S (all four with four lanes) and the envelope
    FollowerCoefficients<Sample> coeff_;
};

}  // namespace scopra
