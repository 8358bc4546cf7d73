// Names, labels, display texts and value mapping of the duplimo parameters.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "plugins/duplimo/duplimo_parameters.h"

namespace {

using namespace duplimo;

std::string textOf(void (*write)(VstInt32, char*), VstInt32 index) {
    char text[64];
    std::strcpy(text, "untouched");
    write(index, text);
    return text;
}

std::string displayOf(VstInt32 index, float value) {
    char text[64];
    std::strcpy(text, "untouched");
    parameterDisplay(index, value, text);
    return text;
}

TEST(DuplimoParameters, NamesAndLabels) {
    const char* names[] = {"width", "baseFreq", "emphasis", "process", "phase"};
    const char* labels[] = {"    %   ", "    Hz   ", "    %    ", "         ", "         "};
    for (VstInt32 k = 0; k < kNumParams; ++k) {
        EXPECT_EQ(textOf(parameterName, k), names[k]);
        EXPECT_EQ(textOf(parameterLabel, k), labels[k]);
    }
    EXPECT_EQ(textOf(parameterName, 6), "  ");
    EXPECT_EQ(textOf(parameterLabel, 6), "  ");
    for (VstInt32 k : {-1, 5, 7, 1000}) {  // no value behind these: nothing written
        EXPECT_EQ(textOf(parameterName, k), "untouched") << k;
        EXPECT_EQ(textOf(parameterLabel, k), "untouched") << k;
        EXPECT_EQ(displayOf(k, 0.5f), "untouched") << k;
    }
}

TEST(DuplimoParameters, DisplayTexts) {
    struct Case {
        VstInt32 index;
        float value;
        const char* text;
    };
    const Case cases[] = {
        {kWidth, 0.0f, "0.00"},        {kWidth, 0.75f, "75.00"},
        {kWidth, 1.0f, "100.00"},      {kWidth, 0.61f, "61.00"},
        {kBaseFreq, 0.5f, "265.00"},   {kBaseFreq, 0.0f, "20.00"},
        {kBaseFreq, 1.0f, "1000.00"},  {kBaseFreq, 0.44f, "209.73"},
        {kEmphasis, 0.0f, "0.00"},     {kEmphasis, 0.12f, "12.00"},
        {kEmphasis, 0.37f, "37.00"},   {kProcess, 1.0f, "On"},
        {kProcess, 0.5f, "On"},        {kProcess, 0.49f, "Off"},
        {kPhase, 0.0f, "Off"},         {kPhase, 7.0f, "On"},
        {kExtraValue, 1.0f, ""},       {kWidth, -0.5f, "-50.00"},
        // Out of the formatter's range: an empty text rather than stale characters.
        {kWidth, 1e9f, ""},            {kWidth, std::numeric_limits<float>::quiet_NaN(), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(displayOf(c.index, c.value), c.text) << c.index << " at " << c.value;
}

TEST(DuplimoParameters, EngineValuesFromNormalisedValues) {
    for (float v : {0.0f, 0.25f, 0.44f, 0.5f, 0.61f, 0.75f, 1.0f, 1.3f, -0.2f}) {
        const long double x = v;
        EXPECT_FLOAT_EQ(sideGain(v), static_cast<float>(2.0L * x * x)) << v;
        EXPECT_EQ(baseFrequencyHz(v), static_cast<float>(980.0L * x * x + 20.0L)) << v;
        EXPECT_EQ(emphasisCoefficient(v), v);
    }
    EXPECT_EQ(sideGain(0.75f), 1.125f);
    EXPECT_EQ(sideGain(1.0f), 2.0f);
    EXPECT_EQ(baseFrequencyHz(0.5f), 265.0f);
    EXPECT_NEAR(baseFrequencyHz(0.44f), 209.728, 1e-3);
}

}  // namespace
