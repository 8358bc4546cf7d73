// The measurement engine against a plain, literal model of its per-pair
// steps, bit for bit: every published reading after every block of a long
// random signal with loud passages, silences, held-peak expiries, blocks of
// every size and mode changes between blocks. The engine computes the same
// steps in a different shape for speed; this catches any difference in
// rounding, order or branching. The readings do not depend on the block
// size either.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <optional>
#include <random>
#include <vector>

#include "platform/denormals.h"
#include "plugins/scopra/scopra_engine.h"

namespace {

using scopra::MeasurementState;

// The steps as written, pair by pair, on the 32-bit float fields, in the
// precision of the path (Sample): the 32-bit path in float throughout, its
// coefficients, constants and automatic level rounded to float; the 64-bit
// path in double, each result stored back into its float field, the
// automatic level worked out in double from the float envelope. A field that
// gets a NaN or an infinity starts again from 0.
template <typename Sample>
class LiteralMeasurement {
public:
    explicit LiteralMeasurement(double sampleRateHz)
        : peakCoeff_(coefficient(1.0 / 16, 1.5, sampleRateHz)),
          meanSquareCoeff_(coefficient(1.0 / 256, 0.6, sampleRateHz)),
          autoCoeff_(coefficient(1.0 / 16, 0.6, sampleRateHz)),
          holdLimit_(sampleRateHz * 4.0) {}

    void process(const Sample* left, const Sample* right, int frames, bool sideMid) {
        DenormalGuard denormals;  // as the engine measures
        for (int i = 0; i < frames; ++i) pair(left[i], right[i], sideMid);
    }

    float automaticLevel() const {
        if (!(state.autoEnvelope > 0.0f)) return 1.0f;
        const Sample scale = Sample(0.115);
        const Sample level = scale * std::sqrt(Sample(1) / Sample(state.autoEnvelope)) - scale;
        return static_cast<float>(std::clamp(level, Sample(0), Sample(1)));
    }

    MeasurementState state;
    long expiries = 0;  // held peaks that dropped after their hold

private:
    void pair(Sample l, Sample r, bool sideMid) {
        MeasurementState& s = state;
        const Sample x[4] = {l, r, Sample(l + r), Sample(l - r)};
        for (int k = 0; k < 4; ++k) {
            const Sample a = std::fabs(x[k]);
            const Sample peak = s.peak[k];
            s.peak[k] = stored(a > peak ? a : peak + (a - peak) * peakCoeff_);
            const Sample meanSquare = s.meanSquare[k];
            s.meanSquare[k] = stored(meanSquare + (x[k] * x[k] - meanSquare) * meanSquareCoeff_);
        }
        const Sample v = Sample(0.3) * std::max<Sample>(s.peak[2], s.peak[3]);
        const Sample envelope = s.autoEnvelope;
        s.autoEnvelope = stored(v > envelope ? v : envelope - (envelope - v) * autoCoeff_);
        const Sample shown[2] = {sideMid ? Sample(0.5) * s.peak[3] : s.peak[0],
                                 sideMid ? Sample(0.5) * s.peak[2] : s.peak[1]};
        for (int m = 0; m < 2; ++m) {
            if (shown[m] > s.heldPeak[m]) {
                s.heldPeak[m] = static_cast<float>(shown[m]);
                s.holdCount[m] = 0;
            } else if (static_cast<float>(s.holdCount[m]) > holdLimit_) {
                s.heldPeak[m] = static_cast<float>(shown[m]);
                s.holdCount[m] = 0;
                ++expiries;
            } else {
                ++s.holdCount[m];
            }
        }
    }

    // Worked out in double, then rounded to the path's precision.
    static Sample coefficient(double ratio, double seconds, double rate) {
        return static_cast<Sample>(1.0 - std::pow(ratio, 1.0 / (seconds * rate)));
    }
    static float stored(Sample value) {
        const float f = static_cast<float>(value);
        return std::isfinite(f) ? f : 0.0f;
    }

    Sample peakCoeff_, meanSquareCoeff_, autoCoeff_;
    double holdLimit_;
};

// Loud noise, quiet noise, single spikes and silences long enough for the
// held peaks to expire, one passage after another; a few NaNs and infinities.
// Full scale is `scale`.
template <typename Sample>
std::vector<Sample> passages(std::mt19937& random, long frames, double scale = 1.0) {
    std::vector<Sample> out(frames);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<long> length(1, 40000);
    std::uniform_int_distribution<int> kind(0, 3);
    for (long n = 0; n < frames;) {
        const long end = std::min(frames, n + length(random));
        const int k = kind(random);
        const double gain = scale * (k == 0 ? 1.5 : k == 1 ? 0.01 : 0.0);
        const long begin = n;
        for (; n < end; ++n) out[n] = static_cast<Sample>(gain * unit(random));
        if (k == 3 && end - begin >= 2) {
            out[end - 1] = static_cast<Sample>(scale * unit(random));  // a spike
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
void expectLiteralMeasurement(bool baselineOnly, double scale = 1.0) {
    // A low rate makes the four-second hold expire many times in two minutes.
    constexpr double kRateHz = 8000.0;
    constexpr long kFrames = 120 * 8000;
    std::mt19937 random(20261208);
    const std::vector<Sample> left = passages<Sample>(random, kFrames, scale);
    std::vector<Sample> right = passages<Sample>(random, kFrames, scale);
    for (long n = 0; n < kFrames; n += 7) right[n] = left[n];  // some mono, M and S extremes
    for (long n = 3; n < kFrames; n += 11) right[n] = -left[n];

    scopra::ScopraEngine engine;
    if (baselineOnly) engine.useBaselineInstructions();
    engine.setSampleRate(static_cast<float>(kRateHz));
    engine.suspendReset();
    engine.controls.autoOn = 1.0f;
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
        const std::optional<float> level = engine.process<Sample>(in, out, n);
        model.process(in[0], in[1], n, sideMid);
        ASSERT_NO_FATAL_FAILURE(expectSame(model.state, engine.readings(), block));
        ASSERT_TRUE(level.has_value());
        ASSERT_TRUE(sameBits(model.automaticLevel(), *level))
            << "level after block " << block << ": " << model.automaticLevel() << " vs "
            << *level;
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

// Signals at the foot of the float range, where half a peak is no longer a
// normal float and a held peak in mode S/M rounds below its meter.
TYPED_TEST(ScopraLiteralModel, TinySignalsAtTheFootOfTheFloatRange) {
    for (const bool baselineOnly : {false, true})
        expectLiteralMeasurement<TypeParam>(baselineOnly, 3e-38);
}

// The same signal in blocks of 1, 7, 64 and 512 pairs: after every 3584
// pairs, a whole number of blocks of each size, the readings and the
// automatic level are the same, bit for bit, in either meter mode.
TYPED_TEST(ScopraLiteralModel, ReadingsDoNotDependOnTheBlockSize) {
    using Sample = TypeParam;
    constexpr float kRateHz = 8000.0f;  // held peaks expire within the signal
    constexpr int kBlockSizes[] = {1, 7, 64, 512};
    constexpr long kCommonFrames = 7 * 512;
    constexpr long kFrames = 40 * kCommonFrames;
    std::mt19937 random(5);
    const std::vector<Sample> left = passages<Sample>(random, kFrames);
    const std::vector<Sample> right = passages<Sample>(random, kFrames);
    struct Reading {
        MeasurementState state;
        float level;
    };
    for (const bool sideMid : {false, true}) {
        std::vector<std::vector<Reading>> runs;
        for (const int blockFrames : kBlockSizes) {
            scopra::ScopraEngine engine;
            engine.setSampleRate(kRateHz);
            engine.suspendReset();
            engine.controls.modeSM = sideMid ? 1.0f : 0.0f;
            engine.controls.autoOn = 1.0f;
            std::vector<Sample> outL(blockFrames), outR(blockFrames);
            std::vector<Reading> run;
            for (long done = 0; done < kFrames; done += blockFrames) {
                const Sample* in[2] = {left.data() + done, right.data() + done};
                Sample* out[2] = {outL.data(), outR.data()};
                const auto level = engine.process<Sample>(in, out, blockFrames);
                if ((done + blockFrames) % kCommonFrames == 0)
                    run.push_back({engine.readings(), level.value_or(-1.0f)});
            }
            runs.push_back(run);
        }
        for (size_t size = 1; size < runs.size(); ++size) {
            ASSERT_EQ(runs[size].size(), runs[0].size());
            for (size_t n = 0; n < runs[0].size(); ++n) {
                SCOPED_TRACE(testing::Message() << "blocks of " << kBlockSizes[size] << ", mode "
                                                << sideMid << ", after " << n + 1 << " x 3584");
                ASSERT_NO_FATAL_FAILURE(expectSame(runs[0][n].state, runs[size][n].state, n));
                ASSERT_TRUE(sameBits(runs[0][n].level, runs[size][n].level));
            }
        }
    }
}

}  // namespace
