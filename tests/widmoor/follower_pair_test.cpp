// The paired followers give bit for bit what two single followers give.
#include <gtest/gtest.h>

#include <random>

#include "dsp/level_follower.h"

TEST(FollowerPair, LanesMatchSingleFollowersExactly) {
    std::mt19937 random(21);
    std::uniform_real_distribution<double> level(0.0, 2.0);
    for (double rateHz : {8000.0, 44100.0, 192000.0}) {
        const double coeff = level_follower::coefficient(rateHz);
        level_follower::FollowerPair pair(0.25, 0.0);
        double first = 0.25, second = 0.0;
        for (int i = 0; i < 20000; ++i) {
            const double x = level(random), y = i % 3 ? level(random) : 0.0;
            pair.update(x, y, coeff);
            level_follower::update(first, x, coeff);
            level_follower::update(second, y, coeff);
            ASSERT_EQ(pair.first(), first) << i;
            ASSERT_EQ(pair.second(), second) << i;
        }
    }
}
