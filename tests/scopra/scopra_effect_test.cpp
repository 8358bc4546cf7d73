// The analyser effect object: parameters, texts, programs, the automatic
// level write-back and the pass-through.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "plugins/scopra/scopra.h"

namespace {

VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

class ScopraEffect : public ::testing::Test {
protected:
    std::string text(void (Scopra::*query)(VstInt32, char*), VstInt32 index,
                     const char* before = "") {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%s", before);
        (effect.*query)(index, buffer);
        return buffer;
    }
    std::string display(VstInt32 index) { return text(&Scopra::getParameterDisplay, index); }
    std::string programName() {
        char buffer[kVstMaxProgNameLen];
        effect.getProgramName(buffer);
        return buffer;
    }

    Scopra effect{quietHost};
};

TEST_F(ScopraEffect, ParameterNamesLabelsAndUnknownIndices) {
    const char* names[] = {"level", "auto", "hold", "LR/SM"};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(text(&Scopra::getParameterName, k), names[k]);
    // Nine characters each.
    EXPECT_EQ(text(&Scopra::getParameterLabel, 0), "    dB   ");
    for (int k = 1; k < 4; ++k) EXPECT_EQ(text(&Scopra::getParameterLabel, k), "         ");
    for (const VstInt32 index : {-1, 4, 100}) {
        EXPECT_EQ(text(&Scopra::getParameterName, index, "keep"), "keep");
        EXPECT_EQ(text(&Scopra::getParameterLabel, index, "keep"), "keep");
        EXPECT_EQ(text(&Scopra::getParameterDisplay, index, "keep"), "keep");
        EXPECT_EQ(effect.getParameter(index), 0.0f);
    }
    effect.setParameter(7, 0.9f);  // stores nothing
    for (int k = 0; k < 4; ++k) EXPECT_EQ(effect.getParameter(k), k == 0 ? 0.12f : 0.0f);
}

// No text is longer than the nine-character labels, whatever the value.
TEST_F(ScopraEffect, TextsStayWithinTenBytes) {
    constexpr size_t kLongestText = 10;
    const float values[] = {0.0f, 1.0f, 1e9f, -1e9f, std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()};
    for (const float v : values) {
        for (VstInt32 index = 0; index < 4; ++index) {
            effect.setParameter(index, v);
            for (auto query : {&Scopra::getParameterName, &Scopra::getParameterLabel,
                               &Scopra::getParameterDisplay}) {
                char guarded[kLongestText + 8];
                std::memset(guarded, '#', sizeof guarded);
                (effect.*query)(index, guarded);
                EXPECT_LT(std::strlen(guarded), kLongestText);
                EXPECT_EQ(guarded[kLongestText], '#');
            }
        }
    }
}

TEST_F(ScopraEffect, LevelMapsToGainAndDecibelDisplay) {
    EXPECT_EQ(display(0), "-0.39");  // the initial program
    EXPECT_FLOAT_EQ(effect.scopeGain(), 1.9072f);
    const float levels[] = {0.0f, 0.25f, 0.5f, 1.0f};
    for (const float v : levels) {
        effect.setParameter(0, v);
        const long double gain = static_cast<long double>(v) * v * 63 + 1;
        EXPECT_FLOAT_EQ(effect.scopeGain(), static_cast<float>(gain));
        char expected[16];
        std::snprintf(expected, sizeof expected, "%.2Lf", 20 * std::log10(gain) - 6);
        EXPECT_EQ(display(0), expected) << v;
    }
    effect.setParameter(0, 0.0f);
    EXPECT_EQ(display(0), "-6.00");
    effect.setParameter(0, 1.0f);
    EXPECT_EQ(display(0), "30.12");
}

TEST_F(ScopraEffect, SwitchesRoundAtHalfAndShowTheirTexts) {
    struct Case {
        VstInt32 index;
        const char* off;
        const char* on;
    };
    for (const Case c : {Case{1, "Off", "On"}, Case{2, "Off", "On"}, Case{3, "LR", "SM"}}) {
        effect.setParameter(c.index, 0.49f);
        EXPECT_EQ(effect.getDerivedValue(c.index), 0.0f);
        EXPECT_EQ(display(c.index), c.off);
        effect.setParameter(c.index, 0.5f);
        EXPECT_EQ(effect.getDerivedValue(c.index), 1.0f);
        EXPECT_EQ(effect.getParameter(c.index), 0.5f);  // the raw value as set
        EXPECT_EQ(display(c.index), c.on);
    }
}

TEST_F(ScopraEffect, ParameterPropertiesOneContinuousThreeSwitches) {
    VstParameterProperties p;
    std::memset(&p, 0, sizeof p);
    ASSERT_TRUE(effect.getParameterProperties(0, &p));
    EXPECT_EQ(p.flags, kVstParameterUsesFloatStep);
    EXPECT_EQ(p.stepFloat, 0.00390625f);
    EXPECT_EQ(p.smallStepFloat, 0.0009765625f);
    EXPECT_EQ(p.largeStepFloat, 0.015625f);
    std::memset(&p, 0, sizeof p);
    ASSERT_TRUE(effect.getParameterProperties(2, &p));
    EXPECT_EQ(p.flags, kVstParameterIsSwitch | kVstParameterUsesFloatStep);
    EXPECT_EQ(p.stepFloat, 1.0f);
    EXPECT_EQ(p.smallStepFloat, 1.0f);
    EXPECT_EQ(p.largeStepFloat, 1.0f);
    EXPECT_STREQ(p.label, "hold");
    EXPECT_STREQ(p.shortLabel, "hold");
    EXPECT_FALSE(effect.getParameterProperties(4, &p));
    EXPECT_FALSE(effect.getParameterProperties(-1, &p));
}

TEST_F(ScopraEffect, ProgramsKeepTheirOwnValuesAndNames) {
    effect.setProgram(3);
    effect.setParameter(0, 0.7f);
    effect.setParameter(3, 1.0f);
    effect.setProgram(0);
    EXPECT_EQ(effect.getParameter(0), 0.12f);
    EXPECT_EQ(effect.getDerivedValue(3), 0.0f);
    effect.setProgram(3);
    EXPECT_EQ(effect.getProgram(), 3);
    EXPECT_EQ(effect.getParameter(0), 0.7f);
    EXPECT_EQ(effect.getDerivedValue(3), 1.0f);
    EXPECT_FLOAT_EQ(effect.scopeGain(), 0.7f * 0.7f * 63 + 1);
    effect.setProgram(16);  // out of range: ignored
    EXPECT_EQ(effect.getProgram(), 3);
}

TEST_F(ScopraEffect, ProgramNamesInitAndNumberedInit) {
    char name[kVstMaxProgNameLen];
    for (int p = 0; p < 16; ++p) {
        ASSERT_TRUE(effect.getProgramNameIndexed(0, p, name));
        EXPECT_STREQ(name, "init");
    }
    std::strcpy(name, "keep");
    EXPECT_FALSE(effect.getProgramNameIndexed(0, 16, name));
    EXPECT_STREQ(name, "keep");
    EXPECT_EQ(programName(), "init");

    effect.setProgram(4);
    char init[] = "Init";
    effect.setProgramName(init);
    EXPECT_EQ(programName(), "Init 5");
    ASSERT_TRUE(effect.getProgramNameIndexed(0, 4, name));
    EXPECT_STREQ(name, "Init");  // stored as given
    effect.setProgram(15);
    effect.setProgramName(init);
    EXPECT_EQ(programName(), "Init 16");
    char other[] = "Initial";
    effect.setProgramName(other);
    EXPECT_EQ(programName(), "Initial");
}

TEST_F(ScopraEffect, LongProgramNamesNeverOverrunTheHostBuffer) {
    std::string longName(100, 'x');
    effect.setProgramName(longName.data());
    char guarded[kVstMaxProgNameLen + 8];
    std::memset(guarded, '#', sizeof guarded);
    effect.getProgramName(guarded);
    EXPECT_EQ(std::strlen(guarded), kVstMaxProgNameLen - 1u);
    EXPECT_EQ(guarded[kVstMaxProgNameLen], '#');
    std::memset(guarded, '#', sizeof guarded);
    ASSERT_TRUE(effect.getProgramNameIndexed(0, 0, guarded));
    EXPECT_EQ(std::strlen(guarded), kVstMaxProgNameLen - 1u);
    EXPECT_EQ(guarded[kVstMaxProgNameLen], '#');
}

template <typename Sample>
void processInPlace(Scopra& effect, std::vector<Sample>& left, std::vector<Sample>& right) {
    Sample* io[2] = {left.data(), right.data()};
    if constexpr (sizeof(Sample) == sizeof(float))
        effect.processReplacing(io, io, static_cast<VstInt32>(left.size()));
    else
        effect.processDoubleReplacing(io, io, static_cast<VstInt32>(left.size()));
}

TEST_F(ScopraEffect, AutomaticLevelWritesParameterAndProgramOnly) {
    effect.setProgram(2);
    effect.setParameter(1, 1.0f);  // auto on
    std::vector<float> left(256, 1.0f), right(256, 1.0f);
    processInPlace(effect, left, right);
    const long double expected = 0.115L * std::sqrt(1.0L / 0.6L) - 0.115L;  // about 0.034
    EXPECT_NEAR(effect.getParameter(0), expected, 1e-6L);
    EXPECT_FLOAT_EQ(effect.scopeGain(), effect.getParameter(0) * effect.getParameter(0) * 63 + 1);
    effect.setProgram(0);
    effect.setProgram(2);  // the program remembers the automatic level
    EXPECT_NEAR(effect.getParameter(0), expected, 1e-6L);

    std::vector<double> quieter(256, 0.1);
    std::vector<double> same(quieter);
    processInPlace(effect, quieter, same);
    processInPlace(effect, quieter, same);
    const float afterQuiet = effect.getParameter(0);
    EXPECT_GT(afterQuiet, expected);  // the envelope falls, the level rises

    effect.setParameter(1, 0.0f);  // auto off: the level stays where it was
    processInPlace(effect, quieter, same);
    EXPECT_EQ(effect.getParameter(0), afterQuiet);
}

template <typename Sample>
void expectBitExactPassThrough(Scopra& effect) {
    using Limits = std::numeric_limits<Sample>;
    std::vector<Sample> left = {Sample(0.5),      Sample(-1.5),        Limits::denorm_min(),
                                Limits::quiet_NaN(), Limits::infinity(), Sample(-0.0),
                                Sample(1e-30),    Sample(0.123456789)};
    std::vector<Sample> right(left.rbegin(), left.rend());
    for (int i = 0; i < 500; ++i) {
        left.push_back(static_cast<Sample>(std::sin(0.37 * i)));
        right.push_back(static_cast<Sample>(std::cos(0.11 * i) * 1.7));
    }
    const std::vector<Sample> inLeft = left, inRight = right;
    processInPlace(effect, left, right);  // in place
    EXPECT_EQ(std::memcmp(left.data(), inLeft.data(), left.size() * sizeof(Sample)), 0);
    EXPECT_EQ(std::memcmp(right.data(), inRight.data(), right.size() * sizeof(Sample)), 0);

    std::vector<Sample> outLeft(left.size()), outRight(left.size());
    const Sample* in[2] = {inLeft.data(), inRight.data()};
    Sample* out[2] = {outLeft.data(), outRight.data()};
    if constexpr (sizeof(Sample) == sizeof(float))
        effect.processReplacing(const_cast<Sample**>(in), out, static_cast<VstInt32>(left.size()));
    else
        effect.processDoubleReplacing(const_cast<Sample**>(in), out,
                                      static_cast<VstInt32>(left.size()));
    EXPECT_EQ(std::memcmp(outLeft.data(), inLeft.data(), left.size() * sizeof(Sample)), 0);
    EXPECT_EQ(std::memcmp(outRight.data(), inRight.data(), left.size() * sizeof(Sample)), 0);
}

TEST_F(ScopraEffect, PassThroughIsBitExactInBothPrecisions) {
    effect.setParameter(1, 1.0f);  // with everything switched on
    effect.setParameter(3, 1.0f);
    expectBitExactPassThrough<float>(effect);
    expectBitExactPassThrough<double>(effect);
}

TEST_F(ScopraEffect, SampleRateReachesTheMeasurement) {
    effect.setSampleRate(96000.0f);
    EXPECT_EQ(effect.getSampleRate(), 96000.0f);
    std::vector<float> left(300, 0.5f), right(300, 0.0f);
    processInPlace(effect, left, right);
    EXPECT_EQ(effect.measurement().scopeWriteIndex(), 511 - 100);  // one pair in three
}

}  // namespace
