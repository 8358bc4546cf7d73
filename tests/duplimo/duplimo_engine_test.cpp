// The mono-to-stereo engine against independent long-double arithmetic.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "plugins/duplimo/duplimo_parameters.h"
#include "tests/duplimo/duplimo_test_signal.h"

namespace {

using duplimo::DuplimoEngine;

constexpr long double kLineSamples = 16384.0L;

// Normalised parameter values as a host would set them.
struct Setting {
    float width;
    float baseFreq;
    float emphasis;
    bool phase;
};

void apply(DuplimoEngine& engine, const Setting& s) {
    engine.controls.sideGain.store(duplimo::sideGain(s.width));
    engine.setBaseFrequency(duplimo::baseFrequencyHz(s.baseFreq));
    engine.controls.emphasis.store(duplimo::emphasisCoefficient(s.emphasis));
    engine.controls.phase.store(s.phase ? 1.0f : 0.0f);
    engine.controls.process.store(1.0f);
}

// Side factor g = +-W, with W = 2 v^2 held as a 32-bit float.
long double modelGain(const Setting& s) {
    const long double v = s.width;
    const float sideGain = static_cast<float>(2.0L * v * v);
    return s.phase ? -sideGain : sideGain;
}

// The sample rate as the engine counts it: whole samples per second, 44100
// for a rate that is not a usable positive number.
long double modelRate(long double rateHz) {
    if (!std::isfinite(rateHz) || rateHz < 1.0L) return 44100.0L;
    return std::fmin(std::trunc(rateHz), 2147483647.0L);
}

// One period of F = 980 v^2 + 20 (a 32-bit float), rounded up, wrapped into the line.
long double modelDelay(long double rateHz, float baseFreq) {
    const long double v = baseFreq;
    const float frequencyHz = static_cast<float>(980.0L * v * v + 20.0L);
    const long double period = modelRate(rateHz) / frequencyHz;  // 0 for an infinite F
    return std::fmod(std::ceil(period), kLineSamples);
}

template <typename Sample>
constexpr long double kEpsilon = std::numeric_limits<Sample>::epsilon();

// Output of the engine from its input: m = (L + R) / 2, the delay line holds
// 32-bit copies of m, s = g (d - Ce p), left m + s and right m - s.
template <typename Sample>
void expectMatchesModel(const Stereo<Sample>& in, const Stereo<Sample>& out, const Setting& s,
                        size_t delay) {
    const long double gain = modelGain(s);
    const long double emphasis = s.emphasis;
    std::vector<float> stored(in.size());
    long double previous = 0.0L;
    for (size_t n = 0; n < in.size(); ++n) {
        const long double mono = ((long double)in.left[n] + in.right[n]) / 2.0L;
        stored[n] = static_cast<float>(mono);
        const long double delayed = n >= delay ? stored[n - delay] : 0.0L;
        const long double side = gain * (delayed - emphasis * previous);
        previous = delayed;
        const long double tolerance = 4.0L * kEpsilon<Sample> * (std::fabs(mono) + std::fabs(side));
        ASSERT_NEAR(out.left[n], mono + side, tolerance) << "frame " << n;
        ASSERT_NEAR(out.right[n], mono - side, tolerance) << "frame " << n;
        // The mono sum of the output is the mono sum of the input.
        const long double sumError =
            ((long double)out.left[n] + out.right[n]) - ((long double)in.left[n] + in.right[n]);
        ASSERT_LE(std::fabs(sumError), tolerance) << "frame " << n;
    }
}

// Delay between input and the side signal, found from a unit impulse with
// side gain 2: the first frame whose outputs differ.
long double measureDelay(DuplimoEngine& engine, double rateHz) {
    const Stereo<float> out = runEngine(engine, impulse<float>(16386), rateHz, 4096);
    for (size_t n = 0; n < out.size(); ++n)
        if (out.left[n] != out.right[n]) return static_cast<long double>(n);
    return -1.0L;
}

template <typename Sample>
class DuplimoEngineTest : public ::testing::Test {};
using SampleTypes = ::testing::Types<float, double>;
TYPED_TEST_SUITE(DuplimoEngineTest, SampleTypes);

TYPED_TEST(DuplimoEngineTest, ImpulseResponsesWithoutAndWithEmphasis) {
    using Sample = TypeParam;
    const double rateHz = 44100.0;
    for (const Setting s : {Setting{0.5f, 0.0f, 0.0f, false}, Setting{0.5f, 0.0f, 1.0f, false},
                            Setting{0.5f, 0.0f, 1.0f, true}, Setting{0.75f, 1.0f, 0.3f, false}}) {
        DuplimoEngine engine(rateHz);
        apply(engine, s);
        const Stereo<Sample> out = runEngine(engine, impulse<Sample>(5000), rateHz);
        const size_t delay = static_cast<size_t>(modelDelay(rateHz, s.baseFreq));
        const long double g = modelGain(s);
        const long double echo = -g * (long double)s.emphasis;  // first difference
        const long double tolerance = 2.0L * kEpsilon<Sample>;
        for (size_t n = 0; n < out.size(); ++n) {
            long double side = n == delay ? g : n == delay + 1 ? echo : 0.0L;
            const long double mono = n == 0 ? 1.0L : 0.0L;
            ASSERT_NEAR(out.left[n], mono + side, tolerance) << n << " emphasis " << s.emphasis;
            ASSERT_NEAR(out.right[n], mono - side, tolerance) << n << " emphasis " << s.emphasis;
        }
    }
}

TYPED_TEST(DuplimoEngineTest, ExamplesAtTwentyHertz) {
    using Sample = TypeParam;
    DuplimoEngine engine(44100.0);
    apply(engine, {0.5f, 0.0f, 1.0f, false});
    const Stereo<Sample> out = runEngine(engine, impulse<Sample>(2300), 44100.0);
    EXPECT_EQ(out.left[0], Sample(1));
    EXPECT_EQ(out.right[0], Sample(1));
    EXPECT_EQ(out.left[2205], Sample(0.5));
    EXPECT_EQ(out.right[2205], Sample(-0.5));
    EXPECT_EQ(out.left[2206], Sample(-0.5));
    EXPECT_EQ(out.right[2206], Sample(0.5));
    EXPECT_EQ(out.left[2204], Sample(0));
}

TYPED_TEST(DuplimoEngineTest, RandomInputMatchesModelAndKeepsTheMonoSum) {
    using Sample = TypeParam;
    uint32_t seed = 99;
    auto uniform = [&seed](float lo, float hi) {
        seed = seed * 1664525u + 1013904223u;
        return lo + (hi - lo) * static_cast<float>(seed >> 8) / 16777216.0f;
    };
    for (int trial = 0; trial < 24; ++trial) {
        const double rateHz = trial % 3 == 0 ? 8000.0 : trial % 3 == 1 ? 44100.0 : 48000.0;
        const Setting s{uniform(0.0f, 1.2f), uniform(0.0f, 1.0f), uniform(0.0f, 1.0f),
                        trial % 2 == 1};
        DuplimoEngine engine(rateHz);
        apply(engine, s);
        const Stereo<Sample> in = noise<Sample>(7000, 1000u + trial);
        const size_t block = 1 + trial * 37;  // block edges must not matter
        const Stereo<Sample> out = runEngine(engine, in, rateHz, block);
        const size_t delay = static_cast<size_t>(modelDelay(rateHz, s.baseFreq));
        SCOPED_TRACE(::testing::Message() << "trial " << trial << " delay " << delay);
        expectMatchesModel(in, out, s, delay);
    }
}

TYPED_TEST(DuplimoEngineTest, ProcessOffCopiesInputBitForBit) {
    using Sample = TypeParam;
    DuplimoEngine engine(44100.0);
    apply(engine, {1.0f, 0.3f, 0.7f, true});
    engine.controls.process.store(0.49f);
    Stereo<Sample> in = noise<Sample>(3000, 5);
    in.left[10] = Sample(-0.0);
    in.right[11] = std::numeric_limits<Sample>::denorm_min();
    in.left[12] = std::numeric_limits<Sample>::max();
    const Stereo<Sample> out = runEngine(engine, in, 44100.0, 256);
    EXPECT_EQ(0, std::memcmp(out.left.data(), in.left.data(), in.size() * sizeof(Sample)));
    EXPECT_EQ(0, std::memcmp(out.right.data(), in.right.data(), in.size() * sizeof(Sample)));
    // The followers, and so the reading, still follow the signal.
    EXPECT_GT(engine.followers().mono, 0.0);
    EXPECT_GT(engine.followers().side, 0.0);
    EXPECT_NE(engine.monoSideReading(), 0.0f);

    // In place, as hosts may pass the same buffers.
    Stereo<Sample> io = in;
    Sample* channels[2] = {io.left.data(), io.right.data()};
    engine.process<Sample>(channels, channels, static_cast<int>(io.size()), 44100.0);
    EXPECT_EQ(0, std::memcmp(io.left.data(), in.left.data(), in.size() * sizeof(Sample)));
    EXPECT_EQ(0, std::memcmp(io.right.data(), in.right.data(), in.size() * sizeof(Sample)));
}

TYPED_TEST(DuplimoEngineTest, WidthZeroGivesTheMonoSumOnBothSides) {
    using Sample = TypeParam;
    DuplimoEngine engine(44100.0);
    apply(engine, {0.0f, 0.5f, 0.4f, true});
    const Stereo<Sample> in = noise<Sample>(2000, 17);
    const Stereo<Sample> out = runEngine(engine, in, 44100.0);
    for (size_t n = 0; n < in.size(); ++n) {
        const Sample mono = static_cast<Sample>(((long double)in.left[n] + in.right[n]) / 2.0L);
        ASSERT_EQ(out.left[n], mono) << n;
        ASSERT_EQ(out.right[n], mono) << n;
    }
    EXPECT_EQ(engine.monoSideReading(), 0.5f);  // mono only
}

TYPED_TEST(DuplimoEngineTest, DelayedSignalStartsFromSilenceAfterReset) {
    using Sample = TypeParam;
    for (bool viaSuspend : {true, false}) {
        DuplimoEngine engine(44100.0);
        apply(engine, {1.0f, 0.0f, 0.5f, false});
        runEngine(engine, noise<Sample>(3000, 3), 44100.0);
        if (viaSuspend)
            engine.suspend(44100.0);
        else
            engine.resume(44100.0);
        const Stereo<Sample> in = noise<Sample>(2205, 4);
        const Stereo<Sample> out = runEngine(engine, in, 44100.0);
        for (size_t n = 0; n < in.size(); ++n) {
            const Sample mono = static_cast<Sample>(((long double)in.left[n] + in.right[n]) / 2.0L);
            ASSERT_EQ(out.left[n], mono) << n << (viaSuspend ? " suspend" : " resume");
            ASSERT_EQ(out.right[n], mono) << n << (viaSuspend ? " suspend" : " resume");
        }
    }
}

TEST(DuplimoEngineDelay, StaysInsideTheLineAtAnySampleRateAndFrequency) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const double rates[] = {0.0, 8000.0, 44100.0, 48000.0, 192000.0, 1e9, 3e38, -5.0, nan, inf};
    const float baseFreqs[] = {0.0f, 0.5f, 1.0f, 0.37f, -2.0f, 1e20f, nan};
    for (double rate : rates) {
        for (float v : baseFreqs) {
            DuplimoEngine engine(rate);
            apply(engine, {1.0f, v, 0.0f, false});
            // A NaN frequency keeps the delay of the 265 Hz an engine starts with.
            const long double expected = modelDelay(rate, std::isnan(v) ? 0.5f : v);
            EXPECT_EQ(measureDelay(engine, rate), expected) << "rate " << rate << " v " << v;
            EXPECT_EQ(engine.sampleRate(), modelRate(rate)) << "rate " << rate;
        }
    }
}

TEST(DuplimoEngineDelay, FollowsTheSampleRateAtResetsAndFrequencyChanges) {
    DuplimoEngine engine(44100.0);
    apply(engine, {1.0f, 0.0f, 0.0f, false});
    EXPECT_EQ(measureDelay(engine, 44100.0), 2205.0L);
    engine.resume(96000.0);  // both resets recompute it with the new rate
    EXPECT_EQ(measureDelay(engine, 96000.0), 4800.0L);
    engine.suspend(48000.0);
    EXPECT_EQ(measureDelay(engine, 48000.0), 2400.0L);
    engine.setBaseFrequency(duplimo::baseFrequencyHz(1.0f));  // uses the rate of that reset
    EXPECT_EQ(measureDelay(engine, 96000.0), 48.0L);
}

TYPED_TEST(DuplimoEngineTest, ReadingFromMonoAndSideLevels) {
    using Sample = TypeParam;
    const double rateHz = 8000.0;
    DuplimoEngine engine(rateHz);
    apply(engine, {0.5f, 0.5f, 0.0f, false});  // W = 0.5
    Stereo<Sample> constant(200000);
    std::fill(constant.left.begin(), constant.left.end(), Sample(0.5));
    std::fill(constant.right.begin(), constant.right.end(), Sample(0.5));
    runEngine(engine, constant, rateHz, 4096);
    // E_m -> 0.5 and E_s -> 0.25: the reading is log16(2).
    EXPECT_NEAR(engine.monoSideReading(), std::log(2.0L) / std::log(16.0L), 1e-6);

    // Silence brings both followers to exactly 0 and the reading to 0.
    runEngine(engine, Stereo<Sample>(200000), rateHz, 4096);
    EXPECT_EQ(engine.followers().mono, 0.0);
    EXPECT_EQ(engine.followers().side, 0.0);
    EXPECT_EQ(engine.monoSideReading(), 0.0f);
}

TYPED_TEST(DuplimoEngineTest, FollowerReachesFifteenSixteenthsInSixHundredMilliseconds) {
    using Sample = TypeParam;
    const double rateHz = 8000.0;
    DuplimoEngine engine(rateHz);
    apply(engine, {0.0f, 0.5f, 0.0f, false});
    Stereo<Sample> step(4800);  // 0.6 s
    std::fill(step.left.begin(), step.left.end(), Sample(1));
    std::fill(step.right.begin(), step.right.end(), Sample(1));
    runEngine(engine, step, rateHz, 1000);
    EXPECT_NEAR(engine.followers().mono, 15.0L / 16.0L, 1e-9);
}

TEST(DuplimoEngineReading, SuspendClearsResumeKeepsAndEmptyBlocksRecompute) {
    DuplimoEngine engine(44100.0);
    apply(engine, {0.0f, 0.5f, 0.0f, false});
    runEngine(engine, noise<float>(1000, 8), 44100.0);
    ASSERT_EQ(engine.monoSideReading(), 0.5f);
    engine.resume(44100.0);
    EXPECT_EQ(engine.monoSideReading(), 0.5f);
    EXPECT_EQ(engine.followers().mono, 0.0);
    engine.process<float>(nullptr, nullptr, 0, 44100.0);  // only the reading
    EXPECT_EQ(engine.monoSideReading(), 0.0f);
    runEngine(engine, noise<float>(1000, 9), 44100.0);
    engine.suspend(44100.0);
    EXPECT_EQ(engine.monoSideReading(), 0.0f);
}

TYPED_TEST(DuplimoEngineTest, NonFiniteInputLeavesNoLastingTrace) {
    using Sample = TypeParam;
    const double rateHz = 44100.0;
    const Setting s{0.8f, 1.0f, 0.6f, false};  // delay 45
    DuplimoEngine engine(rateHz);
    apply(engine, s);
    runEngine(engine, noise<Sample>(1000, 1), rateHz);

    Stereo<Sample> bad = noise<Sample>(100, 2);
    bad.left[10] = std::numeric_limits<Sample>::quiet_NaN();
    bad.right[20] = std::numeric_limits<Sample>::infinity();
    bad.left[30] = -std::numeric_limits<Sample>::infinity();
    const Stereo<Sample> badOut = runEngine(engine, bad, rateHz);
    for (size_t n = 0; n < bad.size(); ++n) {
        const bool badInput = n == 10 || n == 20 || n == 30;
        EXPECT_EQ(std::isfinite(badOut.left[n]), !badInput) << n;  // only the direct path
    }
    EXPECT_TRUE(std::isfinite(engine.followers().mono));
    EXPECT_TRUE(std::isfinite(engine.followers().side));

    // From one period on, the output no longer depends on what came before.
    const Stereo<Sample> in = noise<Sample>(60000, 3);
    const Stereo<Sample> out = runEngine(engine, in, rateHz);
    DuplimoEngine fresh(rateHz);
    apply(fresh, s);
    const Stereo<Sample> reference = runEngine(fresh, in, rateHz);
    for (size_t n = 0; n < in.size(); ++n) {
        ASSERT_TRUE(std::isfinite(out.left[n]) && std::isfinite(out.right[n])) << n;
        if (n > 45) {
            ASSERT_EQ(out.left[n], reference.left[n]) << n;
            ASSERT_EQ(out.right[n], reference.right[n]) << n;
        }
    }
    EXPECT_NEAR(engine.monoSideReading(), fresh.monoSideReading(), 1e-3);
}

TEST(DuplimoEngineNonFinite, SampleBeyondThe32BitRangeIsNotEchoed) {
    DuplimoEngine engine(44100.0);
    apply(engine, {0.0f, 1.0f, 1.0f, false});  // width 0: 0 times the delayed sample
    Stereo<double> in(200);
    in.left[0] = in.right[0] = 1e300;
    const Stereo<double> out = runEngine(engine, in, 44100.0);
    EXPECT_EQ(out.left[0], 1e300);
    for (size_t n = 1; n < out.size(); ++n) {
        ASSERT_EQ(out.left[n], 0.0) << n;
        ASSERT_EQ(out.right[n], 0.0) << n;
    }
}

}  // namespace
