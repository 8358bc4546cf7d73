// solvane.so through the binary interface, as a host sees it; only the meter
// readings, which no host sees, are read from the effect object behind it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "plugins/solvane/solvane.h"
#include "tests/support/plugin_fixture.h"

namespace {

const std::string kPluginPath = std::string(KV_PLUGIN_DIR) + "/solvane.so";
constexpr int kChunkBytes = 692;

class SolvanePlugin : public PluginFixture {
protected:
    SolvanePlugin() : PluginFixture("solvane.so") {}

    // Processes one stereo block in place through the record's entry.
    template <typename Sample>
    void process(std::vector<Sample>& l, std::vector<Sample>& r) {
        Sample* io[2] = {l.data(), r.data()};
        if constexpr (sizeof(Sample) == 4)
            effect->processReplacing(effect, io, io, static_cast<VstInt32>(l.size()));
        else
            effect->processDoubleReplacing(effect, io, io, static_cast<VstInt32>(l.size()));
    }
};

TEST_F(SolvanePlugin, IdentityAsTheHostReadsIt) {
    expectRecord(fourCharCode('K', 'q', 'L', 'v'), 9, 1,
                 effFlagsHasEditor | effFlagsCanReplacing | effFlagsCanDoubleReplacing |
                     effFlagsProgramChunks);
    EXPECT_EQ(plugin->text(effGetEffectName), "solvane");
    EXPECT_EQ(plugin->text(effGetProductString), "Solvane");
    EXPECT_EQ(plugin->text(effGetVendorString), "Kavexsound");
    EXPECT_EQ(plugin->dispatch(effGetVendorVersion), 1980);
    EXPECT_EQ(plugin->dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(plugin->dispatch(effGetPlugCategory), kPlugCategMastering);
    EXPECT_EQ(plugin->dispatch(effIdentify), fourCharCode('N', 'v', 'E', 'f'));
    EXPECT_EQ(plugin->dispatch(effCanBeAutomated, 8), 1);
    EXPECT_EQ(plugin->dispatch(effGetCurrentMidiProgram), -1);
    EXPECT_EQ(plugin->dispatch(effSetTotalSampleToProcess, 0, 777), 777);
    EXPECT_EQ(plugin->dispatch(effGetTailSize), 0);
    for (const char* question : {"bypass", "receiveVstTimeInfo", "anything"})
        EXPECT_EQ(plugin->dispatch(effCanDo, 0, 0, const_cast<char*>(question)), 0);
}

TEST_F(SolvanePlugin, PinAndParameterProperties) {
    VstPinProperties pin;
    std::memset(&pin, 0, sizeof pin);
    EXPECT_EQ(plugin->dispatch(effGetInputProperties, 1, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "My 2 In");
    EXPECT_EQ(pin.flags, kVstPinIsActive | kVstPinIsStereo);
    EXPECT_EQ(plugin->dispatch(effGetOutputProperties, 0, 0, &pin), 1);
    EXPECT_STREQ(pin.label, "My 1 Out");
    EXPECT_EQ(plugin->dispatch(effGetInputProperties, 2, 0, &pin), 0);

    VstParameterProperties props;
    std::memset(&props, 0, sizeof props);
    ASSERT_EQ(plugin->dispatch(effGetParameterProperties, 4, 0, &props), 1);
    EXPECT_STREQ(props.label, "centerPos");
    EXPECT_STREQ(props.shortLabel, "centerP");
    EXPECT_EQ(props.flags, kVstParameterUsesFloatStep);
    EXPECT_EQ(props.stepFloat, 0.00390625f);
    EXPECT_EQ(props.smallStepFloat, 0.0009765625f);
    EXPECT_EQ(props.largeStepFloat, 0.015625f);
    ASSERT_EQ(plugin->dispatch(effGetParameterProperties, 7, 0, &props), 1);
    EXPECT_EQ(props.flags, kVstParameterIsSwitch | kVstParameterUsesFloatStep);
    EXPECT_EQ(props.largeStepFloat, 1.0f);
    EXPECT_EQ(plugin->dispatch(effGetParameterProperties, 9, 0, &props), 0);
}

TEST_F(SolvanePlugin, NewInstanceStartsWithInit) {
    const float expected[9] = {0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1, 0, 0, 0};
    const char* texts[9] = {"100.00", "0.00", "C", "C", "C", "On", "Off", "+L", "+R"};
    const char* names[9] = {"width", "gain", "balance", "stability", "centerPos",
                            "process", "phase", "-L", "-R"};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(get(k), expected[k]) << k;
        EXPECT_EQ(display(k), texts[k]) << k;
        EXPECT_EQ(plugin->text(effGetParamName, k), names[k]);
    }
    EXPECT_EQ(plugin->text(effGetParamLabel, 0), "    %   ");
    EXPECT_EQ(plugin->text(effGetParamLabel, 1), "   dB   ");
    EXPECT_EQ(plugin->text(effGetParamLabel, 2), "       ");
    EXPECT_EQ(plugin->text(effGetParamLabel, 6), "         ");
    EXPECT_EQ(plugin->text(effGetParamLabel, 8), "    ");
    EXPECT_EQ(plugin->text(effGetProgramName), "init");
}

TEST_F(SolvanePlugin, DisplayTexts) {
    struct Case {
        int index;
        float value;
        const char* text;
    };
    const Case cases[] = {
        {2, 0.515f, "2L"}, {2, 0.51f, "C"},     {2, 0.485f, "2R"},   {2, 0.7f, "20L"},
        {3, 0.3f, "20R"},  {4, 0.5f, "C"},      {1, 0.0f, "-12.00"}, {1, 1.0f, "12.00"},
        {0, 0.625f, "156.25"}, {0, 0.375f, "56.25"}, {0, 1.0f, "400.00"},
        {6, 0.49f, "Off"}, {6, 0.5f, "On"},     {7, 1.0f, "-L"},     {8, 1.0f, "-R"},
    };
    for (const Case& c : cases) {
        set(c.index, c.value);
        EXPECT_EQ(display(c.index), c.text) << c.index << " at " << c.value;
    }
    // Nothing is written for an index past the last parameter.
    EXPECT_EQ(display(9), "");
    EXPECT_EQ(plugin->text(effGetParamName, 9), "");
    EXPECT_EQ(get(9), 0.0f);
}

TEST_F(SolvanePlugin, GainEndsGiveTwelveDecibels) {
    std::vector<double> l(8, 0.5), r(8, 0.5);
    set(1, 0.0f);
    process(l, r);
    EXPECT_NEAR(l[7], 0.5 * std::pow(10.0, -0.6), 1e-6);  // about 0.251
    l.assign(8, 0.5), r.assign(8, 0.5);
    set(1, 1.0f);
    process(l, r);
    EXPECT_NEAR(l[7], 0.5 * std::pow(10.0, 0.6), 1e-5);  // about 3.98
}

TEST_F(SolvanePlugin, HostSeesOneProgramAndTheChunkHoldsTheBank) {
    EXPECT_EQ(plugin->dispatch(effGetProgram), 0);
    plugin->dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(get(0), 0.5f);

    const std::vector<uint8_t> bank = chunk();
    ASSERT_EQ(bank.size(), static_cast<size_t>(kChunkBytes));
    EXPECT_EQ(std::memcmp(&bank[4], "vLqK", 4), 0);  // little-endian identifier
    const char* names[11] = {"init", "extended width", "reduced width", "balanse to the left",
                             "balanse to the right", "side bal left", "side bal right",
                             "center shift left", "center shift right", "out of phase", "swapped"};
    char text[64];
    for (int p = 0; p < 11; ++p) {
        ASSERT_EQ(plugin->dispatch(effGetProgramNameIndexed, p, 0, text), 1);
        EXPECT_STREQ(text, names[p]);
        EXPECT_STREQ(reinterpret_cast<const char*>(&bank[32 + p * 60]), names[p]);
    }
    EXPECT_EQ(plugin->dispatch(effGetProgramNameIndexed, 11, 0, text), 0);
}

TEST_F(SolvanePlugin, ChunkWithStoredProgramSelectsIt) {
    std::vector<uint8_t> bank = chunk();
    bank[12] = 9;  // "out of phase"
    ASSERT_EQ(plugin->dispatch(effSetChunk, 0, kChunkBytes, bank.data()), 0);
    EXPECT_EQ(get(8), 1.0f);
    EXPECT_EQ(display(8), "-R");
    EXPECT_EQ(plugin->text(effGetProgramName), "out of phase");
    EXPECT_EQ(plugin->dispatch(effGetProgram), 0);
    EXPECT_GE(host.count(audioMasterUpdateDisplay), 1);

    // Refused: foreign, short, null. The bank stays as it is.
    const std::vector<uint8_t> before = chunk();
    std::vector<uint8_t> foreign = before;
    std::memcpy(&foreign[4], "dWqK", 4);
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, kChunkBytes, foreign.data()), -1);
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, kChunkBytes - 1, foreign.data()), -1);
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, kChunkBytes, nullptr), -1);
    EXPECT_EQ(chunk(), before);
}

TEST_F(SolvanePlugin, ResumeClearsStateAndBothPrecisionsAgree) {
    // The audio carries no state; the level followers behind the meters do.
    // Hosts never see the readings, so they are read from the effect object
    // behind the record (the library holds the same code as solvane_core).
    const Solvane& solvane = *static_cast<const Solvane*>(effect->object);
    auto readings = [&] {
        return std::make_pair(solvane.midSideReading(), solvane.leftRightReading());
    };
    using Readings = std::pair<float, float>;
    plugin->dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    plugin->dispatch(effSetBlockSize, 0, 256);
    set(0, 0.8f);
    set(4, 0.3f);
    std::vector<float> lf(256), rf(256);
    for (int i = 0; i < 256; ++i) lf[i] = std::sin(i * 0.05f), rf[i] = 0.3f * std::cos(i * 0.11f);
    std::vector<double> ld(lf.begin(), lf.end()), rd(rf.begin(), rf.end());
    std::vector<float> none;

    plugin->dispatch(effMainsChanged, 0, 1);
    EXPECT_EQ(readings(), Readings(0.5f, 0.5f));
    process(lf, rf);
    const Readings afterFloatBlock = readings();
    EXPECT_NE(afterFloatBlock, Readings(0.5f, 0.5f));

    plugin->dispatch(effMainsChanged, 0, 1);  // a second resume clears again
    EXPECT_EQ(readings(), Readings(0.5f, 0.5f));
    process(none, none);  // the cleared followers are below every threshold
    EXPECT_EQ(readings(), Readings(0.0f, 0.0f));
    process(ld, rd);
    EXPECT_NEAR(readings().first, afterFloatBlock.first, 1e-5);
    EXPECT_NEAR(readings().second, afterFloatBlock.second, 1e-5);
    for (int i = 0; i < 256; ++i) {
        EXPECT_NEAR(lf[i], ld[i], 1e-6);
        EXPECT_NEAR(rf[i], rd[i], 1e-6);
    }

    plugin->dispatch(effMainsChanged, 0, 0);
    EXPECT_EQ(readings(), Readings(0.0f, 0.0f));
    process(none, none);
    EXPECT_EQ(readings(), Readings(0.0f, 0.0f));
}

// Samples that are not numbers, or beyond any level, pass through one block;
// the blocks after it come out finite and as they would without it.
TEST_F(SolvanePlugin, BadSamplesLeaveLaterOutputFinite) {
    set(0, 0.8f);
    set(3, 0.7f);
    auto cleanBlock = [&] {
        std::vector<double> l(64, 0.5), r(64, -0.25);
        process(l, r);
        return std::make_pair(l, r);
    };
    const auto expected = cleanBlock();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 1e300}) {
        std::vector<double> l(64, bad), r(64, 0.25);
        process(l, r);
        // The 32-bit path's largest level (1e300 has no 32-bit value).
        const float badFloat = std::isfinite(bad) ? std::numeric_limits<float>::max()
                                                  : static_cast<float>(bad);
        std::vector<float> lf(64, badFloat), rf(64, 0.25f);
        process(lf, rf);
        const auto after = cleanBlock();
        for (double sample : after.first) ASSERT_TRUE(std::isfinite(sample)) << bad;
        EXPECT_EQ(after, expected) << bad;
    }
}

TEST_F(SolvanePlugin, BadInputIsHarmless) {
    // Null texts, null chunk pointers, unknown opcodes, empty and broken blocks.
    EXPECT_EQ(plugin->dispatch(effGetParamDisplay, 0, 0, nullptr), 0);
    EXPECT_EQ(plugin->dispatch(effGetProgramName, 0, 0, nullptr), 0);
    EXPECT_EQ(plugin->dispatch(effGetChunk, 0, 0, nullptr), 0);
    EXPECT_EQ(plugin->dispatch(effGetParameterProperties, -1, 0, nullptr), 0);
    EXPECT_EQ(plugin->dispatch(effEditGetRect, 0, 0, nullptr), 0);
    // Without a parent window the editor still opens, headless.
    EXPECT_EQ(plugin->dispatch(effEditOpen, 0, 0, nullptr), 1);
    EXPECT_EQ(plugin->dispatch(effEditClose), 0);
    EXPECT_EQ(plugin->dispatch(9999, 3, 4, nullptr, 1.0f), 0);
    EXPECT_EQ(plugin->dispatch(effSetProgram, 0, 5), 0);
    EXPECT_EQ(plugin->dispatch(effSetProgram, 0, -1), 0);
    void* arrangement[2] = {&host, &host};
    plugin->dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&arrangement[0]),
                     &arrangement[1]);
    EXPECT_EQ(arrangement[0], nullptr);
    EXPECT_EQ(arrangement[1], nullptr);

    effect->processReplacing(effect, nullptr, nullptr, 64);
    effect->processDoubleReplacing(effect, nullptr, nullptr, 0);
    effect->processReplacing(effect, nullptr, nullptr, -5);
    set(-1, 0.3f);
    set(100, 0.3f);
    EXPECT_EQ(get(-1), 0.0f);

    plugin->dispatch(effSetSampleRate, 0, 0, nullptr, 0.0f);  // as a scanning host may
    std::vector<float> l(64, 0.25f), r(64, 0.25f);
    process(l, r);
    EXPECT_EQ(l[0], 0.25f);
}

TEST(SolvaneEntry, HostWithoutVersionGetsNoEffect) {
    TestHost host;
    host.versionAnswer = 0;
    LoadedPlugin plugin(kPluginPath, host);
    ASSERT_NE(plugin.entry, nullptr);
    EXPECT_EQ(plugin.effect, nullptr);
}

TEST(SolvaneEntry, LibraryExportsOnlyTheEntryPoints) {
    void* library = dlopen(kPluginPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr);
    EXPECT_NE(dlsym(library, "VSTPluginMain"), nullptr);
    EXPECT_NE(dlsym(library, "main"), nullptr);
    EXPECT_EQ(dlsym(library, "createEffectInstance"), nullptr);
    EXPECT_EQ(dlsym(library, "_Z20createEffectInstancePFlP7AEffectiilPvfE"), nullptr);
    EXPECT_EQ(dlsym(library, "formatFixedDecimals"), nullptr);
    dlclose(library);
}

TEST(SolvaneEntry, CloseAnswersOneAndBlockSizeComesFromTheHost) {
    TestHost host;
    host.blockSizeAnswer = 333;
    LoadedPlugin plugin(kPluginPath, host);
    ASSERT_TRUE(plugin.loaded());
    EXPECT_GE(host.count(audioMasterGetBlockSize), 1);
    EXPECT_EQ(plugin.dispatch(effClose), 1);
    plugin.effect = nullptr;  // must not be used afterwards
}

}  // namespace
