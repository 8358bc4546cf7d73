// kvx info, render and demo through the built binary and solvane.
#include <sndfile.h>

#include <algorithm>
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
        return run.exitCode == 0 ? readSound(dir.file(output)) : Sound{};
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

// The written file's real format, and the audio read back against the
// 32-bit float demo that process=0 passes through unchanged: lossless
// formats within their precision sample by sample, Vorbis in the RMS of the
// difference (the demo's own RMS is about 0.2).
struct OutputFormatCase {
    const char* file;
    bool wide;       // --double
    int format;      // libsndfile's, as read back
    bool lossy;      // the error allowed is an RMS rather than a peak
    double errorAllowed;
};

constexpr double k24BitError = 1.5 / (1 << 23);
constexpr double kVorbisRmsError = 0.03;

const OutputFormatCase kOutputFormats[] = {
    {"out.wav", false, SF_FORMAT_WAV | SF_FORMAT_FLOAT, false, 0.0},
    {"wide.wav", true, SF_FORMAT_WAV | SF_FORMAT_DOUBLE, false, 0.0},
    {"OUT.WAV", false, SF_FORMAT_WAV | SF_FORMAT_FLOAT, false, 0.0},
    {"out.aiff", false, SF_FORMAT_AIFF | SF_FORMAT_FLOAT, false, 0.0},
    {"out.Aif", false, SF_FORMAT_AIFF | SF_FORMAT_FLOAT, false, 0.0},
    {"wide.aiff", true, SF_FORMAT_AIFF | SF_FORMAT_DOUBLE, false, 0.0},
    {"out.flac", false, SF_FORMAT_FLAC | SF_FORMAT_PCM_24, false, k24BitError},
    {"wide.FLAC", true, SF_FORMAT_FLAC | SF_FORMAT_PCM_24, false, k24BitError},
    {"out.ogg", false, SF_FORMAT_OGG | SF_FORMAT_VORBIS, true, kVorbisRmsError},
    {"wide.ogg", true, SF_FORMAT_OGG | SF_FORMAT_VORBIS, true, kVorbisRmsError},
};

double errorAgainst(const Sound& out, const Sound& reference, bool rms) {
    double peak = 0, sumOfSquares = 0;
    for (size_t i = 0; i < reference.samples.size(); ++i) {
        const double difference = out.samples[i] - reference.samples[i];
        peak = std::max(peak, std::abs(difference));
        sumOfSquares += difference * difference;
    }
    return rms ? std::sqrt(sumOfSquares / static_cast<double>(reference.samples.size())) : peak;
}

TEST_F(KvxRender, WritesTheFormatItsExtensionNames) {
    ASSERT_EQ(runKvx({"demo", "--rate", kShortRate, dir.file("demo.wav")}).exitCode, 0);
    const Sound demo = readSound(dir.file("demo.wav"));
    for (const OutputFormatCase& c : kOutputFormats) {
        SCOPED_TRACE(c.file);
        std::vector<std::string> options = {"render", "--set", "process=0"};
        if (c.wide) options.push_back("--double");
        const Sound out = render(options, c.file, dir.file("demo.wav"));
        EXPECT_EQ(out.format, c.format);
        EXPECT_EQ(out.rateHz, kShortRateHz);
        ASSERT_EQ(out.samples.size(), demo.samples.size());
        EXPECT_LE(errorAgainst(out, demo, c.lossy), c.errorAllowed);
    }
}

TEST_F(KvxRender, SamplesPastFullScaleClipInAPcmFile) {
    const std::vector<std::string> loud = {"render", "--rate", kShortRate, "--set", "gain=1"};
    const Sound reference = render(loud, "loud.wav");
    const Sound pcm = render(loud, "loud.flac");
    ASSERT_EQ(pcm.samples.size(), reference.samples.size());
    size_t pastFullScale = 0;
    for (size_t i = 0; i < reference.samples.size(); ++i) {
        const double full = reference.samples[i];
        pastFullScale += std::abs(full) > 1.0;
        ASSERT_NEAR(pcm.samples[i], std::clamp(full, -1.0, 1.0), k24BitError) << i;
    }
    EXPECT_GT(pastFullScale, 0u) << "the render must go past full scale to test clipping";
}

TEST_F(KvxRender, AnUnknownExtensionIsRefusedBeforeAnythingIsWritten) {
    for (const char* name : {"out.mp3", "out", "out.wav.txt"}) {
        const KvxRun run = runKvx({"render", "--rate", kShortRate, solvanePath(), dir.file(name)});
        EXPECT_NE(run.exitCode, 0) << name;
        EXPECT_NE(run.err.find(".wav, .flac, .aiff, .aif or .ogg"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << "no levels: nothing was rendered\n" << run.out;
        EXPECT_FALSE(std::ifstream(dir.file(name)).good()) << name;
    }
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
                                "kvx demo", "--state-out FILE", "--preset FILE",
                                "--save-preset FILE"})
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
}

}  // namespace
