#include "host/parameter_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string format(float value, int decimals, const char* before = "") {
    char text[32];
    std::snprintf(text, sizeof text, "%s", before);
    formatFixedDecimals(value, decimals, text);
    return text;
}

TEST(FixedDecimals, DisplayExamples) {
    EXPECT_EQ(format(-0.3921f, 2), "-0.39");
    EXPECT_EQ(format(30.1236f, 2), "30.12");
    EXPECT_EQ(format(1.236f, 2), "1.24");
    EXPECT_EQ(format(0.5f, 0), "1");
    EXPECT_EQ(format(20.0f, 0), "20");
    EXPECT_EQ(format(0.0f, 2), "0.00");
    EXPECT_EQ(format(-0.004f, 2), "-0.00");  // the sign survives the cut
    EXPECT_EQ(format(156.25f, 2), "156.25");
    EXPECT_EQ(format(400.0f, 2), "400.00");
    EXPECT_EQ(format(-12.0f, 2), "-12.00");
}

TEST(FixedDecimals, RemainderOfLastPlaceDecidesRounding) {
    EXPECT_EQ(format(0.49999f, 0), "1");
    EXPECT_EQ(format(0.49998f, 0), "0");
    EXPECT_EQ(format(-0.49999f, 0), "-1");
    EXPECT_EQ(format(2.4999f, 0), "2");
    EXPECT_EQ(format(1.5f, 0), "2");
    // A value just below its decimal (0.29 is 0.28999999 as a float) still
    // shows its own digits.
    EXPECT_EQ(format(0.29f, 2), "0.29");
    EXPECT_EQ(format(1000.0f, 2), "1000.00");
}

TEST(FixedDecimals, EightCharacterBudgetLimitsFraction) {
    EXPECT_EQ(format(123456.78f, 2), "123456.7");
    EXPECT_EQ(format(1234567.0f, 0), "1234567");
    EXPECT_EQ(format(-123456.0f, 2), "-123456.");
    EXPECT_EQ(format(99999999.0f * 0.5f, 0), "50000000");
}

TEST(FixedDecimals, OutOfRangeLeavesTextUntouched) {
    EXPECT_EQ(format(1e9f, 2, "keep"), "keep");
    EXPECT_EQ(format(-1e7f, 0, "keep"), "keep");
    EXPECT_EQ(format(-9999999.0f, 0, "keep"), "-9999999");
    EXPECT_EQ(format(std::numeric_limits<float>::infinity(), 1, "keep"), "keep");
    EXPECT_EQ(format(std::numeric_limits<float>::quiet_NaN(), 1, "keep"), "keep");
}

}  // namespace
