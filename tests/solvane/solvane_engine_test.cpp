// The stereo image controller's engine against independent arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "plugins/solvane/solvane_engine.h"
#include "plugins/solvane/solvane_parameters.h"

namespace {

using solvane::SolvaneEngine;
constexpr double kRate = 44100.0;

struct Settings {
    float width = 0.5f, gain = 0.5f, balance = 0.5f, stability = 0.5f, centre = 0.5f;
    bool process = true, swap = false, invertLeft = false, invertRight = false;
};

void apply(SolvaneEngine& engine, const Settings& s) {
    using namespace solvane;
    auto& c = engine.controls;
    c.width = widthFactor(s.width);
    c.gain = gainFactor(s.gain);
    c.balanceLeft = upperFactor(s.balance);
    c.balanceRight = lowerFactor(s.balance);
    c.sideLeft = upperFactor(s.stability);
    c.sideRight = lowerFactor(s.stability);
    c.centreLeft = centreLeftFactor(s.centre);
    c.centreRight = centreRightFactor(s.centre);
    c.process = s.process ? 1.0f : 0.0f;
    c.swap = s.swap ? 1.0f : 0.0f;
    c.invertLeft = s.invertLeft ? 1.0f : 0.0f;
    c.invertRight = s.invertRight ? 1.0f : 0.0f;
}

// The engine keeps its factors as 32-bit floats.
long double asFloat(long double x) { return static_cast<float>(x); }

// The matrix in long double straight from the parameter values.
void referenceMatrix(const Settings& s, long double l, long double r, long double& a,
                     long double& b) {
    const long double v = s.width;
    const long double w = asFloat(2 * v * v);
    const long double g =
        asFloat(std::pow(10.0L, 1.2L * (static_cast<long double>(s.gain) - 0.5L)));
    const long double bl = asFloat(2.0L * s.balance), br = asFloat(2.0L * (1.0L - s.balance));
    const long double sl = asFloat(2.0L * s.stability);
    const long double sr = asFloat(2.0L * (1.0L - s.stability));
    const long double cl = asFloat(s.centre + 0.5L), cr = asFloat(1.5L - s.centre);
    l *= s.invertLeft ? -g : g;
    r *= s.invertRight ? -g : g;
    if (s.swap) std::swap(l, r);
    const long double mid = (l + r) / 2, side = (l - r) * w;
    a = (mid + side * sl * cr) * bl * cl;
    b = (mid - side * sr * cl) * br * cr;
}

template <typename Sample>
struct Block {
    explicit Block(int frames, unsigned seed = 1) : l(frames), r(frames), outL(frames), outR(frames) {
        std::mt19937 rng(seed);
        std::uniform_real_distribution<double> dist(-1.0, 1.0);
        for (int i = 0; i < frames; ++i) {
            l[i] = Sample(dist(rng));
            r[i] = Sample(dist(rng));
        }
    }
    void run(SolvaneEngine& engine) {
        const Sample* in[2] = {l.data(), r.data()};
        Sample* out[2] = {outL.data(), outR.data()};
        engine.process<Sample>(in, out, static_cast<int>(l.size()), kRate);
    }
    std::vector<Sample> l, r, outL, outR;
};

template <typename Sample>
void expectMatchesReference(const Settings& s, double tolerance) {
    SolvaneEngine engine;
    apply(engine, s);
    Block<Sample> block(256);
    block.run(engine);
    for (size_t i = 0; i < block.l.size(); ++i) {
        long double a, b;
        referenceMatrix(s, block.l[i], block.r[i], a, b);
        ASSERT_NEAR(block.outL[i], static_cast<double>(a), tolerance) << "frame " << i;
        ASSERT_NEAR(block.outR[i], static_cast<double>(b), tolerance) << "frame " << i;
    }
}

std::vector<Settings> interestingSettings() {
    std::vector<Settings> all;
    all.push_back({});
    Settings s;
    s.width = 0.0f;
    all.push_back(s);
    s = {};
    s.width = 1.0f, s.gain = 0.8f, s.balance = 0.7f, s.stability = 0.25f, s.centre = 0.8f;
    all.push_back(s);
    s.swap = true, s.invertRight = true;
    all.push_back(s);
    s = {};
    s.centre = 0.2f, s.invertLeft = true, s.gain = 0.0f;
    all.push_back(s);
    return all;
}

TEST(SolvaneEngine, MatrixMatchesLongDoubleArithmetic) {
    for (const Settings& s : interestingSettings()) {
        expectMatchesReference<double>(s, 1e-12);
        expectMatchesReference<float>(s, 2e-5);  // 32-bit rounding of each intermediate
    }
}

// The 32-bit path computes in 32-bit arithmetic: L', R', M, S, A and B and
// every step between them are 32-bit floats. The reference forces each step
// through memory, so an optimiser that kept a wider intermediate in the
// engine shows up here.
float stored(float x) {
    volatile float value = x;
    return value;
}

TEST(SolvaneEngine, FloatPathRoundsEveryStepToThirtyTwoBits) {
    for (const Settings& s : interestingSettings()) {
        SolvaneEngine engine;
        apply(engine, s);
        Block<float> block(256, 11);
        block.run(engine);
        const auto& c = engine.controls;
        const float g = c.gain.load();
        const float w = c.width.load(), bl = c.balanceLeft.load(), br = c.balanceRight.load();
        const float sl = c.sideLeft.load(), sr = c.sideRight.load();
        const float cl = c.centreLeft.load(), cr = c.centreRight.load();
        for (size_t i = 0; i < block.l.size(); ++i) {
            float l = stored((s.invertLeft ? -g : g) * block.l[i]);
            float r = stored((s.invertRight ? -g : g) * block.r[i]);
            if (s.swap) std::swap(l, r);
            const float mid = stored(stored(l + r) * 0.5f);
            const float side = stored(stored(l - r) * w);
            const float a = stored(stored(stored(mid + stored(stored(side * sl) * cr)) * bl) * cl);
            const float b = stored(stored(stored(mid - stored(stored(side * sr) * cl)) * br) * cr);
            ASSERT_EQ(block.outL[i], a) << i;
            ASSERT_EQ(block.outR[i], b) << i;
        }
    }
}

template <typename Sample>
void expectNeutralIsIdentity() {
    SolvaneEngine engine;
    apply(engine, {});
    Block<Sample> block(512, 7);
    block.run(engine);
    for (size_t i = 0; i < block.l.size(); ++i) {
        EXPECT_NEAR(block.outL[i], block.l[i], 4 * std::numeric_limits<Sample>::epsilon());
        EXPECT_NEAR(block.outR[i], block.r[i], 4 * std::numeric_limits<Sample>::epsilon());
    }
}

TEST(SolvaneEngine, NeutralSettingsReturnTheInput) {
    expectNeutralIsIdentity<float>();
    expectNeutralIsIdentity<double>();
}

TEST(SolvaneEngine, SwapAloneExchangesChannelsExactly) {
    SolvaneEngine engine;
    Settings s;
    s.swap = true;
    apply(engine, s);
    Block<double> block(64, 3);
    block.run(engine);
    for (size_t i = 0; i < block.l.size(); ++i) {
        EXPECT_NEAR(block.outL[i], block.r[i], 1e-15);
        EXPECT_NEAR(block.outR[i], block.l[i], 1e-15);
    }
}

TEST(SolvaneEngine, WidthZeroGivesTheMidOnBothSides) {
    SolvaneEngine engine;
    Settings s;
    s.width = 0.0f, s.balance = 0.7f;
    apply(engine, s);
    Block<double> block(64, 4);
    block.run(engine);
    for (size_t i = 0; i < block.l.size(); ++i) {
        const double mid = (block.l[i] + block.r[i]) / 2;
        EXPECT_NEAR(block.outL[i], mid * 2 * 0.7f, 1e-12);
        EXPECT_NEAR(block.outR[i], mid * 2 * (1 - 0.7f), 1e-12);
    }
}

template <typename Sample>
void expectBypassBitExact() {
    SolvaneEngine engine;
    Settings s;
    s.process = false, s.width = 1.0f, s.gain = 0.9f, s.swap = true, s.invertLeft = true;
    apply(engine, s);
    Block<Sample> block(1000, 5);
    block.l[3] = std::numeric_limits<Sample>::denorm_min();  // copied, never computed
    block.run(engine);
    EXPECT_EQ(block.outL, block.l);
    EXPECT_EQ(block.outR, block.r);
    EXPECT_GT(engine.followers().left, 0.0);  // the meters still move
}

TEST(SolvaneEngine, ProcessOffCopiesBitForBit) {
    expectBypassBitExact<float>();
    expectBypassBitExact<double>();
}

// Runs `seconds` of a constant stereo pair through the engine in blocks.
template <typename Sample>
void runSteady(SolvaneEngine& engine, Sample left, Sample right, double seconds,
               int blockFrames = 512) {
    std::vector<Sample> l(blockFrames, left), r(blockFrames, right), ol(blockFrames), orr(blockFrames);
    const Sample* in[2] = {l.data(), r.data()};
    Sample* out[2] = {ol.data(), orr.data()};
    long remaining = std::lround(seconds * kRate);
    while (remaining > 0) {
        const int n = static_cast<int>(std::min<long>(remaining, blockFrames));
        engine.process<Sample>(in, out, n, kRate);
        remaining -= n;
    }
}

TEST(SolvaneEngine, FollowerReachesFifteenSixteenthsAfterSixHundredMilliseconds) {
    SolvaneEngine engine;
    apply(engine, {});
    runSteady<double>(engine, 0.5, 0.0, 0.6);
    EXPECT_NEAR(engine.followers().left, 0.5 * 15.0 / 16.0, 1e-9);
    EXPECT_NEAR(engine.followers().sum, 0.5 * 15.0 / 16.0, 1e-9);
    EXPECT_EQ(engine.followers().right, 0.0);
}

TEST(SolvaneEngine, MeterReadingsOnSteadySignals) {
    struct Case {
        double left, right;
        bool invertRight;
        float midSide, leftRight;
    };
    const long double log16Of2 = 0.25L;
    const Case cases[] = {
        {0.5, 0.5, false, 0.5f, 0.0f},      // mono
        {0.5, 0.5, true, -0.5f, 0.0f},      // mono with one side inverted: out of phase
        {0.5, 0.0, false, 0.0f, -0.5f},     // left only: sum equals difference
        {0.0, 0.5, false, 0.0f, 0.5f},      // right only
        {0.6, 0.2, false, float(log16Of2), float(-std::log(3.0L) / std::log(16.0L))},
    };
    for (const Case& c : cases) {
        SolvaneEngine engine;
        Settings s;
        s.invertRight = c.invertRight;
        apply(engine, s);
        runSteady<double>(engine, c.left, c.right, 3.0);
        EXPECT_NEAR(engine.midSideReading(), c.midSide, 2e-4) << c.left << " " << c.right;
        EXPECT_NEAR(engine.leftRightReading(), c.leftRight, 2e-4) << c.left << " " << c.right;
    }
}

// After long silence every follower ends far below the meter thresholds and
// never in the subnormal range, and the readings rest at 0.
void expectSettledInSilence(const SolvaneEngine& engine) {
    const auto& f = engine.followers();
    for (double value : {f.sum, f.diff, f.left, f.right}) {
        EXPECT_LT(value, 1e-28);
        EXPECT_TRUE(value == 0.0 || std::isnormal(value)) << value;
    }
    EXPECT_EQ(engine.midSideReading(), 0.0f);
    EXPECT_EQ(engine.leftRightReading(), 0.0f);
}

TEST(SolvaneEngine, ResetSetsReadingsAndSilenceSettlesTheFollowers) {
    SolvaneEngine engine;
    engine.reset(0.5f);
    EXPECT_EQ(engine.midSideReading(), 0.5f);
    EXPECT_EQ(engine.leftRightReading(), 0.5f);
    engine.reset(0.0f);
    EXPECT_EQ(engine.midSideReading(), 0.0f);

    runSteady<float>(engine, 0.9f, -0.3f, 1.0);
    runSteady<float>(engine, 0.0f, 0.0f, 30.0);
    expectSettledInSilence(engine);

    // An empty block recomputes the readings only.
    engine.reset(0.5f);
    engine.process<float>(nullptr, nullptr, 0, kRate);
    EXPECT_EQ(engine.midSideReading(), 0.0f);
}

TEST(SolvaneEngine, ReadingsRecoverAfterNonFiniteInput) {
    for (double poison : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        SolvaneEngine engine;
        apply(engine, {});
        Block<double> block(64);
        block.l[10] = poison;
        block.run(engine);
        runSteady<double>(engine, 0.5, 0.5, 3.0);
        EXPECT_NEAR(engine.midSideReading(), 0.5f, 1e-6) << poison;
        EXPECT_NEAR(engine.leftRightReading(), 0.0f, 1e-4) << poison;
    }
}

// The follower constant applied after every update, as a reference for the
// once-per-block placement the engine uses.
TEST(SolvaneEngine, FlushOncePerBlockAgreesWithPerUpdateReference) {
    SolvaneEngine engine;
    apply(engine, {});
    const double coeff = 1.0 - std::pow(0.0625, 1.0 / (kRate * 0.6));
    double reference[4] = {0, 0, 0, 0};
    std::mt19937 rng(9);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    constexpr int kFrames = 2048;
    std::vector<float> l(kFrames), r(kFrames), ol(kFrames), orr(kFrames);
    for (int blockIndex = 0; blockIndex < 600; ++blockIndex) {
        const float level = blockIndex < 100 ? 1.0f : 0.0f;  // loud, then 28 s of silence
        for (int i = 0; i < kFrames; ++i) l[i] = level * dist(rng), r[i] = level * dist(rng) * 0.3f;
        const float* in[2] = {l.data(), r.data()};
        float* out[2] = {ol.data(), orr.data()};
        engine.process<float>(in, out, kFrames, kRate);
        for (int i = 0; i < kFrames; ++i) {
            const double x[4] = {std::fabs(float(double(ol[i]) + orr[i])),
                                 std::fabs(float(double(ol[i]) - orr[i])), std::fabs(ol[i]),
                                 std::fabs(orr[i])};
            for (int k = 0; k < 4; ++k) {
                reference[k] += coeff * (x[k] - reference[k]);
                reference[k] += 1e-16;
                reference[k] -= 1e-16;
            }
        }
        const auto& f = engine.followers();
        const double mine[4] = {f.sum, f.diff, f.left, f.right};
        for (int k = 0; k < 4; ++k)
            ASSERT_NEAR(mine[k], reference[k], 1e-12 + 1e-9 * reference[k]) << blockIndex << " k=" << k;
    }
    expectSettledInSilence(engine);
}

}  // namespace
