// The measurement engine against a plain, literal model of its per-sample
// steps, bit for bit: every published reading after every block of a long
// random signal with loud passages, silences, held-peak expiries, blocks of
// every size and mode changes between blocks. The engine computes the same
// steps in a different shape for speed; this catches any difference in
// rounding, order or branching.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

#include "plugins/scopra/scopra_engine.h"

namespace {

using scopra::MeasurementState;

// The steps as written: per block, the fields are loaded into values of the
// block's precision; per pair, peaks, mean squares, envelope and held peaks
// in that order; after the block, the values are stored back to the 32-bit
// fields, and a field that is not finite or below 1e-20 becomes 0.
template <typename Sample>
class LiteralMeasurement {
public:
    explicit LiteralMeasurement(double sampleRateHz)
        : peakCoeff_(coefficient(1.0 / 16, 1.5, sampleRateHz)),
          meanSquareCoeff_(coefficient(1.0 / 256, 0.6, sampleRateHz)),
          autoCoeff_(coefficient(1.0 / 16, 0.6, sampleRateHz)),
          holdLimit_(sampleRateHz * 4.0) {}

    void process(const Sample* left, const Sample* right, int frames, bool sideMid) {
        Sample peak[4], meanSquare[4], held[2];
        int32_t count[2];
        for (int k = 0; k < 4; ++k) {
            peak[k] = state.peak[k];
            meanSquare[k] = state.meanSquare[k];
        }
        Sample envelope = state.autoEnvelope;
        for (int m = 0; m < 2; ++m) {
            held[m] = state.heldPeak[m];
            count[m] = state.holdCount[m];
        }
        for (int i = 0; i < frames; ++i) {
            const Sample l = left[i], r = right[i];
            const Sample x[4] = {l, r, Sample(l + r), Sample(l - r)};
            for (int k = 0; k < 4; ++k) {
                const Sample a = std::fabs(x[k]);
                if (a > peak[k])
                    peak[k] = a;
                else
                    peak[k] = peak[k] + (a - peak[k]) * peakCoeff_;
                meanSquare[k] = meanSquare[k] + (x[k] * x[k] - meanSquare[k]) * meanSquareCoeff_;
            }
            const Sample v = Sample(0.3) * std::max(peak[2], peak[3]);
            if (v > envelope)
                envelope = v;
            else
                envelope = envelope - (envelope - v) * autoCoeff_;
            const Sample shown[2] = {sideMid ? Sample(Sample(0.5) * peak[3]) : peak[0],
                                     sideMid ? Sample(Sample(0.5) * peak[2]) : peak[1]};
            for (int m = 0; m < 2; ++m) {
                if (shown[m] > held[m]) {
                    held[m] = shown[m];
                    count[m] = 0;
                } else if (static_cast<float>(count[m]) > holdLimit_) {
                    held[m] = shown[m];
                    count[m] = 0;
                    ++expiries;
                } else {
                    ++count[m];
                }
            }
        }
        for (int k = 0; k < 4; ++k) {
            state.peak[k] = flushed(peak[k]);
            state.meanSquare[k] = flushed(meanSquare[k]);
        }
        state.autoEnvelope = flushed(envelope);
        for (int m = 0; m < 2; ++m) {
            state.heldPeak[m] = flushed(held[m]);
            state.holdCount[m] = count[m];
        }
    }

    MeasurementState state;
    long expiries = 0;  // held peaks that dropped after their hold

private:
    static Sample coefficient(double ratio, double seconds, double rate) {
        return static_cast<Sample>(1.0 - std::pow(ratio, 1.0 / (seconds * rate)));
    }
    static float flushed(Sample value) {
        const float f = static_cast<float>(value);
        return std::isfinite(f) && std::fabs(f) >= 1e-20f ? f : 0.0f;
    }

    Sample peakCoeff_, meanSquareCoeff_, autoCoeff_;
    double holdLimit_;
};

// Loud noise, quiet noise, single spikes and silences long enough for the
// held peaks to expire, one passage after another; a few NaNs and infinities.
template <typename Sample>
std::vector<Sample> passages(std::mt19937& random, long frames) {
    std::vector<Sample> out(frames);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<long> length(1, 40000);
    std::uniform_int_distribution<int> kind(0, 3);
    for (long n = 0; n < frames;) {
        const long end = std::min(frames, n + length(random));
        const int k = kind(random);
        const double gain = k == 0 ? 1.5 : k == 1 ? 0.01 : 0.0;
        const long begin = n;
        for (; n < end; ++n) out[n] = static_cast<Sample>(gain * unit(random));
        if (k == 3 && end - begin >= 2) {
            out[end - 1] = static_cast<Sample>(unit(random));  // a spike
            if (unit(random) > 0.0)                            // or a broken sample
                out[end - 2] = unit(random) > 0 ? std::numeric_limits<Sample>::quiet_NaN()
                                                : std::numeric_limits<Sample>::infinity();
        }
    }
    return out;
}

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void expectSame(const MeasurementState& model, const MeasurementState& engine, long block) {
    for (int k = 0; k < scopra::kNumSignals; ++k) {
        ASSERT_TRUE(sameBits(model.peak[k], engine.peak[k]))
            << "peak " << k << " after block " << block << ": " << model.peak[k] << " vs "
            << engine.peak[k];
        ASSERT_TRUE(sameBits(model.meanSquare[k], engine.meanSquare[k]))
            << "mean square " << k << " after block " << block;
    }
    ASSERT_TRUE(sameBits(model.autoEnvelope, engine.autoEnvelope))
        << "envelope after block " << block;
    for (int m = 0; m < scopra::kNumMeters; ++m) {
        ASSERT_TRUE(sameBits(model.heldPeak[m], engine.heldPeak[m]))
            << "held peak " << m << " after block " << block << ": " << model.heldPeak[m]
            << " vs " << engine.heldPeak[m];
        ASSERT_EQ(model.holdCount[m], engine.holdCount[m]) << "count " << m << " block " << block;
    }
}

template <typename Sample>
class ScopraLiteralModel : public ::testing::Test {};
using Precisions = ::testing::Types<float, double>;
TYPED_TEST_SUITE(ScopraLiteralModel, Precisions);

// Checks the engine, as the processor allows or with baseline instructions
// only, against the literal model over two minutes of varied signal.
template <typename Sample>
void expectLiteralMeasurement(bool baselineOnly) {
    // A low rate makes the four-second hold expire many times in two minutes.
    constexpr double kRateHz = 8000.0;
    constexpr long kFrames = 120 * 8000;
    std::mt19937 random(20261208);
    const std::vector<Sample> left = passages<Sample>(random, kFrames);
    std::vector<Sample> right = passages<Sample>(random, kFrames);
    for (long n = 0; n < kFrames; n += 7) right[n] = left[n];  // some mono, M and S extremes
    for (long n = 3; n < kFrames; n += 11) right[n] = -left[n];

    scopra::ScopraEngine engine;
    if (baselineOnly) engine.useBaselineInstructions();
    engine.setSampleRate(static_cast<float>(kRateHz));
    engine.suspendReset();
    LiteralMeasurement<Sample> model(kRateHz);

    std::uniform_int_distribution<int> blockLength(0, 700);
    std::bernoulli_distribution modeChange(0.05);
    std::vector<Sample> outL(700), outR(700);
    bool sideMid = false;
    long block = 0;
    long nonFiniteBlocks = 0;
    for (long done = 0; done < kFrames; ++block) {
        const int n = static_cast<int>(std::min<long>(blockLength(random), kFrames - done));
        if (modeChange(random)) sideMid = !sideMid;
        engine.controls.modeSM = sideMid ? 1.0f : 0.0f;
        const Sample* in[2] = {left.data() + done, right.data() + done};
        Sample* out[2] = {outL.data(), outR.data()};
        engine.process<Sample>(in, out, n);
        model.process(in[0], in[1], n, sideMid);
        ASSERT_NO_FATAL_FAILURE(expectSame(model.state, engine.readings(), block));
        nonFiniteBlocks += !std::isfinite(std::accumulate(in[0], in[0] + n, Sample(0)) +
                                          std::accumulate(in[1], in[1] + n, Sample(0)));
        ASSERT_EQ(0, std::memcmp(out[0], in[0], n * sizeof(Sample))) << "block " << block;
        ASSERT_EQ(0, std::memcmp(out[1], in[1], n * sizeof(Sample))) << "block " << block;
        done += n;
    }
    // The signal must have exercised what the test is for.
    EXPECT_GT(block, 1000);
    EXPECT_GT(model.expiries, 20);
    EXPECT_GT(nonFiniteBlocks, 3);
}

TYPED_TEST(ScopraLiteralModel, EveryReadingAfterEveryBlockIsBitExact) {
    expectLiteralMeasurement<TypeParam>(false);
}

TYPED_TEST(ScopraLiteralModel, BaselineInstructionsGiveTheSameReadings) {
    expectLiteralMeasurement<TypeParam>(true);
}

}  // namespace
