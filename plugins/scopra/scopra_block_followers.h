// The followers of one block: peak followers and mean squares of L, R,
// L + R and L - R and the envelope of the automatic level. Only the
// measurement engine uses it.
//
// Every field is a 32-bit float after every pair, whatever the block size.
// The 32-bit path works in float throughout, its coefficients rounded to
// float, so its steps need no further rounding. The 64-bit path works out
// each step in double (sample, coefficient, and the float field read as a
// double) and rounds the result to float at once.
//
// The steps are chains of dependent operations from one pair to the next,
// and those chains bound the speed. No step here takes care of NaNs or
// infinities: a field that takes one stays NaN or infinite to the end of the
// block (finite() tells), and the engine then measures the block again pair
// by pair. Every member is inlined into the engine's measurement, which is
// built once for baseline processors and once for processors with AVX2.
#pragma once

#include <emmintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "dsp/follower_steps.h"
#include "plugins/scopra/scopra_measurement_state.h"

namespace scopra {

// The coefficients of the followers in the path's precision.
template <typename Sample>
struct FollowerCoefficients {
    Sample peak;         // peak follower release
    Sample meanSquare;   // mean square smoothing
    Sample autoRelease;  // envelope release
    Sample autoWeight;   // of the larger of the sum and difference peaks
};

// The 32-bit path. The four signals sit in the lanes of one vector (L, R, M,
// S), and the envelope in every lane of another, worked out from the larger
// of the M and S lanes and read from the M lane. Two pairs at a time shorten
// the chains of the peak followers and of the envelope (see stepTwo).
class FloatFollowers {
    typedef float Vector __attribute__((vector_size(16)));
    typedef int32_t Mask __attribute__((vector_size(16)));

public:
    [[gnu::always_inline]] FloatFollowers(const MeasurementState& s,
                                          const FollowerCoefficients<float>& c)
        : fields_{load(s.peak), load(s.meanSquare), Vector{} + s.autoEnvelope},
          coeff_(c) {}

    [[gnu::always_inline]] void storeInto(MeasurementState& s) const {
        std::memcpy(s.peak, &fields_.peak, sizeof s.peak);
        std::memcpy(s.meanSquare, &fields_.meanSquare, sizeof s.meanSquare);
        s.autoEnvelope = fields_.envelope[kSum];
    }

    // The peak followers of the four signals after the last pair.
    [[gnu::always_inline]] void peaks(double (&out)[kNumSignals]) const {
        for (int k = 0; k < kNumSignals; ++k) out[k] = fields_.peak[k];
    }

    // False once a field took a NaN or an infinity.
    [[gnu::always_inline]] bool finite() const {
        const Vector all = fields_.peak + fields_.meanSquare + fields_.envelope;
        for (int k = 0; k < kNumSignals; ++k)
            if (!std::isfinite(all[k])) return false;
        return true;
    }

    // Two pairs at a time while twoAtOnce(). The fields are kept in a local
    // value for the loop so that they stay in registers.
    [[gnu::always_inline]] void run(const float* left, const float* right, int pairs) {
        Fields f = fields_;
        const Coefficients c = vectorOf(coeff_);
        int i = 0;
        if (twoAtOnce()) {
            for (; i + 1 < pairs; i += 2) {
                typedef float Two __attribute__((vector_size(8)));
                Two l, r;
                std::memcpy(&l, left + i, sizeof l);
                std::memcpy(&r, right + i, sizeof r);
                const Two sum = l + r;
                const Two difference = l - r;
                const Vector channelPairs = __builtin_shufflevector(l, r, 0, 2, 1, 3);
                const Vector sidePairs = __builtin_shufflevector(sum, difference, 0, 2, 1, 3);
                stepTwo(f, __builtin_shufflevector(channelPairs, sidePairs, 0, 1, 4, 5),
                        __builtin_shufflevector(channelPairs, sidePairs, 2, 3, 6, 7), c);
            }
        }
        for (; i < pairs; ++i)
            stepOne(f, Vector{left[i], right[i], left[i] + right[i], left[i] - right[i]}, c);
        fields_ = f;
    }

private:
    struct Fields {
        Vector peak;
        Vector meanSquare;
        Vector envelope;  // the same value in the lane of M
    };

    // Coefficients spread over the lanes.
    struct Coefficients {
        Vector peak, meanSquare, autoRelease, autoWeight;
    };

    static constexpr float kLargestCoeffForTwo = 0.1f;

    // Whether stepTwo() gives the result of two stepOne()s: the rounded
    // release f + (x - f) c never decreases as f grows while c stays well
    // below 1/2 (a change of f by one unit moves the rounded product by less
    // than that). Only rates below about 45 Hz give larger coefficients.
    bool twoAtOnce() const {
        return coeff_.peak <= kLargestCoeffForTwo && coeff_.autoRelease <= kLargestCoeffForTwo;
    }

    [[gnu::always_inline]] static Coefficients vectorOf(const FollowerCoefficients<float>& c) {
        return Coefficients{Vector{} + c.peak, Vector{} + c.meanSquare, Vector{} + c.autoRelease,
                            Vector{} + c.autoWeight};
    }

    [[gnu::always_inline]] static void stepOne(Fields& f, Vector signal, const Coefficients& c) {
        f.peak = follower_steps::peakStep(f.peak, magnitudeOf(signal), c.peak);
        f.meanSquare = smooth(f.meanSquare, signal * signal, c.meanSquare);
        f.envelope = follower_steps::peakStep(f.envelope, envelopeInput(f.peak, c), c.autoRelease);
    }

    // Two pairs. A follower after the second pair is the largest of the
    // second input, the release from the first input and the release from
    // the first release: the release from the larger of two values is the
    // larger of their releases, so the chain from the old follower needs one
    // maximum for two pairs. The result is the same, bit for bit, as two
    // stepOne()s.
    [[gnu::always_inline]] static void stepTwo(Fields& f, Vector signal1, Vector signal2,
                                               const Coefficients& c) {
        const Vector magnitude1 = magnitudeOf(signal1);
        const Vector magnitude2 = magnitudeOf(signal2);
        const Vector release1 = smooth(f.peak, magnitude1, c.peak);
        const Vector peak1 = greater(magnitude1, release1);
        f.peak = greater(greater(magnitude2, smooth(magnitude1, magnitude2, c.peak)),
                         smooth(release1, magnitude2, c.peak));
        f.meanSquare = smooth(smooth(f.meanSquare, signal1 * signal1, c.meanSquare),
                              signal2 * signal2, c.meanSquare);
        const Vector input1 = envelopeInput(peak1, c);
        const Vector input2 = envelopeInput(f.peak, c);
        const Vector envelopeRelease1 = smooth(f.envelope, input1, c.autoRelease);
        f.envelope = greater(greater(input2, smooth(input1, input2, c.autoRelease)),
                             smooth(envelopeRelease1, input2, c.autoRelease));
    }

    // The weighted larger of the M and S peaks, in the M lane as
    // std::max(M, S) gives it.
    [[gnu::always_inline]] static Vector envelopeInput(Vector peaks, const Coefficients& c) {
        const Vector other = __builtin_shufflevector(peaks, peaks, 0, 1, 3, 2);
        return c.autoWeight * (peaks < other ? other : peaks);
    }

    [[gnu::always_inline]] static Vector load(const float (&v)[kNumSignals]) {
        Vector r;
        std::memcpy(&r, v, sizeof r);
        return r;
    }
    [[gnu::always_inline]] static Vector greater(Vector a, Vector b) { return a > b ? a : b; }
    [[gnu::always_inline]] static Vector smooth(Vector state, Vector input, Vector coeff) {
        return follower_steps::smoothStep(state, input, coeff);
    }
    [[gnu::always_inline]] static Vector magnitudeOf(Vector v) {
        return reinterpret_cast<Vector>(reinterpret_cast<Mask>(v) & INT32_MAX);
    }

    Fields fields_;
    FollowerCoefficients<float> coeff_;
};

// The 64-bit path. The four signals sit in two-lane vectors, (L, R) and
// (M, S): two lanes go to float and back quicker than four. The envelope
// works in both lanes of a third.
class RoundedDoubleFollowers {
    typedef double Two __attribute__((vector_size(16)));

public:
    [[gnu::always_inline]] RoundedDoubleFollowers(const MeasurementState& s,
                                                  const FollowerCoefficients<double>& c)
        : fields_{{s.peak[kLeft], s.peak[kRight]},
                  {s.peak[kSum], s.peak[kDifference]},
                  {s.meanSquare[kLeft], s.meanSquare[kRight]},
                  {s.meanSquare[kSum], s.meanSquare[kDifference]},
                  {s.autoEnvelope, s.autoEnvelope}},
          peakCoeff_(splat(c.peak)),
          squareCoeff_(splat(c.meanSquare)),
          autoCoeff_(splat(c.autoRelease)),
          autoWeight_(splat(c.autoWeight)) {}

    // The values are floats already: the conversions are exact.
    [[gnu::always_inline]] void storeInto(MeasurementState& s) const {
        s.peak[kLeft] = static_cast<float>(fields_.peakLR[0]);
        s.peak[kRight] = static_cast<float>(fields_.peakLR[1]);
        s.peak[kSum] = static_cast<float>(fields_.peakMS[0]);
        s.peak[kDifference] = static_cast<float>(fields_.peakMS[1]);
        s.meanSquare[kLeft] = static_cast<float>(fields_.squareLR[0]);
        s.meanSquare[kRight] = static_cast<float>(fields_.squareLR[1]);
        s.meanSquare[kSum] = static_cast<float>(fields_.squareMS[0]);
        s.meanSquare[kDifference] = static_cast<float>(fields_.squareMS[1]);
        s.autoEnvelope = static_cast<float>(fields_.envelope[0]);
    }

    // The peak followers of the four signals after the last pair.
    [[gnu::always_inline]] void peaks(double (&out)[kNumSignals]) const {
        out[kLeft] = fields_.peakLR[0];
        out[kRight] = fields_.peakLR[1];
        out[kSum] = fields_.peakMS[0];
        out[kDifference] = fields_.peakMS[1];
    }

    // False once a field took a NaN or an infinity.
    [[gnu::always_inline]] bool finite() const {
        const Fields& f = fields_;
        const Two all = f.peakLR + f.peakMS + f.squareLR + f.squareMS + f.envelope;
        return std::isfinite(all[0]) && std::isfinite(all[1]);
    }

    // The fields are kept in a local value for the loop so that they stay in
    // registers.
    [[gnu::always_inline]] void run(const double* left, const double* right, int pairs) {
        Fields f = fields_;
        for (int i = 0; i < pairs; ++i) step(f, left[i], right[i]);
        fields_ = f;
    }

private:
    struct Fields {
        Two peakLR, peakMS;      // peak followers of (L, R) and (M, S)
        Two squareLR, squareMS;  // mean squares of the same
        Two envelope;            // the same value in both lanes
    };

    [[gnu::always_inline]] void step(Fields& f, double left, double right) const {
        using follower_steps::peakStep;
        using follower_steps::smoothStep;
        const Two lr = {left, right};
        const Two ms = Two{left, left} + Two{right, -right};  // L + R and L - R
        f.peakLR = toFloat(peakStep(f.peakLR, magnitudeOf(lr), peakCoeff_));
        f.peakMS = toFloat(peakStep(f.peakMS, magnitudeOf(ms), peakCoeff_));
        f.squareLR = toFloat(smoothStep(f.squareLR, lr * lr, squareCoeff_));
        f.squareMS = toFloat(smoothStep(f.squareMS, ms * ms, squareCoeff_));
        const Two swapped = __builtin_shufflevector(f.peakMS, f.peakMS, 1, 0);
        const Two larger = f.peakMS < swapped ? swapped : f.peakMS;  // as std::max(M, S)
        f.envelope = toFloat(peakStep(f.envelope, autoWeight_ * larger, autoCoeff_));
    }

    // std::fabs lane by lane: the sign bit cleared.
    [[gnu::always_inline]] static Two magnitudeOf(Two v) {
        typedef int64_t Bits __attribute__((vector_size(16)));
        return reinterpret_cast<Two>(reinterpret_cast<Bits>(v) & INT64_MAX);
    }
    [[gnu::always_inline]] static Two splat(double value) { return Two{value, value}; }
    [[gnu::always_inline]] static Two toFloat(Two v) {
        return reinterpret_cast<Two>(_mm_cvtps_pd(_mm_cvtpd_ps(reinterpret_cast<__m128d>(v))));
    }

    Fields fields_;
    Two peakCoeff_, squareCoeff_, autoCoeff_, autoWeight_;
};

// The followers of a path: float or double samples.
template <typename Sample>
using BlockFollowers =
    std::conditional_t<std::is_same_v<Sample, float>, FloatFollowers, RoundedDoubleFollowers>;

}  // namespace scopra
