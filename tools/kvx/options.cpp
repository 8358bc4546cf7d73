#include "tools/kvx/options.h"

#include <cerrno>
#include <cstdlib>

#include "tools/kvx/audio_io.h"
#include "tools/kvx/kvx_error.h"

namespace kvx {

namespace {

template <typename Options>
struct OptionRule {
    const char* name;
    bool takesValue;
    void (*apply)(Options& options, const std::string& value);
};

struct SplitArguments {
    Arguments positionals;
    std::vector<std::pair<std::string, std::string>> options;  // name, value
};

bool looksLikeOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

int parseInteger(const std::string& text, const std::string& option, long min, long max) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < min || value > max)
        throw KvxError(option + " needs a whole number from " + std::to_string(min) + " to " +
                       std::to_string(max) + ", not '" + text + "'");
    return static_cast<int>(value);
}

template <typename Options>
using OptionRules = std::vector<OptionRule<Options>>;

template <typename Options>
const OptionRule<Options>& findRule(const OptionRules<Options>& rules, const std::string& name) {
    for (const OptionRule<Options>& rule : rules)
        if (name == rule.name) return rule;
    throw KvxError("unknown option " + name + " (see kvx --help)");
}

// Applies the options in `args` to `options` and returns the positionals.
// "--name value" and "--name=value" both work; after "--" every argument is
// positional.
template <typename Options>
Arguments applyOptions(const Arguments& args, const OptionRules<Options>& rules,
                       Options& options) {
    Arguments positionals;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            positionals.insert(positionals.end(), args.begin() + static_cast<long>(i) + 1,
                               args.end());
            break;
        }
        if (!looksLikeOption(arg)) {
            positionals.push_back(arg);
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionRule<Options>& rule = findRule(rules, name);
        std::string value;
        if (rule.takesValue && equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (rule.takesValue) {
            if (i + 1 >= args.size()) throw KvxError(name + " needs a value");
            value = args[++i];
        } else if (equals != std::string::npos) {
            throw KvxError(name + " takes no value");
        }
        rule.apply(options, value);
    }
    return positionals;
}

void requireCount(const Arguments& positionals, size_t min, size_t max, const char* usage) {
    if (positionals.size() < min || positionals.size() > max)
        throw KvxError(std::string("usage: ") + usage);
}

int parseRate(const std::string& value) {
    return parseInteger(value, "--rate", kMinSampleRateHz, kMaxSampleRateHz);
}

const OptionRules<InfoOptions> kInfoRules = {};

const OptionRules<DemoOptions> kDemoRules = {
    {"--rate", true, [](DemoOptions& o, const std::string& v) { o.sampleRateHz = parseRate(v); }},
};

const OptionRules<RenderOptions> kRenderRules = {
    {"--double", false, [](RenderOptions& o, const std::string&) {
         o.settings.doublePrecision = true;
     }},
    {"--block", true, [](RenderOptions& o, const std::string& v) {
         o.settings.blockFrames = parseInteger(v, "--block", kMinBlockFrames, kMaxBlockFrames);
     }},
    {"--set", true, [](RenderOptions& o, const std::string& v) {
         o.assignments.push_back(parseAssignment(v));
     }},
    {"--program", true, [](RenderOptions& o, const std::string& v) {
         o.program = parseInteger(v, "--program", 0, 1 << 30);
     }},
    {"--state-in", true, [](RenderOptions& o, const std::string& v) { o.stateIn = v; }},
    {"--state-out", true, [](RenderOptions& o, const std::string& v) { o.stateOut = v; }},
    {"--preset", true, [](RenderOptions& o, const std::string& v) { o.presetIn = v; }},
    {"--save-preset", true, [](RenderOptions& o, const std::string& v) { o.presetOut = v; }},
    {"--progress", false, [](RenderOptions& o, const std::string&) { o.progress = true; }},
    {"--rate", true, [](RenderOptions& o, const std::string& v) { o.demoRateHz = parseRate(v); }},
};

}  // namespace

bool asksForHelp(const Arguments& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return false;
        if (arg == "--help" || arg == "-h") return true;
    }
    return false;
}

InfoOptions parseInfoOptions(const Arguments& args) {
    InfoOptions options;
    const Arguments positionals = applyOptions(args, kInfoRules, options);
    requireCount(positionals, 1, 1, "kvx info PLUGIN");
    options.pluginPath = positionals[0];
    return options;
}

DemoOptions parseDemoOptions(const Arguments& args) {
    DemoOptions options;
    const Arguments positionals = applyOptions(args, kDemoRules, options);
    requireCount(positionals, 1, 1, "kvx demo [--rate HZ] OUT");
    options.outputPath = positionals[0];
    options.outputFormat = soundFileFormatFor(options.outputPath, SampleFormat::Float32);
    return options;
}

RenderOptions parseRenderOptions(const Arguments& args) {
    RenderOptions options;
    const Arguments positionals = applyOptions(args, kRenderRules, options);
    requireCount(positionals, 2, 3, "kvx render [options] PLUGIN [IN] OUT");
    options.pluginPath = positionals.front();
    options.outputPath = positionals.back();
    if (positionals.size() == 3) options.inputPath = positionals[1];
    if (!options.inputPath.empty() && options.demoRateHz)
        throw KvxError("--rate applies only to the demo signal (the output keeps the input's rate)");
    const SampleFormat precision =
        options.settings.doublePrecision ? SampleFormat::Float64 : SampleFormat::Float32;
    options.outputFormat = soundFileFormatFor(options.outputPath, precision);
    return options;
}

}  // namespace kvx
