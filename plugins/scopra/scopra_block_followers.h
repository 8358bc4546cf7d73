// The followers of one block: peak followers and mean squares of L, R,
// L + R and L - R and the envelope of the automatic level. Only the
// measurement engine uses it.
//
// Every field is a 32-bit float after every pair, whatever the block size:
// a step works out its new value in double (the coefficients are double)
// from the sample, the float field and the coefficient, and rounds it to
// float at once. The sample arithmetic (L + R, L - R, magnitudes, squares)
// is the block's precision.
//
// The steps are chains of dependent operations from one pair to the next
// (subtract, multiply, add, for the peaks and the envelope a maximum, and the
// rounding to float and back), and those chains bound the speed. The four
// signals sit in two-lane vectors, (L, R) and (M, S): two lanes go to float
// and back quicker than four. The envelope works in both lanes of a third.
//
// No step here takes care of NaNs or infinities: a field that takes one stays
// NaN to the end of the block (finite() tells), and the engine then measures
// the block again pair by pair.
#pragma once

#include <emmintrin.h>

#include <cmath>

#include "dsp/follower_steps.h"
#include "plugins/scopra/scopra_measurement_state.h"

namespace scopra {

// The coefficients of the followers.
struct FollowerCoefficients {
    double peak;         // peak follower release
    double meanSquare;   // mean square smoothing
    double autoRelease;  // envelope release
    double autoWeight;   // of the larger of the sum and difference peaks
};

// Every member is inlined into the engine's measurement, which is built once
// for baseline processors and once for processors with AVX2.
template <typename Sample>
class BlockFollowers {
    typedef double Two __attribute__((vector_size(16)));

public:
    [[gnu::always_inline]] BlockFollowers(const MeasurementState& s,
                                          const FollowerCoefficients& c)
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

    // The fields are kept in local values for the loop so that they stay in
    // registers.
    [[gnu::always_inline]] void run(const Sample* left, const Sample* right, int pairs) {
        Fields f = fields_;
        for (int i = 0; i < pairs; ++i) step(f, inputsOf(left[i], right[i]));
        fields_ = f;
    }

private:
    struct Fields {
        Two peakLR, peakMS;      // peak followers of (L, R) and (M, S)
        Two squareLR, squareMS;  // mean squares of the same
        Two envelope;            // the same value in both lanes
    };

    // What a pair brings: magnitudes and squares of L, R, M and S.
    struct Inputs {
        Two magnitudeLR, magnitudeMS, squareLR, squareMS;
    };

    [[gnu::always_inline]] void step(Fields& f, const Inputs& in) const {
        using follower_steps::peakStep;
        using follower_steps::smoothStep;
        f.peakLR = toFloat(peakStep(f.peakLR, in.magnitudeLR, peakCoeff_));
        f.peakMS = toFloat(peakStep(f.peakMS, in.magnitudeMS, peakCoeff_));
        f.squareLR = toFloat(smoothStep(f.squareLR, in.squareLR, squareCoeff_));
        f.squareMS = toFloat(smoothStep(f.squareMS, in.squareMS, squareCoeff_));
        const Two swapped = __builtin_shufflevector(f.peakMS, f.peakMS, 1, 0);
        const Two larger = f.peakMS < swapped ? swapped : f.peakMS;  // as std::max(M, S)
        f.envelope = toFloat(peakStep(f.envelope, autoWeight_ * larger, autoCoeff_));
    }

    // M and S in the block's precision: L + 0 and L + (-R) are L and L - R.
    [[gnu::always_inline]] static Inputs inputsOf(Sample left, Sample right) {
        if constexpr (sizeof(Sample) == sizeof(float)) {
            typedef float Four __attribute__((vector_size(16)));
            const Four x = Four{left, right, left, left} + Four{0.0f, 0.0f, right, -right};
            const Four magnitude = magnitudeOf(x);
            const Four square = x * x;
            return Inputs{widenLow(magnitude), widenHigh(magnitude), widenLow(square),
                          widenHigh(square)};
        } else {
            const Two lr = {left, right};
            const Two ms = Two{left, left} + Two{right, -right};
            return Inputs{magnitudeOf(lr), magnitudeOf(ms), lr * lr, ms * ms};
        }
    }

    // std::fabs lane by lane: the sign bit cleared.
    template <typename V>
    [[gnu::always_inline]] static V magnitudeOf(V v) {
        typedef long long Bits __attribute__((vector_size(16)));
        const Bits sign = reinterpret_cast<Bits>(-V{});
        return reinterpret_cast<V>(reinterpret_cast<Bits>(v) & ~sign);
    }
    [[gnu::always_inline]] static Two splat(double value) { return Two{value, value}; }
    [[gnu::always_inline]] static Two toFloat(Two v) {
        return reinterpret_cast<Two>(_mm_cvtps_pd(_mm_cvtpd_ps(reinterpret_cast<__m128d>(v))));
    }
    template <typename Four>
    [[gnu::always_inline]] static Two widenLow(Four v) {
        return reinterpret_cast<Two>(_mm_cvtps_pd(reinterpret_cast<__m128>(v)));
    }
    template <typename Four>
    [[gnu::always_inline]] static Two widenHigh(Four v) {
        const __m128 high = _mm_movehl_ps(reinterpret_cast<__m128>(v), reinterpret_cast<__m128>(v));
        return reinterpret_cast<Two>(_mm_cvtps_pd(high));
    }

    Fields fields_;
    Two peakCoeff_, squareCoeff_, autoCoeff_, autoWeight_;
};

}  // namespace scopra
