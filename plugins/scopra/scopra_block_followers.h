// The followers of one block in the block's precision: peak followers and
// mean squares of L, R, L + R and L - R and the envelope of the automatic
// level. Only the measurement engine uses it.
//
// The work is laid out for a short chain of dependent operations per pair:
// the four signals side by side in one Quad, and the envelope worked out in
// every lane of the vector that holds the M and S lanes and read from the M
// lane. stepTwo() shortens the chains of the peak followers and of the
// envelope further by taking two pairs at once.
#pragma once

#include <cmath>
#include <cstring>

#include "dsp/follower_steps.h"
#include "dsp/quad.h"
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

template <typename Sample>
class BlockFollowers {
public:
    using Q = Quad<Sample>;
    using Vector = typename Q::Vector;

    BlockFollowers(const MeasurementState& s, const FollowerCoefficients<Sample>& c)
        : peak_(lanesOf(s.peak)),
          meanSquare_(lanesOf(s.meanSquare)),
          envelope_(splat(s.autoEnvelope)),
          coeff_(c) {}

    // Rounds the values to their 32-bit fields.
    void storeInto(MeasurementState& s) const {
        for (int k = 0; k < kNumSignals; ++k) {
            s.peak[k] = static_cast<float>(peak_.lane(k));
            s.meanSquare[k] = static_cast<float>(meanSquare_.lane(k));
        }
        s.autoEnvelope = static_cast<float>(envelope_[kSum % kPerVector]);
    }

    // The peak follower of a signal after the last pair.
    Sample peak(int signal) const { return peak_.lane(signal); }

    // False once a peak follower took a NaN or an infinity: such a follower
    // stays NaN to the end of the block.
    bool peaksFinite() const {
        for (int k = 0; k < kNumSignals; ++k)
            if (!std::isfinite(peak_.lane(k))) return false;
        return true;
    }

    // One pair.
    void step(Sample left, Sample right) {
        stepOne(peak_, meanSquare_, envelope_, left, right, coeff_);
    }

    // `pairs` pairs; two at a time while twoAtOnce(). The followers are kept
    // in local values for the loop so that they stay in registers.
    void run(const Sample* left, const Sample* right, int pairs) {
        Q peak = peak_;
        Q meanSquare = meanSquare_;
        Vector envelope = envelope_;
        const FollowerCoefficients<Sample> c = coeff_;
        int i = 0;
        if (twoAtOnce())
            for (; i + 1 < pairs; i += 2)
                stepTwo(peak, meanSquare, envelope, left + i, right + i, c);
        for (; i < pairs; ++i) stepOne(peak, meanSquare, envelope, left[i], right[i], c);
        peak_ = peak;
        meanSquare_ = meanSquare;
        envelope_ = envelope;
    }

private:
    static constexpr int kPerVector = Q::Lanes::kPerVector;
    static constexpr int kPairVector = kSum / kPerVector;  // the M and S lanes
    static constexpr double kLargestCoeffForTwo = 0.1;

    // Whether stepTwo() gives the result of two step()s: the rounded release
    // f + (x - f) c never decreases as f grows while c stays well below 1/2
    // (a change of f by one unit moves the rounded product by less than that).
    // Only rates below about 45 Hz give larger coefficients.
    bool twoAtOnce() const {
        if (sizeof(Sample) == 8) return false;
        return coeff_.peak <= Sample(kLargestCoeffForTwo) &&
               coeff_.autoRelease <= Sample(kLargestCoeffForTwo);
    }

    using Coefficients = FollowerCoefficients<Sample>;

    [[gnu::always_inline]] static void stepOne(Q& peak, Q& meanSquare, Vector& envelope,
                                               Sample left, Sample right,
                                               const Coefficients& c) {
        const Q signal = Q::of(left, right, left + right, left - right);
        const Q magnitude = abs(signal);
        peak = greaterOf(magnitude, released(peak, magnitude, c));
        meanSquare = followedMeanSquares(meanSquare, signal, c);
        const Vector input = envelopeInput(peak, c);
        envelope = greater(input, envelopeReleased(envelope, input, c));
    }

    // Two pairs. A follower after the second pair is the largest of the
    // second input, the release from the first input and the release from
    // the first release: the release from the larger of two values is the
    // larger of their releases, so the chain from the old follower needs one
    // maximum for two pairs. The result is the same, bit for bit, as two
    // stepOne()s.
    [[gnu::always_inline]] static void stepTwo(Q& peak, Q& meanSquare, Vector& envelope,
                                               const Sample* left, const Sample* right,
                                               const Coefficients& c) {
        Q first, second;
        signalsOfTwoPairs(left, right, first, second);
        const Q magnitude1 = abs(first);
        const Q magnitude2 = abs(second);
        const Q release1 = released(peak, magnitude1, c);
        const Q peak1 = greaterOf(magnitude1, release1);
        peak = greaterOf(greaterOf(magnitude2, released(magnitude1, magnitude2, c)),
                         released(release1, magnitude2, c));
        meanSquare = followedMeanSquares(followedMeanSquares(meanSquare, first, c), second, c);
        const Vector input1 = envelopeInput(peak1, c);
        const Vector input2 = envelopeInput(peak, c);
        const Vector envelopeRelease1 = envelopeReleased(envelope, input1, c);
        envelope = greater(greater(input2, envelopeReleased(input1, input2, c)),
                           envelopeReleased(envelopeRelease1, input2, c));
    }

    static Q lanesOf(const float (&v)[kNumSignals]) { return Q::of(v[0], v[1], v[2], v[3]); }
    static Vector splat(Sample value) { return Q::all(value).part[0]; }
    static Vector greater(Vector a, Vector b) { return a > b ? a : b; }

    // The vector of the M and S lanes with the two exchanged.
    static Vector exchangeSumAndDifference(Vector v) {
        if constexpr (kPerVector == 4)
            return __builtin_shufflevector(v, v, 0, 1, 3, 2);
        else
            return __builtin_shufflevector(v, v, 1, 0);
    }

    static Q released(const Q& follower, const Q& magnitude, const Coefficients& c) {
        return follower_steps::smoothStep(follower, magnitude, Q::all(c.peak));
    }

    static Q followedMeanSquares(const Q& meanSquare, const Q& signal, const Coefficients& c) {
        return follower_steps::smoothStep(meanSquare, signal * signal, Q::all(c.meanSquare));
    }

    // The weighted larger of the M and S peaks, in the M lane as
    // std::max(M, S) gives it.
    static Vector envelopeInput(const Q& peaks, const Coefficients& c) {
        const Vector pair = peaks.part[kPairVector];
        const Vector other = exchangeSumAndDifference(pair);
        return splat(c.autoWeight) * (pair < other ? other : pair);
    }

    static Vector envelopeReleased(Vector envelope, Vector input, const Coefficients& c) {
        return follower_steps::smoothStep(envelope, input, splat(c.autoRelease));
    }

    // The signals (L, R, L + R, L - R) of pairs 0 and 1 of the channels.
    static void signalsOfTwoPairs(const Sample* left, const Sample* right, Q& first,
                                  Q& second) {
        typedef Sample Two __attribute__((vector_size(2 * sizeof(Sample))));
        Two l, r;
        std::memcpy(&l, left, sizeof l);
        std::memcpy(&r, right, sizeof r);
        const Two sum = l + r;
        const Two difference = l - r;
        if constexpr (kPerVector == 4) {
            const Vector channels = __builtin_shufflevector(l, r, 0, 2, 1, 3);
            const Vector sides = __builtin_shufflevector(sum, difference, 0, 2, 1, 3);
            first.part[0] = __builtin_shufflevector(channels, sides, 0, 1, 4, 5);
            second.part[0] = __builtin_shufflevector(channels, sides, 2, 3, 6, 7);
        } else {
            first.part[0] = __builtin_shufflevector(l, r, 0, 2);
            first.part[1] = __builtin_shufflevector(sum, difference, 0, 2);
            second.part[0] = __builtin_shufflevector(l, r, 1, 3);
            second.part[1] = __builtin_shufflevector(sum, difference, 1, 3);
        }
    }

    Q peak_;        // L, R, L + R, L - R
    Q meanSquare_;  // L, R, L + R, L - R
    Vector envelope_;
    Coefficients coeff_;
};

}  // namespace scopra
