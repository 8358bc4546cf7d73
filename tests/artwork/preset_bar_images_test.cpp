// The preset bar's buttons: every state of every image can be told apart,
// and the rocker lights the half under the mouse.
#include <gtest/gtest.h>

#include <algorithm>

#include "art_files.h"
#include "solvane_face.h"

namespace arttest {
namespace {

Area state(const Pixels& p, int k, int states) {
    int height = p.height() / states;
    return {0, k * height, p.width(), (k + 1) * height};
}

// Columns in which two states of a stacked image differ.
std::vector<int> differingColumns(const Pixels& p, int a, int b, int states) {
    Area first = state(p, a, states), second = state(p, b, states);
    std::vector<int> columns;
    for (int x = 0; x < p.width(); ++x)
        for (int y = 0; y < first.bottom - first.top; ++y)
            if (p.at(x, first.top + y) != p.at(x, second.top + y)) {
                columns.push_back(x);
                break;
            }
    return columns;
}

TEST(PresetBarImages, PushButtonStatesAreDistinct) {
    for (int id : solvane::kPushButtons) {
        SCOPED_TRACE(id);
        Pixels p = embeddedImage(id);
        ASSERT_FALSE(p.empty());
        ASSERT_EQ(p.height() % solvane::kPushButtonStates, 0);
        EXPECT_TRUE(p.allOpaque());
        const int n = solvane::kPushButtonStates;
        EXPECT_FALSE(p.crop(state(p, 0, n)) == p.crop(state(p, 1, n)));
        EXPECT_FALSE(p.crop(state(p, 1, n)) == p.crop(state(p, 2, n)));
        // Held down it lights up.
        EXPECT_GT(p.meanSaturation(state(p, 2, n)), p.meanSaturation(state(p, 0, n)) + 60);
    }
}

TEST(PresetBarImages, RockerHoverShowsOnTheHalfUnderTheMouse) {
    Pixels p = embeddedImage(solvane::kRocker);
    ASSERT_FALSE(p.empty());
    const int n = solvane::kRockerStates;
    auto left = differingColumns(p, 0, 1, n);
    auto right = differingColumns(p, 0, 2, n);
    ASSERT_FALSE(left.empty());
    ASSERT_FALSE(right.empty());
    EXPECT_LT(left.back(), solvane::kRockerCentre);
    EXPECT_GT(right.front(), solvane::kRockerCentre);
}

TEST(PresetBarImages, RockerLightsTheHalfHeldDown) {
    Pixels p = embeddedImage(solvane::kRocker);
    ASSERT_FALSE(p.empty());
    const int n = solvane::kRockerStates;
    auto halves = [&](int k) {
        Area s = state(p, k, n);
        return std::pair{p.meanSaturation({0, s.top, 15, s.bottom}),
                         p.meanSaturation({16, s.top, p.width(), s.bottom})};
    };
    auto [leftHeldL, leftHeldR] = halves(3);
    auto [rightHeldL, rightHeldR] = halves(4);
    EXPECT_GT(leftHeldL, leftHeldR + 60);
    EXPECT_GT(rightHeldR, rightHeldL + 60);
}

}  // namespace
}  // namespace arttest
