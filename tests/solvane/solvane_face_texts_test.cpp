#include "plugins/solvane/solvane_parameters.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace solvane;

template <typename Function>
std::string textOf(Function function, float value) {
    char text[kFaceTextBytes] = "unchanged";
    function(value, text);
    return text;
}

TEST(SolvaneFaceTexts, Labels) {
    const char* words[] = {"S", "M", "L", "R", "width", "gain", "balan", "stabil", "center"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(textOf(labelText, float(i) + 0.3f), words[i]);
    EXPECT_EQ(textOf(labelText, 9.0f), "");
    EXPECT_EQ(textOf(labelText, -1.0f), "");
}

TEST(SolvaneFaceTexts, WidthAndGainReadOuts) {
    // The width display holds 2 W = 4 v^2.
    EXPECT_EQ(textOf(percentText, 2.0f * widthFactor(0.5f)), "100%");
    EXPECT_EQ(textOf(percentText, 2.0f * widthFactor(0.625f)), "156%");
    EXPECT_EQ(textOf(percentText, 2.0f * widthFactor(1.0f)), "400%");
    EXPECT_EQ(textOf(decibelText, gainFactor(0.5f)), "0 dB");
    EXPECT_EQ(textOf(decibelText, gainFactor(0.52f)), "0 dB");  // 0.48 dB truncated
    EXPECT_EQ(textOf(decibelText, gainFactor(0.4f)), "-2 dB");
    EXPECT_EQ(textOf(decibelText, gainFactor(0.0f)), "-12 dB");
    EXPECT_EQ(textOf(decibelText, gainFactor(1.0f)), "12 dB");
    EXPECT_EQ(textOf(decibelText, 0.0f), "-oo dB");
}

TEST(SolvaneFaceTexts, SideReadOut) {
    EXPECT_EQ(textOf(sideText, 0.5f), "C");
    EXPECT_EQ(textOf(sideText, 0.5005f), "C");
    EXPECT_EQ(textOf(sideText, 0.7f), "L20");
    EXPECT_EQ(textOf(sideText, 1.0f), "L50");
    EXPECT_EQ(textOf(sideText, 0.3f), "R20");
    EXPECT_EQ(textOf(sideText, 0.0f), "R50");
}

}  // namespace
