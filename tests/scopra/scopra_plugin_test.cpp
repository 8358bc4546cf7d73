// scopra.so through the binary interface only, as a host sees it.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/plugin_fixture.h"

namespace {


class ScopraPlugin : public PluginFixture {
protected:
    ScopraPlugin() : PluginFixture("scopra.so") {}
};

TEST_F(ScopraPlugin, IdentityAsTheHostReadsIt) {
    expectRecord(fourCharCode('K', 'q', 'C', 'r'), 4, 16,
                 effFlagsHasEditor | effFlagsCanReplacing | effFlagsCanDoubleReplacing);
    EXPECT_EQ(text(effGetEffectName), "scopra");
    EXPECT_EQ(text(effGetProductString), "scopra - stereo goniometer plug-in");
    EXPECT_EQ(text(effGetVendorString), "Kavexsound");
    EXPECT_EQ(plugin->dispatch(effGetVendorVersion), 1980);
    EXPECT_EQ(plugin->dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(plugin->dispatch(effGetPlugCategory), kPlugCategMastering);
    for (const char* question : {"bypass", "receiveVstTimeInfo"})
        EXPECT_EQ(plugin->dispatch(effCanDo, 0, 0, const_cast<char*>(question)), 0);
    // Construction asks for the block size, and suspend for latency and block size.
    EXPECT_GE(host.count(audioMasterGetBlockSize), 2);
    EXPECT_EQ(host.count(audioMasterGetOutputLatency), 1);
}

TEST_F(ScopraPlugin, NoChunksEvenWhenAsked) {
    void* data = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(plugin->dispatch(effGetChunk, 0, 0, &data), 0);
    EXPECT_EQ(plugin->dispatch(effGetChunk, 1, 0, &data), 0);
    char bytes[64] = {};
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, sizeof bytes, bytes), 0);
    EXPECT_EQ(plugin->dispatch(effSetChunk, 1, sizeof bytes, bytes), 0);
    EXPECT_EQ(get(0), 0.12f);
}

TEST_F(ScopraPlugin, SixteenProgramsWithNamesAndValues) {
    for (int p = 0; p < 16; ++p) EXPECT_EQ(text(effGetProgramNameIndexed, p), "init") << p;
    char name[kVstMaxProgNameLen] = "keep";
    EXPECT_EQ(plugin->dispatch(effGetProgramNameIndexed, 16, 0, name), 0);

    plugin->dispatch(effSetProgram, 0, 4);
    EXPECT_EQ(plugin->dispatch(effGetProgram), 4);
    char init[] = "Init";
    plugin->dispatch(effSetProgramName, 0, 0, init);
    EXPECT_EQ(text(effGetProgramName), "Init 5");
    set(0, 0.8f);
    set(2, 1.0f);
    plugin->dispatch(effSetProgram, 0, 16);  // past the last program: ignored
    EXPECT_EQ(plugin->dispatch(effGetProgram), 4);
    plugin->dispatch(effSetProgram, 0, 5);
    EXPECT_EQ(text(effGetProgramName), "init");
    EXPECT_EQ(get(0), 0.12f);
    EXPECT_EQ(get(2), 0.0f);
    plugin->dispatch(effSetProgram, 0, 4);
    EXPECT_EQ(get(0), 0.8f);
    EXPECT_EQ(get(2), 1.0f);
}

TEST_F(ScopraPlugin, ParameterTextsAndProperties) {
    EXPECT_EQ(text(effGetParamName, 3), "LR/SM");
    EXPECT_EQ(text(effGetParamLabel, 0), "    dB   ");
    EXPECT_EQ(text(effGetParamDisplay, 0), "-0.39");
    EXPECT_EQ(text(effGetParamDisplay, 3), "LR");
    set(3, 0.5f);
    EXPECT_EQ(text(effGetParamDisplay, 3), "SM");
    set(1, 1.0f);
    EXPECT_EQ(text(effGetParamDisplay, 1), "On");
    EXPECT_EQ(text(effGetParamName, 4), "");
    EXPECT_EQ(plugin->dispatch(effCanBeAutomated, 3), 1);

    VstParameterProperties p;
    std::memset(&p, 0, sizeof p);
    EXPECT_EQ(plugin->dispatch(effGetParameterProperties, 1, 0, &p), 1);
    EXPECT_EQ(p.flags, kVstParameterIsSwitch | kVstParameterUsesFloatStep);
    EXPECT_STREQ(p.label, "auto");
    EXPECT_EQ(plugin->dispatch(effGetParameterProperties, 4, 0, &p), 0);

    VstPinProperties pin;
    std::memset(&pin, 0, sizeof pin);
    EXPECT_EQ(plugin->dispatch(effGetOutputProperties, 1, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "My 2 Out");
    EXPECT_EQ(pin.flags, 3);
    EXPECT_EQ(plugin->dispatch(effGetInputProperties, 2, 0, &pin), 0);
}

TEST_F(ScopraPlugin, PassesAudioThroughBothEntriesAndFollowsAutoLevel) {
    plugin->dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    plugin->dispatch(effMainsChanged, 0, 1);
    set(1, 1.0f);
    std::vector<float> left(480), right(480);
    for (size_t i = 0; i < left.size(); ++i) {
        left[i] = static_cast<float>(i % 7) * 0.1f - 0.3f;
        right[i] = -left[i] * 0.5f;
    }
    const std::vector<float> inLeft = left, inRight = right;
    float* io[2] = {left.data(), right.data()};
    effect->processReplacing(effect, io, io, static_cast<VstInt32>(left.size()));
    EXPECT_EQ(left, inLeft);
    EXPECT_EQ(right, inRight);
    const float level = get(0);
    EXPECT_NE(level, 0.12f);  // set by the automatic level, without setParameter

    std::vector<double> dLeft(64, 0.0), dRight(64, 0.0);
    double* dio[2] = {dLeft.data(), dRight.data()};
    effect->processDoubleReplacing(effect, dio, dio, 64);
    EXPECT_EQ(dLeft, std::vector<double>(64, 0.0));
    EXPECT_GT(get(0), level);  // silence: the level climbs

    const int latencyAsks = host.count(audioMasterGetOutputLatency);
    plugin->dispatch(effMainsChanged, 0, 0);
    EXPECT_EQ(host.count(audioMasterGetOutputLatency), latencyAsks + 1);
}

// Hosts may send empty blocks without any buffers; the entry passes a count of
// 0 or less on as 0. Such a block touches no buffer, yet with "auto" on it
// still sets the level: an envelope of 0 gives the full level.
TEST_F(ScopraPlugin, EmptyBlocksWithoutBuffersStillApplyTheAutomaticLevel) {
    struct Call {
        bool wide;
        VstInt32 frames;
    };
    const Call calls[] = {{false, 0}, {true, 0}, {false, -3}, {true, -64}};
    for (const Call& call : calls) {
        set(1, 0.0f);
        set(0, 0.12f);
        set(1, 1.0f);
        if (call.wide)
            effect->processDoubleReplacing(effect, nullptr, nullptr, call.frames);
        else
            effect->processReplacing(effect, nullptr, nullptr, call.frames);
        EXPECT_EQ(get(0), 1.0f) << call.wide << " " << call.frames;
    }
}

}  // namespace
