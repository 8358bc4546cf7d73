// The read-out texts of the slider faces, down to the branches that the
// base frequencies of the plug-ins never reach.
#include "editor/face_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string textOf(void (*text)(float, char*), float value) {
    char written[face_text::kTextBytes] = "unchanged";
    text(value, written);
    return written;
}

TEST(FaceTexts, FrequencyInEveryRange) {
    const std::pair<float, const char*> cases[] = {
        {0.15f, "0.150Hz"}, {0.5f, "0.50Hz"}, {2.5f, "2.5Hz"},   {20.f, "20Hz"},
        {265.f, "265Hz"},   {999.9f, "999Hz"}, {1000.f, "1.0kHz"}, {1500.f, "1.5kHz"},
        {12345.f, "12.3kHz"}};
    for (const auto& [hertz, expected] : cases)
        EXPECT_EQ(textOf(face_text::frequencyText, hertz), expected);
}

TEST(FaceTexts, PercentTruncatesTheFloatAsItIs) {
    const std::pair<float, const char*> cases[] = {{0.35f, "34%"}, {0.5f, "50%"},
                                                   {0.755f, "75%"}, {1.f, "100%"},
                                                   {2.5f, "250%"},  {0.f, "0%"}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(textOf(face_text::percentText, value), expected);
}

TEST(FaceTexts, WordsOutsideTheListAreEmpty) {
    const char* const words[] = {"S", "M"};
    char text[face_text::kTextBytes];
    const std::pair<int, const char*> cases[] = {{0, "S"}, {1, "M"}, {2, ""}, {-1, ""}};
    for (const auto& [n, expected] : cases) {
        face_text::wordText(n, words, 2, text);
        EXPECT_STREQ(text, expected) << n;
    }
}

}  // namespace
