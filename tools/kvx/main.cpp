// kvx: a command-line VST 2.4 host. It loads any plug-in library the way a
// workstation does and talks to it only through the dispatcher and the
// effect record.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/kvx/commands.h"
#include "tools/kvx/kvx_error.h"

namespace {

// A new command joins here: its name, its synopsis for the usage text and
// the function that runs it.
struct Command {
    const char* name;
    const char* synopsis;
    int (*run)(const kvx::Arguments& args);
};

const Command kCommands[] = {
    {"info", "info PLUGIN", kvx::runInfo},
    {"render", "render [options] PLUGIN [IN] OUT", kvx::runRender},
    {"demo", "demo [--rate HZ] OUT", kvx::runDemo},
    {"shot", "shot PLUGIN OUT.png [--set NAME=V ...] [--signal demo|FILE]", kvx::runShot},
};

constexpr const char* kUsageDetails =
    "\n"
    "info    prints the plug-in's identity, flags, parameters and programs.\n"
    "render  runs IN (WAV, FLAC, AIFF; mono feeds both channels, only the first\n"
    "        two channels of a wider file are used) through the plug-in and writes\n"
    "        OUT at the input's rate, in the format its extension names: .wav and\n"
    "        .aiff/.aif as 32-bit float, .flac as 24-bit PCM, .ogg as Vorbis.\n"
    "        Without IN it renders the built-in demo signal. Prints input and output\n"
    "        peak and RMS.\n"
    "demo    writes the built-in demo signal (about 6 s of stereo material), in\n"
    "        the format OUT's extension names, as render does.\n"
    "shot    draws the plug-in's editor, without a window, into OUT.png after\n"
    "        setting the parameters given with --set (our plug-ins only); with\n"
    "        --signal it first plays 2 s of the demo signal or of FILE through the\n"
    "        plug-in, idling its editor between blocks as a host does.\n"
    "\n"
    "render options:\n"
    "  --double          process in 64 bits; .wav and .aiff get 64-bit float\n"
    "                    samples, .flac and .ogg keep their own\n"
    "  --block N         frames per process call (default 512)\n"
    "  --set NAME=V      set a parameter by name (any case) or index to V in 0..1;\n"
    "                    repeatable\n"
    "  --program N       select program N before rendering\n"
    "  --state-in FILE   restore the plug-in's state chunk from FILE first\n"
    "  --state-out FILE  save the plug-in's state chunk to FILE afterwards\n"
    "  --preset FILE     load one of our preset files (.kvx) into the current\n"
    "                    program (our plug-ins with presets only)\n"
    "  --save-preset FILE\n"
    "                    save the current program as a preset file afterwards\n"
    "  --progress        show progress on stderr (shown by itself on a terminal\n"
    "                    for inputs of 30 s or more)\n"
    "  --rate HZ         sample rate of the demo signal (default 44100)\n"
    "  --help            this text\n"
    "  Before rendering: --state-in, then --program, then --preset, then --set;\n"
    "  afterwards: --state-out, then --save-preset.\n";

void printUsage(FILE* out) {
    std::fprintf(out, "usage:\n");
    for (const Command& command : kCommands) std::fprintf(out, "  kvx %s\n", command.synopsis);
    std::fputs(kUsageDetails, out);
}

const Command* findCommand(const std::string& name) {
    for (const Command& command : kCommands)
        if (name == command.name) return &command;
    return nullptr;
}

constexpr int kFailureExitCode = 1;
constexpr int kUsageExitCode = 2;

int fail(const std::string& message) {
    std::fprintf(stderr, "kvx: %s\n", message.c_str());
    return kFailureExitCode;
}

}  // namespace

int main(int argc, char** argv) {
    const kvx::Arguments args(argv + 1, argv + argc);
    if (args.empty()) {
        printUsage(stderr);
        return kUsageExitCode;
    }
    if (kvx::asksForHelp(args)) {
        printUsage(stdout);
        return 0;
    }
    const Command* command = findCommand(args[0]);
    if (!command) return fail("unknown command '" + args[0] + "' (see kvx --help)");
    try {
        return command->run(kvx::Arguments(args.begin() + 1, args.end()));
    } catch (const kvx::KvxError& error) {
        return fail(error.what());
    } catch (const std::exception& error) {
        return fail(std::string("unexpected failure: ") + error.what());
    }
}
