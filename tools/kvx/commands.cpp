#include "tools/kvx/commands.h"

#include <iostream>
#include <memory>

#include "tools/kvx/demo_signal.h"
#include "tools/kvx/effect_settings.h"
#include "tools/kvx/host_callback.h"
#include "tools/kvx/info_printer.h"
#include "tools/kvx/plugin_instance.h"
#include "tools/kvx/plugin_preset.h"
#include "tools/kvx/renderer.h"
#include "tools/kvx/sound_file_reader.h"
#include "tools/kvx/sound_file_writer.h"

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

// The input file, or the demo signal when there is none; `demo` keeps the
// demo's samples alive for the source that plays them.
std::unique_ptr<AudioSource> openSource(const RenderOptions& options, StereoSignal& demo) {
    if (!options.inputPath.empty()) return std::make_unique<SoundFileReader>(options.inputPath);
    demo = makeDemoSignal(options.demoRateHz.value_or(kDemoDefaultRateHz));
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
    std::unique_ptr<AudioSource> source = openSource(options, demo);
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

}  // namespace kvx
