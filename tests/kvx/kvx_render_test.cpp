// kvx info, render and demo through the built binary and solvane.
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "tests/kvx/kvx_process.h"
#include "tests/kvx/sound_io.h"

namespace {

constexpr int kDemoRateHz = 44100;
constexpr size_t kDemoFrames = 264600;  // six seconds
constexpr const char* kShortRate = "8000";  // keeps most renders short
constexpr int kShortRateHz = 8000;

void expectSameSamples(const Sound& a, const Sound& b) {
    ASSERT_EQ(a.channels, b.channels);
    ASSERT_EQ(a.samples.size(), b.samples.size());
    size_t differing = 0;
    for (size_t i = 0; i < a.samples.size(); ++i) differing += a.samples[i] != b.samples[i];
    EXPECT_EQ(differing, 0u);
}

bool channelsEqual(const Sound& s) {
    for (size_t f = 0; f < s.frames(); ++f)
        if (s.at(f, 0) != s.at(f, 1)) return false;
    return s.frames() > 0;
}

class KvxRender : public ::testing::Test {
protected:
    ScratchDir dir;

    // Renders through solvane; fails the test unless kvx succeeds.
    Sound render(std::vector<std::string> options, const std::string& output,
                 const std::string& input = "") {
        options.push_back(solvanePath());
        if (!input.empty()) options.push_back(input);
        options.push_back(dir.file(output));
        const KvxRun run = runKvx(options);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return readSound(dir.file(output));
    }
};

TEST(KvxInfo, ShowsSolvaneIdentityParametersAndProgram) {
    const KvxRun run = runKvx({"info", solvanePath()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* expected :
         {"effect name      solvane", "unique id        KqLv (1265716342)", "category         mastering (4)",
          "parameters       9", "CanReplacing ProgramChunks CanDoubleReplacing",
          "  0  width", "100.00 %", "  8  -R", "IsSwitch UsesFloatStep", "short \"stabili\"",
          "programs:\n    0  init"})
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
    const size_t list = run.out.find("parameters:\n");
    const std::string parameters = run.out.substr(list, run.out.find("programs:") - list);
    int entries = 0;
    for (size_t at = 0; (at = parameters.find("properties:", at)) != std::string::npos; ++at)
        ++entries;
    EXPECT_EQ(entries, 9);
}

TEST_F(KvxRender, ProcessOffIsBitExactAgainstTheDemoInBothPrecisions) {
    ASSERT_EQ(runKvx({"demo", dir.file("demo.wav")}).exitCode, 0);
    const Sound demo = readSound(dir.file("demo.wav"));
    EXPECT_EQ(demo.rateHz, kDemoRateHz);
    EXPECT_EQ(demo.frames(), kDemoFrames);

    const Sound single = render({"render", "--set", "process=0"}, "single.wav");
    EXPECT_EQ(single.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    EXPECT_EQ(single.rateHz, kDemoRateHz);
    expectSameSamples(single, demo);

    const Sound wide = render({"render", "--double", "--set", "process=0"}, "double.wav");
    EXPECT_EQ(wide.format, SF_FORMAT_WAV | SF_FORMAT_DOUBLE);
    expectSameSamples(wide, demo);
}

TEST_F(KvxRender, PrintsOneSummaryLineWithInputAndOutputLevels) {
    const KvxRun run = runKvx({"render", "--rate", kShortRate, "--set", "gain=0",
                               solvanePath(), dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lineCount(run.out), 1);
    // The demo peaks at -1 dBFS; gain 0 is -12 dB on the unchanged image.
    EXPECT_NE(run.out.find("input peak -1.00 dBFS, RMS "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("; output peak -13.00 dBFS, RMS "), std::string::npos) << run.out;
    EXPECT_TRUE(run.err.empty()) << "no progress off a terminal unless asked: " << run.err;
}

TEST_F(KvxRender, ParametersBySameNameInAnyCaseOrByIndexAgree) {
    const Sound byName = render({"render", "--rate", kShortRate, "--set", "WIDTH=0"}, "a.wav");
    const Sound byIndex = render({"render", "--rate", kShortRate, "--set=0=0"}, "b.wav");
    expectSameSamples(byName, byIndex);
    EXPECT_TRUE(channelsEqual(byName)) << "width 0 must give a mono image";
}

TEST_F(KvxRender, BlockSizeDoesNotChangeTheResult) {
    const std::vector<std::string> setting = {"render", "--rate", kShortRate, "--set",
                                              "balance=0.7", "--set", "stability=0.2"};
    std::vector<std::string> odd = setting;
    odd.insert(odd.end(), {"--block", "37"});
    expectSameSamples(render(setting, "default.wav"), render(odd, "odd.wav"));
}

TEST_F(KvxRender, StateSavedAfterOneRenderRestoresTheSettingsOfTheNext) {
    const Sound mono =
        render({"render", "--rate", kShortRate, "--set", "width=0", "--state-out",
                dir.file("state.bin")}, "first.wav");
    std::ifstream state(dir.file("state.bin"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(state)), {});
    EXPECT_EQ(bytes.size(), 692u);  // header and eleven programs of nine values
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\0\0\0\1", 4));

    const Sound restored =
        render({"render", "--rate", kShortRate, "--state-in", dir.file("state.bin")}, "again.wav");
    expectSameSamples(restored, mono);

    const Sound overridden = render({"render", "--rate", kShortRate, "--state-in",
                                     dir.file("state.bin"), "--set", "width=0.5"}, "wide.wav");
    EXPECT_FALSE(channelsEqual(overridden)) << "--set applies after the restored state";
}

TEST_F(KvxRender, MonoFileFeedsBothChannelsAtItsOwnRate) {
    Sound mono{22050, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, {}};
    for (int i = 0; i < 3000; ++i) mono.samples.push_back(std::sin(i * 0.05) * 0.5);
    ASSERT_TRUE(writeSound(dir.file("mono.wav"), mono));
    const Sound in = readSound(dir.file("mono.wav"));
    const Sound out = render({"render", "--set", "process=0"}, "out.wav", dir.file("mono.wav"));
    EXPECT_EQ(out.rateHz, 22050);
    ASSERT_EQ(out.frames(), in.frames());
    for (size_t f = 0; f < in.frames(); ++f) {
        ASSERT_EQ(out.at(f, 0), in.at(f, 0)) << f;
        ASSERT_EQ(out.at(f, 1), in.at(f, 0)) << f;
    }
}

TEST_F(KvxRender, WiderFileGivesItsFirstTwoChannels) {
    Sound wide{48000, 3, SF_FORMAT_FLAC | SF_FORMAT_PCM_24, {}};
    for (int f = 0; f < 1000; ++f) wide.samples.insert(wide.samples.end(), {0.25, -0.5, 0.75});
    ASSERT_TRUE(writeSound(dir.file("three.flac"), wide));
    const Sound out = render({"render", "--set", "process=0"}, "out.wav", dir.file("three.flac"));
    ASSERT_EQ(out.channels, 2);
    ASSERT_EQ(out.frames(), 1000u);
    EXPECT_EQ(out.at(500, 0), 0.25);
    EXPECT_EQ(out.at(500, 1), -0.5);
}

TEST_F(KvxRender, ProgressWhenAskedEndsAtAHundredPercent) {
    const KvxRun run = runKvx({"render", "--progress", "--rate", kShortRate, solvanePath(),
                               dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("kvx: rendering 100%\n"), std::string::npos) << run.err;
}

TEST(KvxDemo, WritesSixSecondsAtTheRequestedRate) {
    ScratchDir dir;
    const KvxRun run = runKvx({"demo", "--rate", kShortRate, dir.file("demo.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Sound demo = readSound(dir.file("demo.wav"));
    EXPECT_EQ(demo.rateHz, kShortRateHz);
    EXPECT_EQ(demo.frames(), 6u * kShortRateHz);
    EXPECT_EQ(demo.channels, 2);
}

TEST(KvxHelp, PrintsUsageForEveryCommand) {
    const KvxRun run = runKvx({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command : {"kvx info PLUGIN", "kvx render [options] PLUGIN [IN] OUT",
                                "kvx demo", "--state-out FILE"})
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
}

}  // namespace
