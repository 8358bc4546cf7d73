#include "tools/kvx/renderer.h"

#include <vector>

#include "tools/kvx/audio_source.h"
#include "tools/kvx/kvx_error.h"
#include "tools/kvx/plugin_instance.h"
#include "tools/kvx/process_buffers.h"
#include "tools/kvx/progress_reporter.h"
#include "tools/kvx/sound_file_writer.h"

namespace kvx {

namespace {

constexpr int kMaxChannels = 64;
constexpr VstIntPtr kProcessPrecision32 = 0;
constexpr VstIntPtr kProcessPrecision64 = 1;

void process(AEffect& effect, float** in, float** out, VstInt32 frames) {
    effect.processReplacing(&effect, in, out, frames);
}

void process(AEffect& effect, double** in, double** out, VstInt32 frames) {
    effect.processDoubleReplacing(&effect, in, out, frames);
}

// Mains on for the lifetime of the object, off again even when rendering
// stops on an error.
class MainsOn {
public:
    explicit MainsOn(PluginInstance& plugin) : plugin_(plugin) { plugin_.setMains(true); }
    ~MainsOn() { plugin_.setMains(false); }
    MainsOn(const MainsOn&) = delete;
    MainsOn& operator=(const MainsOn&) = delete;

private:
    PluginInstance& plugin_;
};

struct StereoBlock {
    explicit StereoBlock(size_t frames) : left(frames), right(frames) {}
    std::vector<double> left, right;
};

template <typename Sample>
RenderLevels renderIn(PluginInstance& plugin, AudioSource& source, SoundFileWriter& writer,
                      VstInt32 blockFrames, ProgressReporter& progress) {
    AEffect& effect = plugin.effect();
    const size_t capacity = static_cast<size_t>(blockFrames);
    ProcessBuffers<Sample> buffers(effect.numInputs, effect.numOutputs, capacity);
    StereoBlock in(capacity), out(capacity);
    RenderLevels levels;
    int64_t done = 0;
    MainsOn mains(plugin);
    while (const size_t frames = source.read(in.left.data(), in.right.data(), capacity)) {
        levels.input.add(in.left.data(), in.right.data(), frames);
        buffers.load(in.left.data(), in.right.data(), frames);
        process(effect, buffers.inputs(), buffers.outputs(), static_cast<VstInt32>(frames));
        buffers.store(out.left.data(), out.right.data(), frames);
        levels.output.add(out.left.data(), out.right.data(), frames);
        writer.write(out.left.data(), out.right.data(), frames);
        progress.update(done += static_cast<int64_t>(frames));
    }
    progress.finish();
    return levels;
}

}  // namespace

void requireProcessing(const PluginInstance& plugin, const RenderSettings& settings) {
    const AEffect& effect = plugin.effect();
    if (effect.numOutputs < 1 || effect.numOutputs > kMaxChannels || effect.numInputs < 0 ||
        effect.numInputs > kMaxChannels)
        throw KvxError("the plug-in has " + std::to_string(effect.numInputs) + " inputs and " +
                       std::to_string(effect.numOutputs) + " outputs; cannot render");
    if (settings.doublePrecision &&
        (!plugin.hasFlag(effFlagsCanDoubleReplacing) || !effect.processDoubleReplacing))
        throw KvxError("the plug-in cannot process 64-bit samples (no double replacing)");
    if (!settings.doublePrecision && !effect.processReplacing)
        throw KvxError("the plug-in has no replacing process entry");
}

RenderLevels render(PluginInstance& plugin, AudioSource& source, SoundFileWriter& writer,
                    const RenderSettings& settings, ProgressReporter& progress) {
    requireProcessing(plugin, settings);
    const bool wide = settings.doublePrecision;
    plugin.dispatch(effSetProcessPrecision, 0, wide ? kProcessPrecision64 : kProcessPrecision32);
    if (wide) return renderIn<double>(plugin, source, writer, settings.blockFrames, progress);
    return renderIn<float>(plugin, source, writer, settings.blockFrames, progress);
}

}  // namespace kvx
