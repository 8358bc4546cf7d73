// The images of the controls: switch states, slider handle, meter strips.
#include <gtest/gtest.h>

#include <algorithm>

#include "art_files.h"
#include "solvane_face.h"

namespace arttest {
namespace {

using solvane::kSwitchStateRows;

constexpr double kDark = 80;  // luminance below which a pixel reads as dark

Area stateArea(const Pixels& p, int state) {
    return {0, state * kSwitchStateRows, p.width(), (state + 1) * kSwitchStateRows};
}

TEST(SwitchImages, OnStateStandsOutFromOffState) {
    for (const auto& sw : solvane::kSwitches) {
        SCOPED_TRACE(sw.image);
        Pixels p = embeddedImage(sw.image);
        ASSERT_EQ(p.height(), 2 * kSwitchStateRows);
        EXPECT_TRUE(p.allOpaque());
        EXPECT_FALSE(p.crop(stateArea(p, 0)) == p.crop(stateArea(p, 1)));
        // Lit keys are coloured, unlit keys grey: the difference shows at once.
        EXPECT_GT(p.meanSaturation(stateArea(p, 1)), p.meanSaturation(stateArea(p, 0)) + 60);
    }
}

TEST(SwitchImages, EachStateIsFramedWithinItsOwnRows) {
    for (const auto& sw : solvane::kSwitches) {
        SCOPED_TRACE(sw.image);
        Pixels p = embeddedImage(sw.image);
        ASSERT_FALSE(p.empty());
        int middle = p.width() / 2;
        for (int state = 0; state < 2; ++state) {
            int top = state * kSwitchStateRows;
            EXPECT_LT(p.at(middle, top).luminance(), kDark);
            EXPECT_LT(p.at(middle, top + kSwitchStateRows - 1).luminance(), kDark);
            EXPECT_GT(p.at(1, top + kSwitchStateRows / 2).luminance(), kDark);
        }
    }
}

TEST(SliderHandle, IsRoundedWithAnOpaqueBody) {
    Pixels p = embeddedImage(solvane::kHandle);
    ASSERT_FALSE(p.empty());
    int w = p.width(), h = p.height();
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_LT(p.at(x, y).a, 255) << x << "," << y;
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) ASSERT_EQ(p.at(x, y).a, 255) << x << "," << y;
}

TEST(SliderHandle, IndexLineMarksItsCentre) {
    Pixels p = embeddedImage(solvane::kHandle);
    ASSERT_FALSE(p.empty());
    int centre = p.width() / 2, row = p.height() / 2;
    EXPECT_LT(p.at(centre - 1, row).luminance(), kDark);
    EXPECT_LT(p.at(centre, row).luminance(), kDark);
    EXPECT_GT(p.at(centre - 3, row).luminance(), 150);
    EXPECT_GT(p.at(centre + 2, row).luminance(), 150);
    // Same outline on both sides (up to antialiasing), so the line is in the middle.
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < centre; ++x)
            ASSERT_NEAR(p.at(x, y).a, p.at(p.width() - 1 - x, y).a, 4) << x << "," << y;
}

TEST(MeterStrips, AreOpaqueAndShareTheirScale) {
    Pixels lit = embeddedImage(solvane::kMeterLit), unlit = embeddedImage(solvane::kMeterUnlit);
    ASSERT_FALSE(lit.empty());
    ASSERT_FALSE(unlit.empty());
    EXPECT_TRUE(lit.allOpaque());
    EXPECT_TRUE(unlit.allOpaque());
    int marksLit = 0, marksUnlit = 0;
    for (int x = 1; x < lit.width(); ++x) {
        bool edgeLit = lit.at(x, 0) != lit.at(x - 1, 0);
        bool edgeUnlit = unlit.at(x, 0) != unlit.at(x - 1, 0);
        EXPECT_EQ(edgeLit, edgeUnlit) << x;
        marksLit += edgeLit;
        marksUnlit += edgeUnlit;
    }
    EXPECT_GE(marksUnlit, 8);
    EXPECT_EQ(marksLit, marksUnlit);
}

TEST(MeterStrips, ScaleIsCentredOnHalfValue) {
    Pixels unlit = embeddedImage(solvane::kMeterUnlit);
    ASSERT_EQ(unlit.width(), 182);
    // Value 0.5 lights 91 columns: the centre mark takes columns 90 and 91.
    Rgba floor = unlit.at(89, 0);
    EXPECT_NE(unlit.at(90, 0), floor);
    EXPECT_NE(unlit.at(91, 0), floor);
    EXPECT_EQ(unlit.at(92, 0), floor);
    for (int y = 0; y < unlit.height(); ++y)
        for (int x = 0; x < unlit.width() / 2; ++x)
            ASSERT_EQ(unlit.at(x, y), unlit.at(unlit.width() - 1 - x, y)) << x << "," << y;
}

TEST(MeterStrips, LitBarShowsAtEveryColumn) {
    Pixels lit = embeddedImage(solvane::kMeterLit), unlit = embeddedImage(solvane::kMeterUnlit);
    ASSERT_FALSE(lit.empty());
    ASSERT_FALSE(unlit.empty());
    int middle = lit.height() / 2;
    for (int x = 0; x < lit.width(); ++x)
        EXPECT_GT(lit.at(x, middle).luminance(), unlit.at(x, middle).luminance() + 60) << x;
}

}  // namespace
}  // namespace arttest
