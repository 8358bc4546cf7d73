// The goniometer capture: which pairs are taken at each sample rate, where
// their points land, and the hand-over of full bursts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <algorithm>
#include <vector>

#include "plugins/scopra/scopra_engine.h"
#include "tests/scopra/scopra_test_signal.h"

namespace {

using scopra::kScopePoints;
using scopra::ScopePoint;
using scopra::ScopraEngine;
using scopra_test::feed;
using scopra_test::feedConstant;

using Burst = ScopePoint[kScopePoints];

// At scopeGain 1 (31 pixels per unit) a pair (0, (p + 0.5) / 31) plots at
// x = p, y = -p: the point tells which pair of its block it came from.
template <typename Sample>
void feedNumberedPairs(ScopraEngine& engine, long frames, int blockFrames) {
    feed<Sample>(engine, frames, blockFrames, [&](long n, Sample& l, Sample& r) {
        l = 0;
        r = static_cast<Sample>((n % blockFrames + 0.5) / 31.0);
    });
}

// Positions in a block of `blockFrames` pairs that a capture factor D takes:
// D, 2D + 1, 3D + 2, ...
std::vector<int> capturedPositions(int factor, int blockFrames) {
    std::vector<int> positions;
    for (int p = factor; p < blockFrames; p += factor + 1) positions.push_back(p);
    return positions;
}

template <typename Sample>
class ScopraCapture : public ::testing::Test {
protected:
    ScopraEngine engine;
    Burst burst = {};
};

using Precisions = ::testing::Types<float, double>;
TYPED_TEST_SUITE(ScopraCapture, Precisions);

TYPED_TEST(ScopraCapture, PatternAtEachSampleRateRestartsInEveryBlock) {
    struct Case {
        float rate;
        int factor;
    };
    const int blockFrames = 37;
    for (const Case c : {Case{44100, 1}, Case{96000, 2}, Case{192000, 4}, Case{250000, 8}}) {
        scopra_test::prepare(this->engine, c.rate);
        const std::vector<int> perBlock = capturedPositions(c.factor, blockFrames);
        const long blocks = (kScopePoints + perBlock.size() - 1) / perBlock.size();
        feedNumberedPairs<TypeParam>(this->engine, blocks * blockFrames, blockFrames);
        ASSERT_TRUE(this->engine.takeBurst(this->burst)) << c.rate;
        for (int n = 0; n < kScopePoints; ++n) {
            const int position = perBlock[n % perBlock.size()];
            const ScopePoint& point = this->burst[kScopePoints - 1 - n];  // first in 511
            ASSERT_EQ(point.x, position) << c.rate << " point " << n;
            ASSERT_EQ(point.y, -position) << c.rate << " point " << n;
        }
    }
}

TYPED_TEST(ScopraCapture, BlockOf512PairsAt44kTakesEveryOddPair) {
    scopra_test::prepare(this->engine, 44100.0f);
    feedNumberedPairs<TypeParam>(this->engine, 512, 512);
    EXPECT_EQ(this->engine.scopeWriteIndex(), 511 - 256);
    EXPECT_FALSE(this->engine.takeBurst(this->burst));  // still filling
    feedNumberedPairs<TypeParam>(this->engine, 512, 512);
    EXPECT_EQ(this->engine.scopeWriteIndex(), -1);
    ASSERT_TRUE(this->engine.takeBurst(this->burst));
    EXPECT_EQ(this->engine.scopeWriteIndex(), 511);  // the next burst starts
    // Pairs 1, 3, 5 ... 75 of each block are still inside the view.
    for (int n = 0; n < 38; ++n) {
        EXPECT_EQ(this->burst[511 - n].x, 2 * n + 1);
        EXPECT_EQ(this->burst[255 - n].x, 2 * n + 1);
    }
}

TYPED_TEST(ScopraCapture, FullBufferIsLeftAloneUntilTaken) {
    scopra_test::prepare(this->engine, 44100.0f);
    feedConstant<TypeParam>(this->engine, 1024, 0.5, 0.0);  // exactly one burst
    ASSERT_EQ(this->engine.scopeWriteIndex(), -1);
    feedConstant<TypeParam>(this->engine, 44100, -0.5, 0.5);
    ASSERT_TRUE(this->engine.takeBurst(this->burst));
    for (const ScopePoint& p : this->burst) {
        ASSERT_EQ(p.x, std::trunc(-0.5 * 31));
        ASSERT_EQ(p.y, std::trunc(-0.5 * 31));
    }
    EXPECT_FALSE(this->engine.takeBurst(this->burst));
}

TYPED_TEST(ScopraCapture, PointsAreScaledRotatedAndLimited) {
    scopra_test::prepare(this->engine, 44100.0f);
    this->engine.controls.scopeGain = 0.12f * 0.12f * 63.0f + 1.0f;  // the initial level
    const long double k = (0.12L * 0.12L * 63.0L + 1.0L) * 31.0L;      // about 59.12
    struct Case {
        double left, right, x, y;
    };
    const Case cases[] = {
        {1.0, 1.0, 0, -76},    // mono full scale: -118 limited to -76
        {1.0, -1.0, -85, 0},   // opposite phase: -118 limited to -85
        {-1.0, 1.0, 83, 0},    // 118 limited to 83
        {-1.0, -1.0, 0, 76},
        {0.5, 0.0, std::trunc(-0.5 * double(k)), std::trunc(-0.5 * double(k))},  // up-left
        {0.0, 0.5, std::trunc(0.5 * double(k)), std::trunc(-0.5 * double(k))},   // up-right
        {0.3, -0.1, std::trunc(-0.4 * double(k)), std::trunc(-0.2 * double(k))},
    };
    for (const Case& c : cases) {
        this->engine.suspendReset();
        feedConstant<TypeParam>(this->engine, 1024, c.left, c.right);
        ASSERT_TRUE(this->engine.takeBurst(this->burst));
        EXPECT_EQ(this->burst[0].x, c.x) << c.left << " " << c.right;
        EXPECT_EQ(this->burst[511].y, c.y) << c.left << " " << c.right;
    }
}

TYPED_TEST(ScopraCapture, NonFiniteSamplesStayInsideTheView) {
    scopra_test::prepare(this->engine, 44100.0f);
    const TypeParam nan = std::numeric_limits<TypeParam>::quiet_NaN();
    const TypeParam inf = std::numeric_limits<TypeParam>::infinity();
    const TypeParam values[] = {nan, inf, -inf, TypeParam(0.2)};
    feed<TypeParam>(this->engine, 1024, 100, [&](long n, TypeParam& l, TypeParam& r) {
        l = values[n % 4];
        r = values[(n / 4) % 4];
    });
    ASSERT_TRUE(this->engine.takeBurst(this->burst));
    bool sawCentre = false, sawEdge = false;
    for (const ScopePoint& p : this->burst) {
        ASSERT_TRUE(p.x >= -85 && p.x <= 83 && p.x == std::trunc(p.x)) << p.x;
        ASSERT_TRUE(p.y >= -76 && p.y <= 76 && p.y == std::trunc(p.y)) << p.y;
        sawCentre |= p.x == 0 && p.y == 0;
        sawEdge |= p.x == -85 || p.x == 83;
    }
    EXPECT_TRUE(sawCentre);  // NaN plots at the centre
    EXPECT_TRUE(sawEdge);    // infinities at the edge
}

// The literal point of a pair in the sample type's arithmetic.
template <typename Sample>
ScopePoint literalPoint(Sample left, Sample right, Sample k) {
    auto pixels = [](Sample v, Sample low, Sample high) {
        if (std::isnan(v)) return 0.0;
        return static_cast<double>(std::trunc(std::min(std::max(v, low), high)));
    };
    return ScopePoint{pixels((right - left) * k, -85, 83), pixels((-right - left) * k, -76, 76)};
}

// Random pairs, loud and quiet, with an occasional NaN or infinity, in blocks
// of odd and even lengths at every capture factor: every point is the literal
// one, whichever way the engine works it out.
template <typename Sample>
void expectLiteralPoints(ScopraEngine& engine) {
    Burst burst = {};
    const float rates[] = {44100.0f, 96000.0f, 192000.0f, 384000.0f};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(-2.0, 2.0);
    std::uniform_int_distribution<int> special(0, 40);
    const Sample inf = std::numeric_limits<Sample>::infinity();
    const Sample nonFinite[] = {std::numeric_limits<Sample>::quiet_NaN(), inf, -inf};
    for (const float rate : rates) {
        scopra_test::prepare(engine, rate);
        const int factor = scopra::rateConstantsFor(rate).captureFactor;
        const Sample k = static_cast<Sample>(double(engine.controls.scopeGain) * 31.0);
        std::vector<ScopePoint> expected;
        for (int block = 0; expected.size() < kScopePoints; ++block) {
            const int frames = 37 + block % 5;
            std::vector<Sample> l(frames), r(frames);
            for (int i = 0; i < frames; ++i) {
                const int s = special(random);
                const double scale = s % 2 ? 1.0 : 0.01;
                l[i] = s < 3 ? nonFinite[s] : static_cast<Sample>(unit(random) * scale);
                r[i] = static_cast<Sample>(unit(random));
            }
            for (int i = factor; i < frames && expected.size() < kScopePoints; i += factor + 1)
                expected.push_back(literalPoint(l[i], r[i], k));
            Sample* io[2] = {l.data(), r.data()};
            engine.template process<Sample>(io, io, frames);
        }
        ASSERT_TRUE(engine.takeBurst(burst)) << rate;
        for (int n = 0; n < kScopePoints; ++n) {
            const ScopePoint& p = burst[kScopePoints - 1 - n];
            ASSERT_TRUE(p.x == expected[n].x && p.y == expected[n].y)
                << "rate " << rate << " point " << n << ": " << p.x << "," << p.y << " vs "
                << expected[n].x << "," << expected[n].y;
        }
    }
}

TYPED_TEST(ScopraCapture, EveryPointIsTheLiteralPointOfItsPair) {
    for (const bool baselineOnly : {false, true}) {
        ScopraEngine engine;
        if (baselineOnly) engine.useBaselineInstructions();
        expectLiteralPoints<TypeParam>(engine);
    }
}

TYPED_TEST(ScopraCapture, ClearEmptiesThePointsButKeepsTheTurn) {
    scopra_test::prepare(this->engine, 44100.0f);
    feedConstant<TypeParam>(this->engine, 1024, 0.5, 0.0);
    this->engine.clearCapture();
    EXPECT_EQ(this->engine.scopeWriteIndex(), -1);
    ASSERT_TRUE(this->engine.takeBurst(this->burst));
    for (const ScopePoint& p : this->burst) ASSERT_TRUE(p.x == 0 && p.y == 0);
    // Resume clears the points as well.
    feedConstant<TypeParam>(this->engine, 1024, 0.5, 0.0);
    this->engine.resumeReset();
    ASSERT_TRUE(this->engine.takeBurst(this->burst));
    for (const ScopePoint& p : this->burst) ASSERT_TRUE(p.x == 0 && p.y == 0);
}

}  // namespace
