// The command lines of the kvx commands, parsed into one record per command.
// Every function throws KvxError with a one-line reason for a bad option, a
// missing or surplus argument, or a malformed value.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/kvx/effect_settings.h"
#include "tools/kvx/renderer.h"

namespace kvx {

using Arguments = std::vector<std::string>;

constexpr int kMinBlockFrames = 1;
constexpr int kMaxBlockFrames = 65536;
constexpr int kMinSampleRateHz = 8000;
constexpr int kMaxSampleRateHz = 384000;

struct InfoOptions {
    std::string pluginPath;
};

struct DemoOptions {
    std::string outputPath;
    int outputFormat = 0;  // libsndfile's, from the output's extension
    std::optional<int> sampleRateHz;
};

struct RenderOptions {
    std::string pluginPath;
    std::string inputPath;  // empty: render the demo signal
    std::string outputPath;
    int outputFormat = 0;  // libsndfile's, from the output's extension and --double
    RenderSettings settings;
    std::vector<ParameterAssignment> assignments;
    std::optional<int> program;
    std::string stateIn;
    std::string stateOut;
    std::string presetIn;   // --preset
    std::string presetOut;  // --save-preset
    bool progress = false;
    std::optional<int> demoRateHz;
};

// True when the arguments ask for the usage text ("--help" or "-h").
bool asksForHelp(const Arguments& args);

InfoOptions parseInfoOptions(const Arguments& args);
DemoOptions parseDemoOptions(const Arguments& args);
RenderOptions parseRenderOptions(const Arguments& args);

}  // namespace kvx
