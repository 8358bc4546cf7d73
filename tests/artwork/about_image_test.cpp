// The about image leaves the rows the editor writes on plain.
#include <gtest/gtest.h>

#include "art_files.h"
#include "solvane_face.h"

namespace arttest {
namespace {

constexpr int kBorder = 2;

TEST(AboutImage, IsOpaque) {
    Pixels about = embeddedImage(solvane::kAbout);
    ASSERT_FALSE(about.empty());
    EXPECT_TRUE(about.allOpaque());
}

TEST(AboutImage, TextRowsArePlainPaper) {
    Pixels about = embeddedImage(solvane::kAbout);
    ASSERT_FALSE(about.empty());
    Rgba paper = about.at(about.width() / 2, solvane::kAboutTextRows[0].first);
    for (auto [top, bottom] : solvane::kAboutTextRows) {
        Area rows{kBorder, top, about.width() - kBorder, bottom};
        EXPECT_TRUE(about.uniform(rows)) << top;
        EXPECT_EQ(about.at(kBorder, top), paper);
    }
    // Dark text must read on it.
    EXPECT_GT(paper.luminance(), 200);
}

TEST(AboutImage, HasAFrame) {
    Pixels about = embeddedImage(solvane::kAbout);
    ASSERT_FALSE(about.empty());
    int mid = about.height() / 2;
    EXPECT_LT(about.at(0, mid).luminance(), about.at(kBorder, mid).luminance() - 60);
    EXPECT_LT(about.at(about.width() - 1, mid).luminance(),
              about.at(about.width() - 1 - kBorder, mid).luminance() - 60);
}

}  // namespace
}  // namespace arttest
