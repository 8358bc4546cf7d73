// widmoor.so through the binary interface only, as a host sees it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tests/support/plugin_fixture.h"

namespace {

constexpr int kPrograms = 30;
constexpr int kRecordBytes = 48;
constexpr int kChunkBytes = 1472;

struct Program {
    const char* name;
    float values[6];
};

const Program kExpectedPrograms[kPrograms] = {
    {"init", {0, 0.5f, 0, 1, 0, 0}},
    {"enhanced mix 1", {0.5f, 0.25f, 0, 1, 0, 0}},
    {"enhanced mix 2", {0.35f, 0.75f, 0, 1, 0, 0}},
    {"enhanced mix 3", {0.6f, 0.5f, 0, 1, 0, 0}},
    {"enhanced mix 4", {0, 0, 0.25f, 1, 0, 0}},
    {"enhanced space 1", {0.75f, 0.25f, 0.5f, 1, 0, 0.5f}},
    {"enhanced space 2", {0.75f, 0.4f, 0, 1, 0, 0.5f}},
    {"enahnced space 3", {0.82f, 0.0125f, 0.18f, 1, 0, 0.5f}},
    {"enahnced space 4", {1, 0.25f, 0.5f, 1, 0, 0.5f}},
    {"room space 1", {1, 0.25f, 0.5f, 1, 0, 1}},
    {"room space 2", {0.75f, 0.5f, 0, 1, 0, 1}},
    {"room space 3", {0.75f, 0.25f, 0.25f, 1, 0, 1}},
    {"room space 4", {1, 0.5f, 0.25f, 1, 0, 1}},
    {"tight 1", {0.75f, 0.75f, 0, 1, 0, 0.5f}},
    {"tight 2", {0.75f, 0.75f, 0, 1, 0, 1}},
    {"tight 3", {1, 0.75f, 0, 1, 0, 0.5f}},
    {"tight 4", {1, 0.75f, 0, 1, 0, 1}},
    {"delayed 1", {0.35f, 0, 0, 1, 0, 0}},
    {"delayed 2", {0.75f, 0, 0.25f, 1, 0, 0.5f}},
    {"delayed 3", {1, 0, 0.5f, 1, 0, 0.5f}},
    {"delayed 4", {1, 0, 0.5f, 1, 0, 1}},
    {"piano 1", {0.6f, 0.24f, 0, 1, 0, 0.5f}},
    {"piano 2", {0.75f, 0.15f, 0.24f, 1, 0, 0.5f}},
    {"guitar 1", {0.55f, 0.8f, 0, 1, 0, 0.5f}},
    {"guitar 2", {0.6f, 0.23f, 0, 1, 0, 1}},
    {"bas 1", {0.4f, 0.5f, 0, 1, 0, 0.5f}},
    {"bas 2", {0.65f, 0.18f, 0.37f, 1, 0, 0.5f}},
    {"kick", {0.5f, 0.38f, 0, 1, 0, 0.5f}},
    {"toms", {0.7f, 0.5f, 0.25f, 1, 0, 0.5f}},
    {"over heads", {0.8f, 0.3f, 0.4f, 1, 0, 0.5f}},
};

uint32_t readWord(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

float readFloat(const std::vector<uint8_t>& bytes, size_t at) {
    const uint32_t word = readWord(bytes, at);
    float value;
    std::memcpy(&value, &word, sizeof value);
    return value;
}

class WidmoorPlugin : public PluginFixture {
protected:
    WidmoorPlugin() : PluginFixture("widmoor.so") {}

    VstIntPtr setChunk(std::vector<uint8_t> bytes, VstIntPtr size = kChunkBytes) {
        return plugin->dispatch(effSetChunk, 0, size, bytes.data());
    }

    template <typename Sample>
    void process(std::vector<Sample>& l, std::vector<Sample>& r, std::vector<Sample>& outL,
                 std::vector<Sample>& outR) {
        Sample* in[2] = {l.data(), r.data()};
        Sample* out[2] = {outL.data(), outR.data()};
        if constexpr (sizeof(Sample) == 4)
            effect->processReplacing(effect, in, out, static_cast<VstInt32>(l.size()));
        else
            effect->processDoubleReplacing(effect, in, out, static_cast<VstInt32>(l.size()));
    }

    // Where a unit impulse on the left comes back on the right (first mode, depth 1).
    size_t measuredDelay() {
        for (int k = 0; k < 6; ++k)
            if (k != 1) set(k, std::vector<float>{1, 0, 0, 1, 0, 0}[k]);
        std::vector<float> l(40000), r(40000), outL(40000), outR(40000);
        l[0] = 1;
        process(l, r, outL, outR);
        size_t at = 0;
        while (at < outR.size() && outR[at] == 0.0f) ++at;
        return at;
    }

    template <typename Sample>
    void expectBadSamplesStayInTheirFrames(std::initializer_list<Sample> bad);
};

// One bad input sample may spoil its own output frame, but no other: the
// ring stores it as 0, so it is not echoed a period later, not even in
// "init" (depth 0), where the comb adds 0 times the delayed signal.
template <typename Sample>
void WidmoorPlugin::expectBadSamplesStayInTheirFrames(std::initializer_list<Sample> bad) {
    constexpr size_t kFrames = 400;
    for (float depth : {0.0f, 1.0f})
        for (float mode : {0.0f, 0.5f, 1.0f}) {
            const float values[6] = {depth, 1.0f, 0.5f, 1, 0, mode};  // 45 samples
            for (int k = 0; k < 6; ++k) set(k, values[k]);
            std::mt19937 random(5);
            std::uniform_real_distribution<double> noise(-1.0, 1.0);
            std::vector<Sample> l(kFrames), r(kFrames), outL(kFrames), outR(kFrames);
            for (size_t i = 0; i < kFrames; ++i)
                l[i] = Sample(noise(random)), r[i] = Sample(noise(random));
            std::vector<size_t> badFrames;
            for (Sample value : bad) {
                const size_t at = 50 + 60 * badFrames.size();
                (badFrames.size() % 2 ? r : l)[at] = value;
                badFrames.push_back(at);
            }
            process(l, r, outL, outR);
            for (size_t i = 0; i < kFrames; ++i) {
                if (std::find(badFrames.begin(), badFrames.end(), i) != badFrames.end()) continue;
                ASSERT_TRUE(std::isfinite(outL[i]) && std::isfinite(outR[i]))
                    << "depth " << depth << " mode " << mode << " frame " << i;
            }
        }
}

TEST_F(WidmoorPlugin, IdentityAndParameterProperties) {
    expectRecord(fourCharCode('K', 'q', 'W', 'd'), 6, 1,
                 effFlagsHasEditor | effFlagsCanReplacing | effFlagsCanDoubleReplacing |
                     effFlagsProgramChunks);
    EXPECT_EQ(plugin->text(effGetEffectName), "widmoor");
    EXPECT_EQ(plugin->text(effGetProductString), "Simple Widmoor");
    EXPECT_EQ(plugin->dispatch(effGetVendorVersion), 1980);
    EXPECT_EQ(plugin->dispatch(effGetPlugCategory), kPlugCategMastering);

    struct Kind { int flags; float step; };
    const Kind kinds[6] = {{4, 1.0f / 256}, {4, 1.0f / 256}, {4, 1.0f / 256},
                           {5, 1.0f},       {5, 1.0f},       {4, 0.5f}};
    for (int k = 0; k < 6; ++k) {
        VstParameterProperties props;
        std::memset(&props, 0, sizeof props);
        ASSERT_EQ(plugin->dispatch(effGetParameterProperties, k, 0, &props), 1);
        EXPECT_EQ(props.flags, kinds[k].flags) << k;
        EXPECT_EQ(props.stepFloat, kinds[k].step) << k;
        EXPECT_EQ(std::string(props.label), plugin->text(effGetParamName, k));
    }
    VstParameterProperties props;
    plugin->dispatch(effGetParameterProperties, 2, 0, &props);
    EXPECT_STREQ(props.shortLabel, "wdth/em");
    EXPECT_EQ(plugin->dispatch(effGetParameterProperties, 6, 0, &props), 0);
}

TEST_F(WidmoorPlugin, NewInstanceNamesLabelsAndTexts) {
    const float values[6] = {0, 0.5f, 0, 1, 0, 0};
    const char* texts[6] = {"0.00", "265.00", "100.00", "On", "Off", "Mode1"};
    const char* names[6] = {"depth", "baseFreq", "wdth/emph", "process", "phase", "mode"};
    const char* labels[6] = {"    %   ", "    Hz   ", "    %    ",
                             "         ", "         ", "         "};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(get(k), values[k]) << k;
        EXPECT_EQ(display(k), texts[k]) << k;
        EXPECT_EQ(plugin->text(effGetParamName, k), names[k]);
        EXPECT_EQ(plugin->text(effGetParamLabel, k), labels[k]);
    }
    EXPECT_EQ(plugin->text(effGetProgramName), "init");
    EXPECT_EQ(display(6), "");
    EXPECT_EQ(plugin->text(effGetParamName, 6), "");
    EXPECT_EQ(plugin->text(effGetParamLabel, 6), "");
    EXPECT_EQ(get(6), 0.0f);
}

TEST_F(WidmoorPlugin, DisplayTexts) {
    struct Case { int index; float value; const char* text; };
    const Case cases[] = {
        {1, 0.0f, "20.00"},  {1, 1.0f, "1000.00"}, {1, 0.25f, "81.25"}, {0, 0.5f, "50.00"},
        {0, 1.0f, "100.00"}, {5, 0.0f, "Mode1"},   {2, 0.5f, "250.00"}, {5, 0.5f, "Mode2"},
        {2, 0.5f, "250.00"}, {5, 1.0f, "Mode3"},   {2, 0.5f, "50.00"},  {2, 1.0f, "100.00"},
        {5, 0.329f, "Mode1"}, {5, 0.33f, "Mode2"}, {5, 0.669f, "Mode2"}, {5, 0.67f, "Mode3"},
        {3, 0.49f, "Off"},   {3, 0.5f, "On"},      {4, 2.0f, "On"},      {4, -1.0f, "Off"},
    };
    for (const Case& c : cases) {
        set(c.index, c.value);
        EXPECT_EQ(display(c.index), c.text) << c.index << " at " << c.value;
    }
}

TEST_F(WidmoorPlugin, FactoryProgramsInTheChunk) {
    const std::vector<uint8_t> bank = chunk();
    ASSERT_EQ(bank.size(), size_t(kChunkBytes));
    EXPECT_EQ(readWord(bank, 0), 0x01000000u);
    EXPECT_EQ(readWord(bank, 4), uint32_t(fourCharCode('K', 'q', 'W', 'd')));
    EXPECT_EQ(readWord(bank, 8), uint32_t(kPrograms));
    EXPECT_EQ(readWord(bank, 12), 0u);
    char text[64];
    for (int p = 0; p < kPrograms; ++p) {
        const size_t record = 32 + size_t(p) * kRecordBytes;
        ASSERT_EQ(plugin->dispatch(effGetProgramNameIndexed, p, 0, text), 1);
        EXPECT_STREQ(text, kExpectedPrograms[p].name);
        EXPECT_STREQ(reinterpret_cast<const char*>(&bank[record]), kExpectedPrograms[p].name);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(readFloat(bank, record + 24 + 4 * k), kExpectedPrograms[p].values[k])
                << kExpectedPrograms[p].name << " value " << k;
    }
    EXPECT_EQ(plugin->dispatch(effGetProgramNameIndexed, kPrograms, 0, text), 0);
}

TEST_F(WidmoorPlugin, ChunkRoundTripAndRefusals) {
    std::vector<uint8_t> bank = chunk();
    bank[12] = 7;  // "enahnced space 3"
    ASSERT_EQ(setChunk(bank), 0);
    EXPECT_EQ(plugin->text(effGetProgramName), "enahnced space 3");
    for (int k = 0; k < 6; ++k) EXPECT_EQ(get(k), kExpectedPrograms[7].values[k]);
    EXPECT_EQ(display(5), "Mode2");

    set(0, 0.3f);  // edits go into the current program
    const std::vector<uint8_t> saved = chunk();
    set(0, 0.9f);
    ASSERT_EQ(setChunk(saved), 0);
    EXPECT_EQ(get(0), 0.3f);
    EXPECT_EQ(chunk(), saved);

    std::vector<uint8_t> reversed = saved;  // as written on a big-endian machine
    for (size_t at = 0; at < reversed.size(); at += 4) {
        const bool name = at >= 32 && (at - 32) % kRecordBytes < 24;
        if (!name) std::reverse(reversed.begin() + at, reversed.begin() + at + 4);
    }
    set(0, 0.9f);
    ASSERT_EQ(setChunk(reversed), 0);
    EXPECT_EQ(chunk(), saved);

    std::vector<uint8_t> foreign = saved, wrongCount = saved, wrongFormat = saved;
    std::copy_n("vLqK", 4, foreign.begin() + 4);
    wrongCount[8] = 29;
    wrongFormat[3] = 2;
    wrongFormat[24 + 32] = 0x7f;  // a changed value that must not arrive
    EXPECT_EQ(setChunk(foreign), -1);
    EXPECT_EQ(setChunk(wrongCount), -1);
    EXPECT_EQ(setChunk(saved, kChunkBytes - 1), -1);
    std::vector<uint8_t> longer = saved;
    longer.push_back(0);
    EXPECT_EQ(setChunk(longer, kChunkBytes + 1), -1);
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, kChunkBytes, nullptr), -1);
    EXPECT_EQ(setChunk(wrongFormat), 0);
    EXPECT_EQ(chunk(), saved);
}

TEST_F(WidmoorPlugin, ProcessOffPassesBothPrecisionsBitForBit) {
    set(0, 1.0f);
    set(3, 0.0f);
    std::mt19937 random(9);
    std::normal_distribution<double> noise(0.0, 0.5);
    std::vector<float> lf(1000), rf(1000), olf(1000), orf(1000);
    std::vector<double> ld(1000), rd(1000), old(1000), ord(1000);
    for (int i = 0; i < 1000; ++i) {
        ld[i] = noise(random), rd[i] = noise(random);
        lf[i] = float(ld[i]), rf[i] = float(rd[i]);
    }
    process(lf, rf, olf, orf);
    process(ld, rd, old, ord);
    EXPECT_EQ(olf, lf);
    EXPECT_EQ(orf, rf);
    EXPECT_EQ(old, ld);
    EXPECT_EQ(ord, rd);
}

TEST_F(WidmoorPlugin, DelayFollowsSampleRateAtSuspendAndResume) {
    set(1, 0.0f);  // 20 Hz
    EXPECT_EQ(measuredDelay(), 2205u);
    plugin->dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    EXPECT_EQ(measuredDelay(), 2205u);  // the rate counts from the next reset on
    plugin->dispatch(effMainsChanged, 0, 1);
    EXPECT_EQ(measuredDelay(), 2400u);
    plugin->dispatch(effSetSampleRate, 0, 0, nullptr, 8000.0f);
    set(1, 1.0f);  // 1000 Hz, still at the whole rate taken at the last reset
    EXPECT_EQ(measuredDelay(), 48u);
    plugin->dispatch(effMainsChanged, 0, 0);
    EXPECT_EQ(measuredDelay(), 8u);
}

TEST_F(WidmoorPlugin, NonFiniteAndHugeInputStaysInItsOwnFrame) {
    constexpr float kFloatNaN = std::numeric_limits<float>::quiet_NaN();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    expectBadSamplesStayInTheirFrames<float>({kFloatNaN, INFINITY, -INFINITY});
    expectBadSamplesStayInTheirFrames<double>({kNaN, 1e300, -HUGE_VAL, -1e300});
}

}  // namespace
