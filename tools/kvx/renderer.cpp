#include "tools/kvx/renderer.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "tools/kvx/audio_io.h"
#include "tools/kvx/kvx_error.h"
#include "tools/kvx/plugin_instance.h"

namespace kvx {

namespace {

constexpr double kDecibelsPerDecade = 20.0;

double toDbfs(double linear) {
    if (linear <= 0.0) return -std::numeric_limits<double>::infinity();
    return kDecibelsPerDecade * std::log10(linear);
}

}  // namespace

// A NaN sample makes the peak NaN for good, so that a broken output shows.
void LevelMeter::keepPeak(double magnitude) {
    if (std::isnan(peak_)) return;
    if (std::isnan(magnitude) || magnitude > peak_) peak_ = magnitude;
}

void LevelMeter::add(const double* left, const double* right, size_t frames) {
    for (size_t i = 0; i < frames; ++i) {
        keepPeak(std::fabs(left[i]));
        keepPeak(std::fabs(right[i]));
        sumOfSquares_ += left[i] * left[i] + right[i] * right[i];
    }
    samples_ += static_cast<int64_t>(2 * frames);
}

double LevelMeter::peakDbfs() const { return toDbfs(peak_); }

double LevelMeter::rmsDbfs() const {
    if (samples_ == 0) return toDbfs(0.0);
    return toDbfs(std::sqrt(sumOfSquares_ / static_cast<double>(samples_)));
}

std::string describeLevels(const LevelMeter& meter) {
    char text[96];
    std::snprintf(text, sizeof text, "peak %.2f dBFS, RMS %.2f dBFS", meter.peakDbfs(),
                  meter.rmsDbfs());
    return text;
}

namespace {

template <typename Sample>
std::vector<Sample*> pointersTo(std::vector<std::vector<Sample>>& channels) {
    std::vector<Sample*> pointers;
    for (std::vector<Sample>& channel : channels) pointers.push_back(channel.data());
    return pointers;
}

}  // namespace

template <typename Sample>
ProcessBuffers<Sample>::ProcessBuffers(int inputs, int outputs, size_t capacityFrames)
    : inputs_(static_cast<size_t>(inputs), std::vector<Sample>(capacityFrames)),
      outputs_(static_cast<size_t>(outputs), std::vector<Sample>(capacityFrames)),
      inputPointers_(pointersTo(inputs_)),
      outputPointers_(pointersTo(outputs_)) {}

template <typename Sample>
void ProcessBuffers<Sample>::load(const double* left, const double* right, size_t frames) {
    for (size_t c = 0; c < inputs_.size(); ++c) {
        const double* from = c % 2 == 0 ? left : right;
        std::transform(from, from + frames, inputs_[c].begin(),
                       [](double x) { return static_cast<Sample>(x); });
    }
    for (std::vector<Sample>& channel : outputs_)
        std::fill_n(channel.begin(), frames, Sample(0));
}

template <typename Sample>
void ProcessBuffers<Sample>::store(double* left, double* right, size_t frames) const {
    const std::vector<Sample>& first = outputs_.front();
    const std::vector<Sample>& second = outputs_.size() > 1 ? outputs_[1] : outputs_.front();
    std::copy_n(first.begin(), frames, left);
    std::copy_n(second.begin(), frames, right);
}

template class ProcessBuffers<float>;
template class ProcessBuffers<double>;

namespace {

constexpr int kFullPercent = 100;

}  // namespace

bool shouldShowProgress(bool requested, bool onTerminal, double inputSeconds) {
    return requested || (onTerminal && inputSeconds >= kLongInputSeconds);
}

ProgressReporter::ProgressReporter(bool enabled, int64_t totalFrames, FILE* out)
    : enabled_(enabled && totalFrames > 0), totalFrames_(totalFrames), out_(out) {}

void ProgressReporter::update(int64_t framesDone) {
    if (!enabled_) return;
    const int percent = static_cast<int>(kFullPercent * framesDone / totalFrames_);
    if (percent != shownPercent_ && percent < kFullPercent) show(percent);
}

void ProgressReporter::finish() {
    if (!enabled_) return;
    show(kFullPercent);
    std::fputc('\n', out_);
    std::fflush(out_);
    enabled_ = false;
}

void ProgressReporter::show(int percent) {
    shownPercent_ = percent;
    std::fprintf(out_, "\rkvx: rendering %3d%%", percent);
    std::fflush(out_);
}

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

bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace kvx
