// solvane's background: plain panel wherever the editor writes a text, and
// the grooves and wells where its controls sit.
#include <gtest/gtest.h>

#include "art_files.h"
#include "face_checks.h"
#include "solvane_face.h"

namespace arttest {
namespace {

constexpr double kDarkerThanPanel = 60;

Pixels background() { return embeddedImage(solvane::kBackground); }

TEST(Background, IsOpaque) {
    Pixels bg = background();
    ASSERT_FALSE(bg.empty());
    EXPECT_TRUE(bg.allOpaque());
}

TEST(Background, TextsSitOnPlainPanel) {
    expectTextsOnPlainPanel(background(), solvane::kTextDisplays);
}

TEST(Background, TextsCopyTheirBackgroundWithoutSeams) {
    expectSeamlessCopies(background(), solvane::kTextDisplays);
}

int handleCentreRow(const solvane::Slider& s) { return s.rect.top + s.handleOffsetY + 12; }

TEST(Background, GrooveRunsUnderEveryHandlePosition) {
    Pixels bg = background();
    ASSERT_FALSE(bg.empty());
    double panel = bg.at(bg.width() / 2, 48).luminance();
    for (const auto& s : solvane::kSliders) {
        int row = handleCentreRow(s);
        for (int left = s.rect.left; left <= s.rect.left + solvane::kHandleTravel; ++left)
            for (int x : {left + 7, left + 8})
                for (int y : {row - 1, row})
                    ASSERT_LT(bg.at(x, y).luminance(), panel - kDarkerThanPanel)
                        << "slider at row " << s.rect.top << ", x " << x;
    }
}

TEST(Background, GrooveIsCentredOnTheHandle) {
    Pixels bg = background();
    ASSERT_FALSE(bg.empty());
    double panel = bg.at(bg.width() / 2, 48).luminance();
    for (const auto& s : solvane::kSliders) {
        int x = (s.rect.left + s.rect.right) / 2 + 3;  // clear of the tick marks
        int first = -1, last = -1;
        for (int y = s.rect.top; y < s.rect.bottom; ++y)
            if (bg.at(x, y).luminance() < panel - kDarkerThanPanel) {
                if (first < 0) first = y;
                last = y;
            }
        ASSERT_GE(first, 0) << s.rect.top;
        EXPECT_EQ(first + last + 1, 2 * handleCentreRow(s)) << s.rect.top;
    }
}

void expectDarkRing(const Pixels& bg, Area control) {
    for (int x = control.left - 1; x <= control.right; ++x) {
        EXPECT_LT(bg.at(x, control.top - 1).luminance(), 80) << x;
        EXPECT_LT(bg.at(x, control.bottom).luminance(), 80) << x;
    }
    for (int y = control.top; y < control.bottom; ++y) {
        EXPECT_LT(bg.at(control.left - 1, y).luminance(), 80) << y;
        EXPECT_LT(bg.at(control.right, y).luminance(), 80) << y;
    }
}

TEST(Background, NameFieldIsPlain) {
    Pixels bg = background();
    ASSERT_FALSE(bg.empty());
    EXPECT_TRUE(bg.uniform(nameFieldArea(solvane::kPresetBarTop)));
}

TEST(Background, MetersAndSwitchesSitInDarkWells) {
    Pixels bg = background();
    ASSERT_FALSE(bg.empty());
    for (const auto& meter : solvane::kMeters) expectDarkRing(bg, meter);
    for (const auto& sw : solvane::kSwitches) expectDarkRing(bg, sw.rect);
}

}  // namespace
}  // namespace arttest
