// The single follower steps and their four-lane form against the plain
// definitions: the branch-free peak step must give the same bits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "dsp/follower_steps.h"
#include "dsp/quad.h"

namespace {

// The instant-attack release step exactly as defined, with its branch.
template <typename Sample>
Sample definedPeakStep(Sample follower, Sample input, Sample coeff) {
    if (input > follower) return input;
    return follower + (input - follower) * coeff;
}

template <typename Sample>
bool sameBits(Sample a, Sample b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

template <typename Sample>
class FollowerSteps : public ::testing::Test {};
using Precisions = ::testing::Types<float, double>;
TYPED_TEST_SUITE(FollowerSteps, Precisions);

TYPED_TEST(FollowerSteps, BranchFreePeakStepGivesTheDefinedBits) {
    using S = TypeParam;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> magnitude(-30.0, 3.0);  // decades
    const S coeffs[] = {S(4.19e-5), S(2.1e-4), S(0.84), S(1e-9), S(0.5)};
    int checked = 0;
    for (const S c : coeffs) {
        for (int n = 0; n < 20000; ++n) {
            const S f = static_cast<S>(std::pow(10.0, magnitude(random)));
            S v = static_cast<S>(std::pow(10.0, magnitude(random)));
            if (n % 4 == 1) v = std::nextafter(f, S(2) * f);  // one step above
            if (n % 4 == 2) v = std::nextafter(f, S(0));      // one step below
            if (n % 8 == 3) v = f;
            const S expected = definedPeakStep(f, v, c);
            ASSERT_TRUE(sameBits(follower_steps::peakStep(f, v, c), expected)) << f << " " << v;
            const Quad<S> lanes = follower_steps::peakStep(Quad<S>::of(f, v, f, S(0)),
                                                           Quad<S>::of(v, f, f, v), Quad<S>::all(c));
            ASSERT_TRUE(sameBits(lanes.lane(0), expected));
            ASSERT_TRUE(sameBits(lanes.lane(1), definedPeakStep(v, f, c)));
            ASSERT_TRUE(sameBits(lanes.lane(2), definedPeakStep(f, f, c)));
            ASSERT_TRUE(sameBits(lanes.lane(3), definedPeakStep(S(0), v, c)));
            ++checked;
        }
    }
    EXPECT_EQ(checked, 100000);
}

TYPED_TEST(FollowerSteps, QuadLanesRoundLikeScalars) {
    using S = TypeParam;
    const S a[] = {S(0.1), S(-3.7), S(1e-30), S(-0.0)};
    const S b[] = {S(0.3), S(2.9), S(-7e-31), S(5.5)};
    const Quad<S> qa = Quad<S>::of(a[0], a[1], a[2], a[3]);
    const Quad<S> qb = Quad<S>::of(b[0], b[1], b[2], b[3]);
    const Quad<S> sum = qa + qb, difference = qa - qb, product = qa * qb;
    const Quad<S> smooth = follower_steps::smoothStep(qa, qb, Quad<S>::all(S(0.01)));
    const Quad<S> magnitude = abs(qa);
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(sameBits(sum.lane(k), S(a[k] + b[k])));
        EXPECT_TRUE(sameBits(difference.lane(k), S(a[k] - b[k])));
        EXPECT_TRUE(sameBits(product.lane(k), S(a[k] * b[k])));
        EXPECT_TRUE(sameBits(smooth.lane(k), follower_steps::smoothStep(a[k], b[k], S(0.01))));
        EXPECT_TRUE(sameBits(magnitude.lane(k), std::fabs(a[k])));
    }
}

TEST(FollowerSteps, RecoveryKeepsFiniteValuesAndClearsNonFinite) {
    using follower_steps::recovered;
    EXPECT_EQ(recovered(0.5f), 0.5f);
    EXPECT_EQ(recovered(-2e-20f), -2e-20f);
    EXPECT_EQ(recovered(std::numeric_limits<float>::denorm_min()),
              std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(recovered(std::numeric_limits<float>::max()), std::numeric_limits<float>::max());
    EXPECT_EQ(recovered(std::numeric_limits<float>::quiet_NaN()), 0.0f);
    EXPECT_EQ(recovered(std::numeric_limits<float>::infinity()), 0.0f);
    EXPECT_EQ(recovered(-std::numeric_limits<float>::infinity()), 0.0f);
}

TEST(FollowerSteps, ReleaseCoefficientReachesItsRatio) {
    const double c = follower_steps::releaseCoefficient(1.0 / 16, 1.5, 48000.0);
    const long double remaining = std::pow(1.0L - c, 1.5L * 48000.0L);
    EXPECT_NEAR(static_cast<double>(remaining), 1.0 / 16, 1e-12);
}

}  // namespace
