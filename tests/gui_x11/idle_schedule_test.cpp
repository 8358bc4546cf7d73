// The idle period's schedule, with a clock the test moves by hand.
#include "gui/x11/window.h"

#include <gtest/gtest.h>

namespace gui::x11 {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

class IdleScheduleTest : public ::testing::Test {
protected:
    IdleSchedule::Clock::time_point start_{};
    IdleSchedule schedule_{start_, milliseconds(50)};
};

TEST_F(IdleScheduleTest, FirstCallIsOnePeriodAfterStartAndWaitsNeverEndEarly) {
    EXPECT_FALSE(schedule_.isDue(start_ + microseconds(49999)));
    EXPECT_TRUE(schedule_.isDue(start_ + milliseconds(50)));
    EXPECT_EQ(schedule_.millisecondsUntilDue(start_), 50);
    EXPECT_EQ(schedule_.millisecondsUntilDue(start_ + microseconds(49001)), 1);
    EXPECT_EQ(schedule_.millisecondsUntilDue(start_ + milliseconds(70)), 0);
}

TEST_F(IdleScheduleTest, KeepsTheRhythmWhenACallRunsSlightlyLate) {
    schedule_.advance(start_ + milliseconds(53));
    EXPECT_FALSE(schedule_.isDue(start_ + milliseconds(99)));
    EXPECT_TRUE(schedule_.isDue(start_ + milliseconds(100)));
}

TEST_F(IdleScheduleTest, SkipsMissedPeriodsInsteadOfBursting) {
    const auto late = start_ + milliseconds(260);
    schedule_.advance(late);
    EXPECT_FALSE(schedule_.isDue(late));
    EXPECT_EQ(schedule_.millisecondsUntilDue(late), 50);
}

}  // namespace
}  // namespace gui::x11
