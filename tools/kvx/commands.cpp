#include "tools/kvx/commands.h"

#include <cairo.h>
#include <chrono>
#include <iostream>
#include <memory>
#include <thread>

#include "host/aeff_editor.h"
#include "tools/kvx/audio_io.h"
#include "tools/kvx/demo_signal.h"
#include "tools/kvx/effect_settings.h"
#include "tools/kvx/info_printer.h"
#include "tools/kvx/kvx_error.h"
#include "tools/kvx/plugin_instance.h"
#include "tools/kvx/plugin_preset.h"
#include "tools/kvx/renderer.h"

namespace kvx {

int runInfo(const Arguments& args) {
    const InfoOptions options = parseInfoOptions(args);
    HostState host;
    PluginInstance plugin(options.pluginPath, host);
    plugin.open(host.sampleRateHz, host.blockFrames);
    printInfo(plugin, options.pluginPath, std::cout);
    return 0;
}

namespace {

// The sound file at `path`, or the demo signal at `demoRateHz` when there is
// none; `demo` keeps the demo's samples alive for the source that plays them.
std::unique_ptr<AudioSource> openInput(const std::string& path, int demoRateHz,
                                       StereoSignal& demo) {
    if (!path.empty()) return std::make_unique<SoundFileReader>(path);
    demo = makeDemoSignal(demoRateHz);
    return std::make_unique<StereoSignalSource>(demo);
}

// Everything that could refuse the job is checked before any audio is made.
void checkCapabilities(const PluginInstance& plugin, const RenderOptions& options) {
    requireProcessing(plugin, options.settings);
    if (!options.stateIn.empty() || !options.stateOut.empty()) requireChunks(plugin);
}

// The preset system is asked for through the open effect's chunk, so this
// check follows effOpen; it still comes before any audio is made.
void checkPresetSystem(PluginInstance& plugin, const RenderOptions& options) {
    if (!options.presetIn.empty() || !options.presetOut.empty()) requirePresetSystem(plugin);
}

// State first, then the program, then a preset into the current program,
// then single parameters, so that each later choice overrides the earlier
// ones.
void prepare(PluginInstance& plugin, const RenderOptions& options) {
    if (!options.stateIn.empty()) restoreState(plugin, options.stateIn);
    if (options.program) selectProgram(plugin, *options.program);
    if (!options.presetIn.empty()) loadPreset(plugin, options.presetIn);
    applyAssignments(plugin, options.assignments);
}

// The bank's state first, then the current program as a preset.
void saveAfterwards(PluginInstance& plugin, const RenderOptions& options) {
    if (!options.stateOut.empty()) saveState(plugin, options.stateOut);
    if (!options.presetOut.empty()) savePreset(plugin, options.presetOut);
}

ProgressReporter makeProgress(const RenderOptions& options, const AudioSource& source) {
    const double seconds =
        static_cast<double>(source.totalFrames()) / static_cast<double>(source.sampleRateHz());
    return ProgressReporter(
        shouldShowProgress(options.progress, standardErrorIsTerminal(), seconds),
        source.totalFrames());
}

}  // namespace

int runRender(const Arguments& args) {
    const RenderOptions options = parseRenderOptions(args);
    StereoSignal demo;
    std::unique_ptr<AudioSource> source =
        openInput(options.inputPath, options.demoRateHz.value_or(kDemoDefaultRateHz), demo);
    HostState host;
    PluginInstance plugin(options.pluginPath, host);
    checkCapabilities(plugin, options);
    plugin.open(static_cast<float>(source->sampleRateHz()), options.settings.blockFrames);
    checkPresetSystem(plugin, options);
    prepare(plugin, options);
    SoundFileWriter writer(options.outputPath, source->sampleRateHz(), options.outputFormat);
    ProgressReporter progress = makeProgress(options, *source);
    const RenderLevels levels = render(plugin, *source, writer, options.settings, progress);
    writer.close();
    saveAfterwards(plugin, options);
    std::cout << "input " << describeLevels(levels.input) << "; output "
              << describeLevels(levels.output) << "\n";
    return 0;
}

int runDemo(const Arguments& args) {
    const DemoOptions options = parseDemoOptions(args);
    const StereoSignal demo = makeDemoSignal(options.sampleRateHz.value_or(kDemoDefaultRateHz));
    SoundFileWriter writer(options.outputPath, demo.sampleRateHz, options.outputFormat);
    writer.write(demo.left.data(), demo.right.data(), demo.left.size());
    writer.close();
    LevelMeter levels;
    levels.add(demo.left.data(), demo.right.data(), demo.left.size());
    std::cout << "demo: " << demo.left.size() << " frames at " << demo.sampleRateHz << " Hz, "
              << describeLevels(levels) << "\n";
    return 0;
}

// kvx shot: opens the plug-in's editor without a window, asks it through our
// own vendor-specific request to draw its whole face into a pixel buffer of
// ours, closes it again and writes the picture as a PNG file. Works with our
// own plug-ins only; any other answers 0. With --signal it first plays a
// signal through the effect with the editor open, so that meters and scopes
// show something.
namespace {

constexpr const char* kShotUsage =
    "kvx shot PLUGIN OUT.png [--set NAME=V ...] [--signal demo|FILE]";
constexpr const char* kDemoSignalName = "demo";
constexpr double kSignalSeconds = 2.0;
// The end of the signal is played at its own pace, idling between blocks as
// a host does, so that displays which measure on timed idle passes fill up.
constexpr double kPacedSeconds = 0.75;

struct ShotOptions {
    std::string pluginPath;
    std::string outputPath;
    std::vector<ParameterAssignment> assignments;
    std::string signal;  // empty: none
};

// The value of option `name` at args[i], given as "NAME V" or "NAME=V";
// false when args[i] is another argument.
bool optionValue(const Arguments& args, size_t& i, const std::string& name, std::string& value) {
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size()) throw KvxError(name + " needs a value");
        value = args[++i];
        return true;
    }
    if (arg.rfind(name + "=", 0) != 0) return false;
    value = arg.substr(name.size() + 1);
    return true;
}

ShotOptions parseShotOptions(const Arguments& args) {
    ShotOptions options;
    Arguments positionals;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string value;
        if (optionValue(args, i, "--set", value)) {
            options.assignments.push_back(parseAssignment(value));
        } else if (optionValue(args, i, "--signal", value)) {
            if (value.empty()) throw KvxError("--signal needs demo or a sound file");
            options.signal = value;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw KvxError("unknown option " + arg + " (see kvx --help)");
        } else {
            positionals.push_back(arg);
        }
    }
    if (positionals.size() != 2) throw KvxError(std::string("usage: ") + kShotUsage);
    options.pluginPath = positionals[0];
    options.outputPath = positionals[1];
    return options;
}

using Image = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

// Asks the open editor for the size of its face, then for the face itself in
// an image of that size; null when the plug-in does not answer.
Image requestFace(PluginInstance& plugin) {
    Image none(nullptr, cairo_surface_destroy);
    SnapshotBuffer request{};
    request.structBytes = sizeof request;
    if (plugin.dispatch(effVendorSpecific, kSnapshotRequest, 0, &request) <= 0 ||
        request.width <= 0 || request.height <= 0)
        return none;
    Image image(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, request.width, request.height),
                cairo_surface_destroy);
    if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return none;
    cairo_surface_flush(image.get());
    request.strideBytes = cairo_image_surface_get_stride(image.get());
    request.pixels = cairo_image_surface_get_data(image.get());
    request.capacityBytes = static_cast<int64_t>(request.strideBytes) * request.height;
    if (plugin.dispatch(effVendorSpecific, kSnapshotRequest, 0, &request) != 1) return none;
    cairo_surface_mark_dirty(image.get());
    return image;
}

// Plays the first kSignalSeconds of `signal` through the effect in blocks of
// the host's size, with an editor idle after every block.
void playSignal(PluginInstance& plugin, HostState& host, const std::string& signal) {
    StereoSignal demo;
    const std::unique_ptr<AudioSource> source =
        openInput(signal == kDemoSignalName ? std::string() : signal,
                  static_cast<int>(host.sampleRateHz), demo);
    const double rateHz = source->sampleRateHz();
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(rateHz));
    AEffect& effect = plugin.effect();
    const auto capacity = static_cast<size_t>(host.blockFrames);
    ProcessBuffers<float> buffers(effect.numInputs, effect.numOutputs, capacity);
    std::vector<double> left(capacity), right(capacity);
    const auto total = static_cast<int64_t>(kSignalSeconds * rateHz);
    const auto pacedFrom = static_cast<int64_t>((kSignalSeconds - kPacedSeconds) * rateHz);
    for (int64_t done = 0; done < total;) {
        const size_t frames = source->read(left.data(), right.data(), capacity);
        if (frames == 0) break;
        buffers.load(left.data(), right.data(), frames);
        effect.processReplacing(&effect, buffers.inputs(), buffers.outputs(),
                                static_cast<VstInt32>(frames));
        done += static_cast<int64_t>(frames);
        if (done >= pacedFrom)
            std::this_thread::sleep_for(std::chrono::duration<double>(frames / rateHz));
        plugin.dispatch(effEditIdle);
    }
}

}  // namespace

int runShot(const Arguments& args) {
    const ShotOptions options = parseShotOptions(args);
    HostState host;
    PluginInstance plugin(options.pluginPath, host);
    if (!plugin.hasFlag(effFlagsHasEditor)) throw KvxError("the plug-in has no editor");
    plugin.open(host.sampleRateHz, host.blockFrames);
    applyAssignments(plugin, options.assignments);

    plugin.dispatch(effEditOpen);  // no parent window: the face is built headless
    plugin.dispatch(effEditIdle);
    if (!options.signal.empty()) {
        plugin.setMains(true);
        playSignal(plugin, host, options.signal);
    }
    const Image face = requestFace(plugin);
    plugin.dispatch(effEditClose);
    if (!options.signal.empty()) plugin.setMains(false);
    if (!face) throw KvxError("the plug-in did not draw its editor (not one of ours)");
    if (cairo_surface_write_to_png(face.get(), options.outputPath.c_str()) != CAIRO_STATUS_SUCCESS)
        throw KvxError("cannot write " + options.outputPath);
    std::cout << options.outputPath << ": " << cairo_image_surface_get_width(face.get()) << " x "
              << cairo_image_surface_get_height(face.get()) << "\n";
    return 0;
}

}  // namespace kvx
