// The family's level follower and meter reading.
#include "dsp/level_follower.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace level_follower;

TEST(LevelFollower, FallsToOneSixteenthInSixHundredMilliseconds) {
    for (double rate : {22050.0, 44100.0, 48000.0, 96000.0, 192000.0}) {
        const double coeff = coefficient(rate);
        double follower = 1.0;
        const long samples = std::lround(0.6 * rate);
        for (long i = 0; i < samples; ++i) update(follower, 0.0, coeff);
        EXPECT_NEAR(follower, 1.0 / 16.0, 1e-9) << rate;
    }
    // Rates a scanning host may report fall back to a usable one.
    EXPECT_EQ(coefficient(0.0), coefficient(kDefaultSampleRateHz));
    EXPECT_EQ(coefficient(std::nan("")), coefficient(kDefaultSampleRateHz));
}

TEST(LevelFollower, ReadingIsTheLogarithmToBaseSixteen) {
    for (double ratio : {0.25, 0.3, 0.5, 1.0, 1.7, 2.0, 3.999}) {
        const double expected =
            (std::log10(ratio) + 0.6020599913279624) * 0.8304820237218405 - 0.5;
        EXPECT_NEAR(log16Reading(ratio * 0.01, 0.01), expected, 1e-7) << ratio;
    }
    EXPECT_EQ(log16Reading(5.0, 1.0), 0.5f);   // four times or more: clamped
    EXPECT_EQ(log16Reading(1.0, 5.0), -0.5f);
    EXPECT_EQ(log16Reading(2.0, 1.0), 0.25f);
}

TEST(LevelFollower, PairReadingFallsBackToTheLiveSide) {
    EXPECT_EQ(pairReading(0.1, 1e-5, 0.0, 1e-7), 0.5f);
    EXPECT_EQ(pairReading(0.0, 1e-5, 0.1, 1e-7), -0.5f);
    EXPECT_EQ(pairReading(1e-6, 1e-5, 1e-8, 1e-7), 0.0f);
    EXPECT_NEAR(pairReading(0.2, 1e-5, 0.1, 1e-7), 0.25f, 1e-7);
}

TEST(LevelFollower, SettleRecoversFromNonFiniteValues) {
    for (double poison : {std::numeric_limits<double>::quiet_NaN(), HUGE_VAL, -HUGE_VAL}) {
        double follower = poison;
        settle<float>(follower);
        EXPECT_EQ(follower, 0.0);
    }
    double tiny = 1e-40;  // far below the flush constant
    settle<float>(tiny);
    EXPECT_EQ(tiny, 0.0);
    double audible = 0.25;
    settle<double>(audible);
    EXPECT_EQ(audible, 0.25);
}

}  // namespace
