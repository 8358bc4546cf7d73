// The analyser's measurement against independent long-double arithmetic, in
// both precisions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

#include "plugins/scopra/scopra_engine.h"
#include "tests/scopra/scopra_test_signal.h"

namespace {

using scopra::MeasurementState;
using scopra::ScopraEngine;
using scopra_test::feed;
using scopra_test::feedConstant;

// 1 - ratio^(1 / (seconds * rate)), straight from the definition.
long double coefficient(long double ratio, long double seconds, long double rate) {
    return 1.0L - std::pow(ratio, 1.0L / (seconds * rate));
}
long double peakCoeff(long double rate) { return coefficient(1.0L / 16, 1.5L, rate); }
long double meanSquareCoeff(long double rate) { return coefficient(1.0L / 256, 0.6L, rate); }

// 0.115 * sqrt(1 / envelope) - 0.115, limited to 0 .. 1.
long double expectedLevel(long double envelope) {
    const long double level = 0.115L * std::sqrt(1.0L / envelope) - 0.115L;
    return std::min(1.0L, std::max(0.0L, level));
}

void expectRelativelyNear(long double expected, float actual, long double tolerance) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance) << "expected " << expected;
}

template <typename Sample>
class ScopraMeasurement : public ::testing::Test {
protected:
    void SetUp() override { scopra_test::prepare(engine, 44100.0f); }
    MeasurementState readings() const { return engine.readings(); }

    ScopraEngine engine;
};

using Precisions = ::testing::Types<float, double>;
TYPED_TEST_SUITE(ScopraMeasurement, Precisions);

TYPED_TEST(ScopraMeasurement, SteadyLevelsOfTheFourSignals) {
    const long double rate = 48000.0L;
    this->engine.setSampleRate(48000.0f);
    const long frames = 6000;
    feedConstant<TypeParam>(this->engine, frames, 0.5, -0.25);
    const MeasurementState s = this->readings();
    // Instant attack: the peaks are the absolute values of L, R, L + R, L - R.
    EXPECT_EQ(s.peak[scopra::kLeft], 0.5f);
    EXPECT_EQ(s.peak[scopra::kRight], 0.25f);
    EXPECT_EQ(s.peak[scopra::kSum], 0.25f);
    EXPECT_EQ(s.peak[scopra::kDifference], 0.75f);
    // A mean square that starts at 0 reaches x^2 (1 - (1 - c)^n) after n pairs.
    const long double approach = 1.0L - std::pow(1.0L - meanSquareCoeff(rate), frames);
    const long double squares[] = {0.25L, 0.0625L, 0.0625L, 0.5625L};
    for (int k = 0; k < scopra::kNumSignals; ++k)
        expectRelativelyNear(squares[k] * approach, s.meanSquare[k], 1e-4L);
}

TYPED_TEST(ScopraMeasurement, SineReachesItsPeakAndHalfItsSquare) {
    const double amplitude = 0.7;
    feed<TypeParam>(this->engine, 5 * 44100, 512, [&](long n, TypeParam& l, TypeParam& r) {
        l = static_cast<TypeParam>(amplitude * std::sin(2.0 * M_PI * 441.0 * n / 44100.0));
        r = 0;
    });
    const MeasurementState s = this->readings();
    EXPECT_NEAR(s.peak[scopra::kLeft], amplitude, 1e-3);
    EXPECT_NEAR(s.meanSquare[scopra::kLeft], amplitude * amplitude / 2, 0.01 * amplitude);
    EXPECT_EQ(s.peak[scopra::kRight], 0.0f);
    EXPECT_EQ(s.meanSquare[scopra::kRight], 0.0f);
    // L alone: sum and difference carry the same levels as L.
    EXPECT_EQ(s.peak[scopra::kSum], s.peak[scopra::kLeft]);
    EXPECT_EQ(s.meanSquare[scopra::kDifference], s.meanSquare[scopra::kLeft]);
}

TYPED_TEST(ScopraMeasurement, PeaksAndMeanSquaresFallAsSpecifiedInSilence) {
    const long double rate = 44100.0L;
    feedConstant<TypeParam>(this->engine, 44100, 1.0, 0.0);
    const float startSquare = this->readings().meanSquare[scopra::kLeft];
    const long squareFrames = 26460;  // 0.6 s
    feedConstant<TypeParam>(this->engine, squareFrames, 0.0, 0.0);
    const MeasurementState afterShort = this->readings();
    expectRelativelyNear(startSquare * std::pow(1.0L - meanSquareCoeff(rate), squareFrames),
                         afterShort.meanSquare[scopra::kLeft], 2e-3L);
    EXPECT_NEAR(afterShort.meanSquare[scopra::kLeft] / startSquare, 1.0 / 256, 1e-5);

    feedConstant<TypeParam>(this->engine, 66150 - squareFrames, 0.0, 0.0);  // 1.5 s in all
    const MeasurementState afterLong = this->readings();
    expectRelativelyNear(std::pow(1.0L - peakCoeff(rate), 66150), afterLong.peak[scopra::kLeft],
                         2e-3L);
    EXPECT_NEAR(afterLong.peak[scopra::kLeft], 1.0 / 16, 1e-4);
}

// The 64-bit path rounds each step's double result to float, and below the
// normal floats that gives exactly 0. The 32-bit path steps in float, where
// flush-to-zero makes a release too small for a normal float leave the field
// as it is: its followers stop far below anything a meter shows.
TYPED_TEST(ScopraMeasurement, LongSilenceEndsInExactZerosWithoutSubnormals) {
    constexpr float kStoppedBelow = 1e-30f;
    this->engine.controls.autoOn = 1.0f;
    feedConstant<TypeParam>(this->engine, 4410, 1.0, -0.8);
    const auto normalOrZero = [](float v) { return std::fpclassify(v) != FP_SUBNORMAL; };
    for (int block = 0; block < 60 * 44100 / 4096; ++block) {
        feedConstant<TypeParam>(this->engine, 4096, 0.0, 0.0, 4096);
        const MeasurementState s = this->readings();
        for (int k = 0; k < scopra::kNumSignals; ++k) {
            ASSERT_TRUE(normalOrZero(s.peak[k])) << block;
            ASSERT_TRUE(normalOrZero(s.meanSquare[k])) << block;
        }
        ASSERT_TRUE(normalOrZero(s.autoEnvelope)) << block;
        ASSERT_TRUE(normalOrZero(s.heldPeak[0]) && normalOrZero(s.heldPeak[1])) << block;
    }
    const MeasurementState s = this->readings();
    const float floor = std::is_same_v<TypeParam, double> ? 0.0f : kStoppedBelow;
    for (int k = 0; k < scopra::kNumSignals; ++k) {
        EXPECT_LE(s.peak[k], floor);
        EXPECT_LE(s.meanSquare[k], floor);
    }
    EXPECT_LE(s.autoEnvelope, floor);
    // Silence takes the automatic level all the way up.
    const auto level = this->engine.template process<TypeParam>(nullptr, nullptr, 0);
    ASSERT_TRUE(level.has_value());
    EXPECT_EQ(*level, 1.0f);
}

TYPED_TEST(ScopraMeasurement, HeldPeakStaysFourSecondsThenDropsToTheFollower) {
    const long double rate = 44100.0L;
    const long holdFrames = 4 * 44100;  // the count must exceed 4 * sr
    // One sample of 0.8 on L, then silence: the last rise is pair 0.
    feedConstant<TypeParam>(this->engine, 1, 0.8, 0.0);
    feedConstant<TypeParam>(this->engine, holdFrames + 1, 0.0, 0.0);
    MeasurementState s = this->readings();
    EXPECT_EQ(s.heldPeak[0], 0.8f);
    EXPECT_EQ(s.holdCount[0], holdFrames + 1);
    EXPECT_EQ(s.heldPeak[1], 0.0f);  // R never rose

    feedConstant<TypeParam>(this->engine, 1, 0.0, 0.0);  // pair 4 * sr + 2: the drop
    s = this->readings();
    EXPECT_EQ(s.holdCount[0], 0);
    EXPECT_EQ(s.heldPeak[0], s.peak[scopra::kLeft]);
    expectRelativelyNear(0.8L * std::pow(1.0L - peakCoeff(rate), holdFrames + 2), s.heldPeak[0],
                         5e-3L);

    // And holds again from there for another four seconds.
    const float second = s.heldPeak[0];
    feedConstant<TypeParam>(this->engine, holdFrames + 1, 0.0, 0.0);
    EXPECT_EQ(this->readings().heldPeak[0], second);
    feedConstant<TypeParam>(this->engine, 1, 0.0, 0.0);
    EXPECT_LT(this->readings().heldPeak[0], second);
}

// The count runs from the first pair of the largest value, however far into
// a long block the value comes back.
TYPED_TEST(ScopraMeasurement, HeldPeakCountsFromTheFirstPairOfItsLargestValue) {
    const long firsts[] = {10, 63, 64, 700, 3000};
    for (const long first : firsts) {
        this->engine.suspendReset();
        feedConstant<TypeParam>(this->engine, 10, 0.1, 0.0);  // a held peak to rise above
        feed<TypeParam>(this->engine, 4096, 4096, [&](long n, TypeParam& l, TypeParam& r) {
            l = (n == first || n == first + 1 || n == 3500 || n == 4000) ? TypeParam(0.7)
                                                                         : TypeParam(0.05);
            r = TypeParam(0.05);
        });
        const MeasurementState s = this->readings();
        EXPECT_EQ(s.heldPeak[0], 0.7f) << first;
        EXPECT_EQ(s.holdCount[0], 4096 - 1 - first) << first;
        EXPECT_EQ(s.holdCount[1], 4096 - 1) << first;  // R rose to 0.05 at the block's first pair
    }
}

TYPED_TEST(ScopraMeasurement, SideMidModeHoldsHalfTheSumAndDifferencePeaks) {
    this->engine.controls.modeSM = 1.0f;
    feedConstant<TypeParam>(this->engine, 2000, 0.6, 0.6);  // mono
    MeasurementState s = this->readings();
    EXPECT_EQ(s.peak[scopra::kDifference], 0.0f);
    EXPECT_EQ(s.heldPeak[0], 0.0f);                       // meter 1: S
    EXPECT_FLOAT_EQ(s.heldPeak[1], 0.6f);                 // meter 2: 0.5 * M
    EXPECT_FLOAT_EQ(s.heldPeak[1], 0.5f * s.peak[scopra::kSum]);

    feedConstant<TypeParam>(this->engine, 10, 0.3, -0.3);  // opposite phase
    s = this->readings();
    EXPECT_FLOAT_EQ(s.heldPeak[0], 0.3f);
    EXPECT_FLOAT_EQ(s.heldPeak[1], 0.6f);  // still held
}

TYPED_TEST(ScopraMeasurement, AutomaticLevelFromTheSumAndDifferencePeaks) {
    this->engine.controls.autoOn = 1.0f;
    struct Case {
        double left, right, peak;
    };
    // Full-scale mono (sum peak 2.0), a quieter mono signal (0.2), and the
    // same peaks as differences.
    for (const Case c : {Case{1.0, 1.0, 2.0}, Case{0.1, 0.1, 0.2}, Case{1.0, -1.0, 2.0},
                         Case{-0.1, 0.1, 0.2}}) {
        this->engine.suspendReset();
        feedConstant<TypeParam>(this->engine, 1000, c.left, c.right);
        const long double envelope = 0.3L * static_cast<float>(c.peak);
        EXPECT_NEAR(this->readings().autoEnvelope, envelope, 1e-6L);
        TypeParam l = static_cast<TypeParam>(c.left), r = static_cast<TypeParam>(c.right);
        TypeParam* io[2] = {&l, &r};
        const auto level = this->engine.template process<TypeParam>(io, io, 1);
        ASSERT_TRUE(level.has_value());
        EXPECT_NEAR(*level, expectedLevel(envelope), 2e-6L) << c.peak;
    }
    // The figures as the displays show them: 0.034 and about 0.35.
    EXPECT_NEAR(static_cast<double>(expectedLevel(0.6L)), 0.034, 0.001);
    EXPECT_NEAR(static_cast<double>(expectedLevel(0.06L)), 0.354, 0.001);
}

TYPED_TEST(ScopraMeasurement, AutomaticLevelClimbsToFullInSilenceAndJumpsOnATransient) {
    this->engine.controls.autoOn = 1.0f;
    feedConstant<TypeParam>(this->engine, 4410, 1.0, 1.0);
    TypeParam l = 0, r = 0;
    TypeParam* io[2] = {&l, &r};
    float previous = *this->engine.template process<TypeParam>(io, io, 1);
    for (int second = 0; second < 20; ++second) {
        feedConstant<TypeParam>(this->engine, 44100, 0.0, 0.0);
        const float level = *this->engine.template process<TypeParam>(io, io, 0);
        EXPECT_GE(level, previous);
        previous = level;
    }
    EXPECT_EQ(previous, 1.0f);
    l = r = static_cast<TypeParam>(1.0);
    EXPECT_NEAR(*this->engine.template process<TypeParam>(io, io, 1), expectedLevel(0.6L), 1e-6L);
}

TYPED_TEST(ScopraMeasurement, EmptyBlockStillGivesTheLevelAndChangesNothing) {
    feedConstant<TypeParam>(this->engine, 700, 0.4, 0.1);
    const MeasurementState before = this->readings();
    TypeParam* io[2] = {nullptr, nullptr};
    EXPECT_FALSE(this->engine.template process<TypeParam>(io, io, 0).has_value());  // auto off
    this->engine.controls.autoOn = 1.0f;
    const auto level = this->engine.template process<TypeParam>(io, io, 0);
    ASSERT_TRUE(level.has_value());
    EXPECT_NEAR(*level, expectedLevel(before.autoEnvelope), 1e-6L);
    const MeasurementState after = this->readings();
    EXPECT_EQ(after.peak[scopra::kLeft], before.peak[scopra::kLeft]);
    EXPECT_EQ(after.meanSquare[scopra::kSum], before.meanSquare[scopra::kSum]);
    EXPECT_EQ(after.holdCount[0], before.holdCount[0]);
}

TYPED_TEST(ScopraMeasurement, NonFiniteInputNeverSticks) {
    this->engine.controls.autoOn = 1.0f;
    const TypeParam bad[] = {std::numeric_limits<TypeParam>::quiet_NaN(),
                             std::numeric_limits<TypeParam>::infinity(),
                             -std::numeric_limits<TypeParam>::infinity()};
    for (const TypeParam value : bad) {
        feed<TypeParam>(this->engine, 64, 64, [&](long n, TypeParam& l, TypeParam& r) {
            l = n == 10 ? value : TypeParam(0.25);
            r = TypeParam(0.25);
        });
        MeasurementState s = this->readings();
        for (int k = 0; k < scopra::kNumSignals; ++k) {
            EXPECT_TRUE(std::isfinite(s.peak[k]) && std::isfinite(s.meanSquare[k]));
        }
        EXPECT_TRUE(std::isfinite(s.autoEnvelope));
        EXPECT_TRUE(std::isfinite(s.heldPeak[0]) && std::isfinite(s.heldPeak[1]));
        // The next finite block measures again.
        feedConstant<TypeParam>(this->engine, 64, 0.25, 0.25, 64);
        s = this->readings();
        EXPECT_EQ(s.peak[scopra::kLeft], 0.25f);
        EXPECT_EQ(s.peak[scopra::kSum], 0.5f);
        EXPECT_GT(s.meanSquare[scopra::kLeft], 0.0f);
        TypeParam* io[2] = {nullptr, nullptr};
        const auto level = this->engine.template process<TypeParam>(io, io, 0);
        ASSERT_TRUE(level.has_value());
        EXPECT_TRUE(*level >= 0.0f && *level <= 1.0f);
    }
}

TYPED_TEST(ScopraMeasurement, SuspendClearsEverythingResumeKeepsFollowersAndIndex) {
    this->engine.setDisplayValues({{0.1f, 0.2f}, {0.3f, 0.4f}});
    feedConstant<TypeParam>(this->engine, 300, 0.5, -0.5);  // 150 points captured
    this->engine.controls.autoOn = 1.0f;
    const MeasurementState before = this->readings();
    ASSERT_EQ(this->engine.scopeWriteIndex(), 511 - 150);

    this->engine.resumeReset();
    MeasurementState s = this->readings();
    for (int k = 0; k < scopra::kNumSignals; ++k) {
        EXPECT_EQ(s.peak[k], before.peak[k]);
        EXPECT_EQ(s.meanSquare[k], 0.0f);
    }
    EXPECT_EQ(s.autoEnvelope, 0.0f);
    EXPECT_EQ(s.heldPeak[0], 0.0f);
    EXPECT_EQ(s.holdCount[1], 0);
    EXPECT_EQ(this->engine.displayValues().rms[1], 0.0f);
    EXPECT_EQ(this->engine.scopeWriteIndex(), 511 - 150);

    this->engine.suspendReset();
    s = this->readings();
    for (int k = 0; k < scopra::kNumSignals; ++k) EXPECT_EQ(s.peak[k], 0.0f);
    EXPECT_EQ(this->engine.scopeWriteIndex(), 511);
    this->engine.resumeReset();
    EXPECT_EQ(this->engine.scopeWriteIndex(), 511);
}

TYPED_TEST(ScopraMeasurement, RateOfZeroMeasuresAsTheDefaultRate) {
    ScopraEngine fresh;
    fresh.setSampleRate(0.0f);  // a host that has not told its rate yet
    feedConstant<TypeParam>(fresh, 1, 1.0, 0.0);
    feedConstant<TypeParam>(fresh, 66150, 0.0, 0.0);  // 1.5 s at 44.1 kHz
    EXPECT_EQ(fresh.scopeWriteIndex(), -1);            // every second pair
    EXPECT_NEAR(fresh.readings().peak[scopra::kLeft], 1.0 / 16, 1e-4);
    EXPECT_EQ(fresh.readings().heldPeak[0], 1.0f);     // still inside its 4 s
}

TEST(ScopraRateConstants, CaptureFactorAndCoefficientsFollowTheSampleRate) {
    struct Case {
        double rate;
        int factor;
    };
    for (const Case c : {Case{44100, 1}, Case{49999, 1}, Case{50000, 2}, Case{96000, 2},
                         Case{100000, 4}, Case{192000, 4}, Case{200000, 8}, Case{384000, 8}}) {
        const scopra::RateConstants k = scopra::rateConstantsFor(c.rate);
        EXPECT_EQ(k.captureFactor, c.factor) << c.rate;
        EXPECT_NEAR(k.peakCoeff, static_cast<double>(peakCoeff(c.rate)), 1e-15);
        EXPECT_NEAR(k.meanSquareCoeff, static_cast<double>(meanSquareCoeff(c.rate)), 1e-15);
        EXPECT_NEAR(k.autoCoeff, static_cast<double>(coefficient(1.0L / 16, 0.6L, c.rate)),
                    1e-15);
        EXPECT_EQ(k.holdLimitSamples, 4.0 * c.rate);
        EXPECT_EQ(k.holdResetCount, static_cast<int32_t>(4.0 * c.rate) + 1);
    }
    // A host that has not told its rate yet: the followers still work.
    const scopra::RateConstants zero = scopra::rateConstantsFor(0.0);
    EXPECT_GT(zero.peakCoeff, 0.0);
    EXPECT_LT(zero.peakCoeff, 1.0);
    EXPECT_EQ(zero.captureFactor, 1);
    // Where a float no longer holds every count, the drop still waits until
    // the count as a float exceeds the limit.
    const scopra::RateConstants fast = scopra::rateConstantsFor(5000001.0);
    EXPECT_GT(static_cast<double>(static_cast<float>(fast.holdResetCount)), 20000004.0);
    EXPECT_LE(static_cast<double>(static_cast<float>(fast.holdResetCount - 1)), 20000004.0);
}

}  // namespace
