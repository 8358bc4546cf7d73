// Every way a kvx command can be refused: a non-zero exit and exactly one
// line "kvx: ..." on standard error, nothing on standard output.
#include <fstream>

#include <gtest/gtest.h>

#include "tests/kvx/kvx_process.h"

namespace {

// Placeholders in the arguments, replaced by paths of the test's files.
constexpr const char* kSolvane = "@solvane";
constexpr const char* kScratch = "@scratch/";

struct ErrorCase {
    const char* name;
    std::vector<std::string> args;
    const char* mentions;  // a word the message must contain
};

class KvxErrors : public ::testing::TestWithParam<ErrorCase> {
protected:
    static void SetUpTestSuite() {
        scratch = new ScratchDir;
        std::ofstream(scratch->file("text.txt")) << "not audio, not a library\n";
        std::ofstream(scratch->file("garbage.bin")) << "definitely not a chunk";
        ASSERT_EQ(runKvx({"demo", "--rate", "8000", scratch->file("demo.wav")}).exitCode, 0);
    }
    static void TearDownTestSuite() { delete scratch; }

    static std::string expand(const std::string& arg) {
        if (arg == kSolvane) return solvanePath();
        if (arg.rfind("@fixture/", 0) == 0) return fixturePath(arg.substr(9));
        if (arg.rfind(kScratch, 0) == 0) return scratch->file(arg.substr(9));
        return arg;
    }

    static ScratchDir* scratch;
};

ScratchDir* KvxErrors::scratch = nullptr;

TEST_P(KvxErrors, ExitNonZeroWithOneLine) {
    std::vector<std::string> args;
    for (const std::string& arg : GetParam().args) args.push_back(expand(arg));
    const KvxRun run = runKvx(args);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(lineCount(run.err), 1) << run.err;
    EXPECT_EQ(run.err.rfind("kvx: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(GetParam().mentions), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
}

const ErrorCase kCases[] = {
    {"MissingPlugin", {"info", "@scratch/absent.so"}, "cannot load plug-in"},
    {"NotALibrary", {"info", "@scratch/text.txt"}, "cannot load plug-in"},
    {"NoEntryPoint", {"info", "@fixture/no_entry"}, "no VSTPluginMain or main"},
    {"EntryReturnsNull", {"info", "@fixture/null_entry"}, "returned no effect"},
    {"WrongMagic", {"info", "@fixture/bad_magic"}, "wrong magic"},
    {"MissingAudioFile", {"render", kSolvane, "@scratch/absent.wav", "@scratch/o.wav"},
     "cannot read audio file"},
    {"UnreadableAudioFile", {"render", kSolvane, "@scratch/text.txt", "@scratch/o.wav"},
     "cannot read audio file"},
    {"UnwritableOutput", {"render", "--rate", "8000", kSolvane, "@scratch/no/dir/o.wav"},
     "cannot write"},
    {"UnknownParameter", {"render", "--set", "nosuch=1", kSolvane, "@scratch/o.wav"},
     "unknown parameter 'nosuch'"},
    {"ParameterIndexPastTheEnd", {"render", "--set", "9=1", kSolvane, "@scratch/o.wav"},
     "no parameter 9"},
    {"ValueNotANumber", {"render", "--set", "width=wide", kSolvane, "@scratch/o.wav"},
     "not a number"},
    {"ValueOutOfRange", {"render", "--set", "width=1.5", kSolvane, "@scratch/o.wav"}, "0 to 1"},
    {"AssignmentWithoutValue", {"render", "--set", "width", kSolvane, "@scratch/o.wav"},
     "NAME=VALUE"},
    {"RefusedChunk", {"render", "--state-in", "@scratch/garbage.bin", kSolvane,
                      "@scratch/o.wav"}, "refused"},
    {"MissingStateFile", {"render", "--state-in", "@scratch/absent.bin", kSolvane,
                          "@scratch/o.wav"}, "cannot read state file"},
    {"NoChunksToSave", {"render", "--state-out", "@scratch/s.bin", "@fixture/mono_splitter",
                        "@scratch/o.wav"}, "chunks"},
    {"NoDoubleProcessing", {"render", "--double", "@fixture/mono_splitter", "@scratch/o.wav"},
     "64-bit"},
    {"ProgramOutOfRange", {"render", "--program", "1", kSolvane, "@scratch/o.wav"},
     "no program 1"},
    {"UnknownOption", {"render", "--loud", kSolvane, "@scratch/o.wav"}, "unknown option --loud"},
    {"OptionWithoutValue", {"render", kSolvane, "@scratch/o.wav", "--block"}, "needs a value"},
    {"BlockSizeZero", {"render", "--block", "0", kSolvane, "@scratch/o.wav"}, "--block"},
    {"RateNotANumber", {"demo", "--rate", "fast", "@scratch/o.wav"}, "--rate"},
    {"RateWithAnInputFile", {"render", "--rate", "8000", kSolvane, "@scratch/demo.wav",
                             "@scratch/o.wav"}, "only to the demo"},
    {"TooFewArguments", {"render", kSolvane}, "usage: kvx render"},
    {"UnknownCommand", {"play", kSolvane}, "unknown command 'play'"},
};

INSTANTIATE_TEST_SUITE_P(Cases, KvxErrors, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
