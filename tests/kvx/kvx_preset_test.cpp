// kvx render --preset and --save-preset through the built binary: solvane's
// current program saved after one render and loaded into the next, a file
// from a machine of the other byte order, and the files and plug-ins that
// are refused before anything is rendered.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "tests/kvx/kvx_process.h"
#include "tests/kvx/sound_io.h"

namespace {

constexpr const char* kShortRate = "8000";
constexpr size_t kSolvanePresetBytes = 65;  // identifier, tag, name, nine values
constexpr size_t kNameOffset = 5;
constexpr size_t kNameBytes = 24;
constexpr size_t kValuesOffset = 29;
constexpr size_t kWordBytes = 4;

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void spill(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// As a machine of the other byte order writes it: identifier and values
// turned round, tag and name as they are.
std::string byteReversed(std::string preset) {
    auto turn = [&preset](size_t at) {
        std::reverse(preset.begin() + static_cast<long>(at),
                     preset.begin() + static_cast<long>(at + kWordBytes));
    };
    turn(0);
    for (size_t at = kValuesOffset; at + kWordBytes <= preset.size(); at += kWordBytes) turn(at);
    return preset;
}

std::string renamed(std::string preset, std::string name) {
    name.resize(kNameBytes, '\0');
    return preset.replace(kNameOffset, kNameBytes, name);
}

std::string withLastValue(std::string preset, float value) {
    std::memcpy(&preset[preset.size() - kWordBytes], &value, kWordBytes);
    return preset;
}

class KvxPreset : public ::testing::Test {
protected:
    // One render of solvane with a mono image and a lower gain saves the
    // preset the tests load; widmoor saves one of its own.
    static void SetUpTestSuite() {
        scratch = new ScratchDir;
        const KvxRun set = runKvx({"render", "--rate", kShortRate, "--set", "width=0", "--set",
                                   "gain=0.3", "--save-preset", file("set.kvx"), solvanePath(),
                                   file("set.wav")});
        ASSERT_EQ(set.exitCode, 0) << set.err;
        const KvxRun other = runKvx({"render", "--rate", kShortRate, "--save-preset",
                                     file("widmoor.kvx"), pluginPath("widmoor"), file("w.wav")});
        ASSERT_EQ(other.exitCode, 0) << other.err;
        const std::string preset = slurp(file("set.kvx"));
        spill(file("truncated.kvx"), preset.substr(0, 40));
        spill(file("loud.kvx"), withLastValue(preset, 1.5f));
    }
    static void TearDownTestSuite() { delete scratch; }

    static std::string file(const std::string& name) { return scratch->file(name); }

    // Renders solvane; fails the test unless kvx succeeds.
    static Sound render(std::vector<std::string> options, const std::string& output) {
        options.insert(options.begin(), {"render", "--rate", kShortRate});
        options.insert(options.end(), {solvanePath(), file(output)});
        const KvxRun run = runKvx(options);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.exitCode == 0 ? readSound(file(output)) : Sound{};
    }

    static ScratchDir* scratch;
};

ScratchDir* KvxPreset::scratch = nullptr;

TEST_F(KvxPreset, SavedPresetRendersLikeTheSettingsItWasSavedFrom) {
    const std::string preset = slurp(file("set.kvx"));
    ASSERT_EQ(preset.size(), kSolvanePresetBytes);
    // KqLv in little-endian order, the preset tag, the factory program's name.
    EXPECT_EQ(preset.substr(0, 10), std::string("vLqK!init\0", 10));

    const Sound loaded =
        render({"--preset", file("set.kvx"), "--save-preset", file("again.kvx")}, "loaded.wav");
    expectSameSamples(loaded, readSound(file("set.wav")));
    EXPECT_TRUE(channelsEqual(loaded)) << "width 0 comes from the preset";
    EXPECT_EQ(slurp(file("again.kvx")), preset) << "name and values are the current program's";

    const Sound wide = render({"--preset", file("set.kvx"), "--set", "width=0.5"}, "wide.wav");
    EXPECT_FALSE(channelsEqual(wide)) << "--set applies after --preset";
}

TEST_F(KvxPreset, PresetFromAMachineOfTheOtherByteOrderLoads) {
    const std::string named = renamed(slurp(file("set.kvx")), "turned round");
    spill(file("reversed.kvx"), byteReversed(named));
    const Sound loaded = render(
        {"--preset", file("reversed.kvx"), "--save-preset", file("native.kvx")}, "reversed.wav");
    expectSameSamples(loaded, readSound(file("set.wav")));
    EXPECT_EQ(slurp(file("native.kvx")), named) << "saved in this machine's order, with its name";
}

struct RefusalCase {
    const char* name;
    const char* plugin;
    bool fixture;        // a test fixture library rather than one of the family
    const char* preset;  // null: only --save-preset is asked for
    const char* mentions;
};

const RefusalCase kRefusals[] = {
    {"AnotherPluginsPreset", "solvane", false, "widmoor.kvx", "another plug-in (KqWd, not KqLv)"},
    {"TruncatedFile", "solvane", false, "truncated.kvx", "(40 bytes, its presets have 65)"},
    {"ValueOutsideTheRange", "solvane", false, "loud.kvx", "malformed"},
    {"MissingFile", "solvane", false, "absent.kvx", "cannot read preset file"},
    {"LoadIntoScopra", "scopra", false, "set.kvx", "no preset system"},
    {"SaveFromScopra", "scopra", false, nullptr, "no preset system"},
    {"ForeignPlugin", "mono_splitter", true, "set.kvx", "no preset system"},
};

TEST_F(KvxPreset, RefusedWithOneLineBeforeAnythingIsRenderedOrWritten) {
    for (const RefusalCase& c : kRefusals) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {"render", "--rate", kShortRate};
        if (c.preset) args.insert(args.end(), {"--preset", file(c.preset)});
        args.insert(args.end(), {"--save-preset", file("saved.kvx"),
                                 c.fixture ? fixturePath(c.plugin) : pluginPath(c.plugin),
                                 file("refused.wav")});
        const KvxRun run = runKvx(args);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_EQ(lineCount(run.err), 1) << run.err;
        EXPECT_EQ(run.err.rfind("kvx: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << "no levels: nothing was rendered\n" << run.out;
        EXPECT_FALSE(std::ifstream(file("refused.wav")).good());
        EXPECT_FALSE(std::ifstream(file("saved.kvx")).good());
    }
}

}  // namespace
