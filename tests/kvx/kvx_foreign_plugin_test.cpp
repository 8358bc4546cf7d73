// Plug-ins that are not the family's own: a fixture exported only as "main"
// with one input and two outputs, and a Debian plug-in that exports only
// "main" too.
#include <sys/stat.h>

#include <cmath>

#include <gtest/gtest.h>

#include "tests/kvx/kvx_process.h"
#include "tests/kvx/sound_io.h"

namespace {

constexpr const char* kDebianPlugin = "/usr/lib/vst/3BandEQ-vst.so";

bool fileExists(const char* path) {
    struct stat info;
    return stat(path, &info) == 0;
}

double peakOf(const Sound& s) {
    double peak = 0.0;
    for (double x : s.samples) peak = std::fmax(peak, std::fabs(x));
    return peak;
}

TEST(KvxForeignPlugin, SingleInputIsFedTheLeftChannelAndBothOutputsAreKept) {
    ScratchDir dir;
    ASSERT_EQ(runKvx({"demo", "--rate", "8000", dir.file("demo.wav")}).exitCode, 0);
    const KvxRun run = runKvx({"render", "--set", "level=0.5", fixturePath("mono_splitter"),
                               dir.file("demo.wav"), dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Sound in = readSound(dir.file("demo.wav"));
    const Sound out = readSound(dir.file("out.wav"));
    ASSERT_EQ(out.frames(), in.frames());
    for (size_t f = 0; f < in.frames(); ++f) {
        ASSERT_EQ(out.at(f, 0), static_cast<float>(0.5f * static_cast<float>(in.at(f, 0)))) << f;
        ASSERT_EQ(out.at(f, 1), -out.at(f, 0)) << f;
    }
}

TEST(KvxForeignPlugin, DebianPluginWithOnlyAMainEntryShowsAndRenders) {
    if (!fileExists(kDebianPlugin))
        GTEST_SKIP() << "dpf-plugins-vst is not installed (" << kDebianPlugin << " is missing)";
    const KvxRun info = runKvx({"info", kDebianPlugin});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("parameters       6"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Master"), std::string::npos) << info.out;

    ScratchDir dir;
    const KvxRun loud = runKvx({"render", "--rate", "8000", kDebianPlugin, dir.file("loud.wav")});
    const KvxRun quiet = runKvx({"render", "--rate", "8000", "--set", "master=0", kDebianPlugin,
                                 dir.file("quiet.wav")});
    ASSERT_EQ(loud.exitCode, 0) << loud.err;
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err;
    const Sound neutral = readSound(dir.file("loud.wav"));
    const Sound lowered = readSound(dir.file("quiet.wav"));
    EXPECT_EQ(neutral.frames(), 48000u);
    EXPECT_GT(peakOf(neutral), 0.1);
    EXPECT_LT(peakOf(lowered), peakOf(neutral) / 4.0) << "the master level set by name";
}

}  // namespace
